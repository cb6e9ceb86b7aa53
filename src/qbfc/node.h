// The one element tree under every SDK object. A node is a qbXML element: its name, its
// text, its children in document order, and whether it is an aggregate or a value of a
// type. Nodes are shared by reference between the views that look at them.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qbfc {

enum class ValueType {
    Aggregate,
    String,
    ID,
    Bool,
    Int,
    Date,
    DateTime,
    Amount,
    Price,
    Quan,
    Float,
    Percent,
    Enum,
};

struct Node;
using NodePtr = std::shared_ptr<Node>;

struct Node {
    std::string name;
    std::string text; // a value in its qbXML text form, UTF-8
    ValueType kind = ValueType::Aggregate;
    // A request value exists from its getter on but is written only once it is set.
    bool present = true;
    // Nodes read from a response are never changed by callers.
    bool readOnly = false;
    std::vector<NodePtr> children;

    Node() = default;
    Node(std::string_view n, ValueType k) : name(n), kind(k) {}

    // The first child of that name, or nullptr.
    NodePtr Find(std::string_view childName) const;
    // The first child of that name, created at the end when there is none.
    NodePtr FindOrAdd(std::string_view childName, ValueType childKind);
    NodePtr Add(std::string_view childName, ValueType childKind);
    // True when this value is set, or this aggregate holds a set value somewhere below.
    bool HasContent() const;
};

} // namespace qbfc
