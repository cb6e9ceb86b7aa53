// The QuickBooks SDK (QBFC) stand-in. Everything the system calls is here under QBFC's
// names: the session manager, message sets, responses and the typed views of the
// elements. Below that line (namespace qbfc) sit the element tree, the qbXML writer and
// reader and the transport to a host; only the transport is meant for other layers.
#pragma once

#include "qbfc/errors.h"
#include "qbfc/sdk.h"
#include "qbfc/transport.h"
