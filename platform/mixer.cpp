// Our software mixer: channels of decoded sounds summed into the SDL audio
// device's stereo 16-bit stream.
#include <SDL2/SDL.h>

#include <algorithm>
#include <mutex>
#include <vector>

#include "platform/audio.h"
#include "platform/debug_log.h"
#include "platform/sound_codecs.h"

struct TChannel {
    SoundPtr sound;
    int64_t position = 0;  // in frames
    float volume = 1.0f;
    bool paused = true;
    bool stopped = false;
    bool finished = false;
    // A streamed sound's decoder and the samples decoded ahead of position.
    std::unique_ptr<OggStream> stream;
    std::vector<int16_t> ahead;
    size_t aheadUsed = 0;  // samples of ahead already mixed
};

namespace {

constexpr int RATE = 44100;
// A streamed channel keeps this many frames decoded beyond what it mixes.
constexpr int64_t DECODE_AHEAD_FRAMES = 4096;
// Without a device nothing drains the mix list, so channels nobody else holds
// are dropped once it grows this long.
constexpr size_t IDLE_LIST_LIMIT = 256;

struct Mixer {
    std::recursive_mutex lock;
    std::vector<ChannelPtr> playing;  // channels that are mixed
    SDL_AudioDeviceID device = 0;
    bool openTried = false;
    std::vector<int32_t> sums;
};

Mixer& M() {
    static Mixer* mixer =
        new Mixer;  // never destroyed: textures and the audio thread may outlive main
    return *mixer;
}

void DeviceCallback(void*, Uint8* stream, int length) {
    MixAudio(reinterpret_cast<int16_t*>(stream), length / 4);
}

void OpenOnFirstUse() {
    if (!M().openTried) {
        OpenAudio();
    }
}

void Enlist(const ChannelPtr& channel) {
    Mixer& m = M();
    if (std::find(m.playing.begin(), m.playing.end(), channel) == m.playing.end()) {
        m.playing.push_back(channel);
    }
    if (m.device == 0 && m.playing.size() > IDLE_LIST_LIMIT) {
        std::erase_if(m.playing, [](const ChannelPtr& c) { return c.use_count() == 1; });
    }
}

void Delist(const ChannelPtr& channel) {
    std::erase(M().playing, channel);
}

// A decoder at the start of a streamed sound; null for other sounds. Opened
// by the caller's thread, so the audio thread never logs.
std::unique_ptr<OggStream> OpenStream(const SoundPtr& sound) {
    return sound && sound->Streamed() ? OggStream::Open(sound->encoded) : nullptr;
}

// Decodes until frames are buffered ahead; at its end the stream starts again
// from its first sample, so the loop has no gap. Returns the frames buffered.
int64_t FillAhead(TChannel& channel, int64_t frames) {
    if (channel.aheadUsed > 0) {
        channel.ahead.erase(channel.ahead.begin(),
                            channel.ahead.begin() + static_cast<std::ptrdiff_t>(channel.aheadUsed));
        channel.aheadUsed = 0;
    }
    int64_t buffered = static_cast<int64_t>(channel.ahead.size() / 2);
    bool rewound = false;
    while (buffered < frames && channel.stream) {
        const int64_t got =
            channel.stream->Read(channel.ahead, frames - buffered + DECODE_AHEAD_FRAMES);
        if (got > 0) {
            buffered += got;
            rewound = false;
        } else if (rewound || !channel.stream->Rewind()) {
            break;  // nothing decodes even from the start
        } else {
            rewound = true;
        }
    }
    return buffered;
}

bool MixStream(TChannel& channel, int32_t* sums, int frames, float volume) {
    const int64_t count = std::min<int64_t>(frames, FillAhead(channel, frames));
    const int16_t* source = channel.ahead.data();
    for (int64_t i = 0; i < count * 2; ++i) {
        sums[i] += static_cast<int32_t>(source[i] * volume);
    }
    channel.aheadUsed = static_cast<size_t>(count) * 2;
    const int64_t total = std::max<int64_t>(channel.sound->encodedFrames, 1);
    channel.position = (channel.position + count) % total;
    return count < frames;
}

// Adds one channel into the sums; true when its sound has ended.
bool MixChannel(TChannel& channel, int32_t* sums, int frames) {
    if (!channel.sound) {
        return true;
    }
    if (channel.sound->Streamed()) {
        return MixStream(channel, sums, frames, std::clamp(channel.volume, 0.0f, 1.0f));
    }
    const int64_t total = channel.sound->Frames();
    const int64_t count = std::min<int64_t>(frames, total - channel.position);
    const float volume = std::clamp(channel.volume, 0.0f, 1.0f);
    const int16_t* source = channel.sound->samples.data() + channel.position * 2;
    for (int64_t i = 0; i < count * 2; ++i) {
        sums[i] += static_cast<int32_t>(source[i] * volume);
    }
    channel.position += std::max<int64_t>(count, 0);
    return channel.position >= total;
}

}  // namespace

