#pragma once

#include "abr/CObjectNode.h"
#include "platform/ucstring.h"

#include <string>

class CInStream;

// Parses descriptor items into a tree of CObjectNode. Every failure, including a type code it
// does not know, is thrown as kDamagedFileError; nothing read from the file can make it allocate
// more than the rest of the file could fill, recurse deeper than kMaxDepth, or build a tree of more
// than kMaxBytesPerByte bytes for each byte of the section.
class CDescChunkReader
{
public:
    static constexpr int kMaxDepth = 64;
    static constexpr long long kMaxBytesPerByte = 64;

    CDescChunkReader(CInStream& stream, long long sectionLength)
        : mStream(stream), mBudget(sectionLength * kMaxBytesPerByte)
    {}

    // An empty pointer for items that keep no node (references, aliases, "comp", ...).
    CObjectNodePtr ReadNode();
    std::string ReadString();
    ucstring ReadUnicodeString();

private:
    CObjectNodePtr ReadNodeOfType(uint32_t type);
    void SkipString();
    void SkipUnicodeString();
    void SkipReference();
    void SkipChecked(long long n);
    long long BytesLeft() const;
    // Counts what a node costs in memory against the budget; throws kDamagedFileError when it is
    // spent.
    void Charge(long long bytes);

    CInStream& mStream;
    int mDepth = 0;
    long long mBudget;
};
