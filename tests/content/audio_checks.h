#pragma once
// Measurements of decoded sounds and the format their Ogg Vorbis files declare.
#include <cstdint>
#include <string>

#include "platform/audio.h"

namespace content_test {

struct VorbisFormat {
    int channels = 0;
    int rate = 0;
};

// From the identification header on the first page; zeros when it is not Vorbis.
VorbisFormat ReadVorbisFormat(const std::string& assetPath);

double Seconds(const TSound& sound);
int PeakSample(const TSound& sound);
double PeakDb(const TSound& sound);
// Loudness of the audible part: RMS in dBFS over the 50 ms windows louder
// than 50 dB below the peak.
double ActiveRmsDb(const TSound& sound);
// RMS in dBFS of frames [first, first + count) of both channels.
double RmsDb(const TSound& sound, int first, int count);

}  // namespace content_test
