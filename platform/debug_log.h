#pragma once
// The debug log: diagnostic lines ("***..." and friends) that players never see.
// Lines go to stderr (on Windows also to the debugger output and debug.log in
// the user data folder) when TESSALUNE_DEBUG is set (or in a debug build) and to
// every active capture, so tests can check what a reader complained about.
#include <string>
#include <vector>

void DebugLog(const std::string& line);
bool DebugLogEnabled();

// Collects every line logged while it lives (captures may nest).
class DebugLogCapture {
public:
    DebugLogCapture();
    ~DebugLogCapture();
    DebugLogCapture(const DebugLogCapture&) = delete;
    DebugLogCapture& operator=(const DebugLogCapture&) = delete;

    const std::vector<std::string>& Lines() const { return lines; }
    bool Contains(const std::string& fragment) const;
    void Clear() { lines.clear(); }

private:
    friend void DebugLog(const std::string& line);
    std::vector<std::string> lines;
};
