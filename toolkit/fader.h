#pragma once
// Images that fade out while they grow. All operations work on one class-wide
// live list that exists from the first Create on.
#include <memory>

#include "platform/image.h"

class scaleFader;
using ScaleFaderPtr = std::shared_ptr<scaleFader>;

class scaleFader {
public:
    float fAlpha = 0.0f;       // drawn as at most 1
    float fAlphaSpeed = 0.0f;  // opacity lost per second
    float fScale = 0.0f;
    float fScaleSpeed = 0.0f;  // scale gained per second
    ImagePtr image;
    float fX = 0.0f;
    float fY = 0.0f;

    static ScaleFaderPtr Create(const ImagePtr& image, float x, float y, float alpha, float scale,
                                float alphaSpeed, float scaleSpeed);
    static int Update(int elapsedMs);
    // The point (handleX, handleY) inside each image stays put while it grows.
    static int Draw(float handleX, float handleY);
    static int LiveCount();
    static int Clear();
};
