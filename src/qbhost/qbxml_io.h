// Small readers and writers for qbXML elements. Readers throw StatusError for values a
// request may not carry, so handlers read as if the input were valid.
#pragma once

#include "qbhost/company_model.h"

#include <optional>
#include <pugixml.hpp>
#include <string>
#include <string_view>

namespace qbhost::qbxml {

// The trimmed text of a child element; nullopt when the child is absent.
std::optional<std::string> Text(const pugi::xml_node& parent, const char* name);
std::string Required(const pugi::xml_node& parent, const char* name);
// A yyyy-mm-dd date that exists in the calendar; 3020 otherwise.
std::optional<std::string> Date(const pugi::xml_node& parent, const char* name);
std::optional<bool> Bool(const pugi::xml_node& parent, const char* name);
std::optional<long> Int(const pugi::xml_node& parent, const char* name);
bool IsValidDate(std::string_view text);

pugi::xml_node Add(pugi::xml_node& parent, const char* name, std::string_view value);
// Adds nothing for an empty value: absent elements are left out.
void AddIf(pugi::xml_node& parent, const char* name, std::string_view value);
void AddBool(pugi::xml_node& parent, const char* name, bool value);
void AddRef(pugi::xml_node& parent, const char* name, const ListRef& ref);
void AddAddress(pugi::xml_node& parent, const char* name, const Address& address);
// Addr1..Addr5 lines only, as QuickBooks builds an address block.
void AddAddressBlock(pugi::xml_node& parent, const char* name, const Address& address);

} // namespace qbhost::qbxml