int MixerRate() {
    return RATE;
}

bool OpenAudio() {
    Mixer& m = M();
    std::lock_guard<std::recursive_mutex> guard(m.lock);
    m.openTried = true;
    if (m.device != 0) {
        return true;
    }
    if (SDL_WasInit(SDL_INIT_AUDIO) == 0 && SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        DebugLog(std::string("sound: no audio: ") + SDL_GetError());
        return false;
    }
    SDL_AudioSpec want{};
    want.freq = RATE;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 1024;
    want.callback = DeviceCallback;
    SDL_AudioSpec have{};
    m.device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (m.device == 0) {
        DebugLog(std::string("sound: no audio device: ") + SDL_GetError());
        return false;
    }
    SDL_PauseAudioDevice(m.device, 0);
    return true;
}

void CloseAudio() {
    Mixer& m = M();
    SDL_AudioDeviceID device = 0;
    {
        std::lock_guard<std::recursive_mutex> guard(m.lock);
        m.openTried = true;
        device = m.device;
        m.device = 0;
    }
    if (device != 0) {
        SDL_CloseAudioDevice(device);  // waits for the callback to finish
    }
}

void MixAudio(int16_t* out, int frames) {
    if (out == nullptr || frames <= 0) {
        return;
    }
    Mixer& m = M();
    std::lock_guard<std::recursive_mutex> guard(m.lock);
    m.sums.assign(static_cast<size_t>(frames) * 2, 0);
    std::erase_if(m.playing, [&](const ChannelPtr& channel) {
        if (channel->paused) {
            return false;
        }
        channel->finished = MixChannel(*channel, m.sums.data(), frames);
        return channel->finished;
    });
    for (size_t i = 0; i < m.sums.size(); ++i) {
        out[i] = static_cast<int16_t>(std::clamp<int32_t>(m.sums[i], -32768, 32767));
    }
}

ChannelPtr CueSound(const SoundPtr& sound) {
    if (!sound) {
        return nullptr;
    }
    OpenOnFirstUse();
    auto channel = std::make_shared<TChannel>();
    channel->sound = sound;
    channel->stream = OpenStream(sound);
    std::lock_guard<std::recursive_mutex> guard(M().lock);
    Enlist(channel);
    return channel;
}

ChannelPtr PlaySound(const SoundPtr& sound, const ChannelPtr& channel) {
    if (!sound) {
        return channel;
    }
    if (!channel) {
        ChannelPtr fresh = CueSound(sound);
        Resume(fresh);
        return fresh;
    }
    std::unique_ptr<OggStream> stream = OpenStream(sound);
    std::lock_guard<std::recursive_mutex> guard(M().lock);
    channel->sound = sound;
    channel->stream.swap(stream);  // the old decoder goes after the lock
    channel->ahead.clear();
    channel->aheadUsed = 0;
    channel->position = 0;
    channel->paused = false;
    channel->stopped = false;
    channel->finished = false;
    Enlist(channel);
    return channel;
}

void SetVolume(const ChannelPtr& channel, float volume) {
    if (channel) {
        std::lock_guard<std::recursive_mutex> guard(M().lock);
        channel->volume = volume;
    }
}

void PauseChannel(const ChannelPtr& channel) {
    if (channel) {
        std::lock_guard<std::recursive_mutex> guard(M().lock);
        channel->paused = true;
    }
}

void Resume(const ChannelPtr& channel) {
    if (channel) {
        std::lock_guard<std::recursive_mutex> guard(M().lock);
        channel->paused = false;
    }
}

void Stop(const ChannelPtr& channel) {
    if (channel) {
        std::lock_guard<std::recursive_mutex> guard(M().lock);
        channel->stopped = true;
        Delist(channel);
    }
}

bool Playing(const ChannelPtr& channel) {
    if (!channel) {
        return false;
    }
    std::lock_guard<std::recursive_mutex> guard(M().lock);
    return !channel->stopped && !channel->finished;
}

void StopAllChannels() {
    std::lock_guard<std::recursive_mutex> guard(M().lock);
    for (const ChannelPtr& channel : M().playing) {
        channel->stopped = true;
    }
    M().playing.clear();
}
