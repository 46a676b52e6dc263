#pragma once

#include "abr/CObjectNode.h"

#include <map>
#include <string_view>

// A descriptor object: its class ID as name, and members by key. A key that occurs twice keeps
// its first value.
class CNamedListObjectNode : public CObjectNode
{
public:
    using CObjectNode::CObjectNode;

    void AddMember(const std::string& key, CObjectNodePtr value);

    // The member under key when it is a node of type T (or derived from it), else null.
    template <typename T> const T* Member(std::string_view key) const
    {
        return dynamic_cast<const T*>(Find(key));
    }
    // The member under key, of whatever type; null when there is none. Looked up without
    // making a string of the key, which the walk of the settings does some sixty times a preset.
    const CObjectNode* Find(std::string_view key) const
    {
        const auto it = mMembers.find(key);
        return it == mMembers.end() ? nullptr : it->second.get();
    }

    const std::map<std::string, CObjectNodePtr, std::less<>>& members() const { return mMembers; }

private:
    std::map<std::string, CObjectNodePtr, std::less<>> mMembers;
};
