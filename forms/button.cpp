#include "forms/button.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "app/line_helpers.h"
#include "forms/gui.h"
#include "platform/input.h"
#include "toolkit/sprite.h"

namespace {
constexpr int LEFT_BUTTON = 1;
constexpr int SLIDER_STEPS = 20;  // a key moves a knob by 5 % of its range
// A value this close below a whole knob position (a thousandth of a step) is
// that position: 0.7f is 0.69999998..., and 0.7 x 200 must give 140, not 139.
constexpr double SLIDER_SNAP = 1e-3;
}  // namespace

bool _qxButton::_ApplyKey(const std::string& line) {
    if (_qxControl::_ApplyKey(line)) {
        return true;
    }
    const int value = ToInt(ValueOf(line));
    if (StartsWithNoCase(line, "sliderMin")) {
        sliderMin = value;
    } else if (StartsWithNoCase(line, "sliderMax")) {
        sliderMax = value;
    } else if (StartsWithNoCase(line, "sliderDirection")) {
        sliderDirection = value;
    } else if (StartsWithNoCase(line, "togglebutton")) {
        toggleButton = value;
    } else {
        return false;
    }
    return true;
}

int _qxButton::_KnobEdge() const {
    return sliderDirection == SLIDER_VERTICAL ? position.ys : position.xs;
}

void _qxButton::_MoveKnob(int delta) {
    if (sliderDirection == SLIDER_HORIZONTAL) {
        position.Offset(delta, 0);
    } else if (sliderDirection == SLIDER_VERTICAL) {
        position.Offset(0, delta);
    }
}

void _qxButton::SetSliderValue(float value, float range) {
    if (sliderDirection != SLIDER_HORIZONTAL && sliderDirection != SLIDER_VERTICAL) {
        return;
    }
    const double span = static_cast<double>(sliderMax) - sliderMin;
    const double scaled = range != 0.0f ? static_cast<double>(value) * span / range : 0.0;
    double target = sliderMin;
    if (std::isfinite(scaled)) {
        target = std::floor(scaled + SLIDER_SNAP) + sliderMin;
    }
    // The knob never leaves its range, whatever value comes in.
    target =
        std::clamp<double>(target, std::min(sliderMin, sliderMax), std::max(sliderMin, sliderMax));
    _MoveKnob(static_cast<int>(std::clamp<double>(target - _KnobEdge(), INT_MIN, INT_MAX)));
}

float _qxButton::GetSliderValue(float range) const {
    if ((sliderDirection != SLIDER_HORIZONTAL && sliderDirection != SLIDER_VERTICAL) ||
        sliderMax == sliderMin) {
        return 0.0f;
    }
    const double span = static_cast<double>(sliderMax) - sliderMin;
    return static_cast<float>((static_cast<double>(_KnobEdge()) - sliderMin) * range / span);
}

int _qxButton::GetToggleValue() const {
    return state <= STATE_DOWN ? 1 : 0;
}

void _qxButton::SetToggleValue(int on) {
    if (on == 0 && state <= STATE_DOWN) {
        state += 3;
    } else if (on != 0 && state >= STATE_OFF_NORMAL) {
        state -= 3;
    }
}

void _qxButton::Update(int ms, int blocked) {
    if (disabled || !isVisible) {
        return;
    }
    const int previous = state;
    const int mx = MouseX();
    const int my = MouseY();
    const bool inside =
        position.xs < mx && mx < position.xe && position.ys < my && my < position.ye;
    if (!blocked) {
        if (state == STATE_DOWN && sliderDirection != SLIDER_NONE) {
            _DragKnob(mx, my, inside);
        } else {
            _FollowMouse(mx, my, inside);
        }
        if (state != previous) {
            _ReactToChange(previous);
        }
    }
    _AdvanceSprite(ms);
}

void _qxButton::_FollowMouse(int mx, int my, bool inside) {
    if (!inside) {
        if (state == STATE_OVER) {
            state = STATE_NORMAL;
        } else if (state == STATE_OFF_OVER) {
            state = STATE_OFF_NORMAL;
        }
        return;
    }
    if (!MouseDown(LEFT_BUTTON)) {
        if (state == STATE_NORMAL || state == STATE_DOWN) {
            state = STATE_OVER;
        } else if (state == STATE_OFF_NORMAL || state == STATE_OFF_DOWN) {
            state = STATE_OFF_OVER;
        }
        return;
    }
    if (state == STATE_OVER) {
        state = STATE_DOWN;
    } else if (state == STATE_OFF_OVER) {
        state = STATE_OFF_DOWN;
    }
    sliderStartX = mx;
    sliderStartY = my;
}

void _qxButton::_DragKnob(int mx, int my, bool inside) {
    if (!MouseDown(LEFT_BUTTON)) {
        state = inside ? STATE_OVER : STATE_NORMAL;
        return;
    }
    const bool horizontal = sliderDirection == SLIDER_HORIZONTAL;
    if (!horizontal && sliderDirection != SLIDER_VERTICAL) {
        return;
    }
    const int delta =
        SaturatedAdd(horizontal ? mx : my, -(horizontal ? sliderStartX : sliderStartY));
    const int64_t edge = static_cast<int64_t>(_KnobEdge()) + delta;
    if (delta == 0 || edge < sliderMin || edge > sliderMax) {
        return;
    }
    if (horizontal) {
        sliderStartX = mx;
    } else {
        sliderStartY = my;
    }
    _MoveKnob(delta);
    AddButtonHit(name);
}

void _qxButton::_ReactToChange(int previous) {
    if (images[state]) {
        images[state]->ResetTime();
    }
    if (previous == STATE_DOWN && state == STATE_OVER) {
        PlayGUISound(clickSound);
        AddButtonHit(name);
        if (toggleButton) {
            state = STATE_OFF_OVER;
        }
    } else if (previous == STATE_NORMAL && state == STATE_OVER) {
        PlayGUISound(overSound);
    } else if (previous == STATE_OFF_DOWN && state == STATE_OFF_OVER) {
        PlayGUISound(clickSound);
        AddButtonHit(name);
        if (toggleButton) {
            state = STATE_OVER;
        }
    } else if (previous == STATE_OFF_NORMAL && state == STATE_OFF_OVER) {
        PlayGUISound(overSound);
    }
}

void _qxButton::Press() {
    PlayGUISound(clickSound);
    AddButtonHit(name);
    if (toggleButton) {
        SetToggleValue(GetToggleValue() == 0 ? 1 : 0);
    }
}

void _qxButton::StepSlider(int steps) {
    if (!IsSlider() || sliderMax <= sliderMin) {
        return;
    }
    const int step = std::max(1, (sliderMax - sliderMin + SLIDER_STEPS / 2) / SLIDER_STEPS);
    const int64_t wanted = static_cast<int64_t>(_KnobEdge()) + static_cast<int64_t>(steps) * step;
    const int edge = static_cast<int>(std::clamp<int64_t>(wanted, sliderMin, sliderMax));
    if (edge != _KnobEdge()) {
        _MoveKnob(edge - _KnobEdge());
        AddButtonHit(name);
    }
}
