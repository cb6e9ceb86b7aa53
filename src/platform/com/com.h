// Everything of the COM stand-in in one include.
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
