// The MFC classes of the system, in one include (as stdafx.h pulls in afxwin.h and friends).
// Class, function and constant names are MFC's and global; our own helpers are in mw::mfc.
#pragma once

#include "platform/mfc/afxmt.h"
#include "platform/mfc/cfile.h"
#include "platform/mfc/cmdtarget.h"
#include "platform/mfc/collections.h"
#include "platform/mfc/cstring.h"
#include "platform/mfc/ctime.h"
#include "platform/mfc/ctrl_wrappers.h"
#include "platform/mfc/dialog.h"
#include "platform/mfc/gdi_wrappers.h"
#include "platform/mfc/msgmap.h"
#include "platform/mfc/object.h"
#include "platform/mfc/oledatetime.h"
#include "platform/mfc/oledatetimespan.h"
#include "platform/mfc/winapp.h"
#include "platform/mfc/wnd.h"
