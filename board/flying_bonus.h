#pragma once
// A collected bonus item flying from its tile to the status-bar control
// that it feeds.
#include <memory>
#include <string>

#include "platform/image.h"
#include "toolkit/homing_point.h"

class flyingBonus;
using FlyingBonusPtr = std::shared_ptr<flyingBonus>;

class flyingBonus : public homingPoint {
public:
    ImagePtr image;
    std::string control;

    static FlyingBonusPtr CreateFB(const std::string& control, const ImagePtr& image, float x,
                                   float y, float velocity, float targetX, float targetY,
                                   float hitDistance);
    int Draw() const;
};
