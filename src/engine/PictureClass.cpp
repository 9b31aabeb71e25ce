#include "PictureClass.h"

#include <SDL.h>
#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include <jpeglib.h>

namespace {
// Pictures larger than this are taken as damaged headers, not as images.
constexpr int64_t MaxPictureSide = 16384;
constexpr int64_t MaxPicturePixels = int64_t{8192} * 8192;

bool SaneSize(int64_t Width, int64_t Height) {
    return Width > 0 && Height > 0 && Width <= MaxPictureSide && Height <= MaxPictureSide &&
           Width * Height <= MaxPicturePixels;
}

std::string LowerExtension(const std::string& Path) {
    const size_t Dot = Path.find_last_of('.');
    const size_t Slash = Path.find_last_of('/');
    if (Dot == std::string::npos || (Slash != std::string::npos && Dot < Slash)) return {};
    std::string Extension = Path.substr(Dot);
    for (char& Ch : Extension) {
        if (Ch >= 'A' && Ch <= 'Z') Ch = static_cast<char>(Ch - 'A' + 'a');
    }
    return Extension;
}

// libjpeg reports errors by calling error_exit, which must not return: jump
// back to the decoder, which then gives up cleanly.
struct TJpegErrorManager {
    jpeg_error_mgr Public;
    std::jmp_buf Jump;
};

[[noreturn]] void JpegErrorExit(j_common_ptr Info) {
    auto* Manager = reinterpret_cast<TJpegErrorManager*>(Info->err);
    std::longjmp(Manager->Jump, 1);
}

void JpegSilentMessage(j_common_ptr) {}

// Separate from DecodeJpeg so that no object with a destructor lives across setjmp.
bool DecodeJpegInto(const unsigned char* Data, unsigned long Size, TPicture& Out) {
    jpeg_decompress_struct Info;
    TJpegErrorManager Errors;
    Info.err = jpeg_std_error(&Errors.Public);
    Errors.Public.error_exit = JpegErrorExit;
    Errors.Public.output_message = JpegSilentMessage;
    if (setjmp(Errors.Jump)) {
        jpeg_destroy_decompress(&Info);
        return false;
    }
    jpeg_create_decompress(&Info);
    jpeg_mem_src(&Info, Data, Size);
    if (jpeg_read_header(&Info, TRUE) != JPEG_HEADER_OK || !SaneSize(Info.image_width, Info.image_height)) {
        jpeg_destroy_decompress(&Info);
        return false;
    }
    Info.out_color_space = JCS_EXT_RGBA;
    jpeg_start_decompress(&Info);
    Out.SetSize(static_cast<int32_t>(Info.output_width), static_cast<int32_t>(Info.output_height));
    const size_t Stride = static_cast<size_t>(Out.Width) * 4;
    while (Info.output_scanline < Info.output_height) {
        JSAMPROW Row = Out.Pixels.data() + Stride * Info.output_scanline;
        jpeg_read_scanlines(&Info, &Row, 1);
    }
    jpeg_finish_decompress(&Info);
    // A truncated or corrupt stream only raises warnings and fills the rest
    // with grey; the game's pictures never do, so such a file counts as damaged.
    const bool Clean = Errors.Public.num_warnings == 0;
    jpeg_destroy_decompress(&Info);
    return Clean;
}
}  // namespace

void TPicture::SetSize(int32_t NewWidth, int32_t NewHeight) {
    if (NewWidth <= 0 || NewHeight <= 0) {
        Width = 0;
        Height = 0;
        Pixels.clear();
        return;
    }
    Width = NewWidth;
    Height = NewHeight;
    Pixels.assign(static_cast<size_t>(Width) * static_cast<size_t>(Height) * 4, 0);
}

uint32_t TPicture::PixelRGBA(int32_t X, int32_t Y) const {
    if (X < 0 || Y < 0 || X >= Width || Y >= Height) return 0;
    const uint8_t* P = &Pixels[(static_cast<size_t>(Y) * static_cast<size_t>(Width) + static_cast<size_t>(X)) * 4];
    return (uint32_t{P[0]} << 24) | (uint32_t{P[1]} << 16) | (uint32_t{P[2]} << 8) | uint32_t{P[3]};
}

