#pragma once
// A control template from the GUI file: pictures, size, sounds, font and
// caption look that a control copies with its "clone" key.
#include <array>
#include <memory>
#include <string>

#include "forms/rect.h"
#include "forms/state_pictures.h"

class TStream;

class _qxClone {
public:
    std::string name;
    std::array<std::string, STATE_COUNT> images;  // picture paths by state
    __Rect position;                              // 0,0 to width,height
    std::string overSound;
    std::string clickSound;
    std::string font;
    int captionR = 255;
    int captionG = 255;
    int captionB = 255;
    int captionA = 255;
    int captionHJust = 1;
    int captionVJust = 1;

    // Reads the template's block up to endTag.
    void Load(TStream& stream, const std::string& endTag);

private:
    void _ApplyLine(const std::string& line);
};
using ClonePtr = std::shared_ptr<_qxClone>;
