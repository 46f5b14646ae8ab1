#pragma once
// Particle emitters: bursts of particles from one point that grow, turn, fade and
// change colour at constant rates. A fixed pool of particles is recycled between
// two lists, so bursts and frames allocate nothing.
#include <list>
#include <memory>
#include <string>

#include "platform/image.h"

constexpr int EMITTER_POOL_SIZE = 600;
constexpr int EMITTER_THROTTLE_MS = 20;

struct __kwa_Particle {
    float m_fAge = 0.0f;
    float m_fScale = 0.0f;
    float m_fRotation = 0.0f;
    float m_fVelocityX = 0.0f;
    float m_fVelocityY = 0.0f;
    float m_fRed = 0.0f;
    float m_fBlue = 0.0f;
    float m_fGreen = 0.0f;
    float m_fAlpha = 0.0f;
    float m_fX = 0.0f;
    float m_fY = 0.0f;
};

class _kwa_ParticleEmitter;
using ParticleEmitterPtr = std::shared_ptr<_kwa_ParticleEmitter>;

class _kwa_ParticleEmitter {
public:
    std::list<__kwa_Particle> m_freeParticles;
    std::list<__kwa_Particle> m_liveParticles;  // in spawn order
    std::string m_strName;
    __kwa_Particle m_baseParticle;
    float m_fPointWeight = 0.0f;
    float m_fScaleFactor = 0.0f;
    float m_fRotationFactor = 0.0f;
    float m_fVelocityMin = 0.0f;
    float m_fVelocityMax = 0.0f;
    float m_fRedFactor = 0.0f;
    float m_fBlueFactor = 0.0f;
    float m_fGreenFactor = 0.0f;
    float m_fAlphaFactor = 0.0f;
    int m_iParticlesPerBurst = 0;
    ImagePtr m_Image;
    int m_iXHandle = 0;
    int m_iYHandle = 0;
    int m_lastBurstTime = 0;

    // Null when the file cannot be opened; withoutImage != 0 skips the image line.
    static ParticleEmitterPtr Create(const std::string& name, const std::string& path,
                                     int withoutImage);
    int Init();
    int Draw() const;
    int Update(float seconds);
    // With throttle != 0 at most one burst per EMITTER_THROTTLE_MS.
    int DoBurst(float x, float y, int throttle);
    int LiveCount() const;
    int FreeCount() const;
    int Destroy();
    // Applies one emitter file line; returns false for lines that set nothing.
    bool ApplyLine(const std::string& line, int withoutImage);

private:
    bool m_bBurstYet = false;
};
