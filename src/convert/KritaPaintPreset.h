#pragma once

#include "convert/BrushPack.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <map>
#include <optional>

// Krita's paint preset (.kpp) for a brush's preset, of Krita's pixel brush engine.
//
// A .kpp is a PNG, 200 x 200 as Krita's own are, whose picture is the preset's stroke and which
// carries two text chunks: "version" ("5.0" from Krita 5, "2.2" from Krita 4; Krita 5.1 reads
// both) and "preset", the XML below. Krita names the preset after the root's name attribute.
//
//   <Preset paintopid="paintbrush" name="…">
//     <param type="internal" name="SizeValue">1</param>            numbers and switches
//     <param type="string" name="SizeSensor"><![CDATA[…]]></param>  text, kept verbatim
//   </Preset>
//
// What the parameters mean, as Krita 5.1's own presets (its bundled Krita_4_Default_Resources
// and RGBA_brushes) and its libraries' key strings show them:
// - brush_definition: <Brush type="gbr_brush" filename md5sum (hex MD5 of the tip file, which
//   Krita looks up before the file name) spacing (a fraction of the tip's size) angle (radians)
//   scale …/> or type="auto_brush" with <MaskGenerator type="circle" id="default" diameter
//   ratio hfade vfade (1 = hard) spikes="2"/>.
// - a curve option X (Size, Opacity, Flow, Rotation, Ratio, Scatter, Mirror, Mix, h, s, v,
//   Texture/Strength/): PressureX (the option on), XSensor (<params id="pressure"> with a
//   <curve>x,y;x,y;</curve>, or id="sensorslist" holding <ChildSensor id=…> elements),
//   XUseCurve (false: the constant XValue alone), XUseSameCurve, XValue (its strength, 0 to 1;
//   Scatter in tip sizes, 5 in Krita's own presets, the most Kelbrin writes), XcurveMode
//   (0 multiplies the sensors, 1 adds them).
// - sensor ids: pressure, xtilt, ytilt, declination (tilt elevation), ascension (tilt
//   direction), rotation, tangentialpressure (wheel), drawingangle (lockedAngleMode="1" keeps
//   the stroke's first direction), fuzzy (random each dab), fuzzystroke (random each stroke),
//   fade (length in dabs), distance, time, speed, perspective.
// - Scattering/AxisX, Scattering/AxisY; HorizontalMirrorEnabled, VerticalMirrorEnabled.
// - Texture/Pattern/Enabled, PatternMD5Sum (hex), PatternFileName, Name, Scale, Brightness
//   (-1 to 1), Contrast, Invert, TexturingMode (in the order of Krita's manual:
//   0 Multiply, 1 Subtract, 2 Lightness Map, 3 Gradient Map, 4 Darken, 5 Overlay,
//   6 Color Dodge, 7 Color Burn, 8 Linear Dodge, 9 Linear Burn, 10 Hard Mix (Photoshop),
//   11 Hard Mix Softer (Photoshop), 12 Height, 13 Linear Height, 14 Height (Photoshop),
//   15 Linear Height (Photoshop)).
// - MaskingBrush/Enabled, MaskingCompositeOp (multiply, darken, overlay, dodge, burn,
//   linear_burn, linear_dodge, hard_mix_photoshop, linear_height_photoshop, …),
//   MasterSizeCoeff, UseMasterSize, and the masking tip's own options under
//   MaskingBrush/Preset/ (brush_definition, Scatter…).
// - PaintOpSettings/isAirbrushing and PaintOpSettings/rate; CompositeOp; OpacityValue and
//   FlowValue (the preset's opacity and flow, 0 to 1).
// Krita itself judges what Kelbrin writes (KritaLoadsBundleTest): it lists every preset under
// its name, reads its engine from the XML and finds its tips and pattern by their MD5.

// Plans the preset of pack.sources[packed.index] as a Krita paint preset, after its tip's entry:
// pushes its entries (its dual brush's tip, then the .kpp) onto pack.entries and fills
// packed.presetFileName and packed.settings. Does nothing for a brush that is no preset.
void PlanKritaPreset(BrushPack& pack, PackedBrush& packed);

// The MD5 (hex) of entries' bytes by entry index, as far as they are known: a bundle writer
// knows its tips' once it has written them, which spares drawing a tip twice.
using KritaResourceSums = std::map<size_t, QByteArray>;

// The bytes of entry, one of pack's kPaintPresets entries; painter paints its picture, unless
// it is given (KritaPresetPicture). The MD5 of a tip or pattern it names comes from sums, or is
// made (and added to sums).
QByteArray KritaPresetEntryBytes(const BrushPack& pack, const PackEntry& entry,
                                 const PackPreviewPainter& painter,
                                 KritaResourceSums* sums = nullptr,
                                 const QImage* picture = nullptr);

// The picture of the preset of pack.sources[source]: its stroke as painter paints it, or its
// tip without a painter. Reads the brush only, so it may be painted on another thread.
QImage KritaPresetPicture(const BrushPack& pack, size_t source, const PackPreviewPainter& painter);

// What a .kpp holds, read back: its name, engine, and parameters by name as the XML gives
// them, with the brush definition's attributes picked out.
struct KritaPresetFile
{
    QString version;
    QString name;
    QString paintop;
    std::map<QString, QString> params;
    QImage picture;
    // brush_definition's <Brush> (and, for an auto tip, its <MaskGenerator>) attributes.
    std::map<QString, QString> tip;

    QString param(const QString& key) const;
    double number(const QString& key, double otherwise = 0) const;
    // The sensor ids of the curve option whose sensor parameter is key ("SizeSensor"), in
    // order; none when the option is off (Pressure… false) or has no sensors.
    QStringList sensors(const QString& option) const;
};

// None when bytes are no PNG with a preset XML whose root is a <Preset>.
std::optional<KritaPresetFile> ReadKritaPreset(const QByteArray& bytes, bool withPicture = false);
