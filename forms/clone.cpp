#include "forms/clone.h"

#include "app/line_helpers.h"
#include "forms/block_lines.h"

void _qxClone::Load(TStream& stream, const std::string& endTag) {
    for (const std::string& line : ReadBlockLines(stream, endTag)) {
        _ApplyLine(line);
    }
}

void _qxClone::_ApplyLine(const std::string& line) {
    const std::string value = ValueOf(line);
    if (StartsWithNoCase(line, "name")) {
        name = value;
    } else if (const int state = StatePictureKey(line); state >= 0) {
        images[state] = value;
    } else if (StartsWithNoCase(line, "width")) {
        position.xe = SaturatedAdd(position.xs, ToInt(value));
    } else if (StartsWithNoCase(line, "height")) {
        position.ye = SaturatedAdd(position.ys, ToInt(value));
    } else if (StartsWithNoCase(line, "soundover")) {
        overSound = value;
    } else if (StartsWithNoCase(line, "soundclick")) {
        clickSound = value;
    } else if (StartsWithNoCase(line, "font")) {
        font = value;
    } else if (StartsWithNoCase(line, "captioncolor")) {
        ParseColor4(value, captionR, captionG, captionB, captionA);
    } else if (StartsWithNoCase(line, "captionhjust")) {
        captionHJust = ToInt(value);
    } else if (StartsWithNoCase(line, "captionvjust")) {
        captionVJust = ToInt(value);
    }
}
