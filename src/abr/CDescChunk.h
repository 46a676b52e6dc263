#pragma once

#include "platform/ucstring.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

class CInStream;
class CNamedListObjectNode;

// What the brush reader needs from a file's descriptor section: the name of each stored sample
// and the parameters of each parametric tip. The parsed tree is dropped once these are taken.
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

    // The stream stands at the first data byte of a section of sectionLength bytes; it is left
    // after the last byte read. Throws kDamagedFileError when the descriptor cannot be parsed or
    // would take more memory than such a section may.
    CDescChunk(CInStream& stream, long long sectionLength);

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
    std::vector<SComputedBrushDesc> mComputedBrushes;
    std::map<std::string, SSampledBrushDesc> mSampledBrushes;
};
