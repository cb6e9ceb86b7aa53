// The response message set read from the host's qbXML text.
#pragma once

#include "qbfc/sdk.h"

#include <string>

namespace qbfc {

// Raises QBFC_E_PARSE, with what is wrong, for text that is not a qbXML response set.
IMsgSetResponsePtr ReadMsgSetResponse(std::string text);

} // namespace qbfc
