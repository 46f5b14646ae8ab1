#include "platform/debug_log.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/system.h"

namespace {

std::vector<DebugLogCapture*>& ActiveCaptures() {
    static std::vector<DebugLogCapture*> captures;
    return captures;
}

bool ReadEnabledFlag() {
#ifndef NDEBUG
    return true;
#else
    const char* value = std::getenv("TESSALUNE_DEBUG");
    return value != nullptr && value[0] != '\0' && std::strcmp(value, "0") != 0;
#endif
}

}  // namespace

bool DebugLogEnabled() {
    static const bool enabled = ReadEnabledFlag();
    return enabled;
}

void DebugLog(const std::string& line) {
    if (DebugLogEnabled()) {
        WriteDebugLine(line);
    }
    for (DebugLogCapture* capture : ActiveCaptures()) {
        capture->lines.push_back(line);
    }
}

DebugLogCapture::DebugLogCapture() {
    ActiveCaptures().push_back(this);
}

DebugLogCapture::~DebugLogCapture() {
    auto& captures = ActiveCaptures();
    captures.erase(std::remove(captures.begin(), captures.end(), this), captures.end());
}

bool DebugLogCapture::Contains(const std::string& fragment) const {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.find(fragment) != std::string::npos;
    });
}
