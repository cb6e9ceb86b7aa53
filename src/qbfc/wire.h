// The byte format spoken over the host program's local socket.
//
// A frame is a 4-byte big-endian length, then that many bytes of payload. A payload is a
// sequence of fields, each a 4-byte big-endian length then its bytes (UTF-8). A request's
// fields are the op name then its arguments; a reply is "ok" then the results, or "err",
// the HRESULT as 8 hex digits, and the description.
//
// Anything that does not fit this shape (a frame above kMaxFrame, a truncated frame or
// field, an unknown op, a wrong number of arguments) throws ProtocolError: the stream can no
// longer be trusted and the connection is dropped.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qbfc::wire {

inline constexpr std::uint32_t kMaxFrame = 256u * 1024u * 1024u;

class ProtocolError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The peer went away (EOF, reset, broken pipe) while a frame was being read or written.
class ConnectionLost : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class Op { Open, Begin, Versions, Request, End, Close };

inline constexpr int kAnyCount = -1;

struct OpInfo {
    Op op;
    std::string_view name;
    std::size_t argCount;
    int resultCount; // in an "ok" reply; kAnyCount for a list
};

// clang-format off
inline constexpr std::array<OpInfo, 6> kOps{{
    {Op::Open,     "open",     3, 0},          // appID appName connType
    {Op::Begin,    "begin",    2, 1},          // companyFile openMode -> ticket
    {Op::Versions, "versions", 1, kAnyCount},  // ticket -> versions
    {Op::Request,  "request",  2, 1},          // ticket xml -> response xml
    {Op::End,      "end",      1, 0},          // ticket
    {Op::Close,    "close",    0, 0},
}};
// clang-format on

const OpInfo& InfoOf(Op op);

struct Request {
    Op op = Op::Close;
    std::vector<std::string> args;
    bool operator==(const Request&) const = default;
};

struct Reply {
    bool ok = true;
    std::vector<std::string> results; // when ok
    std::int32_t hresult = 0;         // when not ok
    std::string description;          // when not ok
    bool operator==(const Reply&) const = default;

    static Reply Ok(std::vector<std::string> results = {}) {
        return {true, std::move(results), 0, {}};
    }
    static Reply Err(std::int32_t hresult, std::string description) {
        return {false, {}, hresult, std::move(description)};
    }
};

std::string EncodeFields(const std::vector<std::string>& fields);
std::vector<std::string> DecodeFields(std::string_view payload);

std::string EncodeRequest(const Request& request);
Request DecodeRequest(std::string_view payload);
std::string EncodeReply(const Reply& reply);
Reply DecodeReply(std::string_view payload);

// Blocking I/O on a connected stream socket. ReadFrame returns nullopt on a clean end of
// stream before the first byte of a frame; an end inside a frame is a ProtocolError, a reset
// is ConnectionLost.
// WriteFrame never raises SIGPIPE.
std::optional<std::string> ReadFrame(int fd);
void WriteFrame(int fd, std::string_view payload);

} // namespace qbfc::wire
