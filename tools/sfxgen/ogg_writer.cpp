#include <vorbis/vorbisenc.h>

#include <cstdio>

#include "recipes.h"

namespace sfx {

namespace {
bool write_page(std::FILE* f, const ogg_page& page) {
    return std::fwrite(page.header, 1, size_t(page.header_len), f) == size_t(page.header_len) &&
           std::fwrite(page.body, 1, size_t(page.body_len), f) == size_t(page.body_len);
}
} // namespace

bool write_ogg(const char* path, const buffer& stereo, int rate, float quality, int serial) {
    std::FILE* f = std::fopen(path, "wb");
    if (!f) return false;

    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, 2, rate, quality) != 0) {
        vorbis_info_clear(&vi);
        std::fclose(f);
        return false;
    }
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_comment_add_tag(&vc, "ENCODER", "zembra sfxgen");
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, serial);

    bool ok = true;
    ogg_packet header, header_comm, header_code;
    vorbis_analysis_headerout(&vd, &vc, &header, &header_comm, &header_code);
    ogg_stream_packetin(&os, &header);
    ogg_stream_packetin(&os, &header_comm);
    ogg_stream_packetin(&os, &header_code);
    ogg_page page;
    while (ogg_stream_flush(&os, &page) != 0) ok = ok && write_page(f, page);

    const size_t frames = stereo.size() / 2;
    const size_t chunk = 4096;
    size_t pos = 0;
    bool eos = false;
    while (!eos) {
        if (pos < frames) {
            size_t n = std::min(chunk, frames - pos);
            float** in = vorbis_analysis_buffer(&vd, int(n));
            for (size_t i = 0; i < n; ++i) {
                in[0][i] = stereo[2 * (pos + i)];
                in[1][i] = stereo[2 * (pos + i) + 1];
            }
            vorbis_analysis_wrote(&vd, int(n));
            pos += n;
        } else {
            vorbis_analysis_wrote(&vd, 0);
        }
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            ogg_packet op;
            while (vorbis_bitrate_flushpacket(&vd, &op)) {
                ogg_stream_packetin(&os, &op);
                while (!eos && ogg_stream_pageout(&os, &page) != 0) {
                    ok = ok && write_page(f, page);
                    if (ogg_page_eos(&page)) eos = true;
                }
            }
        }
    }

    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    return std::fclose(f) == 0 && ok;
}

} // namespace sfx
