// One function per request kind: reads the ...Rq element, fills the ...Rs element and
// returns its status, or throws StatusError to refuse.
#pragma once

#include "qbhost/company_file.h"
#include "qbhost/qbxml_status.h"

#include <pugixml.hpp>

namespace qbhost::handlers {

struct Context {
    CompanyFile& file;
    const HostFacts& host;
};

using Handler = Status (*)(const pugi::xml_node& rq, pugi::xml_node& rs, Context& context);

Status HostQuery(const pugi::xml_node& rq, pugi::xml_node& rs, Context& context);
Status CompanyQuery(const pugi::xml_node& rq, pugi::xml_node& rs, Context& context);
Status PreferencesQuery(const pugi::xml_node& rq, pugi::xml_node& rs, Context& context);
Status GeneralDetailReportQuery(const pugi::xml_node& rq, pugi::xml_node& rs, Context& context);
Status PurchaseOrderQuery(const pugi::xml_node& rq, pugi::xml_node& rs, Context& context);
Status PurchaseOrderMod(const pugi::xml_node& rq, pugi::xml_node& rs, Context& context);

// Writes a PurchaseOrderRet with the lines and links when asked for.
void WritePurchaseOrder(pugi::xml_node& parent, const PurchaseOrder& po, bool lines, bool links);

} // namespace qbhost::handlers
