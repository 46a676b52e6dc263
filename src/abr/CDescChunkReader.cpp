#include "abr/CDescChunkReader.h"

#include "abr/CDoubleObjectNodeWithUnits.h"
#include "abr/CEnumObjectNode.h"
#include "abr/CListObjectNode.h"
#include "abr/CNamedListObjectNode.h"
#include "stream/CInStream.h"
#include "stream/ReadErrors.h"

#include <boost/make_shared.hpp>
#include <new>

namespace {
// A four-character code as ReadU32 returns it. Spelled out in shifts because the case labels
// need a constant, which qFromBigEndian's read from memory cannot give.
constexpr uint32_t Code(const char (&c)[5])
{
    return uint32_t(uint8_t(c[0])) << 24 | uint32_t(uint8_t(c[1])) << 16 |
           uint32_t(uint8_t(c[2])) << 8 | uint32_t(uint8_t(c[3]));
}

// Keeps the depth count right however the nested read ends.
class DepthGuard
{
public:
    explicit DepthGuard(int& depth) : mDepth(depth)
    {
        if (++mDepth > CDescChunkReader::kMaxDepth) {
            --mDepth;
            throw kDamagedFileError;
        }
    }
    ~DepthGuard() { --mDepth; }

private:
    int& mDepth;
};
} // namespace

long long CDescChunkReader::BytesLeft() const
{
    return mStream.GetSize() - mStream.GetPosition();
}

namespace {
// What one node costs beyond its own object: its allocation, its shared count and its slot in
// the parent's container, roughly, for a 64-bit glibc.
constexpr long long kNodeOverhead = 96;
} // namespace

void CDescChunkReader::Charge(long long bytes)
{
    mBudget -= bytes + kNodeOverhead;
    if (mBudget < 0)
        throw kDamagedFileError;
}

// SkipBytes does not notice the end of the file by itself.
void CDescChunkReader::SkipChecked(long long n)
{
    if (n < 0 || n > BytesLeft())
        throw kDamagedFileError;
    mStream.SkipBytes(n);
}

// Key/ID string: 4 length L, then L bytes; L = 0 means a four-character code follows.
std::string CDescChunkReader::ReadString()
{
    unsigned int length = mStream.ReadU32();
    if (length == 0)
        length = 4;
    if (static_cast<long long>(length) > BytesLeft())
        throw kDamagedFileError;
    std::string text(length, '\0');
    mStream.ReadGeneric(text.data(), kSize1, length, false);
    return text;
}

void CDescChunkReader::SkipString()
{
    const unsigned int length = mStream.ReadU32();
    SkipChecked(length == 0 ? 4 : length);
}

// Unicode string: 4 count C, then C big-endian UTF-16 units, the final zero unit included.
ucstring CDescChunkReader::ReadUnicodeString()
{
    const unsigned int count = mStream.ReadU32();
    // No file holds a text of two billion units: a count that large is damage, not a reason
    // to report the memory as short.
    if (count >= 0x80000000U || static_cast<long long>(count) * 2 > BytesLeft())
        throw kDamagedFileError;
    ucstring text(count, 0);
    mStream.ReadGeneric(text.data(), kSize2, count, false);
    return text;
}

void CDescChunkReader::SkipUnicodeString()
{
    const unsigned int count = mStream.ReadU32();
    // The same limit as for a string that is kept.
    if (count >= 0x80000000U)
        throw kDamagedFileError;
    SkipChecked(static_cast<long long>(count) * 2);
}

// Reference ("obj "): 4 count, then per item a 4-byte kind and its data:
//   prop  unicode, key, key          Clss  unicode, key
//   Enmr  unicode, key, key, key     rele  unicode, key, 4 offset
//   Idnt  4                          indx  4
//   name  unicode, key, unicode
void CDescChunkReader::SkipReference()
{
    const unsigned int count = mStream.ReadU32();
    for (unsigned int i = 0; i < count; ++i) {
        const uint32_t kind = mStream.ReadU32();
        switch (kind) {
        case Code("prop"):
            SkipUnicodeString();
            SkipString();
            SkipString();
            break;
        case Code("Clss"):
            SkipUnicodeString();
            SkipString();
            break;
        case Code("Enmr"):
            SkipUnicodeString();
            SkipString();
            SkipString();
            SkipString();
            break;
        case Code("rele"):
            SkipUnicodeString();
            SkipString();
            SkipChecked(4);
            break;
        case Code("Idnt"):
        case Code("indx"):
            SkipChecked(4);
            break;
        case Code("name"):
            SkipUnicodeString();
            SkipString();
            SkipUnicodeString();
            break;
        default:
            throw kDamagedFileError;
        }
    }
}

