#pragma once

#include "brush/BrushPreset.h"
#include "platform/ucstring.h"

#include <QString>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CInStream;
class CNamedListObjectNode;

// What the brush reader needs from a file's descriptor section: its presets in order, and for
// the stored tips alone the name of each stored sample and the parameters of each computed tip.
// The parsed tree is walked once and dropped once these are taken.
class CDescChunk
{
public:
    // The pattern a preset paints through, as its "Txtr" object names it.
    struct STexture
    {
        ucstring name;
        ucstring identifier;
    };

    struct SComputedBrushDesc
    {
        ucstring name;
        double diameter;
        double hardness;
        double angle;
        double roundness;
        std::optional<STexture> texture;
    };

    struct SSampledBrushDesc
    {
        ucstring name;
        std::optional<STexture> texture;
    };

    struct SPresetDesc
    {
        QString name; // as stored, its terminating zero unit included
        std::shared_ptr<const BrushPreset> preset;
        // The tip is of a class Photoshop writes: without one the preset is shown as a
        // placeholder under its name.
        bool tipKnown = false;
    };

    // The stream stands at the first data byte of a section of sectionLength bytes; it is left
    // after the last byte read. Throws kDamagedFileError when the descriptor cannot be parsed or
    // would take more memory than such a section may.
    CDescChunk(CInStream& stream, long long sectionLength);

    // Every 'brushPreset' of the descriptor, in its order.
    const std::vector<SPresetDesc>& Presets() const { return mPresets; }

    // Null past the last entry.
    const SComputedBrushDesc* ComputedBrush(unsigned index) const;
    // empty_ucstring for an identifier no preset names.
    const ucstring& SampledBrushName(const std::string& sampleId) const;
    // Null for an identifier no preset names.
    const SSampledBrushDesc* SampledBrush(const std::string& sampleId) const;

    // `texture` is that of the preset whose tip this is; a dual tip has none of its own.
    void ProcessBrushNode(const CNamedListObjectNode* tip, const ucstring& name,
                          const std::optional<STexture>& texture = std::nullopt);

private:
    std::vector<SPresetDesc> mPresets;
    std::vector<SComputedBrushDesc> mComputedBrushes;
    std::map<std::string, SSampledBrushDesc> mSampledBrushes;
};
