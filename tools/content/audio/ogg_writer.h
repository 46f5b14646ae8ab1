#pragma once
// Ogg Vorbis output of stereo float audio (fixed stream serial: same input,
// same file).
#include <string>

#include "audio_buffer.h"

bool WriteOggVorbis(const StereoBuffer& audio, float quality, const std::string& path);
