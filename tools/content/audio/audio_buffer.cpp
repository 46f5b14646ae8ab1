#include "audio_buffer.h"

#include <algorithm>
#include <cmath>

float Peak(const StereoBuffer& audio) {
    float peak = 0;
    for (const float s : audio.samples) {
        peak = std::max(peak, std::fabs(s));
    }
    return peak;
}

float ActiveRms(const StereoBuffer& audio) {
    const int window = SAMPLE_RATE / 20;
    const float peak = Peak(audio);
    if (peak <= 0) {
        return 0;
    }
    const float floor = peak * 0.00316f;  // -50 dB
    double sum = 0;
    size_t count = 0;
    for (int start = 0; start < audio.Frames(); start += window) {
        const int end = std::min(audio.Frames(), start + window);
        double w = 0;
        for (int i = start * 2; i < end * 2; ++i) {
            w += audio.samples[i] * audio.samples[i];
        }
        const size_t n = static_cast<size_t>(end - start) * 2;
        if (std::sqrt(w / n) < floor) {
            continue;
        }
        sum += w;
        count += n;
    }
    return count ? static_cast<float>(std::sqrt(sum / count)) : 0.0f;
}

void Gain(StereoBuffer& audio, float gain) {
    for (float& s : audio.samples) {
        s *= gain;
    }
}

void MatchLoudness(StereoBuffer& audio, float targetRms, float peakLimit) {
    const float rms = ActiveRms(audio);
    if (rms <= 0) {
        return;
    }
    float gain = targetRms / rms;
    const float peak = Peak(audio);
    if (peak * gain > peakLimit) {
        gain = peakLimit / peak;
    }
    Gain(audio, gain);
}

void FadeEdges(StereoBuffer& audio, float fadeInMs, float fadeOutMs) {
    const int frames = audio.Frames();
    const int in = std::min(frames, static_cast<int>(fadeInMs * SAMPLE_RATE / 1000));
    const int out = std::min(frames, static_cast<int>(fadeOutMs * SAMPLE_RATE / 1000));
    for (int i = 0; i < in; ++i) {
        const float g = static_cast<float>(i) / in;
        audio.samples[2 * i] *= g;
        audio.samples[2 * i + 1] *= g;
    }
    for (int i = 0; i < out; ++i) {
        const float g = static_cast<float>(i) / out;
        const size_t f = static_cast<size_t>(frames - 1 - i);
        audio.samples[2 * f] *= g;
        audio.samples[2 * f + 1] *= g;
    }
}

void TrimTail(StereoBuffer& audio, float threshold, int marginFrames) {
    int last = audio.Frames() - 1;
    while (last > 0 && std::fabs(audio.samples[2 * last]) < threshold &&
           std::fabs(audio.samples[2 * last + 1]) < threshold) {
        --last;
    }
    const int keep = std::min(audio.Frames(), last + 1 + marginFrames);
    audio.samples.resize(static_cast<size_t>(keep) * 2);
}

void FoldTail(StereoBuffer& audio, int loopFrames) {
    const int frames = audio.Frames();
    for (int f = loopFrames; f < frames; ++f) {
        const int target = (f - loopFrames) % loopFrames;
        audio.samples[2 * target] += audio.samples[2 * f];
        audio.samples[2 * target + 1] += audio.samples[2 * f + 1];
    }
    audio.samples.resize(static_cast<size_t>(std::min(frames, loopFrames)) * 2);
}

void LimitPeaks(StereoBuffer& audio, float ceiling) {
    const int frames = audio.Frames();
    if (frames == 0) {
        return;
    }
    std::vector<float> gain(static_cast<size_t>(frames));
    for (int f = 0; f < frames; ++f) {
        const float level = std::max(std::fabs(audio.samples[2 * static_cast<size_t>(f)]),
                                     std::fabs(audio.samples[2 * static_cast<size_t>(f) + 1]));
        gain[static_cast<size_t>(f)] = level > ceiling ? ceiling / level : 1.0f;
    }
    const float release = 1.0f / (0.06f * SAMPLE_RATE);
    for (int f = 1; f < frames; ++f) {
        const float recovered = gain[f - 1] + (1.0f - gain[f - 1]) * release * 5;
        gain[f] = std::min(gain[f], recovered);
    }
    const float attack = 1.0f / (0.002f * SAMPLE_RATE);
    for (int f = frames - 2; f >= 0; --f) {
        gain[f] = std::min(gain[f], gain[f + 1] + attack);
    }
    for (int f = 0; f < frames; ++f) {
        audio.samples[2 * static_cast<size_t>(f)] *= gain[static_cast<size_t>(f)];
        audio.samples[2 * static_cast<size_t>(f) + 1] *= gain[static_cast<size_t>(f)];
    }
}
