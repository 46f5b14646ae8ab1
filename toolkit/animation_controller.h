#pragma once
// Frame sequences (which bitmap shows at which time) and their program-wide bank.
#include <memory>
#include <string>
#include <vector>

constexpr int CONTROLLER_MAX_FRAMES = 999;
constexpr int CONTROLLER_BANK_SLOTS = 9999;
constexpr int CONTROLLER_NONE = CONTROLLER_BANK_SLOTS;  // a full bank; no slot has it

class _kwa_SpriteAnimationController {
public:
    // Per frame, at most CONTROLLER_MAX_FRAMES of them.
    std::vector<int> m_iBitmapIDList;     // bitmap bank slots
    std::vector<float> m_fFrameTimeList;  // start times, seconds
    int m_iFrameCount = 0;
    float m_fMaxRunningTime = 0.0f;

    // Reads a .csv frame list: name, duration in 60ths of a second.
    int Load(const std::string& path);
    // One bitmap, always shown.
    int LoadSingle(const std::string& path);
    int Unload();
    // BITMAP_NONE when there are no frames.
    int BitmapID(float time) const;
    float MaxTime() const { return m_fMaxRunningTime; }
    int _SetImageHandle(int x, int y);

private:
    void _AddFrame(const std::string& bitmapPath, int durationSixtieths);
};

class _kwa_SpriteAnimationControllerBank {
public:
    _kwa_SpriteAnimationControllerBank();

    // Both return CONTROLLER_NONE when every slot is taken.
    int CreateAnimationController(const std::string& path);
    int CreateDummyController(const std::string& path);
    int DestroyAnimationController(int id);
    int GetBitmapID(int id, float time) const;  // BITMAP_NONE for a bad id
    float GetControllerMaxTime(int id) const;   // 0 for a bad id
    int _SetImageHandle(int id, int x, int y);

    const _kwa_SpriteAnimationController* GetController(int id) const;
    int UsedSlots() const;

private:
    int _FreeSlot() const;
    std::vector<std::unique_ptr<_kwa_SpriteAnimationController>> m_Controllers;
};

_kwa_SpriteAnimationControllerBank& AnimationControllerBank();
