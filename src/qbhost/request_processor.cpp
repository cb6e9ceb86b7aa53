#include "qbhost/request_processor.h"

#include "qbfc/transport.h"
#include "qbhost/request_handlers.h"

#include <array>
#include <cstdlib>
#include <pugixml.hpp>
#include <sstream>

namespace qbhost {

namespace {

constexpr std::int32_t kParseError = static_cast<std::int32_t>(0x80040400);
constexpr std::int32_t kVersionNotSupported = static_cast<std::int32_t>(0x80040423);

struct RequestKind {
    std::string_view name;
    handlers::Handler handler;
    bool writes;
};

constexpr std::array<RequestKind, 6> kRequests = {{
    {"HostQuery", handlers::HostQuery, false},
    {"CompanyQuery", handlers::CompanyQuery, false},
    {"PreferencesQuery", handlers::PreferencesQuery, false},
    {"GeneralDetailReportQuery", handlers::GeneralDetailReportQuery, false},
    {"PurchaseOrderQuery", handlers::PurchaseOrderQuery, false},
    {"PurchaseOrderMod", handlers::PurchaseOrderMod, true},
}};

[[noreturn]] void ParseError() {
    throw qbfc::TransportError(kParseError,
                               "QuickBooks found an error when parsing the provided XML text "
                               "stream.");
}

// The number in a version text such as "8.0" or "CA3.0".
double VersionNumber(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && std::isalpha(static_cast<unsigned char>(text[start])))
        ++start;
    std::string number(text.substr(start));
    char* end = nullptr;
    double value = std::strtod(number.c_str(), &end);
    if (number.empty() || end != number.c_str() + number.size())
        return -1;
    return value;
}

// QuickBooks accepts every version up to the highest it lists.
void CheckVersion(const pugi::xml_document& doc, const HostFacts& host) {
    for (pugi::xml_node node = doc.first_child(); node; node = node.next_sibling()) {
        if (node.type() != pugi::node_pi || std::string_view(node.name()) != "qbxml")
            continue;
        std::string value = node.value();
        auto at = value.find("version");
        auto open = value.find('"', at == std::string::npos ? 0 : at);
        auto close = open == std::string::npos ? open : value.find('"', open + 1);
        if (at == std::string::npos || close == std::string::npos)
            ParseError();
        double asked = VersionNumber(std::string_view(value).substr(open + 1, close - open - 1));
        double best = 0;
        for (const auto& version : host.versions)
            best = std::max(best, VersionNumber(version));
        if (asked <= 0 || asked > best + 1e-9)
            throw qbfc::TransportError(kVersionNotSupported,
                                       "The version of qbXML that was requested is not "
                                       "supported or is unknown.");
        return;
    }
    // Without the instruction the request is read as the newest version; the SDK always
    // writes one.
}

void SetStatus(pugi::xml_node& rs, const Status& status) {
    rs.append_attribute("statusCode").set_value(status.code);
    rs.append_attribute("statusSeverity").set_value(status.severity.c_str());
    rs.append_attribute("statusMessage").set_value(status.message.c_str());
}

Status RunOne(const RequestKind& kind, const pugi::xml_node& rq, pugi::xml_node& rs,
              CompanyFile& file, const HostFacts& host) {
    try {
        sql::Transaction transaction(file.db(), kind.writes ? sql::Transaction::Kind::Write
                                                            : sql::Transaction::Kind::Read);
        handlers::Context context{file, host};
        Status status = kind.handler(rq, rs, context);
        transaction.Commit();
        return status;
    } catch (const StatusError& error) {
        return error.status();
    } catch (const sql::Error& error) {
        if (error.busy())
            return status::InUse(kind.name == "PurchaseOrderMod" ? "Purchase Order"
                                                                 : "company file");
        return status::Internal(error.what());
    } catch (const std::exception& error) {
        return status::Internal(error.what());
    }
}

HostFacts ReadHost(CompanyFile& file) {
    sql::Transaction transaction(file.db(), sql::Transaction::Kind::Read);
    HostFacts host = file.ReadHost();
    transaction.Commit();
    return host;
}

} // namespace

std::string RequestProcessor::Process(std::string_view requestXml) {
    pugi::xml_document request;
    auto parsed =
        request.load_buffer(requestXml.data(), requestXml.size(),
                            pugi::parse_default | pugi::parse_pi | pugi::parse_declaration);
    if (!parsed)
        ParseError();
    pugi::xml_node messages = request.child("QBXML").child("QBXMLMsgsRq");
    if (!messages)
        ParseError();
    HostFacts host = ReadHost(m_file);
    CheckVersion(request, host);

    std::string_view onError = messages.attribute("onError").as_string("stopOnError");
    if (onError != "stopOnError" && onError != "continueOnError" && onError != "rollbackOnError")
        ParseError();
    // FIXME: rollbackOnError stops like stopOnError but keeps the requests done before the
    // error; each request is its own transaction.
    bool stopOnError = onError != "continueOnError";

    pugi::xml_document response;
    auto declaration = response.append_child(pugi::node_declaration);
    declaration.append_attribute("version").set_value("1.0");
    pugi::xml_node out = response.append_child("QBXML").append_child("QBXMLMsgsRs");

    bool stopped = false;
    for (pugi::xml_node rq = messages.first_child(); rq; rq = rq.next_sibling()) {
        if (rq.type() != pugi::node_element)
            continue;
        std::string_view name = rq.name();
        if (name.size() <= 2 || name.substr(name.size() - 2) != "Rq")
            ParseError();
        std::string base(name.substr(0, name.size() - 2));
        pugi::xml_node rs = out.append_child((base + "Rs").c_str());
        if (auto id = rq.attribute("requestID"))
            rs.append_attribute("requestID").set_value(id.value());
        Status status;
        if (stopped) {
            status = status::NotProcessed();
        } else {
            const RequestKind* kind = nullptr;
            for (const auto& entry : kRequests)
                if (entry.name == base)
                    kind = &entry;
            if (kind) {
                // A refused request answers with its status only.
                pugi::xml_document scratch;
                pugi::xml_node body = scratch.append_child("body");
                status = RunOne(*kind, rq, body, m_file, host);
                if (!status.IsError())
                    for (pugi::xml_node child = body.first_child(); child;
                         child = child.next_sibling())
                        rs.append_copy(child);
            } else {
                status = status::NotSupported();
            }
        }
        SetStatus(rs, status);
        if (status.IsError() && stopOnError)
            stopped = true;
    }

    std::ostringstream text;
    response.save(text, "  ", pugi::format_default, pugi::encoding_utf8);
    return text.str();
}

} // namespace qbhost
