#include "qbfc/node.h"

#include <algorithm>

namespace qbfc {

NodePtr Node::Find(std::string_view childName) const {
    auto it = std::find_if(children.begin(), children.end(),
                           [&](const NodePtr& c) { return c->name == childName; });
    return it == children.end() ? nullptr : *it;
}

NodePtr Node::FindOrAdd(std::string_view childName, ValueType childKind) {
    if (NodePtr found = Find(childName))
        return found;
    return Add(childName, childKind);
}

NodePtr Node::Add(std::string_view childName, ValueType childKind) {
    auto child = std::make_shared<Node>(childName, childKind);
    child->readOnly = readOnly;
    child->present = childKind == ValueType::Aggregate;
    children.push_back(child);
    return child;
}

bool Node::HasContent() const {
    if (kind != ValueType::Aggregate)
        return present;
    return std::any_of(children.begin(), children.end(),
                       [](const NodePtr& c) { return c->HasContent(); });
}

} // namespace qbfc
