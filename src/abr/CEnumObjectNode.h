#pragma once

#include "abr/CObjectNode.h"

// An enumerated value: the enumeration's type ID ("BlnM" for blend modes) and the value's ID,
// either a four-character code ("CBrn") or a word ("linearHeight"), as the file spells them.
class CEnumObjectNode : public CObjectNode
{
public:
    CEnumObjectNode(std::string type, std::string value)
        : CObjectNode(std::move(type)), mValue(std::move(value))
    {}

    const std::string& type() const { return name(); }
    const std::string& value() const { return mValue; }

private:
    std::string mValue;
};
