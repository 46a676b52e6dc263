#include "abr/CABRreaderImpl.h"

#include "abr/CDescChunk.h"
#include "abr/CPatternRecordReader.h"
#include "abr/CSampleRecordWalker.h"
#include "brush/ComputedBrush.h"
#include "brush/PreviewBrush.h"
#include "brush/SampledBrush.h"
#include "stream/ReadErrors.h"

#include <QtEndian>
#include <algorithm>
#include <cctype>
#include <set>

namespace {
constexpr uint32_t k8BIM = 0x3842494D;
constexpr uint32_t kDesc = 0x64657363;
constexpr uint32_t kSamp = 0x73616D70;
constexpr uint32_t kPatt = 0x70617474;

QString ToQString(const ucstring& text)
{
    QString result;
    assign(result, text);
    return result;
}

void SetTexture(Brush& brush, const std::optional<CDescChunk::STexture>& texture)
{
    // Descriptor texts keep a terminating zero unit, which pattern names as read do not.
    auto text = [](const ucstring& stored) {
        QString result = ToQString(stored);
        while (!result.isEmpty() && result.back().isNull())
            result.chop(1);
        return result;
    };
    if (texture)
        brush.setTexture({text(texture->name), text(texture->identifier)});
}

// A mirrored computed tip is drawn by mirroring its angle: x negates it, y reflects it about 90°.
double FoldFlips(double angle, bool flipX, bool flipY)
{
    if (flipX)
        angle = -angle;
    if (flipY)
        angle = 180 - angle;
    return angle;
}

// 16-bit samples run from 0 to 32,768; spread them over the full 16-bit range in place.
void SpreadSixteenBitSamples(CSampleRecordWalker::SSample& sample)
{
    if (sample.depth != 16)
        return;
    auto* samples = reinterpret_cast<unsigned short*>(sample.pixels.data());
    const size_t count = sample.pixels.size() / 2;
    for (size_t i = 0; i < count; ++i)
        samples[i] = samples[i] == 0 ? 0 : static_cast<unsigned short>((samples[i] - 1) * 2);
}

// The stored sample a preset paints with, when it paints with one.
const std::string* SampleOf(const CDescChunk::SPresetDesc& desc)
{
    const TipShape& tip = desc.preset->tip;
    return desc.tipKnown && tip.kind == TipKind::Sampled && tip.sampleId ? &*tip.sampleId : nullptr;
}

// The stored sample a preset's dual brush paints with, when it paints with one.
const std::string* DualSampleOf(const CDescChunk::SPresetDesc& desc)
{
    const auto& dual = desc.preset->settings.dualBrush;
    return dual && dual->tip.kind == TipKind::Sampled && dual->tip.sampleId ? &*dual->tip.sampleId
                                                                            : nullptr;
}

// The brush a preset is. `stored` is its sample, null when it paints with none or the file
// lacks it; a preset whose tip cannot be shown becomes an empty placeholder under its name.
// `dual` is the sample its dual brush paints with, when the file holds it.
BrushPtr PresetBrush(const CDescChunk::SPresetDesc& desc, const SampledBrush* stored, BrushPtr dual)
{
    const BrushPreset& preset = *desc.preset;
    const TipShape& tip = preset.tip;
    std::shared_ptr<Brush> brush;
    if (!desc.tipKnown || (tip.kind == TipKind::Sampled && !stored)) {
        brush = std::make_shared<SampledBrush>(desc.name, 0, 0, 8, PixelBlock());
    } else if (tip.kind == TipKind::Sampled) {
        brush = std::make_shared<SampledBrush>(
            desc.name, *stored,
            SampleShaping{tip.diameter, tip.roundness, tip.angle, tip.flipX, tip.flipY});
    } else if (tip.kind == TipKind::Computed) {
        // A tip without its hardness is drawn hard, as Photoshop's new computed tips are.
        brush = ComputedBrush::brushWithName(desc.name, tip.diameter, tip.roundness,
                                             FoldFlips(tip.angle, tip.flipX, tip.flipY),
                                             tip.hardness.value_or(100));
    } else {
        brush = std::make_shared<PreviewBrush>(desc.name, tip);
    }
    brush->setPreset(desc.preset);
    brush->setDualTip(std::move(dual));
    const auto& texture = preset.settings.texture;
    if (texture && !(texture->patternName.isEmpty() && texture->patternId.isEmpty()))
        brush->setTexture({texture->patternName, texture->patternId});
    return brush;
}

// True when a section can end at `position`: the end of the file, or up to three zero bytes
// and then the end of the file or an "8BIM" signature.
bool SectionMayEndAt(CABRreader::Impl& reader, long long position)
{
    unsigned char bytes[7];
    const long long got = reader.ReadAt(position, bytes, 7);
    for (long long pad = 0; pad < 4; ++pad) {
        if (pad > 0 && bytes[pad - 1] != 0)
            return false;
        if (pad == got)
            return true;
        if (pad + 4 <= got && qFromBigEndian<quint32>(bytes + pad) == k8BIM)
            return true;
    }
    return false;
}

// The next "8BIM" followed by a key of four letters at or after `from`; the end of the file
// when there is none.
long long FindSectionStart(CABRreader::Impl& reader, long long from)
{
    return reader.FindForward(
        from, reader.mStream.GetSize(), 7, [](const unsigned char* bytes, long long available) {
            return available >= 8 && qFromBigEndian<quint32>(bytes) == k8BIM &&
                   std::all_of(bytes + 4, bytes + 8,
                               [](unsigned char c) { return std::isalpha(c); });
        });
}

// The length of a section that runs up to `next`, without the zero padding in front of it.
long long LengthBeforePadding(CABRreader::Impl& reader, long long offset, long long next)
{
    long long length = next - offset;
    for (int pad = 0; pad < 3 && length > 0; ++pad) {
        unsigned char byte;
        reader.ReadAt(offset + length - 1, &byte, 1);
        if (byte != 0)
            break;
        --length;
    }
    return length;
}
} // namespace

