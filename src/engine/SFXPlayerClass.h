// The sound-effect player: loads every effect file of the sounds folder once at
// start-up and plays effects by name. Effects that fire in bursts (landing
// fruits, matches, opening lockers, counting scores) are loaded five times in
// consecutive slots, so rapid repeats overlap instead of cutting each other off.
// Slot i plays on mixer channel i.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "GameTypesClass.h"

struct Mix_Chunk;

constexpr int SFXSlotCount = 73;
constexpr int SFXBurstCopies = 5;

// The effects that fire in bursts and get five copies each.
constexpr std::array<const char*, 7> SFXBurstEffects = {
    "FruitBounce1", "FruitBounce2", "FruitBounce3", "FruitMatch", "LockerBreak", "ScoreCount", "LockerBounce"};

// Every effect the game plays, by name (file "Sounds/<name>.ogg").
constexpr std::array<const char*, 43> GameSoundEffects = {
    "Click", "MouseOver", "DisabledTile", "FruitSwap", "LockerSwap", "FruitMatch", "FruitBounce1",
    "FruitBounce2", "FruitBounce3", "LockerBreak", "LockerBounce", "LockerClear", "BubblePop",
    "ItemActivate", "Hammer", "FruitBomb", "FruitBlaster", "FlowerFound", "MagicKey", "PickingTool",
    "Aerosol", "Sweeping", "ToolAcquired", "Shuffle", "ShuffleNotify", "WhipAway", "WormHit",
    "SpiderHit", "FruitSlotTing", "ScoreCount", "Combo", "NotifyHigh", "NotifyLow", "MonsterRoars",
    "MonsterHit", "MonsterAbsorbing", "Ladybug", "AnimalHit1", "AnimalHit2", "AnimalHit3",
    "BonusLetter", "Fireworks", "MirelIslandItem"};

bool IsBurstEffect(const std::string& Name);

class TSFXPlayer : public TObject {
public:
    // Volume 70, no slots; the mixer should already be open (OpenGameAudio).
    TSFXPlayer();
    ~TSFXPlayer() override;
    TSFXPlayer(const TSFXPlayer&) = delete;
    TSFXPlayer& operator=(const TSFXPlayer&) = delete;

    // Empties every slot and makes sure the mixer has a channel per slot.
    void InitAudio();

    // Folder of the effect files, ending in "/".
    const std::string& Path() const { return FPath; }
    void SetPath(const std::string& Value) { FPath = Value; }

    // 0..100; setting it clamps and applies the volume to every loaded slot at once.
    int Volume() const { return FVolume; }
    void SetVolume(int Value);

    // Loads every "*.ogg" file of Path in name order: burst effects five times, others once.
    void LoadAll();
    // Loads one file into the next slot, named after the file without folder and
    // extension. A file that cannot be loaded takes no slot; nothing is loaded
    // once all slots are taken.
    void LoadSound(const std::string& FileName);

    // The first slot holding Name (case-sensitive), or -1.
    int IndexOf(const std::string& Name) const;
    // Plays the effect from its start. A burst effect takes its first copy that
    // is not sounding, or restarts the first copy when all of them are. An
    // effect that was not loaded plays nothing.
    void Play(const std::string& Name);
    void StopAll();

    int Count() const { return FCount; }
    const std::string& SlotName(int Slot) const { return FNames[static_cast<size_t>(Slot)]; }
    bool SlotPlaying(int Slot) const;

private:
    void FreeAll();
    void ApplyVolume(int Slot) const;

    std::string FPath;
    int FVolume = 70;
    int FCount = 0;
    std::array<Mix_Chunk*, SFXSlotCount> FChunks{};
    std::array<std::string, SFXSlotCount> FNames;
    // The file each slot was loaded from: copies of one file share its samples.
    std::array<std::string, SFXSlotCount> FFiles;
};

// The game-wide entry point: plays Name on the registered sound player (the
// main form's). Does nothing while no player is registered.
void PlaySoundEffect(const std::string& Name);
void SetGameSoundPlayer(TSFXPlayer* Player);
TSFXPlayer* GameSoundPlayer();

// Tests of other components can watch which effects the game asks for: while a
// listener is set, every PlaySoundEffect call reports its name to it as well.
using TSoundEffectListener = std::function<void(const std::string& Name)>;
void SetSoundEffectListener(TSoundEffectListener Listener);
