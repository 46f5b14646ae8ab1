#pragma once
// Value animators: one number moved over time by a linear run, a sine swing or a bounce.
#include <array>
#include <memory>
#include <string>

#include "platform/stream.h"

class _kwa_Animator;
using AnimatorPtr = std::shared_ptr<_kwa_Animator>;

constexpr int ANIMATOR_DATA_COUNT = 10;
constexpr int ANIM_SCRIPT_LINEAR = 0;
constexpr int ANIM_SCRIPT_SINE = 1;
constexpr int ANIM_SCRIPT_BOUNCE = 2;

class _kwa_Animator {
public:
    std::array<float, ANIMATOR_DATA_COUNT> current_data{};  // entry 0 is the output
    std::array<float, ANIMATOR_DATA_COUNT> init_data{};
    int ageMS = 0;
    int scriptID = ANIM_SCRIPT_LINEAR;
    int playOnce = 0;
    int expired = 0;

    std::string dump() const;
    int Update(int ms);
    AnimatorPtr Duplicate() const;
    int Restart();
    // Reads key lines up to an empty line or a line beginning with endTag (any case).
    static AnimatorPtr Load(TStream& stream, const std::string& endTag);
    // Applies one "data..", "repeat" or "script" line; other lines are ignored.
    void ApplyLine(const std::string& line);

    float Value() const { return current_data[0]; }

    int script_LinearInterpolate(int ms);
    int script_Sine();
    int script_Bounce();
};
