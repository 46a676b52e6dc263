#pragma once

#include "abr/CBrushSink.h"

#include <QString>
#include <memory>

// Reads one brush file on the calling thread and hands each brush to a sink the moment it is
// made, then tells the sink the read is over. Errors are thrown as int (kDamagedFileError for a
// format violation, see ReadErrors.h) or std::bad_alloc, after the sink has been told.
class CABRreader
{
public:
    // What a file's brushes are: its presets in Photoshop's order, then the stored samples no
    // preset uses; or only the tips it stores, in the file's own order (samples, then computed
    // tips), each once, as they are stored.
    enum class ReadAs { Presets, StoredTips };

    explicit CABRreader(const QString& path, ReadAs as = ReadAs::Presets);
    ~CABRreader();
    CABRreader(const CABRreader&) = delete;
    CABRreader& operator=(const CABRreader&) = delete;

    void Read(CBrushSink& sink);

    class Impl;

private:
    std::unique_ptr<Impl> mImpl;
};
