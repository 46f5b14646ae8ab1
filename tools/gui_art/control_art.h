#pragma once
// The state pictures of the form controls, in one look: teal bodies with a
// warm gold rim when hovered, slate grey when switched off.
#include <string>

#include "../content/common/png_out.h"

enum class ControlState { Normal, Over, Down, OffNormal, OffOver, OffDown };

RgbaImage PaintButton(int width, int height, ControlState state);
RgbaImage PaintCheckBox(int size, ControlState state);
RgbaImage PaintSliderKnob(int width, int height, ControlState state);
RgbaImage PaintSliderBar(int width, int height);
RgbaImage PaintInputField(int width, int height);
RgbaImage PaintPanel(int width, int height);

// File-name suffix of a state: "normal", "over", "down", "off_normal", ...
std::string StateSuffix(ControlState state);
