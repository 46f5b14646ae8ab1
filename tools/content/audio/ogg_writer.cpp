#include "ogg_writer.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdio>

namespace {

void WritePages(ogg_stream_state& stream, FILE* file, bool flush) {
    ogg_page page;
    while (flush ? ogg_stream_flush(&stream, &page) : ogg_stream_pageout(&stream, &page)) {
        std::fwrite(page.header, 1, static_cast<size_t>(page.header_len), file);
        std::fwrite(page.body, 1, static_cast<size_t>(page.body_len), file);
    }
}

void Drain(vorbis_dsp_state& dsp, vorbis_block& block, ogg_stream_state& stream, FILE* file) {
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
        vorbis_analysis(&block, nullptr);
        vorbis_bitrate_addblock(&block);
        ogg_packet packet;
        while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
            ogg_stream_packetin(&stream, &packet);
            WritePages(stream, file, false);
        }
    }
}

}  // namespace

bool WriteOggVorbis(const StereoBuffer& audio, float quality, const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        return false;
    }
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, 2, SAMPLE_RATE, quality) != 0) {
        std::fclose(file);
        return false;
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_comment_add_tag(&comment, "ENCODER", "tessalune content pipeline");
    vorbis_dsp_state dsp;
    vorbis_block block;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 0x7E55A1);
    ogg_packet header, commentPacket, codebooks;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentPacket, &codebooks);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentPacket);
    ogg_stream_packetin(&stream, &codebooks);
    WritePages(stream, file, true);

    constexpr int chunk = 4096;
    for (int start = 0; start < audio.Frames(); start += chunk) {
        const int n = std::min(chunk, audio.Frames() - start);
        float** buffer = vorbis_analysis_buffer(&dsp, n);
        for (int i = 0; i < n; ++i) {
            buffer[0][i] = audio.samples[2 * static_cast<size_t>(start + i)];
            buffer[1][i] = audio.samples[2 * static_cast<size_t>(start + i) + 1];
        }
        vorbis_analysis_wrote(&dsp, n);
        Drain(dsp, block, stream, file);
    }
    vorbis_analysis_wrote(&dsp, 0);
    Drain(dsp, block, stream, file);
    WritePages(stream, file, true);

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return std::fclose(file) == 0;
}
