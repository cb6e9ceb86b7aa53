// Everything of the COM stand-in in one include.
//
// What the system's code calls keeps COM's global names and signatures (HRESULT, GUID,
// IUnknown, _com_ptr_t, BSTR, _bstr_t, _com_error, CoCreateInstance, SAFEARRAY,
// VarDateFromStr, ...). Helpers for the other stand-ins and for tests live in mw::com:
// class registration, error raising, code page conversions, date parts, regional settings.
#pragma once

#include "platform/com/bstr.h"
#include "platform/com/bstr_t.h"
#include "platform/com/codepage.h"
#include "platform/com/com_error.h"
#include "platform/com/com_ptr.h"
#include "platform/com/guid.h"
#include "platform/com/hresult.h"
#include "platform/com/oledate.h"
#include "platform/com/oletypes.h"
#include "platform/com/regional_settings.h"
#include "platform/com/registry.h"
#include "platform/com/safearray.h"
#include "platform/com/unknown.h"
#include "platform/com/vardate.h"
