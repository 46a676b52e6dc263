#pragma once

#include "abr/CObjectNode.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A descriptor object: its class ID as name, and members by key. A key that occurs twice keeps
// its first value.
//
// The members are kept in one vector sorted by key rather than in a tree of nodes: a preset
// has some sixty members, looked up once each by the walk of its settings, and a vector makes
// one allocation where a tree makes one per member, for building and again for dropping.
class CNamedListObjectNode : public CObjectNode
{
public:
    using CObjectNode::CObjectNode;

    // Members may only be added before Seal().
    void AddMember(std::string key, CObjectNodePtr value);
    // Sorts the members by key for lookups, keeping the first of a key that occurs twice.
    void Seal();

    // The member under key when it is a node of type T (or derived from it), else null.
    template <typename T> const T* Member(std::string_view key) const
    {
        return dynamic_cast<const T*>(Find(key));
    }
    // The member under key, of whatever type; null when there is none.
    const CObjectNode* Find(std::string_view key) const;

private:
    std::vector<std::pair<std::string, CObjectNodePtr>> mMembers;
};
