#include "toolkit/sprite.h"

#include <climits>
#include <cmath>

#include "app/assets.h"
#include "app/line_helpers.h"
#include "platform/graphics.h"
#include "platform/numbers.h"
#include "toolkit/bitmap_bank.h"

namespace {

constexpr float MIN_UPDATE_SECONDS = 0.001f;

int WholeMilliseconds(float seconds) {
    const double ms = static_cast<double>(seconds) * 1000.0;
    if (!(ms < static_cast<double>(INT_MAX))) {
        return INT_MAX;  // also catches NaN
    }
    return static_cast<int>(ms);
}

void UpdateAnimator(const AnimatorPtr& animator, int ms) {
    if (animator) {
        animator->Update(ms);
    }
}

void RestartAnimator(const AnimatorPtr& animator) {
    if (animator) {
        animator->Restart();
    }
}

AnimatorPtr DuplicateOf(const AnimatorPtr& animator) {
    return animator ? animator->Duplicate() : nullptr;
}

bool IsPicturePath(const std::string& path) {
    const std::string lower = ToLower(path);
    for (const char* ext : {".jpg", ".tga", ".bmp", ".png"}) {
        if (lower.find(ext) != std::string::npos) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::string SpriteDefinitionPath(const std::string& path) {
    const size_t keep = path.size() >= 4 ? path.size() - 4 : 0;
    return path.substr(0, keep) + ".txt";
}

int __kwa_BaseSprite::ControllerID() const {
    return m_iAnimationControllerID;
}

ImagePtr __kwa_BaseSprite::Image() const {
    const int index = AnimationControllerBank().GetBitmapID(m_iAnimationControllerID, m_fTime);
    return BitmapBank().GetImage(index);
}

int __kwa_BaseSprite::DrawDirectEx(float x, float y) const {
    const int index = AnimationControllerBank().GetBitmapID(m_iAnimationControllerID, 0.0f);
    return BitmapBank().DrawBitmap(index, x, y);
}

int __kwa_BaseSprite::DrawDirect(float x, float y, float seconds) {
    Update(seconds);
    const float dx = m_AnimatorX ? std::trunc(m_AnimatorX->Value()) : 0.0f;
    const float dy = m_AnimatorY ? std::trunc(m_AnimatorY->Value()) : 0.0f;
    const float rotation = m_AnimatorR ? m_AnimatorR->Value() : static_cast<float>(m_iR);
    const float scale = m_AnimatorS ? m_AnimatorS->Value() : 1.0f;
    const int index = AnimationControllerBank().GetBitmapID(m_iAnimationControllerID, m_fTime);
    SetRotation(rotation);
    SetScale(scale, scale);
    SetBlend(m_iBlendType == SPRITE_BLEND_ADDITIVE ? BLEND_LIGHT : BLEND_ALPHA);
    return BitmapBank().DrawBitmap(index, x + dx, y + dy);
}

int __kwa_BaseSprite::Draw(float seconds) {
    return DrawDirect(m_fX, m_fY, seconds);
}

int __kwa_BaseSprite::RandomizeTime() {
    m_fTime = RndFloat() * AnimationControllerBank().GetControllerMaxTime(m_iAnimationControllerID);
    return 0;
}

int __kwa_BaseSprite::ResetTime() {
    m_fTime = 0.0f;
    RestartAnimator(m_AnimatorX);
    RestartAnimator(m_AnimatorY);
    RestartAnimator(m_AnimatorR);
    RestartAnimator(m_AnimatorS);
    return 0;
}

int __kwa_BaseSprite::Update(float seconds) {
    if (!(seconds >= MIN_UPDATE_SECONDS)) {
        return 0;
    }
    const float running = AnimationControllerBank().GetControllerMaxTime(m_iAnimationControllerID);
    m_fTime += seconds;
    if (m_fTime >= running) {
        m_fTime -= running;
    }
    const int ms = WholeMilliseconds(seconds);
    UpdateAnimator(m_AnimatorX, ms);
    UpdateAnimator(m_AnimatorY, ms);
    UpdateAnimator(m_AnimatorR, ms);
    UpdateAnimator(m_AnimatorS, ms);
    return 0;
}

int __kwa_BaseSprite::LoadAnimationScript(const std::string& path) {
    StreamPtr stream = OpenAssetFile(SpriteDefinitionPath(path));
    if (!stream) {
        return 0;
    }
    int handleX = 0;
    int handleY = 0;
    while (!Eof(*stream)) {
        const std::string line = ReadLine(*stream);
        if (line.empty()) {
            break;
        }
        if (StartsWithNoCase(line, "<x>")) {
            m_AnimatorX = _kwa_Animator::Load(*stream, "</x>");
        } else if (StartsWithNoCase(line, "<y>")) {
            m_AnimatorY = _kwa_Animator::Load(*stream, "</y>");
        } else if (StartsWithNoCase(line, "<r>")) {
            m_AnimatorR = _kwa_Animator::Load(*stream, "</r>");
        } else if (StartsWithNoCase(line, "<s>")) {
            m_AnimatorS = _kwa_Animator::Load(*stream, "</s>");
        } else if (StartsWithNoCase(line, "xhandle")) {
            handleX = ToInt(ValueOf(line));
        } else if (StartsWithNoCase(line, "yhandle")) {
            handleY = ToInt(ValueOf(line));
        } else if (StartsWithNoCase(line, "blendtype")) {
            m_iBlendType = ToInt(ValueOf(line));
        }
    }
    CloseStream(stream);
    AnimationControllerBank()._SetImageHandle(m_iAnimationControllerID, handleX, handleY);
    return 0;
}

int __kwa_BaseSprite::Destroy() {
    m_AnimatorX.reset();
    m_AnimatorY.reset();
    m_AnimatorR.reset();
    m_AnimatorS.reset();
    return 0;
}

void __kwa_BaseSprite::_CopyFrom(const __kwa_BaseSprite& source) {
    m_iBlendType = source.m_iBlendType;
    m_iAnimationControllerID = source.m_iAnimationControllerID;
    m_AnimatorX = DuplicateOf(source.m_AnimatorX);
    m_AnimatorY = DuplicateOf(source.m_AnimatorY);
    m_AnimatorR = DuplicateOf(source.m_AnimatorR);
    m_AnimatorS = DuplicateOf(source.m_AnimatorS);
}

MasterSpritePtr _kwa_MasterSprite::Create(const std::string& path) {
    return IsPicturePath(path) ? CreateFromSingleBitmap(path) : CreateFromScript(path);
}

MasterSpritePtr _kwa_MasterSprite::CreateFromScript(const std::string& path) {
    auto sprite = std::make_shared<_kwa_MasterSprite>();
    sprite->LoadFromScript(path);
    sprite->LoadAnimationScript(path);
    return sprite;
}

MasterSpritePtr _kwa_MasterSprite::CreateFromSingleBitmap(const std::string& path) {
    auto sprite = std::make_shared<_kwa_MasterSprite>();
    sprite->LoadSingleBitmap(path);
    sprite->LoadAnimationScript(path);
    return sprite;
}

int _kwa_MasterSprite::LoadFromScript(const std::string& path) {
    m_iAnimationControllerID = AnimationControllerBank().CreateAnimationController(path);
    return 0;
}

int _kwa_MasterSprite::LoadSingleBitmap(const std::string& path) {
    m_iAnimationControllerID = AnimationControllerBank().CreateDummyController(path);
    return 0;
}

int _kwa_MasterSprite::Destroy() {
    AnimationControllerBank().DestroyAnimationController(m_iAnimationControllerID);
    m_iAnimationControllerID = CONTROLLER_NONE;  // the slot may soon belong to another sprite
    return __kwa_BaseSprite::Destroy();
}

SpriteInstancePtr _kwa_MasterSprite::CreateInstance() const {
    return _kwa_SpriteInstance::CreateInstance(*this);
}

SpriteInstancePtr _kwa_SpriteInstance::CreateInstance(const _kwa_MasterSprite& master) {
    auto instance = std::make_shared<_kwa_SpriteInstance>();
    instance->_CopyFrom(master);
    return instance;
}
