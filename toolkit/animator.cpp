#include "toolkit/animator.h"

#include <climits>
#include <sstream>

#include "app/line_helpers.h"
#include "platform/numbers.h"

namespace {

int DataIndex(const std::string& key) {
    // Only the character after "data" counts: "data[0]" and "data0" are both entry 0.
    const char c = key.size() > 4 ? key[4] : '\0';
    return (c >= '0' && c <= '9') ? c - '0' : 0;
}

}  // namespace

std::string _kwa_Animator::dump() const {
    std::ostringstream out;
    out << "script=" << scriptID << " playOnce=" << playOnce << " expired=" << expired
        << " age=" << ageMS << " data=";
    for (int i = 0; i < ANIMATOR_DATA_COUNT; ++i) {
        out << (i ? "," : "") << current_data[i];
    }
    return out.str();
}

int _kwa_Animator::Update(int ms) {
    if (ms <= 1) {
        return 0;
    }
    ageMS = ms > INT_MAX - ageMS ? INT_MAX : ageMS + ms;
    if (expired) {
        return 0;
    }
    switch (scriptID) {
        case ANIM_SCRIPT_LINEAR:
            return script_LinearInterpolate(ms);
        case ANIM_SCRIPT_SINE:
            return script_Sine();
        case ANIM_SCRIPT_BOUNCE:
            return script_Bounce();
        default:
            return 0;
    }
}

AnimatorPtr _kwa_Animator::Duplicate() const {
    auto copy = std::make_shared<_kwa_Animator>();
    copy->init_data = init_data;
    copy->scriptID = scriptID;
    copy->playOnce = playOnce;
    copy->Restart();
    return copy;
}

int _kwa_Animator::Restart() {
    current_data = init_data;
    ageMS = 0;
    expired = 0;
    return 0;
}

void _kwa_Animator::ApplyLine(const std::string& line) {
    if (StartsWithNoCase(line, "data")) {
        const int index = DataIndex(line);
        init_data[index] = ToFloat(ValueOf(line));
    } else if (StartsWithNoCase(line, "repeat")) {
        playOnce = ToInt(ValueOf(line)) == 0 ? 1 : 0;
    } else if (StartsWithNoCase(line, "script")) {
        scriptID = ToInt(ValueOf(line));
    }
}

AnimatorPtr _kwa_Animator::Load(TStream& stream, const std::string& endTag) {
    auto animator = std::make_shared<_kwa_Animator>();
    while (!Eof(stream)) {
        const std::string raw = ReadLine(stream);
        if (raw.empty()) {
            break;
        }
        const std::string line = TrimSpaces(raw);
        if (!endTag.empty() && StartsWithNoCase(line, endTag)) {
            break;
        }
        if (!line.empty() && line[0] != '\'') {
            animator->ApplyLine(line);
        }
    }
    animator->Restart();
    return animator;
}

int _kwa_Animator::script_LinearInterpolate(int ms) {
    current_data[0] += init_data[1] * static_cast<float>(ms) * 0.001f;
    if (current_data[0] > init_data[2]) {
        if (playOnce) {
            expired = 1;
        } else {
            current_data[0] = init_data[0];
        }
    }
    return 0;
}

int _kwa_Animator::script_Sine() {
    const double angle = static_cast<double>(ageMS) * 0.001 * init_data[1];
    current_data[0] = static_cast<float>(init_data[0] + init_data[2] * (1.0 + Sin(angle)));
    return 0;
}

int _kwa_Animator::script_Bounce() {
    const float t = static_cast<float>(ageMS) * 0.001f;
    current_data[1] += current_data[4] * t * t;
    current_data[0] += current_data[1];
    if (current_data[0] > init_data[2]) {
        current_data[0] = init_data[2];
        current_data[1] *= init_data[3];
    }
    return 0;
}
