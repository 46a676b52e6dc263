#pragma once

#include <cstdint>
#include <vector>

// In the platform layer: the hierarchy and discovery both use it, and neither links the other.

// What an item is on disk, one bit each, least significant first. kelbrin-cli find prints the
// byte, so the layout is fixed.
struct FileNodeFlags
{
    enum : std::uint8_t
    {
        eExists = 1u << 0,
        eIsVisible = 1u << 1,
        eIsFile = 1u << 2,
        eIsSymlink = 1u << 3,
        eIsPackFolder = 1u << 4,
        eIsMountPoint = 1u << 5,
        eIsVolumesFolder = 1u << 6,
        eIsInaccessible = 1u << 7,
    };

    std::uint8_t bits = 0;

    bool exists() const { return bits & eExists; }
    bool isVisible() const { return bits & eIsVisible; }
    bool isFile() const { return bits & eIsFile; }
    bool isSymlink() const { return bits & eIsSymlink; }
    bool isPackFolder() const { return bits & eIsPackFolder; }
    bool isMountPoint() const { return bits & eIsMountPoint; }
    bool isVolumesFolder() const { return bits & eIsVolumesFolder; }
    bool isInaccessible() const { return bits & eIsInaccessible; }

    void set(std::uint8_t bit, bool on)
    {
        if (on)
            bits |= bit;
        else
            bits &= std::uint8_t(~bit);
    }
};

// Flags that follow a list of paths one for one.
using FileNodeFlagsList = std::vector<FileNodeFlags>;