void TPicture::SetPixelRGBA(int32_t X, int32_t Y, uint32_t RGBA) {
    if (X < 0 || Y < 0 || X >= Width || Y >= Height) return;
    uint8_t* P = &Pixels[(static_cast<size_t>(Y) * static_cast<size_t>(Width) + static_cast<size_t>(X)) * 4];
    P[0] = static_cast<uint8_t>(RGBA >> 24);
    P[1] = static_cast<uint8_t>(RGBA >> 16);
    P[2] = static_cast<uint8_t>(RGBA >> 8);
    P[3] = static_cast<uint8_t>(RGBA);
}

void TPicture::FillRect(int32_t X, int32_t Y, int32_t W, int32_t H, uint32_t RGBA) {
    for (int32_t Row = Y; Row < Y + H; ++Row) {
        for (int32_t Column = X; Column < X + W; ++Column) SetPixelRGBA(Column, Row, RGBA);
    }
}

bool TPicture::SavePng(const std::string& Path) const {
    if (Empty()) return false;
    png_image Image;
    std::memset(&Image, 0, sizeof(Image));
    Image.version = PNG_IMAGE_VERSION;
    Image.width = static_cast<png_uint_32>(Width);
    Image.height = static_cast<png_uint_32>(Height);
    Image.format = PNG_FORMAT_RGBA;
    const bool Ok = png_image_write_to_file(&Image, Path.c_str(), 0, Pixels.data(), 0, nullptr) != 0;
    png_image_free(&Image);
    return Ok;
}

bool DecodePng(const void* Data, size_t Size, TPicture& Out) {
    Out.Clear();
    if (!Data || Size == 0) return false;
    png_image Image;
    std::memset(&Image, 0, sizeof(Image));
    Image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&Image, Data, Size)) return false;
    if (!SaneSize(Image.width, Image.height)) {
        png_image_free(&Image);
        return false;
    }
    Image.format = PNG_FORMAT_RGBA;
    Out.SetSize(static_cast<int32_t>(Image.width), static_cast<int32_t>(Image.height));
    if (!png_image_finish_read(&Image, nullptr, Out.Pixels.data(), 0, nullptr)) {
        png_image_free(&Image);
        Out.Clear();
        return false;
    }
    return true;
}

bool DecodeJpeg(const void* Data, size_t Size, TPicture& Out) {
    Out.Clear();
    if (!Data || Size == 0) return false;
    if (!DecodeJpegInto(static_cast<const unsigned char*>(Data), static_cast<unsigned long>(Size), Out)) {
        Out.Clear();
        return false;
    }
    return true;
}

bool DecodeBmp(const void* Data, size_t Size, TPicture& Out) {
    Out.Clear();
    if (!Data || Size == 0 || Size > static_cast<size_t>(INT32_MAX)) return false;
    SDL_RWops* Stream = SDL_RWFromConstMem(Data, static_cast<int>(Size));
    if (!Stream) return false;
    SDL_Surface* Loaded = SDL_LoadBMP_RW(Stream, 1);
    if (!Loaded) return false;
    SDL_Surface* Rgba = SDL_ConvertSurfaceFormat(Loaded, SDL_PIXELFORMAT_RGBA32, 0);
    SDL_FreeSurface(Loaded);
    if (!Rgba) return false;
    if (!SaneSize(Rgba->w, Rgba->h)) {
        SDL_FreeSurface(Rgba);
        return false;
    }
    Out.SetSize(Rgba->w, Rgba->h);
    const size_t RowBytes = static_cast<size_t>(Out.Width) * 4;
    for (int32_t Row = 0; Row < Out.Height; ++Row) {
        std::memcpy(Out.Pixels.data() + RowBytes * static_cast<size_t>(Row),
                    static_cast<const uint8_t*>(Rgba->pixels) + static_cast<size_t>(Rgba->pitch) * static_cast<size_t>(Row),
                    RowBytes);
    }
    SDL_FreeSurface(Rgba);
    return true;
}

bool LoadPicture(const std::string& Path, TPicture& Out) {
    Out.Clear();
    std::ifstream File(Path, std::ios::binary);
    if (!File) return false;
    const std::vector<char> Bytes((std::istreambuf_iterator<char>(File)), std::istreambuf_iterator<char>());
    if (File.bad()) return false;
    const std::string Extension = LowerExtension(Path);
    if (Extension == ".png") return DecodePng(Bytes.data(), Bytes.size(), Out);
    if (Extension == ".jpg" || Extension == ".jpeg") return DecodeJpeg(Bytes.data(), Bytes.size(), Out);
    if (Extension == ".bmp") return DecodeBmp(Bytes.data(), Bytes.size(), Out);
    return false;
}
