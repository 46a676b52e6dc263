#pragma once

#include "brush/Brush.h"
#include "brush/Pattern.h"

#include <QMetaType>
#include <QString>
#include <memory>
#include <vector>

// The brushes (and patterns) of one file in the order they arrived. Main thread only; the reading thread
// merely passes a reference to it along so the main thread can tell reads apart.
class BrushFile
{
public:
    explicit BrushFile(QString path) : mFilePath(std::move(path)) {}
    static std::shared_ptr<BrushFile> brushFileWithPath(const QString& path)
    {
        return std::make_shared<BrushFile>(path);
    }

    const QString& getPath() const { return mFilePath; }
    size_t count() const { return mBrushes.size(); }
    void addBrush(BrushPtr brush) { mBrushes.push_back(std::move(brush)); }
    // Throws std::out_of_range for an index past the end.
    const BrushPtr& brush(size_t index) const { return mBrushes.at(index); }
    const std::vector<BrushPtr>& brushes() const { return mBrushes; }
    // The textures the file carries, in file order; they arrive after its brushes.
    void addPattern(PatternPtr pattern) { mPatterns.push_back(std::move(pattern)); }
    const std::vector<PatternPtr>& patterns() const { return mPatterns; }

private:
    std::vector<BrushPtr> mBrushes;
    std::vector<PatternPtr> mPatterns;
    QString mFilePath;
};

using BrushFilePtr = std::shared_ptr<BrushFile>;

Q_DECLARE_METATYPE(BrushFilePtr)
