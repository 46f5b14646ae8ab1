#include "platform/gl_calls.h"

bool LoadGlCalls() {
    return true;
}