CObjectNodePtr CDescChunkReader::ReadNode()
{
    const uint32_t type = mStream.ReadU32();
    DepthGuard guard(mDepth);
    return ReadNodeOfType(type);
}

//   Objc, GlbO  unicode class name, key class ID, 4 count M, M × (key, item)
//   VlLs        4 count M, M items
//   null        4 count M, key, M items
//   TEXT        unicode              UntF  4 unit, 8 double
//   doub        8 double             long  4 integer
//   bool        1 byte               enum  key, key
//   comp        8 integer            tdta, alis  4 length L, L bytes
//   type, GlbC  unicode, key         UnFl  4 unit, 4 count N, N doubles
//   obj         reference (see SkipReference)
CObjectNodePtr CDescChunkReader::ReadNodeOfType(uint32_t type)
{
    switch (type) {
    case Code("Objc"):
    case Code("GlbO"): {
        SkipUnicodeString();
        auto object = boost::make_shared<CNamedListObjectNode>(ReadString());
        Charge(sizeof(CNamedListObjectNode) + object->name().size());
        const unsigned int count = mStream.ReadU32();
        for (unsigned int i = 0; i < count; ++i) {
            std::string key = ReadString();
            Charge(key.size());
            CObjectNodePtr value = ReadNode();
            object->AddMember(std::move(key), std::move(value));
        }
        object->Seal();
        return object;
    }
    case Code("VlLs"): {
        auto list = boost::make_shared<CListObjectNode>();
        Charge(sizeof(CListObjectNode));
        const unsigned int count = mStream.ReadU32();
        for (unsigned int i = 0; i < count; ++i)
            list->AddChild(ReadNode());
        return list;
    }
    case Code("null"): {
        const unsigned int count = mStream.ReadU32();
        auto list = boost::make_shared<CListObjectNode>(ReadString());
        Charge(sizeof(CListObjectNode) + list->name().size());
        for (unsigned int i = 0; i < count; ++i)
            list->AddChild(ReadNode());
        return list;
    }
    case Code("TEXT"): {
        ucstring text = ReadUnicodeString();
        Charge(sizeof(CTypedObjectNode<ucstring>) + text.size() * 2);
        return boost::make_shared<CTypedObjectNode<ucstring>>(std::move(text));
    }
    case Code("UntF"): {
        Charge(sizeof(CDoubleObjectNodeWithUnits));
        const uint32_t units = mStream.ReadU32();
        return boost::make_shared<CDoubleObjectNodeWithUnits>(mStream.ReadDouble(), units);
    }
    case Code("doub"):
        Charge(sizeof(CTypedObjectNode<double>));
        return boost::make_shared<CTypedObjectNode<double>>(mStream.ReadDouble());
    case Code("long"):
        Charge(sizeof(CTypedObjectNode<long>));
        return boost::make_shared<CTypedObjectNode<long>>(mStream.ReadS32());
    case Code("bool"):
        Charge(sizeof(CTypedObjectNode<bool>));
        return boost::make_shared<CTypedObjectNode<bool>>(mStream.ReadU8() != 0);
    case Code("enum"): {
        std::string type = ReadString();
        std::string value = ReadString();
        Charge(sizeof(CEnumObjectNode) + type.size() + value.size());
        return boost::make_shared<CEnumObjectNode>(std::move(type), std::move(value));
    }
    case Code("comp"):
        SkipChecked(8);
        return {};
    case Code("tdta"): {
        // Raw data is kept: an erodible tip stores its worn surface this way.
        const unsigned int length = mStream.ReadU32();
        if (static_cast<long long>(length) > BytesLeft())
            throw kDamagedFileError;
        Charge(sizeof(CTypedObjectNode<std::string>) + length);
        std::string data(length, '\0');
        mStream.ReadGeneric(data.data(), kSize1, length, false);
        return boost::make_shared<CTypedObjectNode<std::string>>(std::move(data));
    }
    case Code("alis"):
        SkipChecked(mStream.ReadU32());
        return {};
    case Code("type"):
    case Code("GlbC"):
        SkipUnicodeString();
        SkipString();
        return {};
    case Code("UnFl"): {
        mStream.ReadU32(); // unit
        const unsigned int count = mStream.ReadU32();
        SkipChecked(static_cast<long long>(count) * 8);
        return {};
    }
    case Code("obj "):
        SkipReference();
        return {};
    default:
        throw kDamagedFileError;
    }
}
