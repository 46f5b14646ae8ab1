#include "app/loading_profile.h"

#include "app/assets.h"
#include "app/line_helpers.h"
#include "platform/stream.h"

namespace {
constexpr int PROGRESS_DONE = 100;
}

std::shared_ptr<_lpItem> _lpItem::Create(int value) {
    auto item = std::make_shared<_lpItem>();
    item->timeMS = value;
    return item;
}

std::shared_ptr<LoadingProfile> LoadingProfile::Create(const std::string& path) {
    auto profile = std::make_shared<LoadingProfile>();
    profile->filename = path + ".load";
    StreamPtr stream = OpenAssetFile(profile->filename);
    if (!stream) {
        return profile;
    }
    while (!Eof(*stream)) {
        profile->items.push_back(_lpItem::Create(ToInt(TrimSpaces(ReadLine(*stream)))));
    }
    CloseStream(stream);
    return profile;
}

int LoadingProfile::Update() {
    if (items.empty()) {
        return PROGRESS_DONE;
    }
    const int value = items.front()->timeMS;
    items.pop_front();
    return value;
}

void LoadingProfile::Close() {}
