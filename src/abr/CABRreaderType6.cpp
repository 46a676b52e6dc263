#include "abr/CABRreaderImpl.h"

#include "platform/Logging.h"

// Versions 6 to 10 are sections of "8BIM" blocks with a descriptor; not read yet, so such a
// file yields no brushes.
void CABRreader::Impl::ReadType6Brushes(const BrushFilePtr& file, int subVersion)
{
    qCWarning(lcAbr) << "Brush files of version 6 and later are not read yet:" << file->getPath()
                     << "sub-version" << subVersion;
}
