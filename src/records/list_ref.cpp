#include "records/list_ref.h"

QB_ListRef::QB_ListRef() {
    clear();
}

QB_ListRef::QB_ListRef(const QB_ListRef& src) : ListID(src.ListID), FullName(src.FullName) {}

QB_ListRef& QB_ListRef::operator=(const QB_ListRef& src) {
    ListID = src.ListID;
    FullName = src.FullName;
    return *this;
}

void QB_ListRef::clear() {
    Reserved = "";
    ListID = "";
    FullName = "";
}
