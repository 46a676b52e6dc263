#pragma once

#include "abr/CABRreaderImpl.h"

#include <string>
#include <vector>

// Walks the sample records of a version 6 'samp' section and hands out their samples.
//
// Damaged files exist whose record lengths are wrong. Where a declared end does not land on
// what must follow it, the walker looks for the next record header that checks out and goes
// on from there; a sample is only handed out when what follows its pixel data is a record
// boundary, so no brush is ever made of another's bytes. Once the first record or one that read
// has an identifier of Photoshop's form ("$" and a UUID), record starts are recognised by an
// identifier of that form, which pixel data all but never holds, whatever the fields after it
// say. A record whose length runs on past the start of the next one is read within its true
// extent: the rows that lie wholly inside it and decode are kept, and the rest left blank.
// Stepping over damage marks the read as damaged, so it still fails after everything that
// could be recovered.
class CSampleRecordWalker
{
public:
    struct SSample
    {
        std::string identifier;
        long long width = 0;
        long long height = 0;
        unsigned short depth = 0;
        PixelBlock pixels;
        // Rows the record lost (cut short by the next one) or that did not decode, left blank.
        long long missingRows = 0;
    };

    CSampleRecordWalker(CABRreader::Impl& reader, const CABRreader::Impl::SChunkHeader& section,
                        int subVersion);

    // False once the end of the section is reached.
    bool Next(SSample* sample);

private:
    // The fields of a record up to its row table or pixel data.
    struct SRecordHeader
    {
        unsigned int recordLength = 0;
        std::string identifier;
        long long width = 0;
        long long height = 0;
        unsigned short depth = 0;
        unsigned char compression = 0;
        // From the start of the record (its length field) to the row table or pixel data.
        long long headerBytes = 0;
    };

    static bool ParseHeader(const unsigned char* bytes, long long available, long long skip,
                            bool strict, SRecordHeader* header);
    bool HeaderAt(long long position, SRecordHeader* header);
    // Whether a record starts at the given bytes, by the form of its neighbours' identifiers.
    bool RecordStarts(const unsigned char* bytes, long long available) const;
    bool ReadRecordPixels(const SRecordHeader& header, PixelBlock* pixels);
    long long CutShortAt(const SRecordHeader& header);
    bool ReadCutRecordPixels(const SRecordHeader& header, long long cut, PixelBlock* pixels,
                             long long* missingRows);
    long long BoundaryAfterPixels(const SRecordHeader& header, long long dataEnd,
                                  bool* lengthRight);
    long long RecordAfter(long long position);
    long long NextRecordFrom(long long from);

    CABRreader::Impl& mReader;
    const long long mEnd;
    // Bytes between the identifier and the bounds; they depend on the sub-version.
    const long long mSkip;
    const long long mMaxHeaderBytes;
    std::vector<unsigned char> mHeaderBytes;
    long long mPosition;
    // Set once a record whose identifier is "$" and a UUID has been read: Photoshop gives all
    // the samples of a file identifiers of one form.
    bool mUuidIdentifiers = false;
    // What pixel reads may still consume. Each candidate a search finds after damage may read
    // up to the end of the section; bounding the sum keeps a file of many such candidates
    // (which only damage or malice makes) to time linear in its size.
    long long mReadBudget;
};
