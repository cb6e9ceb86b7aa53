#include "qbfc/qbxml_reader.h"

#include "qbfc/values.h"

#include <pugixml.hpp>

namespace qbfc {
namespace {

struct TreeTooDeep {};

NodePtr Convert(const pugi::xml_node& element, int depth) {
    if (depth > kMaxResponseDepth)
        throw TreeTooDeep{};
    auto node = std::make_shared<Node>(SanitizeUtf8(element.name()), ValueType::Aggregate);
    node->readOnly = true;
    for (const pugi::xml_attribute& a : element.attributes()) {
        auto value = std::make_shared<Node>(SanitizeUtf8(a.name()), ValueType::String);
        value->text = SanitizeUtf8(a.value());
        value->readOnly = true;
        node->children.push_back(std::move(value));
    }
    bool hasElements = false;
    for (const pugi::xml_node& child : element.children()) {
        if (child.type() == pugi::node_element) {
            hasElements = true;
            node->children.push_back(Convert(child, depth + 1));
        } else if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
            node->text += child.value();
        }
    }
    node->text = SanitizeUtf8(node->text);
    // An element holding only text is a value; its type is the viewer's to decide.
    if (!hasElements && element.first_child())
        node->kind = ValueType::String;
    return node;
}

} // namespace

ParsedResponseSet ReadResponseSet(std::string_view text) {
    ParsedResponseSet set;
    pugi::xml_document doc;
    // Not parse_default: entity and character references and end-of-line normalisation are
    // wanted, a DOCTYPE is not.
    unsigned options = pugi::parse_cdata | pugi::parse_escapes | pugi::parse_eol |
                       pugi::parse_wconv_attribute | pugi::parse_pi | pugi::parse_declaration;
    pugi::xml_parse_result parsed =
        doc.load_buffer(text.data(), text.size(), options, pugi::encoding_utf8);
    if (!parsed) {
        set.error = std::string("the response is not well-formed XML: ") + parsed.description() +
                    " at offset " + std::to_string(parsed.offset);
        return set;
    }
    pugi::xml_node root = doc.document_element();
    if (std::string_view(root.name()) != "QBXML") {
        set.error = "the response has no QBXML element";
        return set;
    }
    pugi::xml_node msgs = root.child("QBXMLMsgsRs");
    if (!msgs) {
        set.error = "the response has no QBXMLMsgsRs element";
        return set;
    }
    try {
        for (const pugi::xml_node& rs : msgs.children()) {
            if (rs.type() != pugi::node_element)
                continue;
            ParsedResponse response;
            response.node = Convert(rs, 3);
            auto code = ParseInt(rs.attribute("statusCode").value());
            if (!code) {
                set.responses.clear();
                set.error =
                    "the response " + response.node->name + " has no valid statusCode attribute";
                return set;
            }
            response.status.code = *code;
            response.status.severity = SanitizeUtf8(rs.attribute("statusSeverity").value());
            response.status.message = SanitizeUtf8(rs.attribute("statusMessage").value());
            set.responses.push_back(std::move(response));
        }
    } catch (const TreeTooDeep&) {
        set.responses.clear();
        set.error = "the response is nested too deeply";
    }
    return set;
}

} // namespace qbfc
