// Reads a qbXML response message set into the element tree. Attributes become value
// children of their element, ahead of its child elements, because QBFC offers them through
// the same getters as elements (IColData::GetcolID). Every node read is read-only.
#pragma once

#include "qbfc/node.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qbfc {

struct ResponseStatus {
    std::int32_t code = 0;
    std::string severity;
    std::string message;
};

struct ParsedResponse {
    NodePtr node; // the ...Rs element
    ResponseStatus status;
};

struct ParsedResponseSet {
    std::vector<ParsedResponse> responses;
    std::string error; // why the text is not a response message set; empty on success
};

// Deeper nesting than this is refused: no response QuickBooks writes comes near it, and
// the tree is walked recursively.
inline constexpr int kMaxResponseDepth = 64;

ParsedResponseSet ReadResponseSet(std::string_view text);

} // namespace qbfc
