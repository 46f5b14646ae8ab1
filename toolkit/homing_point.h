#pragma once
// A point that flies to a target on a curved path: it starts heading up the
// screen, speeds up and turns towards the target a little on every update.
#include <memory>

#include "toolkit/vector.h"

class homingPoint;
using HomingPointPtr = std::shared_ptr<homingPoint>;

class homingPoint {
public:
    TVector vPos;
    float fVel = 0.0f;      // pixels per second
    float fHitDist = 0.0f;  // arrival radius
    TVector vDir;           // unit heading
    TVector vTarget;

    homingPoint() = default;
    virtual ~homingPoint() = default;

    static HomingPointPtr Create(float x, float y, float velocity, float targetX, float targetY,
                                 float hitDistance);
    // Fills an existing (possibly derived) object the way Create does.
    void Init(float x, float y, float velocity, float targetX, float targetY, float hitDistance);

    // 1 while still farther than fHitDist from the target, 0 on arrival.
    virtual int Update(int elapsedMs);
    int debugDraw(int size, int directionLength, int showTarget) const;
};
