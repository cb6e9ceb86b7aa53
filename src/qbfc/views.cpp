// The one implementation behind every typed view's getters, list calls and values.
#include "qbfc/base.h"
#include "qbfc/errors.h"
#include "qbfc/values.h"

#include <cmath>

namespace qbfc {
namespace {

bool Parses(ValueType type, std::span<const std::string_view> enumNames, std::string_view text) {
    switch (type) {
    case ValueType::Aggregate:
    case ValueType::String:
    case ValueType::ID:
        return true;
    case ValueType::Bool:
        return ParseBool(text).has_value();
    case ValueType::Int:
        return ParseInt(text).has_value();
    case ValueType::Date:
        return ParseDate(text).has_value();
    case ValueType::DateTime:
        return ParseDateTime(text).has_value();
    case ValueType::Amount:
    case ValueType::Price:
    case ValueType::Quan:
    case ValueType::Float:
    case ValueType::Percent:
        return ParseNumber(text).has_value();
    case ValueType::Enum:
        for (std::string_view name : enumNames)
            if (name == text)
                return true;
        return false;
    }
    return false;
}

// A response child read as a member: it has to be of the member's kind, and a value has to
// read as the member's type. Anything else counts as absent, so that a host's bad value
// leaves the caller's field as it was instead of failing the whole read.
bool FitsMember(const Node& child, const MemberSpec& member) {
    if (member.kind == MemberKind::Aggregate)
        return child.kind == ValueType::Aggregate;
    if (child.kind == ValueType::Aggregate)
        return child.children.empty() && Parses(member.type, member.enumNames, "") &&
               member.type != ValueType::Enum; // <Memo/>: an empty text
    return Parses(member.type, member.enumNames, child.text);
}

bool IsItemName(std::string_view names, std::string_view name) {
    while (!names.empty()) {
        std::size_t bar = names.find('|');
        if (names.substr(0, bar) == name)
            return true;
        if (bar == std::string_view::npos)
            break;
        names.remove_prefix(bar + 1);
    }
    return false;
}

std::string_view FirstItemName(std::string_view names) {
    return names.substr(0, names.find('|'));
}

bool IsItem(const ViewState& list, const Node& child) {
    if (!IsItemName(list.itemNames, child.name))
        return false;
    if (!child.readOnly)
        return child.kind == list.itemType || list.itemType == ValueType::Aggregate;
    MemberSpec spec{list.itemType == ValueType::Aggregate ? MemberKind::Aggregate
                                                          : MemberKind::Value,
                    child.name, list.itemType, list.enumNames};
    return FitsMember(child, spec);
}

Node& ValueNode(IQBBase* self) {
    return *self->qbfcView().node;
}

// The node a value is about to be written to; raises when it may not be.
Node& Writable(IQBBase* self) {
    Node& node = ValueNode(self);
    if (node.readOnly)
        Raise(QBFC_E_READ_ONLY, "the element " + node.name + " belongs to a response");
    if (node.present)
        Raise(QBFC_E_ALREADY_SET, "element already set: " + node.name);
    return node;
}

void Store(Node& node, std::string text) {
    node.text = std::move(text);
    node.present = true;
}

std::string_view PresentText(IQBBase* self) {
    Node& node = ValueNode(self);
    return node.present ? std::string_view(node.text) : std::string_view();
}

} // namespace

namespace detail {

std::optional<ViewState> Resolve(IQBBase* self, const MemberSpec& member) {
    const NodePtr& node = self->qbfcView().node;
    switch (member.kind) {
    case MemberKind::Same:
        return ViewState{node};
    case MemberKind::SameIf:
        if (node->name != member.element)
            return std::nullopt;
        return ViewState{node};
    case MemberKind::List:
        return ViewState{node, member.element, member.type, member.enumNames};
    case MemberKind::Value:
    case MemberKind::Aggregate:
        break;
    }
    if (!node->readOnly) {
        ValueType kind = member.kind == MemberKind::Value ? member.type : ValueType::Aggregate;
        return ViewState{
            node->FindOrAdd(member.element, kind), {}, ValueType::Aggregate, member.enumNames};
    }
    for (const NodePtr& child : node->children)
        if (child->name == member.element && FitsMember(*child, member))
            return ViewState{child, {}, ValueType::Aggregate, member.enumNames};
    return std::nullopt;
}

long ListCount(IQBBase* self) {
    const ViewState& list = self->qbfcView();
    long count = 0;
    for (const NodePtr& child : list.node->children)
        if (IsItem(list, *child))
            ++count;
    return count;
}

ViewState ListItem(IQBBase* self, long index) {
    const ViewState& list = self->qbfcView();
    long i = 0;
    if (index >= 0)
        for (const NodePtr& child : list.node->children)
            if (IsItem(list, *child) && i++ == index)
                return ViewState{child, {}, ValueType::Aggregate, list.enumNames};
    Raise(E_INVALIDARG, "list index " + std::to_string(index) + " is out of range");
}

ViewState ListAdd(IQBBase* self) {
    const ViewState& list = self->qbfcView();
    if (list.node->readOnly)
        Raise(QBFC_E_READ_ONLY, "a list of a response cannot be added to");
    NodePtr item = list.node->Add(FirstItemName(list.itemNames), list.itemType);
    return ViewState{item, {}, ValueType::Aggregate, list.enumNames};
}

_bstr_t GetText(IQBBase* self) {
    return _bstr_t(mw::com::from_utf8(PresentText(self)).c_str());
}

void SetText(IQBBase* self, const _bstr_t& value) {
    Node& node = Writable(self);
    std::string text =
        mw::com::to_utf8(std::wstring_view(static_cast<const wchar_t*>(value), value.length()));
    if (!IsWritableText(text))
        Raise(E_INVALIDARG, "the text for " + node.name + " holds a character qbXML cannot carry");
    Store(node, std::move(text));
}

VARIANT_BOOL GetBool(IQBBase* self) {
    return ParseBool(PresentText(self)).value_or(false) ? VARIANT_TRUE : VARIANT_FALSE;
}

void SetBool(IQBBase* self, VARIANT_BOOL value) {
    Store(Writable(self), FormatBool(value != VARIANT_FALSE));
}

int GetInt(IQBBase* self) {
    return ParseInt(PresentText(self)).value_or(0);
}

void SetInt(IQBBase* self, int value) {
    Store(Writable(self), FormatInt(value));
}

// Reads a date-time as well: its member decided which form a response may hold.
DATE GetDate(IQBBase* self) {
    return ParseDateTime(PresentText(self)).value_or(0.0);
}

void SetDate(IQBBase* self, DATE value) {
    Node& node = Writable(self);
    // OLE dates run from the year 100 to 9999; anything else has no qbXML form.
    if (!std::isfinite(value) || value < -657434.0 || value >= 2958466.0)
        Raise(E_INVALIDARG, "the date for " + node.name + " is out of range");
    Store(node, node.kind == ValueType::DateTime ? FormatDateTime(value) : FormatDate(value));
}

double GetNumber(IQBBase* self) {
    return ParseNumber(PresentText(self)).value_or(0.0);
}

void SetNumber(IQBBase* self, double value) {
    Node& node = Writable(self);
    if (!std::isfinite(value))
        Raise(E_INVALIDARG, "the number for " + node.name + " is not finite");
    Store(node, node.kind == ValueType::Amount ? FormatAmount(value) : FormatNumber(value));
}

long GetEnum(IQBBase* self) {
    std::string_view text = PresentText(self);
    auto names = self->qbfcView().enumNames;
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == text)
            return static_cast<long>(i);
    return 0;
}

void SetEnum(IQBBase* self, long value) {
    Node& node = Writable(self);
    auto names = self->qbfcView().enumNames;
    if (value < 0 || static_cast<std::size_t>(value) >= names.size())
        Raise(E_INVALIDARG,
              std::to_string(value) + " is not a value of the enumeration of " + node.name);
    Store(node, std::string(names[static_cast<std::size_t>(value)]));
}

} // namespace detail
} // namespace qbfc
