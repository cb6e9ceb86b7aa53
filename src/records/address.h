// A postal address as QuickBooks returns it; shared by purchase orders and the company record.
#pragma once

#include "platform/com/com.h"

class QB_Address {
public:
    QB_Address();

    void clear();

    _bstr_t Addr1;
    _bstr_t Addr2;
    _bstr_t Addr3;
    _bstr_t Addr4;
    _bstr_t Addr5;
    _bstr_t City;
    _bstr_t State;
    _bstr_t PostalCode;
    _bstr_t Country;
    _bstr_t Note;
};
