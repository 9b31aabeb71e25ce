#include "JpegSupport.h"

#include <jpeglib.h>

#include <cstdlib>
#include <fstream>

std::string EncodeJpeg(const TPicture& Picture) {
    jpeg_compress_struct Info;
    jpeg_error_mgr Errors;
    Info.err = jpeg_std_error(&Errors);
    jpeg_create_compress(&Info);
    unsigned char* Buffer = nullptr;
    unsigned long Size = 0;
    jpeg_mem_dest(&Info, &Buffer, &Size);
    Info.image_width = static_cast<JDIMENSION>(Picture.Width);
    Info.image_height = static_cast<JDIMENSION>(Picture.Height);
    Info.input_components = 4;
    Info.in_color_space = JCS_EXT_RGBA;
    jpeg_set_defaults(&Info);
    jpeg_set_quality(&Info, 100, TRUE);
    for (int I = 0; I < Info.num_components; ++I) {
        Info.comp_info[I].h_samp_factor = 1;
        Info.comp_info[I].v_samp_factor = 1;
    }
    jpeg_start_compress(&Info, TRUE);
    while (Info.next_scanline < Info.image_height) {
        JSAMPROW Row = const_cast<uint8_t*>(Picture.Pixels.data()) + Info.next_scanline * Picture.Width * 4;
        jpeg_write_scanlines(&Info, &Row, 1);
    }
    jpeg_finish_compress(&Info);
    jpeg_destroy_compress(&Info);
    std::string Bytes(reinterpret_cast<const char*>(Buffer), Size);
    std::free(Buffer);
    return Bytes;
}

bool WriteFlatJpeg(const std::string& Path, int32_t Width, int32_t Height, uint8_t Red, uint8_t Green, uint8_t Blue) {
    TPicture Picture;
    Picture.SetSize(Width, Height);
    Picture.FillRect(0, 0, Width, Height, (uint32_t{Red} << 24) | (uint32_t{Green} << 16) | (uint32_t{Blue} << 8) | 0xFFu);
    const std::string Bytes = EncodeJpeg(Picture);
    std::ofstream File(Path, std::ios::binary);
    File.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
    return static_cast<bool>(File);
}
