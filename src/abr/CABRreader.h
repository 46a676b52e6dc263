#pragma once

#include "brush/BrushFile.h"

#include <QString>
#include <memory>

// Reads one brush file on the calling thread and posts each brush to the main thread the
// moment it is made ("AddBrush"), then "FinishedReadingFile". Errors are thrown as int
// (-1 for a format violation), after the end notice has been posted.
class CABRreader
{
public:
    explicit CABRreader(const QString& path);
    ~CABRreader();
    CABRreader(const CABRreader&) = delete;
    CABRreader& operator=(const CABRreader&) = delete;

    void Read(const BrushFilePtr& file);

    class Impl;

private:
    std::unique_ptr<Impl> mImpl;
};
