#include "abr/CABRreaderImpl.h"

#include "abr/CDescChunk.h"
#include "abr/CPatternRecordReader.h"
#include "abr/CSampleRecordWalker.h"
#include "brush/ComputedBrush.h"
#include "brush/SampledBrush.h"
#include "stream/ReadErrors.h"

#include <QtEndian>
#include <algorithm>
#include <cctype>

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

// The samples of 'samp' first, named by the presets of 'desc', then the computed tips 'desc'
// describes, then the patterns of 'patt'.
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
    CSampleRecordWalker records(*this, samp->second, subVersion);
    CSampleRecordWalker::SSample sample;
    while (records.Next(&sample)) {
        if (sample.depth == 16) {
            // Samples run from 0 to 32,768; spread them over the full 16-bit range in place.
            auto* samples = reinterpret_cast<unsigned short*>(sample.pixels.data());
            const size_t count = sample.pixels.size() / 2;
            for (size_t i = 0; i < count; ++i)
                samples[i] =
                    samples[i] == 0 ? 0 : static_cast<unsigned short>((samples[i] - 1) * 2);
        }
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
