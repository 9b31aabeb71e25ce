#include "SFXPlayerClass.h"

#include <SDL_mixer.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <vector>

#include "AudioMixerClass.h"

namespace {

TSFXPlayer* TheGameSoundPlayer = nullptr;

TSoundEffectListener& Listener() {
    static TSoundEffectListener TheListener;
    return TheListener;
}

bool HasOggExtension(const std::string& FileName) {
    if (FileName.size() <= 4) return false;
    std::string Extension = FileName.substr(FileName.size() - 4);
    std::transform(Extension.begin(), Extension.end(), Extension.begin(),
                   [](unsigned char C) { return static_cast<char>(std::tolower(C)); });
    return Extension == ".ogg";
}

// The effect name of a file: its name without folder and without its last four characters.
std::string EffectNameOf(const std::string& FileName) {
    const size_t Slash = FileName.find_last_of('/');
    const std::string Base = Slash == std::string::npos ? FileName : FileName.substr(Slash + 1);
    return Base.size() >= 4 ? Base.substr(0, Base.size() - 4) : std::string();
}

}  // namespace

bool IsBurstEffect(const std::string& Name) {
    return std::any_of(SFXBurstEffects.begin(), SFXBurstEffects.end(),
                       [&](const char* Burst) { return Name == Burst; });
}

TSFXPlayer::TSFXPlayer() { InitAudio(); }

TSFXPlayer::~TSFXPlayer() {
    FreeAll();
    if (TheGameSoundPlayer == this) TheGameSoundPlayer = nullptr;
}

void TSFXPlayer::InitAudio() {
    FreeAll();
    if (GameAudioOpen() && Mix_AllocateChannels(-1) < SFXSlotCount) Mix_AllocateChannels(SFXSlotCount);
}

void TSFXPlayer::FreeAll() {
    Mix_Chunk* Previous = nullptr;
    for (int Slot = 0; Slot < FCount; ++Slot) {
        const size_t I = static_cast<size_t>(Slot);
        if (GameAudioOpen()) Mix_HaltChannel(Slot);
        // Copies share the first copy's samples: free each chunk once.
        if (FChunks[I] != Previous) Mix_FreeChunk(FChunks[I]);
        Previous = FChunks[I];
        FChunks[I] = nullptr;
        FNames[I].clear();
        FFiles[I].clear();
    }
    FCount = 0;
}

void TSFXPlayer::SetVolume(int Value) {
    FVolume = std::clamp(Value, 0, 100);
    for (int Slot = 0; Slot < FCount; ++Slot) ApplyVolume(Slot);
}

void TSFXPlayer::ApplyVolume(int Slot) const {
    if (GameAudioOpen()) Mix_Volume(Slot, GameVolumeToMixer(FVolume));
}

void TSFXPlayer::LoadAll() {
    std::vector<std::string> FileNames;
    std::error_code Error;
    for (const auto& Entry : std::filesystem::directory_iterator(FPath, Error)) {
        const std::string FileName = Entry.path().filename().string();
        if (HasOggExtension(FileName) && !Entry.is_directory(Error)) FileNames.push_back(FileName);
    }
    // Name order makes slot numbers the same on every machine.
    std::sort(FileNames.begin(), FileNames.end());
    for (const std::string& FileName : FileNames) {
        const int Copies = IsBurstEffect(EffectNameOf(FileName)) ? SFXBurstCopies : 1;
        for (int Copy = 0; Copy < Copies; ++Copy) LoadSound(FPath + FileName);
    }
}

void TSFXPlayer::LoadSound(const std::string& FileName) {
    if (FCount >= SFXSlotCount || !GameAudioOpen()) return;
    const size_t Slot = static_cast<size_t>(FCount);
    Mix_Chunk* Chunk = nullptr;
    if (Slot > 0 && FFiles[Slot - 1] == FileName) {
        Chunk = FChunks[Slot - 1];
    } else {
        Chunk = Mix_LoadWAV(FileName.c_str());
    }
    if (!Chunk) return;  // the file cannot be played: the next file takes this slot
    if (Mix_AllocateChannels(-1) <= FCount) Mix_AllocateChannels(SFXSlotCount);
    FChunks[Slot] = Chunk;
    FNames[Slot] = EffectNameOf(FileName);
    FFiles[Slot] = FileName;
    ++FCount;
    ApplyVolume(FCount - 1);
}

int TSFXPlayer::IndexOf(const std::string& Name) const {
    for (int Slot = 0; Slot < FCount; ++Slot) {
        if (FNames[static_cast<size_t>(Slot)] == Name) return Slot;
    }
    return -1;
}

bool TSFXPlayer::SlotPlaying(int Slot) const {
    return GameAudioOpen() && Slot >= 0 && Slot < FCount && Mix_Playing(Slot) != 0;
}

void TSFXPlayer::Play(const std::string& Name) {
    const int Index = IndexOf(Name);
    if (Index < 0) return;
    int Slot = Index;
    if (IsBurstEffect(Name)) {
        // Only the copies actually loaded under this name count (the slots may
        // have run out in the middle of an effect's copies).
        for (int Copy = Index; Copy < Index + SFXBurstCopies && Copy < FCount; ++Copy) {
            if (FNames[static_cast<size_t>(Copy)] != Name) break;
            if (!SlotPlaying(Copy)) {
                Slot = Copy;
                break;
            }
        }
    }
    // Playing on a channel that is sounding restarts it from the start.
    Mix_PlayChannel(Slot, FChunks[static_cast<size_t>(Slot)], 0);
}

void TSFXPlayer::StopAll() {
    if (!GameAudioOpen()) return;
    for (int Slot = 0; Slot < FCount; ++Slot) Mix_HaltChannel(Slot);
}

void PlaySoundEffect(const std::string& Name) {
    if (Listener()) Listener()(Name);
    if (TheGameSoundPlayer) TheGameSoundPlayer->Play(Name);
}

void SetGameSoundPlayer(TSFXPlayer* Player) { TheGameSoundPlayer = Player; }

TSFXPlayer* GameSoundPlayer() { return TheGameSoundPlayer; }

void SetSoundEffectListener(TSoundEffectListener NewListener) { Listener() = std::move(NewListener); }