long long CABRreader::Impl::ReadAt(long long position, unsigned char* dst, long long count)
{
    count = std::max(0LL, std::min(count, mStream.GetSize() - position));
    mStream.SkipTo(position);
    mStream.ReadGeneric(dst, kSize1, static_cast<unsigned long>(count), false);
    return count;
}

// Photoshop pads a section with zeros so the next one starts on a 4-byte boundary, and may end
// the file the same way. Only zeros followed by the end of the file or by another "8BIM" count
// as padding; the stream is left where it was otherwise.
bool CABRreader::Impl::SkipSectionPadding()
{
    const long long start = mStream.GetPosition();
    const long long pad = (4 - start % 4) % 4;
    if (pad == 0 || pad > BytesLeft())
        return false;
    unsigned char bytes[3];
    mStream.ReadGeneric(bytes, kSize1, static_cast<unsigned long>(pad), false);
    bool zeros = true;
    for (long long i = 0; i < pad; ++i)
        zeros = zeros && bytes[i] == 0;
    if (zeros && BytesLeft() == 0)
        return true;
    if (zeros && BytesLeft() >= 4) {
        const uint32_t signature = mStream.ReadU32();
        mStream.Rewind(4);
        if (signature == k8BIM)
            return true;
    }
    mStream.SkipTo(start);
    return false;
}

// Sections, from offset 4 to the end of the file:
//   4 signature '8BIM', 4 key, 4 length L, L bytes of data
// Damaged files exist whose section lengths are wrong. Where a declared end does not land on
// the end of the file or the next signature, the section runs up to the next signature found
// instead, and the read fails once everything that could be recovered has been handed on.
std::map<uint32_t, CABRreader::Impl::SChunkHeader> CABRreader::Impl::ReadType6Sections()
{
    std::map<uint32_t, SChunkHeader> sections;
    while (mStream.GetPosition() != mStream.GetSize()) {
        if (SkipSectionPadding())
            continue;
        if (mStream.ReadU32() != k8BIM)
            throw kDamagedFileError;
        SChunkHeader header;
        header.key = mStream.ReadU32();
        header.length = mStream.ReadU32();
        header.offset = mStream.GetPosition();
        long long next = header.offset + header.length;
        if (next > mStream.GetSize() || !SectionMayEndAt(*this, next)) {
            mDamaged = true;
            next = FindSectionStart(*this, header.offset);
            header.length = LengthBeforePadding(*this, header.offset, next);
        }
        sections[header.key] = header;
        mStream.SkipTo(next);
    }
    return sections;
}

// The brushes of 'desc' and 'samp' as ReadAs asks, then the patterns of 'patt'.
void CABRreader::Impl::ReadType6Brushes(CBrushSink& sink, int subVersion)
{
    const std::map<uint32_t, SChunkHeader> sections = ReadType6Sections();
    const auto desc = sections.find(kDesc);
    if (desc == sections.end())
        throw kDamagedFileError;
    mStream.SkipTo(desc->second.offset);
    const CDescChunk descriptor(mStream, desc->second.length);

    const auto samp = sections.find(kSamp);
    if (samp == sections.end())
        throw kDamagedFileError;
    if (mReadAs == CABRreader::ReadAs::StoredTips)
        ReadType6StoredTips(sink, descriptor, samp->second, subVersion);
    else
        ReadType6Presets(sink, descriptor, samp->second, subVersion);

    const auto patt = sections.find(kPatt);
    if (patt == sections.end())
        return;
    CPatternRecordReader patterns(*this, patt->second);
    PatternPtr pattern;
    for (CPatternRecordReader::eResult result;
         (result = patterns.Next(&pattern)) != CPatternRecordReader::eResult::eEnd;) {
        if (result == CPatternRecordReader::eResult::eSkipped) {
            ++mSkippedPatterns;
            continue;
        }
        boost::this_thread::interruption_point();
        sink.AddPattern(pattern);
    }
}

