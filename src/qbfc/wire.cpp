#include "qbfc/wire.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <sys/socket.h>
#include <system_error>
#include <unistd.h>

namespace qbfc::wire {

namespace {

void PutLength(std::string& out, std::size_t length) {
    const auto n = static_cast<std::uint32_t>(length);
    out.push_back(static_cast<char>((n >> 24) & 0xFF));
    out.push_back(static_cast<char>((n >> 16) & 0xFF));
    out.push_back(static_cast<char>((n >> 8) & 0xFF));
    out.push_back(static_cast<char>(n & 0xFF));
}

std::uint32_t GetLength(const unsigned char* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
           std::uint32_t{p[3]};
}

const OpInfo* FindOp(std::string_view name) {
    const auto it =
        std::find_if(kOps.begin(), kOps.end(), [&](const OpInfo& i) { return i.name == name; });
    return it == kOps.end() ? nullptr : &*it;
}

std::int32_t ParseHresult(std::string_view text) {
    std::uint32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (text.size() != 8 || ec != std::errc{} || end != text.data() + text.size())
        throw ProtocolError("error code is not 8 hex digits");
    return static_cast<std::int32_t>(value);
}

// Reads exactly size bytes. Returns false when the stream ends before the first byte.
bool ReadExactly(int fd, char* data, std::size_t size, bool eofAllowed) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, data + done, size - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0) {
            if (done == 0 && eofAllowed)
                return false;
            throw ProtocolError("truncated frame");
        }
        if (errno == ECONNRESET)
            throw ConnectionLost("connection reset");
        throw std::system_error(errno, std::generic_category(), "read");
    }
    return true;
}

} // namespace

const OpInfo& InfoOf(Op op) {
    const auto it =
        std::find_if(kOps.begin(), kOps.end(), [&](const OpInfo& i) { return i.op == op; });
    return *it; // every Op has a row
}

std::string EncodeFields(const std::vector<std::string>& fields) {
    std::string out;
    for (const auto& f : fields) {
        PutLength(out, f.size());
        out += f;
    }
    return out;
}

std::vector<std::string> DecodeFields(std::string_view payload) {
    std::vector<std::string> fields;
    while (!payload.empty()) {
        if (payload.size() < 4)
            throw ProtocolError("truncated field length");
        const auto length = GetLength(reinterpret_cast<const unsigned char*>(payload.data()));
        payload.remove_prefix(4);
        if (length > payload.size())
            throw ProtocolError("field runs past the end of the frame");
        fields.emplace_back(payload.substr(0, length));
        payload.remove_prefix(length);
    }
    return fields;
}

std::string EncodeRequest(const Request& request) {
    std::vector<std::string> fields;
    fields.reserve(request.args.size() + 1);
    fields.emplace_back(InfoOf(request.op).name);
    fields.insert(fields.end(), request.args.begin(), request.args.end());
    return EncodeFields(fields);
}

Request DecodeRequest(std::string_view payload) {
    auto fields = DecodeFields(payload);
    if (fields.empty())
        throw ProtocolError("empty request");
    const OpInfo* info = FindOp(fields.front());
    if (info == nullptr)
        throw ProtocolError("unknown op \"" + fields.front() + "\"");
    if (fields.size() - 1 != info->argCount)
        throw ProtocolError("wrong number of arguments for \"" + fields.front() + "\"");
    Request request{info->op, {}};
    request.args.assign(std::make_move_iterator(fields.begin() + 1),
                        std::make_move_iterator(fields.end()));
    return request;
}

std::string EncodeReply(const Reply& reply) {
    if (reply.ok) {
        std::vector<std::string> fields{"ok"};
        fields.insert(fields.end(), reply.results.begin(), reply.results.end());
        return EncodeFields(fields);
    }
    char code[9];
    std::snprintf(code, sizeof code, "%08X", static_cast<unsigned>(reply.hresult));
    return EncodeFields({"err", code, reply.description});
}

Reply DecodeReply(std::string_view payload) {
    auto fields = DecodeFields(payload);
    if (fields.empty())
        throw ProtocolError("empty reply");
    if (fields.front() == "ok") {
        fields.erase(fields.begin());
        return Reply::Ok(std::move(fields));
    }
    if (fields.front() == "err" && fields.size() == 3)
        return Reply::Err(ParseHresult(fields[1]), std::move(fields[2]));
    throw ProtocolError("malformed reply");
}

std::optional<std::string> ReadFrame(int fd) {
    unsigned char header[4];
    if (!ReadExactly(fd, reinterpret_cast<char*>(header), sizeof header, true))
        return std::nullopt;
    const auto length = GetLength(header);
    // Checked before allocating: a hostile length must not make us reserve gigabytes.
    if (length > kMaxFrame)
        throw ProtocolError("frame of " + std::to_string(length) + " bytes is too large");
    std::string payload(length, '\0');
    ReadExactly(fd, payload.data(), payload.size(), false);
    return payload;
}

void WriteFrame(int fd, std::string_view payload) {
    if (payload.size() > kMaxFrame)
        throw ProtocolError("frame of " + std::to_string(payload.size()) + " bytes is too large");
    std::string header;
    PutLength(header, payload.size());
    const std::string_view parts[] = {header, payload};
    for (auto part : parts) {
        while (!part.empty()) {
            const ssize_t n = ::send(fd, part.data(), part.size(), MSG_NOSIGNAL);
            if (n >= 0) {
                part.remove_prefix(static_cast<std::size_t>(n));
                continue;
            }
            if (errno == EINTR)
                continue;
            if (errno == EPIPE || errno == ECONNRESET)
                throw ConnectionLost("connection closed while sending");
            throw std::system_error(errno, std::generic_category(), "send");
        }
    }
}

} // namespace qbfc::wire
