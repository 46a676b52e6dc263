#pragma once

#include <QImage>
#include <QSizeF>
#include <QString>
#include <memory>
#include <optional>

// An immutable brush: an optional name and a greyscale image in which dark means ink.
// Built whole on the reading thread, then only read, so it is shared without locks.
class Brush
{
public:
    explicit Brush(std::optional<QString> name);
    virtual ~Brush();
    Brush(const Brush&) = delete;
    Brush& operator=(const Brush&) = delete;

    const QImage& image() const { return mImage; }
    // Absent for brushes from files that carry no names, which is not the same as "".
    const std::optional<QString>& name() const { return mName; }
    QSizeF size() const;
    // The name as people read it: files of version 6 and later keep a terminating zero unit in
    // the stored name, which is not shown.
    QString displayName() const;

    virtual bool isComputed() const = 0;

protected:
    QImage mImage;

private:
    std::optional<QString> mName;
};

using BrushPtr = std::shared_ptr<const Brush>;
