#include "abr/CNamedListObjectNode.h"

void CNamedListObjectNode::AddMember(const std::string& key, CObjectNodePtr value)
{
    mMembers.emplace(key, std::move(value)); // emplace keeps an existing entry
}
