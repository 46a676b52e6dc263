#pragma once

#include <boost/shared_ptr.hpp>
#include <string>

// One item of a parsed descriptor. The tree is built once by CDescChunkReader, walked once by
// CDescChunk and then dropped; nodes never change after parsing.
class CObjectNode
{
public:
    CObjectNode() = default;
    explicit CObjectNode(std::string name) : mName(std::move(name)) {}
    virtual ~CObjectNode() = default;
    CObjectNode(const CObjectNode&) = delete;
    CObjectNode& operator=(const CObjectNode&) = delete;

    const std::string& name() const { return mName; }

private:
    std::string mName;
};

using CObjectNodePtr = boost::shared_ptr<CObjectNode>;
