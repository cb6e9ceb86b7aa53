// SDK enumeration values as the records hold them: plain 32-bit numbers. The records sit
// beside the SDK layer, not above it, so the gateway converts between these and the SDK's
// enumeration types when it reads and writes a record. Each alias names its enumeration.
#pragma once

#include "platform/crt/wintypes.h"

using ENTxnTypeValue = LONG;
using ENLinkTypeValue = LONG;
using ENCalculateChargesFromValue = LONG;
using ENAgingReportBasisValue = LONG;
using ENSummaryReportBasisValue = LONG;
using ENFirstDayOfWeekValue = LONG;
using ENFirstMonthFiscalYearValue = LONG;
using ENFirstMonthIncomeTaxYearValue = LONG;
using ENTaxFormValue = LONG;
using ENServiceStatusValue = LONG;
