#pragma once
// The intro: two splash pictures with timed fades, then the next screen.
#include <memory>
#include <string>

#include "app/app_module.h"

// Fade alphas from a start time a to an end time b at time t. When a and b
// are equal the switch is instant: fade-in gives 1 and fade-out 0.
float IntroFadeIn(float a, float b, float t);
float IntroFadeOut(float a, float b, float t);

class myIntro : public _AppModule {
public:
    static std::shared_ptr<myIntro> Create(const std::string& resourceFile);

    int time = 0;       // ms since the intro started
    int fade = 0;       // end of the first picture's fade-out
    int fade1[4] = {};  // second picture: fade-in end, fade-out start, fade-out end
    int runTime = 0;

    void Start() override;
    void Update(int dt) override;
    void Draw() override;

    // The picture and alpha that Draw shows at the current time (1 or 2).
    int PictureShown() const;
    float AlphaShown() const;
};
