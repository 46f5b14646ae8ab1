#pragma once
// Sprites: a frame sequence placed with a handle, moved, turned and scaled by up
// to four animators, drawn with alpha or additive blending. A master owns its
// sequence; instances share it and carry their own time and animators.
#include <memory>
#include <string>

#include "platform/image.h"
#include "toolkit/animation_controller.h"
#include "toolkit/animator.h"

class _kwa_MasterSprite;
class _kwa_SpriteInstance;
using MasterSpritePtr = std::shared_ptr<_kwa_MasterSprite>;
using SpriteInstancePtr = std::shared_ptr<_kwa_SpriteInstance>;

constexpr int SPRITE_BLEND_ADDITIVE = 1;  // any other blend type draws with alpha

class __kwa_BaseSprite {
public:
    float m_fX = 0.0f;
    float m_fY = 0.0f;
    int m_iR = 0;  // rotation when there is no rotation animator
    int m_iS = 0;
    float m_fTime = 0.0f;  // seconds into the frame sequence
    int m_iAnimationControllerID = CONTROLLER_NONE;
    AnimatorPtr m_AnimatorX;
    AnimatorPtr m_AnimatorY;
    AnimatorPtr m_AnimatorR;
    AnimatorPtr m_AnimatorS;
    int m_iBlendType = 0;

    virtual ~__kwa_BaseSprite() = default;

    virtual int ControllerID() const;
    // The image shown at the current time, or null.
    virtual ImagePtr Image() const;
    // The bitmap at time 0 with the current drawing state: no update, no animators.
    virtual int DrawDirectEx(float x, float y) const;
    // Advances by seconds, then draws with the animators; leaves rotation, scale and blend set.
    virtual int DrawDirect(float x, float y, float seconds);
    virtual int Draw(float seconds);
    virtual int RandomizeTime();
    virtual int ResetTime();
    virtual int Update(float seconds);
    // Reads the definition file beside path (its last four characters become ".txt").
    virtual int LoadAnimationScript(const std::string& path);
    virtual int Destroy();

protected:
    void _CopyFrom(const __kwa_BaseSprite& source);
};

class _kwa_MasterSprite : public __kwa_BaseSprite {
public:
    // A picture path (.jpg, .tga, .bmp, .png) gives a one-frame sprite, anything else a frame list.
    static MasterSpritePtr Create(const std::string& path);
    static MasterSpritePtr CreateFromScript(const std::string& path);
    static MasterSpritePtr CreateFromSingleBitmap(const std::string& path);

    int LoadFromScript(const std::string& path);
    int LoadSingleBitmap(const std::string& path);
    // Releases the sequence and its bitmaps; a second call does nothing.
    int Destroy() override;
    SpriteInstancePtr CreateInstance() const;
};

class _kwa_SpriteInstance : public __kwa_BaseSprite {
public:
    // Position 0,0, time 0, the master's blend type and sequence, duplicates of its animators.
    static SpriteInstancePtr CreateInstance(const _kwa_MasterSprite& master);
};

std::string SpriteDefinitionPath(const std::string& path);
