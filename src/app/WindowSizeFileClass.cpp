#include "WindowSizeFileClass.h"

#include <array>

#include "ByteOrderClass.h"
#include "DesktopWindowClass.h"
#include "SaveFileClass.h"

void TWindowSizeFile::Load(const SDL_Rect& Display, int32_t& Width, int32_t& Height) const {
    Width = DefaultWidth;
    Height = DefaultHeight;
    const TSaveFileContent Content = ReadSaveFile(FileName, RecordSize);
    if (Content.State == sfRead && Content.Bytes.size() == RecordSize) {
        const int32_t Stored = ReadInt32LE(Content.Bytes.data());
        const int32_t StoredHeight = ReadInt32LE(Content.Bytes.data() + 4);
        const bool FitsDisplay = (Display.w <= 0 || Stored <= Display.w) && (Display.h <= 0 || StoredHeight <= Display.h);
        if (Stored >= MinimumWidth && StoredHeight >= MinimumHeight && FitsDisplay) {
            Width = Stored;
            Height = StoredHeight;
            return;
        }
    }
    FitWindowSize(Display, Width, Height);
}

bool TWindowSizeFile::Save(int32_t Width, int32_t Height) const {
    std::array<uint8_t, RecordSize> Record{};
    WriteInt32LE(Record.data(), Width);
    WriteInt32LE(Record.data() + 4, Height);
    return WriteSaveFile(FileName, Record);
}
