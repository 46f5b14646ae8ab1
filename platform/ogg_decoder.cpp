// Ogg Vorbis through libvorbisfile, read from memory.
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstring>

#include "platform/debug_log.h"
#include "platform/sound_codecs.h"

namespace {

struct MemorySource {
    const uint8_t* data;
    size_t size;
    size_t pos;
};

size_t ReadSource(void* buffer, size_t size, size_t count, void* source) {
    auto* memory = static_cast<MemorySource*>(source);
    if (size == 0) {
        return 0;
    }
    const size_t items = std::min(count, (memory->size - memory->pos) / size);
    std::memcpy(buffer, memory->data + memory->pos, items * size);
    memory->pos += items * size;
    return items;
}

int SeekSource(void* source, ogg_int64_t offset, int whence) {
    auto* memory = static_cast<MemorySource*>(source);
    ogg_int64_t base = 0;
    if (whence == SEEK_CUR) {
        base = static_cast<ogg_int64_t>(memory->pos);
    } else if (whence == SEEK_END) {
        base = static_cast<ogg_int64_t>(memory->size);
    }
    const ogg_int64_t target = base + offset;
    if (target < 0 || target > static_cast<ogg_int64_t>(memory->size)) {
        return -1;
    }
    memory->pos = static_cast<size_t>(target);
    return 0;
}

long TellSource(void* source) {
    return static_cast<long>(static_cast<MemorySource*>(source)->pos);
}

bool Fail(const char* why) {
    DebugLog(std::string("sound: bad Ogg Vorbis: ") + why);
    return false;
}

// Appends decoded frames as stereo; false on a decoding error.
bool ReadAllFrames(OggVorbis_File& file, int channels, DecodedSound& out) {
    char buffer[8192];
    int section = 0;
    for (;;) {
        const long got = ov_read(&file, buffer, sizeof buffer, 0, 2, 1, &section);
        if (got == OV_HOLE) {
            continue;
        }
        if (got < 0) {
            return Fail("damaged data");
        }
        if (got == 0) {
            return !out.stereo.empty() || Fail("no sound data");
        }
        const vorbis_info* info = ov_info(&file, section);
        if (info == nullptr || info->channels != channels || info->rate != out.rate) {
            return Fail("the format changes inside the file");
        }
        const auto* samples = reinterpret_cast<const int16_t*>(buffer);
        const size_t frames = static_cast<size_t>(got) / (2 * static_cast<size_t>(channels));
        if (static_cast<int64_t>(out.stereo.size() / 2 + frames) > MAX_SOUND_FRAMES) {
            return Fail("too long");
        }
        for (size_t i = 0; i < frames; ++i) {
            out.stereo.push_back(samples[i * channels]);
            out.stereo.push_back(samples[i * channels + (channels == 2 ? 1 : 0)]);
        }
    }
}

}  // namespace

bool LooksLikeOgg(const uint8_t* data, size_t size) {
    return size >= 4 && std::memcmp(data, "OggS", 4) == 0;
}

bool DecodeOgg(const uint8_t* data, size_t size, DecodedSound& out) {
    MemorySource source{data, size, 0};
    const ov_callbacks callbacks{ReadSource, SeekSource, nullptr, TellSource};
    OggVorbis_File file;
    if (ov_open_callbacks(&source, &file, nullptr, 0, callbacks) != 0) {
        return Fail("not a Vorbis stream");
    }
    const vorbis_info* info = ov_info(&file, -1);
    bool ok = info != nullptr && (info->channels == 1 || info->channels == 2) &&
              info->rate >= 1000 && info->rate <= 192000;
    if (!ok) {
        Fail("unsupported channels or rate");
    } else {
        out.rate = static_cast<int>(info->rate);
        ok = ReadAllFrames(file, info->channels, out);
    }
    ov_clear(&file);
    return ok;
}

struct OggStream::State {
    std::shared_ptr<const std::string> bytes;
    MemorySource source{nullptr, 0, 0};
    OggVorbis_File file{};
};

std::unique_ptr<OggStream> OggStream::Open(std::shared_ptr<const std::string> bytes) {
    if (!bytes || !LooksLikeOgg(reinterpret_cast<const uint8_t*>(bytes->data()), bytes->size())) {
        return nullptr;
    }
    std::unique_ptr<OggStream> stream(new OggStream);
    stream->state = std::make_unique<State>();
    State& state = *stream->state;
    state.bytes = std::move(bytes);
    state.source = {reinterpret_cast<const uint8_t*>(state.bytes->data()), state.bytes->size(), 0};
    const ov_callbacks callbacks{ReadSource, SeekSource, nullptr, TellSource};
    if (ov_open_callbacks(&state.source, &state.file, nullptr, 0, callbacks) != 0) {
        stream->state.reset();
        return nullptr;
    }
    const vorbis_info* info = ov_info(&state.file, -1);
    const ogg_int64_t total = ov_pcm_total(&state.file, -1);
    if (info == nullptr || (info->channels != 1 && info->channels != 2) || info->rate < 1000 ||
        info->rate > 192000 || ov_streams(&state.file) != 1 || total <= 0 ||
        total > MAX_SOUND_FRAMES) {
        return nullptr;
    }
    stream->rate = static_cast<int>(info->rate);
    stream->channels = info->channels;
    stream->totalFrames = total;
    return stream;
}

OggStream::~OggStream() {
    if (state) {
        ov_clear(&state->file);
    }
}

int64_t OggStream::Read(std::vector<int16_t>& out, int64_t maxFrames) {
    char buffer[4096];
    int64_t added = 0;
    while (added < maxFrames) {
        const int64_t wanted = std::min<int64_t>(static_cast<int64_t>(sizeof buffer),
                                                 (maxFrames - added) * 2 * channels);
        int section = 0;
        const long got = ov_read(&state->file, buffer, static_cast<int>(wanted), 0, 2, 1, &section);
        if (got == OV_HOLE) {
            continue;
        }
        if (got < 0) {
            return added > 0 ? added : -1;
        }
        if (got == 0) {
            break;
        }
        const auto* samples = reinterpret_cast<const int16_t*>(buffer);
        const int64_t frames = got / (2 * channels);
        for (int64_t i = 0; i < frames; ++i) {
            out.push_back(samples[i * channels]);
            out.push_back(samples[i * channels + (channels == 2 ? 1 : 0)]);
        }
        added += frames;
    }
    return added;
}

bool OggStream::Rewind() {
    return ov_pcm_seek(&state->file, 0) == 0;
}
