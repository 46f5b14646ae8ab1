// Stream opening by path and the protocol registry.
#include "platform/stream.h"

#include <cctype>
#include <map>

#include "platform/builtin_streams.h"
#include "platform/debug_log.h"
#include "platform/file_stream.h"

namespace {

std::map<std::string, StreamOpener>& Protocols() {
    static std::map<std::string, StreamOpener> protocols = {
        {"incbin", OpenIncbinStream},
        {"littleendian", OpenLittleEndianStream},
    };
    return protocols;
}

// "proto::rest" splits into proto and rest; false for plain paths.
bool SplitProtocol(const std::string& url, std::string& proto, std::string& rest) {
    const size_t mark = url.find("::");
    if (mark == std::string::npos || mark == 0) {
        return false;
    }
    for (size_t i = 0; i < mark; ++i) {
        const unsigned char c = static_cast<unsigned char>(url[i]);
        if (!std::isalnum(c) && c != '_') {
            return false;
        }
    }
    proto = url.substr(0, mark);
    rest = url.substr(mark + 2);
    return true;
}

}  // namespace

int TStream::Write(const void*, int) {
    return 0;
}

void RegisterStreamProtocol(const std::string& proto, StreamOpener opener) {
    Protocols()[proto] = std::move(opener);
}

StreamPtr OpenStream(const std::string& url, bool read, bool write) {
    if (!read && !write) {
        return nullptr;
    }
    std::string proto;
    std::string rest;
    if (!SplitProtocol(url, proto, rest)) {
        return OpenFileStream(
            url, read ? (write ? FileMode::ReadWrite : FileMode::Read) : FileMode::Write);
    }
    const auto found = Protocols().find(proto);
    if (found == Protocols().end()) {
        DebugLog("stream: no reader for protocol \"" + proto + "::\" in " + url);
        return nullptr;
    }
    return found->second(rest, read, write);
}

StreamPtr ReadStream(const std::string& url) {
    return OpenStream(url, true, false);
}

StreamPtr WriteStream(const std::string& url) {
    std::string proto;
    std::string rest;
    if (SplitProtocol(url, proto, rest)) {
        return OpenStream(url, true, true);
    }
    return OpenFileStream(url, FileMode::Create);
}

void CloseStream(StreamPtr& stream) {
    if (stream) {
        stream->Flush();
    }
    stream.reset();
}
