#pragma once

#include "brush/Brush.h"

// A bristle or erodible tip. Photoshop simulates these while painting; the file holds their
// parameters, not a picture, so the image is a drawn preview: good enough to tell tips apart,
// and said to be a preview wherever it is shown or written. Drawn when asked for, not kept.
class PreviewBrush : public Brush
{
public:
    // `tip` is a bristle or an erodible tip; its diameter and angle size and turn the preview.
    PreviewBrush(std::optional<QString> name, TipShape tip);

    QImage image() const override;
    QSize pixelSize() const override { return mSize; }
    QImage thumbnail(int side) const override;
    TipKind kind() const override { return mTip.kind; }
    const TipShape& tip() const { return mTip; }

    // The largest side a preview is drawn at; larger tips are drawn at this size. Their size is
    // known without drawing, the box of the tip's outline turned by its angle.
    static constexpr int kMaxSide = 2048;

private:
    // The preview drawn at `scale` times the tip's size.
    QImage draw(double scale) const;

    TipShape mTip;
    double mRadius = 0.5; // pixels, half the diameter
    double mScale = 1.0;  // below 1 for tips larger than kMaxSide
    QSize mSize;
};
