#include "forms/state_pictures.h"

#include "app/line_helpers.h"

int StatePictureKey(const std::string& line) {
    struct Key {
        const char* text;
        int state;
    };
    static const Key keys[] = {
        {"over", STATE_OVER},         {"normal", STATE_NORMAL},
        {"down", STATE_DOWN},         {"off_normal", STATE_OFF_NORMAL},
        {"off_over", STATE_OFF_OVER}, {"off_down", STATE_OFF_DOWN},
    };
    for (const Key& key : keys) {
        if (StartsWithNoCase(line, key.text)) {
            return key.state;
        }
    }
    return -1;
}
