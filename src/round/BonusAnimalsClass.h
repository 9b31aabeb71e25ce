// The animals of the bonus stage: ladybugs that fly about over the island for
// the player to click. Each one hit plays its hit animation, falls off the
// screen and pays money; some carry a money bag or a tool under them, and the
// golden ones carry the letters B, O, N, U, S. The component spawns, moves,
// hit-tests and draws them and reports every hit to the round, which pays it
// out. Spawning, bonuses, motion and the letters' order come from the gameplay
// stream, so a seeded stage plays the same whether it is drawn or not.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "AnimDataClass.h"
#include "GameTypesClass.h"
#include "ValueUpDownClass.h"

class TOmegaImageList;

// An animal was hit at HitPos (its rounded top-left corner); BonusLetter is a blank unless it carried one.
using TBonusAnimalHitEvent = std::function<void(TObject* Sender, TPoint HitPos, TBonusKind BonusKind,
                                                int32_t BonusAmount, char BonusLetter)>;
// May a new animal carry this tool (boMagicKey, boBroom or boAerosol)? MayAdd comes in false.
using TBonusAnimalsMayAddToolQuestionEvent = std::function<void(TObject* Sender, TBonusKind ToolKind, bool& MayAdd)>;
// A hit animal's rounded position during the first part of its fall (the round puts dust there).
using TBonusAnimalFallingPosUpdateEvent = std::function<void(TObject* Sender, TPoint APos)>;

enum TBonusAnimalState : uint8_t { asFree, asFlying, asHit, asFalling };

// One animal slot. Positions are the top-left corner of the animal's pattern.
struct TBonusAnimalSlot {
    TBonusAnimalState State = asFree;
    bool Special = false;  // a golden, letter-carrying animal
    TFloatPoint Pos;
    TFloatPoint PrevPos{-99.0, -99.0};
    TFloatPoint Speed;
    TFloatPoint Accel;
    bool FacingRight = false;
    int32_t DirChangeTimer = 0;  // ms
    int32_t FrameIdx = 0;
    int32_t LongSeqIdx = 0;
    int32_t Alpha = 0;  // 0..255
    TBonusKind BonusKind = boScore;
    int32_t BonusAmount = 0;
    char BonusLetter = ' ';
    TFloatPoint HitPos{-99.0, -99.0};
    int32_t RollAngle = 0;  // degrees
    int32_t Fallen = 0;     // pixels fallen since the hit, counted whole so the dust range is exact
    TAnimData HitAnim{"", false};
};

class TBonusAnimals : public TObject {
public:
    static constexpr int32_t SlotCount = 30;
    static constexpr std::string_view Letters = "BONUS";
    static constexpr int32_t LetterCount = 5;
    // A flying animal outside this box (edges inside) has left the stage.
    static constexpr int32_t FlyingBoxLeft = 40;
    static constexpr int32_t FlyingBoxTop = -80;
    static constexpr int32_t FlyingBoxRight = 880;
    static constexpr int32_t FlyingBoxBottom = 680;

    TBonusAnimals();

    // Properties, with their defaults; UseLadybugStage and UseIslandValues set the bonus stage's.
    TOmegaImageList* OmgImgList = nullptr;
    // False while the game is paused: nothing moves, nothing is drawn, clicks are ignored.
    bool Visible = true;
    TBonusAnimalKind AnimalKind = anSpiders;
    std::string AnimalImage;
    std::string AnimalHitImage;
    std::string SpecialAnimalImage;
    std::string SpecialAnimalHitImage;
    std::string BonusImage;
    std::string AnimSeqStr = "1122334455";
    std::string HitAnimSeqStr = "ABCDEF";  // taken by each slot's hit animation at ResetAnimals
    bool UseSpecialLongSeqStr = false;
    int32_t MaxLongSeqStrIdx = 0;
    bool CanPauseAnimation = true;
    bool CanChangeDir = false;
    int32_t DirChangeMinInterval = 500;  // ms
    float MoveStepSpeedLimit = 7.0f;
    float SpecialMoveStepSpeedLimit = 11.0f;
    float MoveSpeedRatio = 1.0f;
    float SpecialMoveSpeedRatio = 3.0f;
    // The player's unlocked tool level: which tools the animals may carry.
    TToolKind MaxToolKind = toAerosol;
    int32_t MoneyPerAnimal = 2;
    int32_t MoneyBonusPerAnimal = 25;
    int32_t BONUSLettersMoney = 250;
    int32_t OneMoneyPerAnimalsProb = 10;
    int32_t OneMagicKeyPerAnimalsProb = 35;
    int32_t OneBroomPerAnimalsProb = 40;
    int32_t OneAerosolPerAnimalsProb = 40;
    int32_t MaxAcqMagicKeys = 2;
    int32_t MaxAcqBrooms = 2;
    int32_t MaxAcqAerosols = 1;
    int32_t MaxActiveAnimals = 20;
    bool SpecialKindEnabled = false;
    int32_t MaxActiveSpecialAnimals = 2;
    int32_t TriggerInterval = 250;          // ms
    int32_t SpecialTriggerInterval = 3000;  // ms
    double Probability = 0.5;               // of a spawn at each trigger; 0 or less: none
    // The click box. The ladybug art's pattern size, so that a stage plays the
    // same with and without its images; TakeAnimalSize takes the loaded size.
    int32_t AnimalWidth = 50;
    int32_t AnimalHeight = 54;
    int32_t BonusIconAddHeight = 30;
    int32_t BonusShineAdjustX = -13;
    int32_t BonusShineAdjustY = -4;
    int32_t FallingMoveStep = 13;
    int32_t AnimalRollAdjX = 15;
    int32_t AnimalRollAdjY = 0;
    int32_t DisappearVertPosY = 600;
    int32_t DustEffectAfterHitRange = 130;

