// Ogg Vorbis encoding through libvorbisenc, page by page into a byte vector.
#include "VorbisWriter.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <stdexcept>

namespace datagen {
namespace {

void appendPage(std::vector<uint8_t>& bytes, const ogg_page& page) {
    bytes.insert(bytes.end(), page.header, page.header + page.header_len);
    bytes.insert(bytes.end(), page.body, page.body + page.body_len);
}

} // namespace

std::vector<uint8_t> encodeVorbis(const Stereo& sound, float quality, uint32_t serial,
                                  const std::string& title) {
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, 2, sampleRate, quality) != 0) {
        vorbis_info_clear(&info);
        throw std::runtime_error("the Vorbis encoder refused its settings");
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_comment_add_tag(&comment, "TITLE", title.c_str());
    vorbis_comment_add_tag(&comment, "ARTIST", "Tessaro Puzzle Game");
    vorbis_dsp_state dsp;
    vorbis_block block;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, static_cast<int>(serial));

    std::vector<uint8_t> bytes;
    ogg_page page;
    ogg_packet header, commentHeader, codeHeader;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentHeader);
    ogg_stream_packetin(&stream, &codeHeader);
    // The headers get pages of their own, so audio starts on a fresh page.
    while (ogg_stream_flush(&stream, &page) != 0) appendPage(bytes, page);

    auto drain = [&] {
        ogg_packet packet;
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            while (vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0) appendPage(bytes, page);
            }
        }
    };
    constexpr size_t chunk = 4096;
    for (size_t offset = 0; offset < sound.frames(); offset += chunk) {
        const size_t n = std::min(chunk, sound.frames() - offset);
        float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(n));
        std::copy_n(sound.left.begin() + static_cast<std::ptrdiff_t>(offset), n, buffer[0]);
        std::copy_n(sound.right.begin() + static_cast<std::ptrdiff_t>(offset), n, buffer[1]);
        vorbis_analysis_wrote(&dsp, static_cast<int>(n));
        drain();
    }
    vorbis_analysis_wrote(&dsp, 0); // end of stream
    drain();
    while (ogg_stream_flush(&stream, &page) != 0) appendPage(bytes, page);

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return bytes;
}

} // namespace datagen
