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
    explicit CABRreader(const QString& path);
    ~CABRreader();
    CABRreader(const CABRreader&) = delete;
    CABRreader& operator=(const CABRreader&) = delete;

    void Read(CBrushSink& sink);

    class Impl;

private:
    std::unique_ptr<Impl> mImpl;
};
