#include "OggVorbisWriter.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <stdexcept>

namespace {

void WritePages(ogg_stream_state& Stream, std::FILE* File, bool Flush) {
    ogg_page Page;
    while (Flush ? ogg_stream_flush(&Stream, &Page) : ogg_stream_pageout(&Stream, &Page)) {
        std::fwrite(Page.header, 1, static_cast<size_t>(Page.header_len), File);
        std::fwrite(Page.body, 1, static_cast<size_t>(Page.body_len), File);
    }
}

}  // namespace

void WriteOggVorbis(const std::string& Path, const TStereo& Buffer, float Quality,
                    const std::vector<std::string>& Comments) {
    // Written beside the target and renamed, so a failed run never leaves half a file.
    const std::string Temporary = Path + ".part";
    std::FILE* File = std::fopen(Temporary.c_str(), "wb");
    if (!File) throw std::runtime_error("cannot write " + Temporary);

    vorbis_info Info;
    vorbis_info_init(&Info);
    if (vorbis_encode_init_vbr(&Info, 2, SampleRate, Quality) != 0) {
        std::fclose(File);
        throw std::runtime_error("the Vorbis encoder refused its settings");
    }
    vorbis_comment Comment;
    vorbis_comment_init(&Comment);
    for (const std::string& Line : Comments) vorbis_comment_add(&Comment, Line.c_str());

    vorbis_dsp_state Dsp;
    vorbis_block Block;
    vorbis_analysis_init(&Dsp, &Info);
    vorbis_block_init(&Dsp, &Block);
    ogg_stream_state Stream;
    ogg_stream_init(&Stream, static_cast<int>(NameHash(std::filesystem::path(Path).filename().string()) & 0x7FFFFFFF));

    ogg_packet Header, HeaderComment, HeaderCode;
    vorbis_analysis_headerout(&Dsp, &Comment, &Header, &HeaderComment, &HeaderCode);
    ogg_stream_packetin(&Stream, &Header);
    ogg_stream_packetin(&Stream, &HeaderComment);
    ogg_stream_packetin(&Stream, &HeaderCode);
    WritePages(Stream, File, true);

    constexpr size_t ChunkFrames = 4096;
    size_t Position = 0;
    bool Done = false;
    while (!Done) {
        const size_t Count = std::min(ChunkFrames, Buffer.Frames() - Position);
        if (Count == 0) {
            vorbis_analysis_wrote(&Dsp, 0);  // end of stream
        } else {
            float** Target = vorbis_analysis_buffer(&Dsp, static_cast<int>(Count));
            std::copy_n(Buffer.L.begin() + static_cast<std::ptrdiff_t>(Position), Count, Target[0]);
            std::copy_n(Buffer.R.begin() + static_cast<std::ptrdiff_t>(Position), Count, Target[1]);
            vorbis_analysis_wrote(&Dsp, static_cast<int>(Count));
            Position += Count;
        }
        while (vorbis_analysis_blockout(&Dsp, &Block) == 1) {
            vorbis_analysis(&Block, nullptr);
            vorbis_bitrate_addblock(&Block);
            ogg_packet Packet;
            while (vorbis_bitrate_flushpacket(&Dsp, &Packet)) {
                ogg_stream_packetin(&Stream, &Packet);
                WritePages(Stream, File, false);
            }
        }
        if (Count == 0) Done = true;
    }
    WritePages(Stream, File, true);

    ogg_stream_clear(&Stream);
    vorbis_block_clear(&Block);
    vorbis_dsp_clear(&Dsp);
    vorbis_comment_clear(&Comment);
    vorbis_info_clear(&Info);
    const bool Failed = std::ferror(File) != 0;
    std::fclose(File);
    if (Failed) throw std::runtime_error("cannot write " + Temporary);
    std::filesystem::rename(Temporary, Path);
}
