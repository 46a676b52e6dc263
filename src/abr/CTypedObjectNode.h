#pragma once

#include "abr/CObjectNode.h"

// A leaf item holding one value: bool, long, double or ucstring.
template <typename T> class CTypedObjectNode : public CObjectNode
{
public:
    explicit CTypedObjectNode(T value) : mValue(std::move(value)) {}

    const T& value() const { return mValue; }

private:
    T mValue;
};
