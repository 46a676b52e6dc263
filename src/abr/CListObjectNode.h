#pragma once

#include "abr/CObjectNode.h"

#include <vector>

// An ordered list of items; an entry is empty where the item makes no node (a reference).
class CListObjectNode : public CObjectNode
{
public:
    using CObjectNode::CObjectNode;

    void AddChild(CObjectNodePtr child);
    const std::vector<CObjectNodePtr>& children() const { return mChildren; }

private:
    std::vector<CObjectNodePtr> mChildren;
};
