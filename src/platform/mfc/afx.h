// The MFC classes of the system, in one include (as stdafx.h pulls in afxwin.h and friends).
#pragma once

#include "platform/mfc/afxmt.h"
#include "platform/mfc/cfile.h"
#include "platform/mfc/collections.h"
#include "platform/mfc/cstring.h"
#include "platform/mfc/ctime.h"
#include "platform/mfc/oledatetime.h"
#include "platform/mfc/oledatetimespan.h"
