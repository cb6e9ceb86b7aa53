#include "qbhost/company_model.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace qbhost {

bool Address::empty() const {
    return std::all_of(addr.begin(), addr.end(), [](const auto& a) { return a.empty(); }) &&
           city.empty() && state.empty() && postalCode.empty() && country.empty() && note.empty();
}

Cents LinkedTxn::Amount() const {
    Cents sum = 0;
    for (const auto& line : lines)
        sum += line.amount;
    return sum;
}

Cents PurchaseOrder::GroupTotal(const PoLine& group) const {
    Cents sum = 0;
    for (const auto& line : lines)
        if (line.groupLineId == group.txnLineId)
            sum += line.amount.value_or(0);
    return sum;
}

Cents PurchaseOrder::TotalAmount() const {
    Cents sum = 0;
    for (const auto& line : lines)
        if (!line.isGroup)
            sum += line.amount.value_or(0);
    return sum;
}

double PurchaseOrder::Received(const PoLine& line, const std::string& asOf) const {
    double received = 0;
    for (const auto& link : links) {
        if (!asOf.empty() && link.txnDate > asOf)
            continue;
        for (const auto& detail : link.lines)
            if (detail.poLineId == line.txnLineId)
                received += detail.quantity.value_or(0);
    }
    return received;
}

namespace {

Cents LinkedAmount(const PurchaseOrder& po, const PoLine& line, const std::string& asOf) {
    Cents sum = 0;
    for (const auto& link : po.links) {
        if (!asOf.empty() && link.txnDate > asOf)
            continue;
        for (const auto& detail : link.lines)
            if (detail.poLineId == line.txnLineId)
                sum += detail.amount;
    }
    return sum;
}

// What is still to come on one line: by quantity when the line has one, else by amount.
Cents LineOpenBalance(const PurchaseOrder& po, const PoLine& line, const std::string& asOf) {
    if (line.isGroup || line.isManuallyClosed)
        return 0;
    if (line.quantity && *line.quantity > 0) {
        double open = std::max(0.0, *line.quantity - po.Received(line, asOf));
        return ToCents(open * line.rate.value_or(0));
    }
    return std::max<Cents>(0, line.amount.value_or(0) - LinkedAmount(po, line, asOf));
}

} // namespace

bool PurchaseOrder::IsFullyReceived(const std::string& asOf) const {
    bool anyLine = false;
    for (const auto& line : lines) {
        if (line.isGroup)
            continue;
        anyLine = true;
        if (line.quantity && *line.quantity > 0) {
            if (Received(line, asOf) + 1e-9 < *line.quantity)
                return false;
        } else if (LinkedAmount(*this, line, asOf) < line.amount.value_or(0)) {
            return false;
        }
    }
    return anyLine;
}

bool PurchaseOrder::IsOpen(const std::string& asOf) const {
    return !isManuallyClosed && !IsFullyReceived(asOf);
}

Cents PurchaseOrder::OpenBalance(const std::string& asOf) const {
    if (isManuallyClosed)
        return 0;
    Cents sum = 0;
    for (const auto& line : lines)
        sum += LineOpenBalance(*this, line, asOf);
    return sum;
}

std::string FormatAmount(Cents cents) {
    char buffer[32];
    const char* sign = cents < 0 ? "-" : "";
    std::int64_t magnitude = cents < 0 ? -cents : cents;
    std::snprintf(buffer, sizeof buffer, "%s%lld.%02lld", sign,
                  static_cast<long long>(magnitude / 100), static_cast<long long>(magnitude % 100));
    return buffer;
}

Cents ToCents(double amount) {
    return static_cast<Cents>(std::llround(amount * 100.0));
}

std::string FormatNumber(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.5f", value);
    std::string text = buffer;
    while (!text.empty() && text.back() == '0')
        text.pop_back();
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    return text == "-0" ? "0" : text;
}

} // namespace qbhost
