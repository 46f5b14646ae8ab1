#pragma once
// Loading profiles: the progress values shown while a resource script loads,
// one per resource line, read from the script's path + ".load".
#include <list>
#include <memory>
#include <string>

class _lpItem {
public:
    int timeMS = 0;  // a progress value, 0 to 100

    static std::shared_ptr<_lpItem> Create(int value);
};

class LoadingProfile {
public:
    std::list<std::shared_ptr<_lpItem>> items;  // values not yet handed out
    std::string filename;
    int bOpen = 0;

    // Reads path + ".load"; a missing or empty file gives no values.
    static std::shared_ptr<LoadingProfile> Create(const std::string& path);
    // The next value, or 100 once the values have run out.
    int Update();
    void Close();
};
