#pragma once
// Buttons, toggle buttons and slider knobs.
#include "forms/control.h"

constexpr int SLIDER_NONE = 0;
constexpr int SLIDER_HORIZONTAL = 1;
constexpr int SLIDER_VERTICAL = 2;

class _qxButton : public _qxControl {
public:
    int sliderMin = 0;  // range of the knob's left (or top) edge
    int sliderMax = 0;
    int sliderDirection = SLIDER_NONE;
    int sliderStartX = 0;  // mouse position at the last drag step
    int sliderStartY = 0;
    int toggleButton = 0;

    // Places the knob at value out of range.
    void SetSliderValue(float value, float range);
    float GetSliderValue(float range) const;
    int GetToggleValue() const;
    void SetToggleValue(int on);

    void Update(int ms, int blocked) override;

    // A press from the keyboard: the click sound, the hit, and a toggle switches.
    void Press();
    bool IsSlider() const {
        return sliderDirection == SLIDER_HORIZONTAL || sliderDirection == SLIDER_VERTICAL;
    }
    // Moves a slider's knob by a twentieth of its range per step (negative
    // steps to the left or up), never out of range; reported like a drag.
    void StepSlider(int steps);

protected:
    bool _ApplyKey(const std::string& line) override;

private:
    void _FollowMouse(int mx, int my, bool inside);
    void _DragKnob(int mx, int my, bool inside);
    void _ReactToChange(int previous);
    int _KnobEdge() const;
    void _MoveKnob(int delta);
};
