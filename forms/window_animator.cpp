#include "forms/window_animator.h"

#include "app/line_helpers.h"
#include "platform/stream.h"
#include "toolkit/animator.h"

WindowAnimatorPtr windowAnimator::Create(TStream& stream, const std::string& endTag) {
    auto animator = std::make_shared<windowAnimator>();
    while (!Eof(stream)) {
        const std::string line = ReadLine(stream);
        if (StartsWithNoCase(line, endTag)) {
            break;
        }
        if (StartsWithNoCase(line, "<leadinx>")) {
            animator->leadInX = _kwa_Animator::Load(stream, "</leadinx>");
        } else if (StartsWithNoCase(line, "<leadiny>")) {
            animator->leadInY = _kwa_Animator::Load(stream, "</leadiny>");
        } else if (StartsWithNoCase(line, "<leadoutx>")) {
            animator->leadOutX = _kwa_Animator::Load(stream, "</leadoutx>");
        } else if (StartsWithNoCase(line, "<leadouty>")) {
            animator->leadOutY = _kwa_Animator::Load(stream, "</leadouty>");
        } else if (StartsWithNoCase(line, "timein")) {
            animator->leadInRunningTimeMS = animator->leadInAgeMS = ToInt(ValueOf(line));
        } else if (StartsWithNoCase(line, "timeout")) {
            animator->leadOutRunningTimeMS = animator->leadOutAgeMS = ToInt(ValueOf(line));
        }
    }
    return animator;
}

void windowAnimator::Update(int ms) {
    if (currentStatus == ANIMATOR_LEAD_IN) {
        UpdateLeadIn(ms);
    } else if (currentStatus == ANIMATOR_LEAD_OUT) {
        UpdateLeadOut(ms);
    }
}

void windowAnimator::StartLeadIn() {
    currentStatus = ANIMATOR_LEAD_IN;
    leadInAgeMS = 0;
    if (leadInX) {
        leadInX->Restart();
    }
    if (leadInY) {
        leadInY->Restart();
    }
}

void windowAnimator::StartLeadOut() {
    currentStatus = ANIMATOR_LEAD_OUT;
    leadOutAgeMS = 0;
    if (leadOutX) {
        leadOutX->Restart();
    }
    if (leadOutY) {
        leadOutY->Restart();
    }
}

bool windowAnimator::IsRunning() const {
    return currentStatus != ANIMATOR_IDLE;
}

void windowAnimator::UpdateLeadIn(int ms) {
    _Advance(ms, leadInAgeMS, leadInRunningTimeMS, leadInX, leadInY);
}

void windowAnimator::UpdateLeadOut(int ms) {
    _Advance(ms, leadOutAgeMS, leadOutRunningTimeMS, leadOutX, leadOutY);
}

void windowAnimator::_Advance(int ms, int& ageMS, int runningTimeMS, const AnimatorPtr& x,
                              const AnimatorPtr& y) {
    ageMS += ms;
    if (x) {
        x->Update(ms);
        currentXOffset = x->current_data[0];
    }
    if (y) {
        y->Update(ms);
        currentYOffset = y->current_data[0];
    }
    if (ageMS >= runningTimeMS) {
        currentStatus = ANIMATOR_IDLE;
        currentXOffset = 0.0f;
        currentYOffset = 0.0f;
    }
}
