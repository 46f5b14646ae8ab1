#pragma once
// Interleaved stereo float audio at 44.1 kHz and the finishing steps applied
// to every sound and song.
#include <cstddef>
#include <vector>

constexpr int SAMPLE_RATE = 44100;

struct StereoBuffer {
    std::vector<float> samples;  // left, right, left, right, ...
    int Frames() const { return static_cast<int>(samples.size() / 2); }
    void Resize(int frames) { samples.assign(static_cast<size_t>(frames) * 2, 0.0f); }
};

float Peak(const StereoBuffer& audio);
// Root mean square over the frames louder than -50 dB relative to the peak
// (in 50 ms windows), so quiet tails do not count.
float ActiveRms(const StereoBuffer& audio);
void Gain(StereoBuffer& audio, float gain);
// Scales to the target RMS, then lowers the gain if the peak would pass peakLimit.
void MatchLoudness(StereoBuffer& audio, float targetRms, float peakLimit);
// Lowers the gain briefly around peaks above ceiling (2 ms ramp down before a
// peak, 60 ms recovery), so a few loud transients do not set the level of
// the whole sound.
void LimitPeaks(StereoBuffer& audio, float ceiling);
// Linear fades of the first and the last milliseconds.
void FadeEdges(StereoBuffer& audio, float fadeInMs, float fadeOutMs);
// Cuts trailing frames quieter than threshold (linear), keeping a margin.
void TrimTail(StereoBuffer& audio, float threshold, int marginFrames);
// Makes a loop of loopFrames: everything rendered past the loop end is mixed
// into the start, so a sound ringing over the end continues after the restart.
void FoldTail(StereoBuffer& audio, int loopFrames);
