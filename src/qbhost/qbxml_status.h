// The status a request's response carries, and the statuses this host gives.
#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace qbhost {

struct Status {
    int code = 0;
    std::string severity = "Info";
    std::string message = "Status OK";
    bool IsError() const { return severity == "Error"; }
};

// Thrown by a request handler to refuse the request; whatever it wrote is rolled back.
class StatusError : public std::exception {
public:
    explicit StatusError(Status status) : m_status(std::move(status)) {}
    const Status& status() const { return m_status; }
    const char* what() const noexcept override { return m_status.message.c_str(); }

private:
    Status m_status;
};

namespace status {

Status Ok();
Status NoMatch();                                                      // 1
Status NotFoundInQuery(std::string_view value);                        // 500
Status Internal(std::string_view detail);                              // 1000
Status InvalidId(std::string_view value, std::string_view field);      // 3000
Status InvalidDate(std::string_view value, std::string_view field);    // 3020
Status InvalidRange(std::string_view field);                           // 3030
Status InvalidValue(std::string_view value, std::string_view field);   // 3020-range value
Status ObjectNotFound(std::string_view value);                         // 3120
Status MissingElement(std::string_view element);                       // 3150
Status ModifyFailed(std::string_view object, std::string_view reason); // 3170
Status ClosingDate(std::string_view object, std::string_view date);    // 3171
Status InUse(std::string_view object);                                 // 3175
Status StaleEditSequence(std::string_view editSequence);               // 3200
Status NotSupported();                                                 // 3250
Status NotProcessed();                                                 // 3231

} // namespace status

} // namespace qbhost
