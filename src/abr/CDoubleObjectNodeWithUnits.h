#pragma once

#include "abr/CTypedObjectNode.h"

#include <cstdint>

// A number with its unit, a four-character code such as '#Ang' (degrees) or '#Prc' (percent).
// It is a double node too, so a lookup for a double finds either kind.
class CDoubleObjectNodeWithUnits : public CTypedObjectNode<double>
{
public:
    CDoubleObjectNodeWithUnits(double value, uint32_t units)
        : CTypedObjectNode<double>(value), mUnits(units)
    {}

    uint32_t units() const { return mUnits; }

private:
    uint32_t mUnits;
};
