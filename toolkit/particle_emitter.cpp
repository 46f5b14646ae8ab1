#include "toolkit/particle_emitter.h"

#include <algorithm>

#include "app/assets.h"
#include "app/line_helpers.h"
#include "platform/clock.h"
#include "platform/graphics.h"
#include "platform/numbers.h"

namespace {

// Float keys in match order: each "...factor" word comes before the word it begins with.
struct FloatKey {
    const char* word;
    float _kwa_ParticleEmitter::*field;
    float __kwa_Particle::*templateField;
};

const FloatKey FLOAT_KEYS[] = {
    {"point_weight", &_kwa_ParticleEmitter::m_fPointWeight, nullptr},
    {"point_scalefactor", &_kwa_ParticleEmitter::m_fScaleFactor, nullptr},
    {"point_scale", nullptr, &__kwa_Particle::m_fScale},
    {"point_rotationfactor", &_kwa_ParticleEmitter::m_fRotationFactor, nullptr},
    {"point_velocity_min", &_kwa_ParticleEmitter::m_fVelocityMin, nullptr},
    {"point_velocity_max", &_kwa_ParticleEmitter::m_fVelocityMax, nullptr},
    {"point_redfactor", &_kwa_ParticleEmitter::m_fRedFactor, nullptr},
    {"point_red", nullptr, &__kwa_Particle::m_fRed},
    {"point_greenfactor", &_kwa_ParticleEmitter::m_fGreenFactor, nullptr},
    {"point_green", nullptr, &__kwa_Particle::m_fGreen},
    {"point_bluefactor", &_kwa_ParticleEmitter::m_fBlueFactor, nullptr},
    {"point_blue", nullptr, &__kwa_Particle::m_fBlue},
    {"point_alphafactor", &_kwa_ParticleEmitter::m_fAlphaFactor, nullptr},
    {"point_alpha", nullptr, &__kwa_Particle::m_fAlpha},
};

int ColourByte(float channel) {
    const float value = channel * 255.0f;
    if (!(value > 0.0f)) {
        return 0;
    }
    return value >= 255.0f ? 255 : static_cast<int>(value);
}

}  // namespace

ParticleEmitterPtr _kwa_ParticleEmitter::Create(const std::string& name, const std::string& path,
                                                int withoutImage) {
    StreamPtr stream = OpenAssetFile(path);
    if (!stream) {
        return nullptr;
    }
    auto emitter = std::make_shared<_kwa_ParticleEmitter>();
    emitter->Init();
    emitter->m_strName = name;
    while (!Eof(*stream)) {
        emitter->ApplyLine(ReadLine(*stream), withoutImage);
    }
    CloseStream(stream);
    if (emitter->m_Image) {
        SetImageHandle(emitter->m_Image, static_cast<float>(emitter->m_iXHandle),
                       static_cast<float>(emitter->m_iYHandle));
    }
    return emitter;
}

bool _kwa_ParticleEmitter::ApplyLine(const std::string& line, int withoutImage) {
    if (line.empty() || line[0] == '\'') {
        return false;
    }
    const std::string key = KeyOf(line);
    const std::string value = ValueOf(line);
    for (const FloatKey& entry : FLOAT_KEYS) {
        if (StartsWithNoCase(key, entry.word)) {
            float& target = entry.field ? this->*entry.field : m_baseParticle.*entry.templateField;
            target = ToFloat(value);
            return true;
        }
    }
    if (StartsWithNoCase(key, "emitter_particles_per_burst")) {
        m_iParticlesPerBurst = ToInt(value);
    } else if (StartsWithNoCase(key, "image")) {
        if (withoutImage == 0) {
            m_Image = LoadAssetImage(TrimSpaces(value), IMG_FILTERED);
        }
    } else if (StartsWithNoCase(key, "xhandle")) {
        m_iXHandle = ToInt(value);
    } else if (StartsWithNoCase(key, "yhandle")) {
        m_iYHandle = ToInt(value);
    } else {
        return false;
    }
    return true;
}

int _kwa_ParticleEmitter::Init() {
    m_freeParticles.clear();
    m_liveParticles.clear();
    m_baseParticle = __kwa_Particle{};
    m_freeParticles.resize(EMITTER_POOL_SIZE);
    return 0;
}

int _kwa_ParticleEmitter::Draw() const {
    if (!m_Image) {
        return 0;
    }
    SetBlend(BLEND_LIGHT);
    for (const __kwa_Particle& p : m_liveParticles) {
        SetScale(p.m_fScale, p.m_fScale);
        SetRotation(p.m_fRotation);
        SetAlpha(std::min(p.m_fAlpha, 1.0f));
        SetColor(ColourByte(p.m_fRed), ColourByte(p.m_fGreen), ColourByte(p.m_fBlue));
        DrawImage(m_Image, p.m_fX, p.m_fY, 0);
    }
    SetBlend(BLEND_ALPHA);
    SetAlpha(1.0f);
    return 0;
}

int _kwa_ParticleEmitter::Update(float seconds) {
    for (auto it = m_liveParticles.begin(); it != m_liveParticles.end();) {
        __kwa_Particle& p = *it;
        p.m_fAlpha += m_fAlphaFactor * seconds;
        p.m_fScale += m_fScaleFactor * seconds;
        if (p.m_fAlpha < 0.0f || p.m_fScale < 0.0f) {
            auto next = std::next(it);
            m_freeParticles.splice(m_freeParticles.end(), m_liveParticles, it);
            it = next;
            continue;
        }
        p.m_fAge += seconds;
        p.m_fRotation += m_fRotationFactor * seconds;
        p.m_fX += p.m_fVelocityX * seconds;
        p.m_fY += p.m_fVelocityY * seconds;
        p.m_fVelocityX -= m_fPointWeight * seconds;
        p.m_fVelocityY -= m_fPointWeight * seconds;
        p.m_fY += p.m_fAge * p.m_fAge * m_fPointWeight;
        p.m_fRed += m_fRedFactor * seconds;
        p.m_fBlue += m_fBlueFactor * seconds;
        p.m_fGreen += m_fGreenFactor * seconds;
        ++it;
    }
    return 0;
}

int _kwa_ParticleEmitter::DoBurst(float x, float y, int throttle) {
    if (throttle != 0) {
        const int now = MilliSecs();
        if (m_bBurstYet && now - m_lastBurstTime < EMITTER_THROTTLE_MS) {
            return 0;
        }
        m_lastBurstTime = now;
        m_bBurstYet = true;
    }
    int n = m_iParticlesPerBurst;
    do {
        if (m_freeParticles.empty()) {
            break;
        }
        __kwa_Particle& p = m_freeParticles.front();
        p = m_baseParticle;
        p.m_fVelocityX = m_fVelocityMin + (m_fVelocityMax - m_fVelocityMin) * RndFloat();
        p.m_fVelocityY = m_fVelocityMin + (m_fVelocityMax - m_fVelocityMin) * RndFloat();
        p.m_fX = x;
        p.m_fY = y;
        m_liveParticles.splice(m_liveParticles.end(), m_freeParticles, m_freeParticles.begin());
        --n;
    } while (n > 0);
    return 0;
}

int _kwa_ParticleEmitter::LiveCount() const {
    return static_cast<int>(m_liveParticles.size());
}

int _kwa_ParticleEmitter::FreeCount() const {
    return static_cast<int>(m_freeParticles.size());
}

int _kwa_ParticleEmitter::Destroy() {
    m_freeParticles.clear();
    m_liveParticles.clear();
    m_Image.reset();
    return 0;
}
