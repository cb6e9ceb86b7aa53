#include "qbhost/qbxml_status.h"

namespace qbhost::status {

namespace {

Status Make(int code, std::string message) {
    const char* severity = code >= 1000 ? "Error" : code >= 500 ? "Warn" : "Info";
    return Status{code, severity, std::move(message)};
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// QuickBooks names dates in messages the way its user interface shows them.
std::string UsDate(std::string_view isoDate) {
    if (isoDate.size() != 10)
        return std::string(isoDate);
    return std::string(isoDate.substr(5, 2)) + "/" + std::string(isoDate.substr(8, 2)) + "/" +
           std::string(isoDate.substr(0, 4));
}

} // namespace

Status Ok() {
    return Make(0, "Status OK");
}

Status NoMatch() {
    return Make(1, "A query request did not find a matching object in QuickBooks");
}

Status NotFoundInQuery(std::string_view value) {
    return Make(500, "The query request has not been fully completed. There was a required "
                     "element (" +
                         Quoted(value) + ") that could not be found in QuickBooks.");
}

Status Internal(std::string_view detail) {
    return Make(1000, "There has been an internal error when processing the request. " +
                          std::string(detail));
}

Status InvalidId(std::string_view value, std::string_view field) {
    return Make(3000, "The given object ID " + Quoted(value) + " in the field " + Quoted(field) +
                          " is invalid.");
}

Status InvalidDate(std::string_view value, std::string_view field) {
    return Make(3020, "There was an error when converting the date value " + Quoted(value) +
                          " in the field " + Quoted(field) + ".");
}

Status InvalidRange(std::string_view field) {
    return Make(3030, "The date range in the field " + Quoted(field) +
                          " is invalid: its start is later than its end.");
}

Status InvalidValue(std::string_view value, std::string_view field) {
    return Make(3020, "There was an error when converting the value " + Quoted(value) +
                          " in the field " + Quoted(field) + ".");
}

Status ObjectNotFound(std::string_view value) {
    return Make(3120, "Object " + Quoted(value) + " specified in the request cannot be found.");
}

Status MissingElement(std::string_view element) {
    return Make(3150, "There is a missing element: " + Quoted(element) + ".");
}

Status ModifyFailed(std::string_view object, std::string_view reason) {
    return Make(3170, "There was an error when modifying a " + std::string(object) +
                          ".  QuickBooks error message: " + std::string(reason));
}

Status ClosingDate(std::string_view object, std::string_view date) {
    return Make(
        3171, "An attempt was made to modify a " + std::string(object) + " dated " + UsDate(date) +
                  ", which is on or before the closing date of the company. If you are sure "
                  "you really want to do this, please ask a user with Admin privileges to "
                  "remove the password for editing transactions on or before the closing "
                  "date (this setting is in the Accounting Company Preferences).");
}

Status InUse(std::string_view object) {
    return Make(3175, "There was an error when modifying a " + std::string(object) +
                          ".  The object is in use by another user and cannot be locked. Please "
                          "try again later.");
}

Status StaleEditSequence(std::string_view editSequence) {
    return Make(3200, "The provided edit sequence " + Quoted(editSequence) + " is out-of-date.");
}

Status NotSupported() {
    return Make(3250,
                "This feature is not enabled or not available in this version of QuickBooks.");
}

Status NotProcessed() {
    return Make(3231, "The request has not been processed.");
}

} // namespace qbhost::status
