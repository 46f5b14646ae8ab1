#include "board/flying_bonus.h"

#include "platform/graphics.h"

FlyingBonusPtr flyingBonus::CreateFB(const std::string& control, const ImagePtr& image, float x,
                                     float y, float velocity, float targetX, float targetY,
                                     float hitDistance) {
    auto bonus = std::make_shared<flyingBonus>();
    bonus->Init(x, y, velocity, targetX, targetY, hitDistance);
    bonus->image = image;
    bonus->control = control;
    return bonus;
}

int flyingBonus::Draw() const {
    DrawImage(image, vPos._x, vPos._y);
    return 0;
}
