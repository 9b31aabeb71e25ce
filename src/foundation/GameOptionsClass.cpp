#include "GameOptionsClass.h"

#include <algorithm>

#include "RecordBytesClass.h"
#include "SaveFileClass.h"

namespace {
// Field offsets of the options record; the bytes between them are padding.
constexpr size_t SoundOffset = 0;
constexpr size_t MusicOffset = 1;
constexpr size_t SFXVolumeOffset = 4;
constexpr size_t MusicVolumeOffset = 8;
constexpr size_t FullScreenOffset = 12;
constexpr size_t PlayerIndexOffset = 13;
}  // namespace

void TGameOptions::SetDefaults() {
    const TGameOptions Fresh;
    Sound = Fresh.Sound;
    Music = Fresh.Music;
    SFXVolume = Fresh.SFXVolume;
    MusicVolume = Fresh.MusicVolume;
    FullScreen = Fresh.FullScreen;
    PlayerIndex = Fresh.PlayerIndex;
}

void TGameOptions::Load() {
    const std::string FileName = FullFileName();
    const TSaveFileContent Content = ReadSaveFile(FileName, GameOptionsRecordSize);
    if (Content.State == sfMissing) {
        Save();
        return;
    }
    if (Content.State == sfRead && ReadRecord(Content.Bytes)) return;
    SetDefaults();
    SetAsideDamagedFileAndTell(FileName);
    Save();
}

bool TGameOptions::Save() const {
    const TGameOptionsRecord Bytes = Record();
    return WriteSaveFile(FullFileName(), Bytes);
}

bool TGameOptions::ReadRecord(std::span<const uint8_t> Bytes) {
    if (Bytes.size() != GameOptionsRecordSize) return false;
    Sound = Bytes[SoundOffset] != 0;
    Music = Bytes[MusicOffset] != 0;
    SFXVolume = std::clamp(GetInt32LE(Bytes, SFXVolumeOffset), 0, 100);
    MusicVolume = std::clamp(GetInt32LE(Bytes, MusicVolumeOffset), 0, 100);
    FullScreen = Bytes[FullScreenOffset] != 0;
    const uint8_t Index = Bytes[PlayerIndexOffset];
    PlayerIndex = (Index >= 1 && Index <= 6) ? Index : 1;
    return true;
}

TGameOptionsRecord TGameOptions::Record() const {
    TGameOptionsRecord Bytes{};
    Bytes[SoundOffset] = Sound ? 1 : 0;
    Bytes[MusicOffset] = Music ? 1 : 0;
    PutInt32LE(Bytes, SFXVolumeOffset, SFXVolume);
    PutInt32LE(Bytes, MusicVolumeOffset, MusicVolume);
    Bytes[FullScreenOffset] = FullScreen ? 1 : 0;
    Bytes[PlayerIndexOffset] = PlayerIndex;
    return Bytes;
}
