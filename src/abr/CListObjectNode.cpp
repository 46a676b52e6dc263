#include "abr/CListObjectNode.h"

void CListObjectNode::AddChild(CObjectNodePtr child)
{
    mChildren.push_back(std::move(child));
}
