#pragma once

#include "brush/BrushPreset.h"
#include "brush/Pattern.h"

#include <QImage>
#include <QSize>
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

    // The image at full size; null when the brush has none. A computed brush draws it here
    // (or finds it in its cache), so callers that only need the size ask for pixelSize().
    virtual QImage image() const = 0;
    // Width and height of image(), known without drawing; empty when there is no image.
    virtual QSize pixelSize() const = 0;
    // The image made to fit a side x side square (never enlarged), for a grid cell.
    virtual QImage thumbnail(int side) const;

    // Absent for brushes from files that carry no names, which is not the same as "".
    const std::optional<QString>& name() const { return mName; }
    QSizeF size() const { return QSizeF(pixelSize()); }
    // ReadableName() of the stored name; null when there is none.
    QString displayName() const;

    virtual TipKind kind() const = 0;
    bool isComputed() const { return kind() == TipKind::Computed; }

    // The preset this brush is, with its tip's size, angle, roundness, spacing and the settings
    // that make it paint; null when its file carries none (a brush made in a test).
    const BrushPreset* preset() const { return mPreset.get(); }
    const std::shared_ptr<const BrushPreset>& sharedPreset() const { return mPreset; }
    // Only while the brush is being built, before it is handed on.
    void setPreset(std::shared_ptr<const BrushPreset> preset) { mPreset = std::move(preset); }
    // The stored sample the preset's dual brush paints with, when it has a sampled one and the
    // file holds it: it is no brush of its own, so it travels with the preset.
    const std::shared_ptr<const Brush>& dualTip() const { return mDualTip; }
    // Only while the brush is being built, before it is handed on.
    void setDualTip(std::shared_ptr<const Brush> tip) { mDualTip = std::move(tip); }

    // The pattern the brush's preset paints through, when it has one.
    const std::optional<PatternReference>& texture() const { return mTexture; }
    // Only while the brush is being built, before it is handed on.
    void setTexture(PatternReference texture) { mTexture = std::move(texture); }

private:
    std::optional<QString> mName;
    std::optional<PatternReference> mTexture;
    std::shared_ptr<const BrushPreset> mPreset;
    std::shared_ptr<const Brush> mDualTip;
};

// A stored brush or pattern name as people read it, the one form every listing, view, pack,
// export and the library show or write: files of version 6 and later end their names with a
// zero unit, which is dropped, and a Photoshop resource string
// ("$$$/Presets/Patterns/Gray_Granite=Gray Granite") gives its text ("Gray Granite").
QString ReadableName(const QString& stored);

using BrushPtr = std::shared_ptr<const Brush>;
