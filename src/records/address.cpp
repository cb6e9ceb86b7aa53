#include "records/address.h"

QB_Address::QB_Address() {
    clear();
}

void QB_Address::clear() {
    Addr1 = "";
    Addr2 = "";
    Addr3 = "";
    Addr4 = "";
    Addr5 = "";
    City = "";
    State = "";
    PostalCode = "";
    Country = "";
    Note = "";
}
