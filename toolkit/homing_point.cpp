#include "toolkit/homing_point.h"

#include <algorithm>

#include "platform/graphics.h"

namespace {
constexpr float ACCELERATION_PER_MS = 0.8f;  // 800 px/s per second
constexpr float STEER_DEAD_ZONE = 1.0f;      // degrees
constexpr float STEER_SHARE = 30.0f;         // percent of the error within NEAR_DISTANCE
constexpr float NEAR_DISTANCE = 100.0f;
}  // namespace

HomingPointPtr homingPoint::Create(float x, float y, float velocity, float targetX, float targetY,
                                   float hitDistance) {
    auto point = std::make_shared<homingPoint>();
    point->Init(x, y, velocity, targetX, targetY, hitDistance);
    return point;
}

void homingPoint::Init(float x, float y, float velocity, float targetX, float targetY,
                       float hitDistance) {
    if (x == targetX) {
        x += 2.0f;  // never start exactly above or below the target
    }
    vPos.Set(x, y);
    fVel = velocity;
    vDir.Set(0.0f, -1.0f);
    vTarget.Set(targetX, targetY);
    fHitDist = hitDistance;
}

int homingPoint::Update(int elapsedMs) {
    const float stepLength = fVel * 0.001f * static_cast<float>(elapsedMs);
    TVector step = vDir;
    vPos.AddVector(step.Multiply(stepLength, stepLength));

    TVector toTarget = vTarget;
    toTarget.SubtractVector(vPos);
    const float error = toTarget.GetAngle3(vDir);

    TVector offset = vPos;
    const float dist = offset.SubtractVector(vTarget).GetLength();

    fVel += ACCELERATION_PER_MS * static_cast<float>(elapsedMs);

    if (error > STEER_DEAD_ZONE || error < -STEER_DEAD_ZONE) {
        vDir.Rotate(error * STEER_SHARE / std::max(dist, NEAR_DISTANCE));
    }
    return dist > fHitDist ? 1 : 0;
}

int homingPoint::debugDraw(int size, int directionLength, int showTarget) const {
    const int half = size / 2;
    DrawOval(vPos._x - half, vPos._y - half, static_cast<float>(size), static_cast<float>(size));
    if (directionLength != 0) {
        DrawLine(vPos._x, vPos._y, vPos._x + directionLength * vDir._x,
                 vPos._y + directionLength * vDir._y);
    }
    if (showTarget != 0) {
        DrawLine(vTarget._x, vTarget._y, vPos._x + half, vPos._y);
    }
    return 0;
}
