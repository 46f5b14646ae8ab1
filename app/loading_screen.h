#pragma once
// The loading screen: the title picture, the loading text and a progress bar,
// drawn and presented from inside the loader after every resource line.
#include <memory>
#include <string>

#include "app/app_module.h"

class loadingScreen : public _AppModule {
public:
    static std::shared_ptr<loadingScreen> Create(const std::string& resourceFile);
    void Draw() override;
};
