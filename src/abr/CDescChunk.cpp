#include "abr/CDescChunk.h"

#include "abr/CDescChunkReader.h"
#include "abr/CListObjectNode.h"
#include "abr/CNamedListObjectNode.h"
#include "abr/CTypedObjectNode.h"
#include "abr/PresetFromDescriptor.h"
#include "stream/CInStream.h"

namespace {
const std::string kBrush = "Brsh";
const std::string kBrushPreset = "brushPreset";
const std::string kName = "Nm  ";
const std::string kDualBrush = "dualBrush";
const std::string kComputedBrush = "computedBrush";
const std::string kSampledBrush = "sampledBrush";
const std::string kSampledData = "sampledData";
const std::string kDiameter = "Dmtr";
const std::string kAngle = "Angl";
const std::string kRoundness = "Rndn";
const std::string kHardness = "Hrdn";
const std::string kFlipX = "flipX";
const std::string kFlipY = "flipY";
const std::string kTexture = "Txtr";
const std::string kIdentifier = "Idnt";

const ucstring& NameOf(const CNamedListObjectNode& object)
{
    const auto* text = object.Member<CTypedObjectNode<ucstring>>(kName);
    return text ? text->value() : empty_ucstring;
}

// A preset's "Txtr" object: "Nm  " and "Idnt" of the pattern, as text.
std::optional<CDescChunk::STexture> TextureOf(const CNamedListObjectNode& preset)
{
    const auto* texture = preset.Member<CNamedListObjectNode>(kTexture);
    if (!texture)
        return std::nullopt;
    const auto* identifier = texture->Member<CTypedObjectNode<ucstring>>(kIdentifier);
    return CDescChunk::STexture{NameOf(*texture),
                                identifier ? identifier->value() : empty_ucstring};
}
} // namespace

// Section data, from its first byte:
//   0   4  descriptor version                    (skipped)
//   4   6  class name: count 1, one unit         (skipped)
//   10  4  length of the class ID, 0             (skipped)
//   14  4  'null', read as the type code of the top-level item:
//          count 1, key 'Brsh', then a 'VlLs' of brush presets
CDescChunk::CDescChunk(CInStream& stream, long long sectionLength)
{
    stream.SkipBytes(14);
    CDescChunkReader reader(stream, sectionLength);
    const CObjectNodePtr root = reader.ReadNode();

    const auto* top = dynamic_cast<const CListObjectNode*>(root.get());
    if (!top || top->name() != kBrush || top->children().empty())
        return;
    const auto* presets = dynamic_cast<const CListObjectNode*>(top->children().front().get());
    if (!presets)
        return;
    for (const CObjectNodePtr& entry : presets->children()) {
        const auto* preset = dynamic_cast<const CNamedListObjectNode*>(entry.get());
        if (!preset || preset->name() != kBrushPreset)
            continue;
        SPresetDesc desc;
        assign(desc.name, NameOf(*preset));
        desc.preset = std::make_shared<const BrushPreset>(PresetFromDescriptor(*preset));
        const auto* brush = preset->Member<CNamedListObjectNode>(kBrush);
        desc.tipKnown = brush && IsKnownTipClass(brush->name());
        mPresets.push_back(std::move(desc));

        if (const auto* tip = preset->Member<CNamedListObjectNode>(kBrush))
            ProcessBrushNode(tip, NameOf(*preset), TextureOf(*preset));
        if (const auto* dual = preset->Member<CNamedListObjectNode>(kDualBrush))
            if (const auto* dualTip = dual->Member<CNamedListObjectNode>(kBrush))
                ProcessBrushNode(dualTip, NameOf(*dualTip));
    }
}

const CDescChunk::SComputedBrushDesc* CDescChunk::ComputedBrush(unsigned index) const
{
    return index < mComputedBrushes.size() ? &mComputedBrushes[index] : nullptr;
}

const ucstring& CDescChunk::SampledBrushName(const std::string& sampleId) const
{
    const auto it = mSampledBrushes.find(sampleId);
    return it == mSampledBrushes.end() ? empty_ucstring : it->second.name;
}

const CDescChunk::SSampledBrushDesc* CDescChunk::SampledBrush(const std::string& sampleId) const
{
    const auto it = mSampledBrushes.find(sampleId);
    return it == mSampledBrushes.end() ? nullptr : &it->second;
}

void CDescChunk::ProcessBrushNode(const CNamedListObjectNode* tip, const ucstring& name,
                                  const std::optional<STexture>& texture)
{
    if (tip->name() == kComputedBrush) {
        const auto* diameter = tip->Member<CTypedObjectNode<double>>(kDiameter);
        const auto* angle = tip->Member<CTypedObjectNode<double>>(kAngle);
        const auto* roundness = tip->Member<CTypedObjectNode<double>>(kRoundness);
        const auto* hardness = tip->Member<CTypedObjectNode<double>>(kHardness);
        if (!diameter || !angle || !roundness || !hardness)
            return;
        // A mirrored tip is drawn by mirroring its angle: x negates it, y reflects it about 90°.
        double a = angle->value();
        const auto* flipX = tip->Member<CTypedObjectNode<bool>>(kFlipX);
        const auto* flipY = tip->Member<CTypedObjectNode<bool>>(kFlipY);
        if (flipX && flipX->value())
            a = -a;
        if (flipY && flipY->value())
            a = 180 - a;
        mComputedBrushes.push_back(
            {name, diameter->value(), hardness->value(), a, roundness->value(), texture});
    } else if (tip->name() == kSampledBrush) {
        const auto* data = tip->Member<CTypedObjectNode<ucstring>>(kSampledData);
        if (!data)
            return;
        mSampledBrushes[ascii_ustringToString(data->value())] = {name, texture};
    }
}
