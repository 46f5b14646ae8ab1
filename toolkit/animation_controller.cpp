#include "toolkit/animation_controller.h"

#include "app/assets.h"
#include "app/line_helpers.h"
#include "platform/debug_log.h"
#include "toolkit/bitmap_bank.h"

namespace {

bool EndsWithNoCase(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           StartsWithNoCase(text.substr(text.size() - suffix.size()), suffix);
}

std::string Unquote(const std::string& text) {
    std::string out;
    for (const char c : TrimSpaces(text)) {
        if (c != '"') {
            out += c;
        }
    }
    return out;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

bool IsHeaderLine(const std::string& line) {
    return StartsWithNoCase(line, "name") || StartsWithNoCase(line, "\"name");
}

}  // namespace

void _kwa_SpriteAnimationController::_AddFrame(const std::string& bitmapPath,
                                               int durationSixtieths) {
    m_iBitmapIDList.push_back(BitmapBank().LoadBitmap(bitmapPath));
    m_fFrameTimeList.push_back(m_fMaxRunningTime);
    m_fMaxRunningTime += static_cast<float>(durationSixtieths) / 60.0f;
    ++m_iFrameCount;
}

int _kwa_SpriteAnimationController::Load(const std::string& path) {
    m_fMaxRunningTime = 0.0f;
    if (!EndsWithNoCase(path, ".csv")) {
        DebugLog("Files must be *.cvs!");
        return 0;
    }
    StreamPtr stream = OpenAssetFile(path);
    if (!stream) {
        DebugLog("Cound not open .csv file: " + path + "***");
        return 0;
    }
    const std::string folder = FolderOf(path);
    while (!Eof(*stream)) {
        const std::string line = ReadLine(*stream);
        if (TrimSpaces(line).empty() || IsHeaderLine(line)) {
            continue;
        }
        const size_t comma = line.find(',');
        const std::string name = Unquote(line.substr(0, comma));
        if (comma == std::string::npos || name.empty()) {
            DebugLog("***Error: Bad frame line in " + path + ": " + line + "***");
            continue;
        }
        if (m_iFrameCount >= CONTROLLER_MAX_FRAMES) {
            DebugLog("***Error: Too many frames in " + path + ", the rest is skipped***");
            break;
        }
        int duration = ToInt(Unquote(line.substr(comma + 1)));
        if (duration < 0) {
            DebugLog("***Error: Negative frame duration in " + path + ": " + line + "***");
            duration = 0;
        }
        _AddFrame((folder.empty() ? "" : folder + "/") + name + ".tga", duration);
    }
    CloseStream(stream);
    return 0;
}

int _kwa_SpriteAnimationController::LoadSingle(const std::string& path) {
    Unload();
    m_iBitmapIDList.clear();
    m_fFrameTimeList.clear();
    m_iFrameCount = 0;
    m_fMaxRunningTime = 0.0f;
    _AddFrame(path, 0);
    return 0;
}

int _kwa_SpriteAnimationController::Unload() {
    for (int i = 0; i < m_iFrameCount; ++i) {
        BitmapBank().UnloadBitmap(m_iBitmapIDList[i]);
        m_iBitmapIDList[i] = BITMAP_NONE;
    }
    return 0;
}

int _kwa_SpriteAnimationController::BitmapID(float time) const {
    if (m_iFrameCount <= 0) {
        return BITMAP_NONE;
    }
    for (int i = 0; i + 1 < m_iFrameCount; ++i) {
        if (m_fFrameTimeList[i] <= time && time <= m_fFrameTimeList[i + 1]) {
            return m_iBitmapIDList[i];
        }
    }
    const int last = m_iFrameCount - 1;
    if (m_fFrameTimeList[last] <= time && time <= m_fMaxRunningTime) {
        return m_iBitmapIDList[last];
    }
    return m_iBitmapIDList[0];
}

int _kwa_SpriteAnimationController::_SetImageHandle(int x, int y) {
    for (int i = 0; i < m_iFrameCount; ++i) {
        BitmapBank()._SetImageHandle(m_iBitmapIDList[i], x, y);
    }
    return 0;
}

_kwa_SpriteAnimationControllerBank::_kwa_SpriteAnimationControllerBank()
    : m_Controllers(CONTROLLER_BANK_SLOTS) {}

int _kwa_SpriteAnimationControllerBank::_FreeSlot() const {
    for (int i = 0; i < CONTROLLER_BANK_SLOTS; ++i) {
        if (!m_Controllers[i]) {
            return i;
        }
    }
    DebugLog("***Error: Animation controller bank is full***");
    return CONTROLLER_NONE;
}

int _kwa_SpriteAnimationControllerBank::CreateAnimationController(const std::string& path) {
    const int slot = _FreeSlot();
    if (slot != CONTROLLER_NONE) {
        m_Controllers[slot] = std::make_unique<_kwa_SpriteAnimationController>();
        m_Controllers[slot]->Load(path);
    }
    return slot;
}

int _kwa_SpriteAnimationControllerBank::CreateDummyController(const std::string& path) {
    const int slot = _FreeSlot();
    if (slot != CONTROLLER_NONE) {
        m_Controllers[slot] = std::make_unique<_kwa_SpriteAnimationController>();
        m_Controllers[slot]->LoadSingle(path);
    }
    return slot;
}

int _kwa_SpriteAnimationControllerBank::DestroyAnimationController(int id) {
    if (id < 0 || id >= CONTROLLER_BANK_SLOTS || !m_Controllers[id]) {
        return 0;
    }
    m_Controllers[id]->Unload();
    m_Controllers[id].reset();
    return 0;
}

const _kwa_SpriteAnimationController* _kwa_SpriteAnimationControllerBank::GetController(
    int id) const {
    return (id >= 0 && id < CONTROLLER_BANK_SLOTS) ? m_Controllers[id].get() : nullptr;
}

int _kwa_SpriteAnimationControllerBank::GetBitmapID(int id, float time) const {
    const _kwa_SpriteAnimationController* controller = GetController(id);
    return controller ? controller->BitmapID(time) : BITMAP_NONE;
}

float _kwa_SpriteAnimationControllerBank::GetControllerMaxTime(int id) const {
    const _kwa_SpriteAnimationController* controller = GetController(id);
    return controller ? controller->MaxTime() : 0.0f;
}

int _kwa_SpriteAnimationControllerBank::_SetImageHandle(int id, int x, int y) {
    if (id >= 0 && id < CONTROLLER_BANK_SLOTS && m_Controllers[id]) {
        m_Controllers[id]->_SetImageHandle(x, y);
    }
    return 0;
}

int _kwa_SpriteAnimationControllerBank::UsedSlots() const {
    int used = 0;
    for (const auto& controller : m_Controllers) {
        used += controller ? 1 : 0;
    }
    return used;
}

_kwa_SpriteAnimationControllerBank& AnimationControllerBank() {
    static _kwa_SpriteAnimationControllerBank bank;
    return bank;
}
