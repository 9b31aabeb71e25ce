#include "ImageFileClass.h"

#include <jpeglib.h>
#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace {

// Straight (not premultiplied) RGBA rows of a canvas.
std::vector<unsigned char> StraightRgba(const TCanvas& Canvas) {
    std::vector<unsigned char> out(static_cast<size_t>(Canvas.Width()) * static_cast<size_t>(Canvas.Height()) * 4);
    size_t i = 0;
    for (int y = 0; y < Canvas.Height(); ++y) {
        const uint32_t* row = Canvas.Row(y);
        for (int x = 0; x < Canvas.Width(); ++x, i += 4) {
            const uint32_t p = row[x];
            const unsigned a = p >> 24;
            const auto un = [a](unsigned v) -> unsigned char {
                return a == 0 ? 0 : static_cast<unsigned char>(std::min(255u, (v * 255u + a / 2) / a));
            };
            out[i] = un((p >> 16) & 0xFF);
            out[i + 1] = un((p >> 8) & 0xFF);
            out[i + 2] = un(p & 0xFF);
            out[i + 3] = static_cast<unsigned char>(a);
        }
    }
    return out;
}

std::string ReadAll(const std::string& Path) {
    std::ifstream in(Path, std::ios::binary);
    if (!in) return {};
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

struct TJpegError {
    jpeg_error_mgr Manager;
    jmp_buf Jump;
};

void JpegFail(j_common_ptr Info) {
    auto* err = reinterpret_cast<TJpegError*>(Info->err);
    longjmp(err->Jump, 1);
}

}  // namespace

std::string EncodePng(const TCanvas& Canvas) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(Canvas.Width());
    image.height = static_cast<png_uint_32>(Canvas.Height());
    image.format = PNG_FORMAT_RGBA;
    const auto pixels = StraightRgba(Canvas);
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, pixels.data(), 0, nullptr))
        throw std::runtime_error(std::string("PNG encoding failed: ") + image.message);
    std::string bytes(size, '\0');
    if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, pixels.data(), 0, nullptr))
        throw std::runtime_error(std::string("PNG encoding failed: ") + image.message);
    bytes.resize(size);
    return bytes;
}

std::string EncodeJpeg(const TCanvas& Canvas, int Quality) {
    jpeg_compress_struct info{};
    TJpegError err{};
    info.err = jpeg_std_error(&err.Manager);
    err.Manager.error_exit = JpegFail;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    if (setjmp(err.Jump)) {
        jpeg_destroy_compress(&info);
        free(buffer);
        throw std::runtime_error("JPEG encoding failed");
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(Canvas.Width());
    info.image_height = static_cast<JDIMENSION>(Canvas.Height());
    info.input_components = 4;
    info.in_color_space = JCS_EXT_BGRX;  // Cairo's ARGB32 in little-endian memory
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, Quality, TRUE);
    // Full colour resolution: the backgrounds have hard edges that 4:2:0 would smear.
    for (int c = 0; c < info.num_components; ++c) info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
    info.optimize_coding = TRUE;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = reinterpret_cast<JSAMPROW>(const_cast<uint32_t*>(Canvas.Row(static_cast<int>(info.next_scanline))));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string bytes(reinterpret_cast<char*>(buffer), size);
    free(buffer);
    return bytes;
}

bool WriteIfChanged(const std::string& Path, const std::string& Bytes) {
    if (ReadAll(Path) == Bytes) return false;
    std::filesystem::create_directories(std::filesystem::path(Path).parent_path());
    const std::string temp = Path + ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
        if (!out) throw std::runtime_error(Path + ": cannot write");
    }
    std::filesystem::rename(temp, Path);
    return true;
}

TCanvas ReadImageFile(const std::string& Path) {
    const std::string bytes = ReadAll(Path);
    if (bytes.empty()) throw std::runtime_error(Path + ": cannot read");
    if (bytes.size() > 8 && bytes.compare(1, 3, "PNG") == 0) {
        png_image image{};
        image.version = PNG_IMAGE_VERSION;
        if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()))
            throw std::runtime_error(Path + ": bad PNG");
        image.format = PNG_FORMAT_BGRA;
        std::vector<unsigned char> px(PNG_IMAGE_SIZE(image));
        if (!png_image_finish_read(&image, nullptr, px.data(), 0, nullptr)) throw std::runtime_error(Path + ": bad PNG");
        TCanvas canvas(static_cast<int>(image.width), static_cast<int>(image.height));
        size_t i = 0;
        for (int y = 0; y < canvas.Height(); ++y) {
            uint32_t* row = canvas.Row(y);
            for (int x = 0; x < canvas.Width(); ++x, i += 4) {
                const unsigned a = px[i + 3];
                const auto pre = [a](unsigned v) { return (v * a + 127) / 255; };
                row[x] = (a << 24) | (pre(px[i + 2]) << 16) | (pre(px[i + 1]) << 8) | pre(px[i]);
            }
        }
        cairo_surface_mark_dirty(canvas.Surface());
        return canvas;
    }
    jpeg_decompress_struct info{};
    TJpegError err{};
    info.err = jpeg_std_error(&err.Manager);
    err.Manager.error_exit = JpegFail;
    if (setjmp(err.Jump)) {
        jpeg_destroy_decompress(&info);
        throw std::runtime_error(Path + ": bad JPEG");
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(&info);
    TCanvas canvas(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = reinterpret_cast<JSAMPROW>(canvas.Row(static_cast<int>(info.output_scanline)));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    cairo_surface_mark_dirty(canvas.Surface());
    return canvas;
}
