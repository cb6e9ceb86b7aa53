#include "qbfc/wire.h"

#include <gtest/gtest.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using namespace qbfc::wire;

namespace {

std::string Be32(std::uint32_t n) {
    return {static_cast<char>(n >> 24), static_cast<char>((n >> 16) & 0xFF),
            static_cast<char>((n >> 8) & 0xFF), static_cast<char>(n & 0xFF)};
}

std::string Field(std::string_view bytes) {
    return Be32(bytes.size()) + std::string(bytes);
}

// Both ends of a local stream socket; the writer end is closed to simulate the peer leaving.
struct SocketPair {
    int fds[2]{-1, -1};
    SocketPair() { EXPECT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, fds), 0); }
    ~SocketPair() {
        for (int fd : fds)
            if (fd >= 0)
                ::close(fd);
    }
    void Send(const std::string& bytes) {
        ASSERT_EQ(::write(fds[1], bytes.data(), bytes.size()), ssize_t(bytes.size()));
    }
    void CloseWriter() {
        ::close(fds[1]);
        fds[1] = -1;
    }
};

} // namespace

TEST(WireCodec, RequestsOfEveryOpRoundTrip) {
    const Request cases[] = {
        {Op::Open, {"Marrowick", "Marrowick", "1"}},
        {Op::Begin, {"", "2"}},
        {Op::Begin, {"/home/u/Company Ä.qbw", "0"}}, // UTF-8 and spaces pass untouched
        {Op::Versions, {"{ticket-1}"}},
        {Op::Request, {"t", std::string("<?xml version=\"1.0\"?>\0<QBXML/>", 30)}}, // NUL inside
        {Op::Request, {"t", ""}},
        {Op::End, {"t"}},
        {Op::Close, {}},
    };
    for (const auto& request : cases) {
        SCOPED_TRACE(std::string(InfoOf(request.op).name));
        EXPECT_EQ(DecodeRequest(EncodeRequest(request)), request);
    }
}

TEST(WireCodec, RepliesRoundTrip) {
    const Reply cases[] = {
        Reply::Ok(),
        Reply::Ok({"8.0", "7.0", ""}),
        Reply::Err(static_cast<std::int32_t>(0x80040414), "A modal dialog is open."),
        Reply::Err(static_cast<std::int32_t>(0x8004041B), ""),
        Reply::Err(0x00000001, "odd but positive"),
    };
    for (const auto& reply : cases)
        EXPECT_EQ(DecodeReply(EncodeReply(reply)), reply);
}

TEST(WireCodec, ErrorCodeIsWrittenAsEightUpperCaseHexDigits) {
    const auto fields =
        DecodeFields(EncodeReply(Reply::Err(static_cast<std::int32_t>(0x8004040A), "x")));
    ASSERT_EQ(fields.size(), 3u);
    EXPECT_EQ(fields[1], "8004040A");
}

TEST(WireCodec, MalformedRequestsAreProtocolErrors) {
    const struct {
        const char* what;
        std::string payload;
    } cases[] = {
        {"empty payload", ""},
        {"length cut short", Field("close").substr(0, 2)},
        {"field longer than the rest", Be32(10) + "close"},
        {"second field cut short", Field("end") + Be32(5) + "ab"},
        {"unknown op", Field("delete")},
        {"op name is case-sensitive", Field("Close")},
        {"too few arguments", Field("begin") + Field("file")},
        {"too many arguments", Field("close") + Field("x")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_THROW(DecodeRequest(c.payload), ProtocolError);
    }
}

TEST(WireCodec, MalformedRepliesAreProtocolErrors) {
    const struct {
        const char* what;
        std::string payload;
    } cases[] = {
        {"empty payload", ""},
        {"unknown status", Field("maybe")},
        {"err without description", Field("err") + Field("80040408")},
        {"err code too short", Field("err") + Field("8004040") + Field("d")},
        {"err code not hex", Field("err") + Field("8004040G") + Field("d")},
        {"err code with sign", Field("err") + Field("+8004040") + Field("d")},
        {"truncated results", Field("ok") + Be32(100) + "short"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_THROW(DecodeReply(c.payload), ProtocolError);
    }
}

TEST(WireFrames, FramesRoundTripOverASocket) {
    SocketPair pair;
    const std::string big(1 << 20, 'x'); // larger than a socket buffer: needs several sends
    std::string received;
    // The reader must run while the writer is blocked on the full buffer.
    std::thread reader([&] { received = ReadFrame(pair.fds[0]).value_or("missing"); });
    WriteFrame(pair.fds[1], big);
    reader.join();
    EXPECT_EQ(received, big);

    WriteFrame(pair.fds[1], "");
    EXPECT_EQ(ReadFrame(pair.fds[0]), std::string());
}

TEST(WireFrames, EndOfStreamBetweenFramesIsNotAnError) {
    SocketPair pair;
    pair.CloseWriter();
    EXPECT_EQ(ReadFrame(pair.fds[0]), std::nullopt);
}

TEST(WireFrames, BrokenFramesAreRejected) {
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"header cut short", Be32(5).substr(0, 3)},
        {"payload cut short", Be32(5) + "abc"},
        {"just above the limit", Be32(kMaxFrame + 1)},
        {"largest length", Be32(0xFFFFFFFFu)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SocketPair pair;
        pair.Send(c.bytes);
        pair.CloseWriter();
        EXPECT_THROW(ReadFrame(pair.fds[0]), ProtocolError);
    }
}

TEST(WireFrames, WritingToAClosedPeerRaisesInsteadOfSignalling) {
    SocketPair pair;
    ::close(pair.fds[0]);
    pair.fds[0] = -1;
    // Without MSG_NOSIGNAL this would kill the test process with SIGPIPE.
    EXPECT_THROW(WriteFrame(pair.fds[1], "hello"), ConnectionLost);
}
