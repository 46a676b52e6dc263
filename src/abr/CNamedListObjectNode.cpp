#include "abr/CNamedListObjectNode.h"

#include <algorithm>

void CNamedListObjectNode::AddMember(std::string key, CObjectNodePtr value)
{
    mMembers.emplace_back(std::move(key), std::move(value));
}

void CNamedListObjectNode::Seal()
{
    const auto byKey = [](const auto& a, const auto& b) { return a.first < b.first; };
    std::stable_sort(mMembers.begin(), mMembers.end(), byKey);
    const auto sameKey = [](const auto& a, const auto& b) { return a.first == b.first; };
    mMembers.erase(std::unique(mMembers.begin(), mMembers.end(), sameKey), mMembers.end());
}

const CObjectNode* CNamedListObjectNode::Find(std::string_view key) const
{
    const auto it = std::lower_bound(
        mMembers.begin(), mMembers.end(), key,
        [](const auto& member, std::string_view k) { return std::string_view(member.first) < k; });
    return it != mMembers.end() && it->first == key ? it->second.get() : nullptr;
}
