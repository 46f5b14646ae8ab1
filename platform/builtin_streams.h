#pragma once
// Openers of the protocols every build knows.
#include "platform/stream.h"

StreamPtr OpenIncbinStream(const std::string& name, bool read, bool write);
StreamPtr OpenLittleEndianStream(const std::string& rest, bool read, bool write);
