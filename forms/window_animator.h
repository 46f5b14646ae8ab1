#pragma once
// The slide-in and slide-out movement of a form.
#include <memory>
#include <string>

class TStream;
class _kwa_Animator;

constexpr int ANIMATOR_IDLE = 0;
constexpr int ANIMATOR_LEAD_IN = 1;
constexpr int ANIMATOR_LEAD_OUT = 2;

class windowAnimator {
public:
    using AnimatorPtr = std::shared_ptr<_kwa_Animator>;

    AnimatorPtr leadInX;
    AnimatorPtr leadInY;
    AnimatorPtr leadOutX;
    AnimatorPtr leadOutY;
    int leadInRunningTimeMS = 0;
    int leadInAgeMS = 0;
    int leadOutRunningTimeMS = 0;
    int leadOutAgeMS = 0;
    int currentStatus = ANIMATOR_IDLE;
    float currentXOffset = 0.0f;
    float currentYOffset = 0.0f;

    // Reads an animation block up to the line that begins with endTag.
    static std::shared_ptr<windowAnimator> Create(TStream& stream, const std::string& endTag);
    void Update(int ms);
    void StartLeadIn();
    void StartLeadOut();
    bool IsRunning() const;

private:
    void UpdateLeadIn(int ms);
    void UpdateLeadOut(int ms);
    void _Advance(int ms, int& ageMS, int runningTimeMS, const AnimatorPtr& x,
                  const AnimatorPtr& y);
};
using WindowAnimatorPtr = std::shared_ptr<windowAnimator>;
