#include "qbfc/errors.h"

#include "platform/com/com.h"

namespace qbfc {

void Raise(HRESULT hr, std::string_view description) {
    mw::com::raise_error(hr, mw::com::from_utf8(description), L"QBFC");
}

} // namespace qbfc
