// A reference to an entry of a QuickBooks list (vendor, item, class, ...).
#pragma once

#include "platform/com/com.h"

class QB_ListRef {
public:
    QB_ListRef();
    // Copying shares ListID and FullName only: a copy starts Reserved null, an assignment
    // leaves the target's Reserved as it was.
    QB_ListRef(const QB_ListRef& src);
    QB_ListRef& operator=(const QB_ListRef& src);
    ~QB_ListRef() = default;

    void clear();

    _bstr_t Reserved;
    _bstr_t ListID;
    _bstr_t FullName;
};
