#pragma once

#include "abr/CObjectNode.h"
#include "stream/ucstring.h"

#include <string>

class CInStream;

// Parses descriptor items into a tree of CObjectNode. Every failure, including a type code it
// does not know, is thrown as -1; nothing read from the file can make it allocate more than
// the rest of the file could fill, or recurse deeper than kMaxDepth.
class CDescChunkReader
{
public:
    static constexpr int kMaxDepth = 64;

    explicit CDescChunkReader(CInStream& stream) : mStream(stream) {}

    // An empty pointer for items that keep no node ("enum", references, raw data, ...).
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

    CInStream& mStream;
    int mDepth = 0;
};
