#pragma once

// One byte describing an item on disk, as the search reports it with each path; bits from the
// least significant one.
enum FileNodeFlagBits : unsigned char
{
    kFileNodeExists = 1u << 0,
    kFileNodeIsVisible = 1u << 1,
    kFileNodeIsFile = 1u << 2,
    kFileNodeIsAlias = 1u << 3,
    kFileNodeIsPackage = 1u << 4,
    kFileNodeIsVolume = 1u << 5,
    kFileNodeIsVolumesFolder = 1u << 6,
    kFileNodeIsInaccessible = 1u << 7,
};

using FileNodeFlags = unsigned char;
