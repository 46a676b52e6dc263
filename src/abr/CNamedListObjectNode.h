#pragma once

#include "abr/CObjectNode.h"

#include <map>

// A descriptor object: its class ID as name, and members by key. A key that occurs twice keeps
// its first value.
class CNamedListObjectNode : public CObjectNode
{
public:
    using CObjectNode::CObjectNode;

    void AddMember(const std::string& key, CObjectNodePtr value);

    // The member under key when it is a node of type T (or derived from it), else null.
    template <typename T> const T* Member(const std::string& key) const
    {
        const auto it = mMembers.find(key);
        return it == mMembers.end() ? nullptr : dynamic_cast<const T*>(it->second.get());
    }

    const std::map<std::string, CObjectNodePtr>& members() const { return mMembers; }

private:
    std::map<std::string, CObjectNodePtr> mMembers;
};
