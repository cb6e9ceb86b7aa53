// The request message set: the requests appended to it, its version and its on-error
// attribute, written as qbXML on demand.
#pragma once

#include "qbfc/sdk.h"

#include <string>

namespace qbfc {

// country "US" writes the plain version ("8.0"); another country's edition prefixes it
// ("CA3.0"), as the host's version list does.
IMsgSetRequestPtr MakeMsgSetRequest(std::string country, int major, int minor);

} // namespace qbfc
