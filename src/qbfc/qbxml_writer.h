// Writes a request message set as qbXML text. Each request's children are written in the
// order the schema gives them, whatever order the caller set them in; values that were
// never set, and aggregates with nothing set below them, are left out.
#pragma once

#include "qbfc/node.h"

#include <span>
#include <string>
#include <string_view>

namespace qbfc {

struct RequestSetText {
    std::string_view version; // e.g. "8.0", or "CA3.0" for another country's edition
    std::string_view onError; // the attribute's qbXML name
    std::span<const NodePtr> requests;
};

std::string WriteRequestSet(const RequestSetText& set);

// Text with &, <, >, " and ' escaped, and carriage returns as a character reference so
// that they survive the reader's line-end normalisation.
std::string EscapeXml(std::string_view text);

} // namespace qbfc
