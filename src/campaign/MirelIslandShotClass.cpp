#include "MirelIslandShotClass.h"

#include "SaveFileClass.h"

namespace {
constexpr size_t BmpHeaderBytes = 54;

void PutLE(std::vector<uint8_t>& Bytes, size_t At, uint32_t Value, int32_t Count) {
    for (int32_t I = 0; I < Count; ++I) Bytes[At + static_cast<size_t>(I)] = static_cast<uint8_t>(Value >> (8 * I));
}
}  // namespace

bool TMirelIslandShot::ReadPictureFile(const std::string& FileName, TPicture& Out) {
    Out.Clear();
    const TSaveFileContent File = ReadSaveFile(FileName, MaxFileBytes);
    if (File.State != sfRead || File.Bytes.size() > MaxFileBytes) return false;
    if (File.Bytes.size() < 2 || File.Bytes[0] != 'B' || File.Bytes[1] != 'M') return false;
    if (!DecodeBmp(File.Bytes.data(), File.Bytes.size(), Out)) return false;
    if (Out.Width != PictureWidth || Out.Height != PictureHeight) {
        Out.Clear();
        return false;
    }
    // The picture is opaque, whatever the file said of its alpha.
    for (size_t I = 3; I < Out.Pixels.size(); I += 4) Out.Pixels[I] = 255;
    return true;
}

std::vector<uint8_t> TMirelIslandShot::EncodeBmp(const TPicture& Picture) {
    if (Picture.Empty()) return {};
    const size_t Width = static_cast<size_t>(Picture.Width);
    const size_t Height = static_cast<size_t>(Picture.Height);
    const size_t RowBytes = (Width * 3 + 3) & ~static_cast<size_t>(3);
    const size_t PixelBytes = RowBytes * Height;
    std::vector<uint8_t> Bytes(BmpHeaderBytes + PixelBytes, 0);
    Bytes[0] = 'B';
    Bytes[1] = 'M';
    PutLE(Bytes, 2, static_cast<uint32_t>(Bytes.size()), 4);
    PutLE(Bytes, 10, static_cast<uint32_t>(BmpHeaderBytes), 4);
    PutLE(Bytes, 14, 40, 4);  // the plain header after the file's own
    PutLE(Bytes, 18, static_cast<uint32_t>(Width), 4);
    PutLE(Bytes, 22, static_cast<uint32_t>(Height), 4);  // rows bottom up
    PutLE(Bytes, 26, 1, 2);
    PutLE(Bytes, 28, 24, 2);
    PutLE(Bytes, 34, static_cast<uint32_t>(PixelBytes), 4);
    PutLE(Bytes, 38, 2835, 4);  // 72 dots per inch
    PutLE(Bytes, 42, 2835, 4);
    for (size_t Row = 0; Row < Height; ++Row) {
        const uint8_t* Source = Picture.Pixels.data() + (Height - 1 - Row) * Width * 4;
        uint8_t* Target = Bytes.data() + BmpHeaderBytes + Row * RowBytes;
        for (size_t X = 0; X < Width; ++X) {
            Target[X * 3] = Source[X * 4 + 2];
            Target[X * 3 + 1] = Source[X * 4 + 1];
            Target[X * 3 + 2] = Source[X * 4];
        }
    }
    return Bytes;
}

bool TMirelIslandShot::WritePictureFile(const std::string& FileName, const TPicture& Picture) {
    const std::vector<uint8_t> Bytes = EncodeBmp(Picture);
    if (Bytes.empty()) return false;
    return WriteSaveFile(FileName, Bytes);
}