    // Events (each raised only when assigned).
    TBonusAnimalHitEvent OnHit;
    TBonusAnimalsMayAddToolQuestionEvent OnMayAddToolQuestion;
    TBonusAnimalFallingPosUpdateEvent OnFallingPosUpdate;

    // The bonus stage's ladybugs: images, sequences, chances and caps. The
    // per-island values, the tool level and the click box are left alone.
    void UseLadybugStage();
    // The money values and speed of island 1 to 5; false (nothing changed) for any other.
    bool UseIslandValues(int32_t Island);
    // AnimalWidth and AnimalHeight := the pattern size of AnimalImage, once it is
    // in the image list (left as they are when it is not).
    void TakeAnimalSize();

    // Every slot free, a new order of the letters (gameplay stream), all counts 0,
    // not running, not spawning.
    void ResetAnimals();
    // Running (animals move and are drawn) and spawning (new ones come, clicks count).
    void StartAnimals();
    // No new animals and no more clicks; those out keep flying and falling.
    void StopSpawning();
    // One frame: spawning, motion and drawing. Nothing unless Visible and running.
    void UpdateAndDraw();
    // A mouse press: the left button hits every flying animal under (X, Y).
    // Ignored unless Visible and spawning.
    void ClickAt(int32_t X, int32_t Y, TMouseButton Button);
    // Per cent of the counted clicks that hit (halves to even), 0 without a click.
    int32_t HitAccuracy() const;

    int32_t AnimalsHit() const { return FAnimalsHit; }
    int32_t MoneyWon() const { return FMoneyWon; }
    int32_t Clicks() const { return FClicks; }
    int32_t HittingClicks() const { return FHittingClicks; }
    int32_t MagicKeysWon() const { return FMagicKeysWon; }
    int32_t BroomsWon() const { return FBroomsWon; }
    int32_t AerosolsWon() const { return FAerosolsWon; }
    // The letters not yet caught, in the order new golden animals take them from (last first).
    std::string_view RemainingLetters() const {
        return std::string_view(FRemainingLetters.data(), static_cast<size_t>(FRemainingCount));
    }
    bool Running() const { return FRunning; }
    bool Spawning() const { return FSpawning; }
    int32_t RingIndex() const { return FRingIndex; }
    // Slot 1 to 30.
    const TBonusAnimalSlot& Slot(int32_t Number) const { return FSlots[static_cast<size_t>(Number - 1)]; }
    int32_t FlyingCount() const;
    int32_t FlyingSpecialCount() const;

private:
    void ClearSlots();
    void SpawnOrdinary();
    void SpawnSpecial();
    int32_t NextRingSlot();
    void ChooseBonus(TBonusAnimalSlot& S);
    bool ToolOffered(TBonusKind Tool, int32_t Prob, int32_t MaxAcq, int32_t Won);
    bool FlyingCarrierOf(TBonusKind Kind) const;
    bool LetterCarried(char Letter) const;
    void StartMotion(TBonusAnimalSlot& S);
    void NewAcceleration(TBonusAnimalSlot& S);
    void RemoveLetter(char Letter);
    void HitAnimal(TBonusAnimalSlot& S);

    void FlyFrame(TBonusAnimalSlot& S);
    void HitFrame(TBonusAnimalSlot& S);
    void FallFrame(TBonusAnimalSlot& S);

    // Drawing (BonusAnimalsDrawClass.cpp).
    void DrawFlying(const TBonusAnimalSlot& S, int32_t Pattern);
    void DrawHit(TBonusAnimalSlot& S);
    void DrawFalling(const TBonusAnimalSlot& S);
    void DrawIcon(const TBonusAnimalSlot& S);

    std::array<TBonusAnimalSlot, SlotCount> FSlots;
    int32_t FRingIndex = 0;
    int32_t FSpawnTimer = 0;
    int32_t FSpecialSpawnTimer = 0;
    bool FRunning = false;
    bool FSpawning = false;
    int32_t FMagicKeysWon = 0;
    int32_t FBroomsWon = 0;
    int32_t FAerosolsWon = 0;
    int32_t FClicks = 0;
    int32_t FHittingClicks = 0;
    int32_t FAnimalsHit = 0;
    int32_t FMoneyWon = 0;
    std::array<char, LetterCount> FRemainingLetters{'B', 'O', 'N', 'U', 'S'};
    int32_t FRemainingCount = LetterCount;
    // The hanging icons' swings: money, magic key, broom, aerosol, letter.
    TValueUpDown FMoneySwing;
    TValueUpDown FKeySwing;
    TValueUpDown FBroomSwing;
    TValueUpDown FAerosolSwing;
    TValueUpDown FLetterSwing;
};