// The samples of 'samp' first, named by the presets of 'desc', then the computed tips 'desc'
// describes, dual tips among them.
void CABRreader::Impl::ReadType6StoredTips(CBrushSink& sink, const CDescChunk& descriptor,
                                           const SChunkHeader& samp, int subVersion)
{
    CSampleRecordWalker records(*this, samp, subVersion);
    CSampleRecordWalker::SSample sample;
    while (records.Next(&sample)) {
        SpreadSixteenBitSamples(sample);
        const CDescChunk::SSampledBrushDesc* preset = descriptor.SampledBrush(sample.identifier);
        auto brush = std::make_shared<SampledBrush>(
            preset ? ToQString(preset->name) : QString(), static_cast<int>(sample.width),
            static_cast<int>(sample.height), sample.depth, std::move(sample.pixels));
        if (preset)
            SetTexture(*brush, preset->texture);
        brush->setMissingRows(sample.missingRows);
        PostBrush(brush, sink);
    }

    for (unsigned i = 0; const CDescChunk::SComputedBrushDesc* tip = descriptor.ComputedBrush(i);
         ++i) {
        auto brush = ComputedBrush::brushWithName(ToQString(tip->name), tip->diameter,
                                                  tip->roundness, tip->angle, tip->hardness);
        SetTexture(*brush, tip->texture);
        PostBrush(brush, sink);
    }
}

// One brush per preset in the descriptor's order, then the stored samples no preset uses, in
// the order of 'samp'. Samples are decoded in their own order as they come; each preset is
// handed on as soon as it and every preset before it can be built, so a file whose presets
// follow its samples streams as it did before presets were read. A decoded sample is kept
// only until the last preset painting with it, as its tip or its dual brush's, has been handed
// on; a sample that only dual brushes use is not a brush at all, but travels with them. A preset
// whose sample never comes is shown as a placeholder under its name at the end: the file may lack a
// sample without being damaged. Damage among the samples ends their walk, and what does not depend
// on them is still handed on before the read fails.
void CABRreader::Impl::ReadType6Presets(CBrushSink& sink, const CDescChunk& descriptor,
                                        const SChunkHeader& samp, int subVersion)
{
    const std::vector<CDescChunk::SPresetDesc>& presets = descriptor.Presets();
    std::map<std::string, int> pendingUses;
    std::set<std::string> used;
    for (const CDescChunk::SPresetDesc& desc : presets) {
        for (const std::string* id : {SampleOf(desc), DualSampleOf(desc)})
            if (id) {
                ++pendingUses[*id];
                used.insert(*id);
            }
    }

    std::map<std::string, std::shared_ptr<const SampledBrush>> decoded;
    std::vector<BrushPtr> unused;
    size_t next = 0;
    // The decoded sample of that identifier, null for none; released once its last user is out.
    auto sampleFor = [&](const std::string* id) -> std::shared_ptr<const SampledBrush> {
        const auto found = id ? decoded.find(*id) : decoded.end();
        return found == decoded.end() ? nullptr : found->second;
    };
    auto release = [&](const std::string* id) {
        if (id && decoded.count(*id) && --pendingUses[*id] == 0)
            decoded.erase(*id);
    };
    auto handOn = [&](bool atEnd) {
        for (; next < presets.size(); ++next) {
            const std::string* id = SampleOf(presets[next]);
            const std::string* dualId = DualSampleOf(presets[next]);
            const auto sample = sampleFor(id);
            const auto dual = sampleFor(dualId);
            if (!atEnd && ((id && !sample) || (dualId && !dual)))
                return;
            PostBrush(PresetBrush(presets[next], sample.get(), dual), sink);
            release(id);
            release(dualId);
        }
        for (const BrushPtr& brush : unused)
            PostBrush(brush, sink);
        unused.clear();
    };

    handOn(false);
    // Only the walk of the samples may end in damage here; what the sink throws goes through.
    std::optional<CSampleRecordWalker> records;
    auto nextSample = [&](CSampleRecordWalker::SSample* sample) {
        try {
            if (!records)
                records.emplace(*this, samp, subVersion);
            return records->Next(sample);
        } catch (int) {
            mDamaged = true;
            return false;
        }
    };
    CSampleRecordWalker::SSample sample;
    std::set<std::string> seen;
    while (nextSample(&sample)) {
        SpreadSixteenBitSamples(sample);
        auto stored = std::make_shared<SampledBrush>(QString(), static_cast<int>(sample.width),
                                                     static_cast<int>(sample.height), sample.depth,
                                                     std::move(sample.pixels));
        stored->setMissingRows(sample.missingRows);
        // A second record of one identifier is no preset's: it is kept as a tip of its own.
        const bool first = seen.insert(sample.identifier).second;
        if (first && pendingUses.count(sample.identifier)) {
            decoded[sample.identifier] = stored;
        } else if (!first || !used.count(sample.identifier)) {
            auto tip = std::make_shared<BrushPreset>();
            tip->isPreset = false;
            tip->tip.kind = TipKind::Sampled;
            tip->tip.sampleId = sample.identifier;
            tip->tip.diameter = static_cast<double>(std::max(sample.width, sample.height));
            stored->setPreset(std::move(tip));
            unused.push_back(stored);
        }
        handOn(false);
    }
    handOn(true);
}
