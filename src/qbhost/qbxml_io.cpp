#include "qbhost/qbxml_io.h"

#include "qbhost/qbxml_status.h"

#include <cctype>
#include <charconv>

namespace qbhost::qbxml {

namespace {

std::string Trim(std::string_view text) {
    auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    auto last = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(first, last - first + 1));
}

} // namespace

std::optional<std::string> Text(const pugi::xml_node& parent, const char* name) {
    pugi::xml_node child = parent.child(name);
    if (!child)
        return std::nullopt;
    return Trim(child.text().get());
}

std::string Required(const pugi::xml_node& parent, const char* name) {
    auto value = Text(parent, name);
    if (!value || value->empty())
        throw StatusError(status::MissingElement(name));
    return *value;
}

bool IsValidDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return false;
    for (std::size_t i : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u})
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return false;
    int year = 0, month = 0, day = 0;
    std::from_chars(text.data(), text.data() + 4, year);
    std::from_chars(text.data() + 5, text.data() + 7, month);
    std::from_chars(text.data() + 8, text.data() + 10, day);
    if (year < 1900 || month < 1 || month > 12 || day < 1)
        return false;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    int days = kDays[month - 1] + (month == 2 && leap ? 1 : 0);
    return day <= days;
}

std::optional<std::string> Date(const pugi::xml_node& parent, const char* name) {
    auto value = Text(parent, name);
    if (!value)
        return std::nullopt;
    if (!IsValidDate(*value))
        throw StatusError(status::InvalidDate(*value, name));
    return value;
}

std::optional<bool> Bool(const pugi::xml_node& parent, const char* name) {
    auto value = Text(parent, name);
    if (!value)
        return std::nullopt;
    if (*value == "true" || *value == "1")
        return true;
    if (*value == "false" || *value == "0")
        return false;
    throw StatusError(status::InvalidValue(*value, name));
}

std::optional<long> Int(const pugi::xml_node& parent, const char* name) {
    auto value = Text(parent, name);
    if (!value)
        return std::nullopt;
    long number = 0;
    auto [end, error] = std::from_chars(value->data(), value->data() + value->size(), number);
    if (error != std::errc() || end != value->data() + value->size())
        throw StatusError(status::InvalidValue(*value, name));
    return number;
}

pugi::xml_node Add(pugi::xml_node& parent, const char* name, std::string_view value) {
    pugi::xml_node child = parent.append_child(name);
    child.text().set(std::string(value).c_str());
    return child;
}

void AddIf(pugi::xml_node& parent, const char* name, std::string_view value) {
    if (!value.empty())
        Add(parent, name, value);
}

void AddBool(pugi::xml_node& parent, const char* name, bool value) {
    Add(parent, name, value ? "true" : "false");
}

void AddRef(pugi::xml_node& parent, const char* name, const ListRef& ref) {
    if (ref.empty())
        return;
    pugi::xml_node node = parent.append_child(name);
    AddIf(node, "ListID", ref.listId);
    AddIf(node, "FullName", ref.fullName);
}

void AddAddress(pugi::xml_node& parent, const char* name, const Address& address) {
    if (address.empty())
        return;
    pugi::xml_node node = parent.append_child(name);
    static constexpr const char* kAddr[] = {"Addr1", "Addr2", "Addr3", "Addr4", "Addr5"};
    for (std::size_t i = 0; i < 5; ++i)
        AddIf(node, kAddr[i], address.addr[i]);
    AddIf(node, "City", address.city);
    AddIf(node, "State", address.state);
    AddIf(node, "PostalCode", address.postalCode);
    AddIf(node, "Country", address.country);
    AddIf(node, "Note", address.note);
}

void AddAddressBlock(pugi::xml_node& parent, const char* name, const Address& address) {
    if (address.empty())
        return;
    pugi::xml_node node = parent.append_child(name);
    std::string cityLine = address.city;
    if (!address.state.empty())
        cityLine += (cityLine.empty() ? "" : ", ") + address.state;
    if (!address.postalCode.empty())
        cityLine += (cityLine.empty() ? "" : " ") + address.postalCode;
    std::string lines[5];
    std::size_t count = 0;
    for (const auto& line : address.addr)
        if (!line.empty() && count < 5)
            lines[count++] = line;
    if (!cityLine.empty() && count < 5)
        lines[count++] = cityLine;
    if (!address.country.empty() && count < 5)
        lines[count++] = address.country;
    static constexpr const char* kAddr[] = {"Addr1", "Addr2", "Addr3", "Addr4", "Addr5"};
    for (std::size_t i = 0; i < count; ++i)
        Add(node, kAddr[i], lines[i]);
}

} // namespace qbhost::qbxml
