// The main form's part of falling and lockers: it makes the effects, hands the
// board's requests to them and their completions back to the board, starts the
// level's opening drop and the lockers-away ending, and draws them in their
// places in the main-game frame. Consumers that come with later parts of the
// round (counting, monsters, dust, shines, the fairy) have their handlers here,
// empty for now, so they fill a handler rather than thread a new call.
#include "FormMainClass.h"
#include "GeneralRoutinesClass.h"
#include "SFXPlayerClass.h"

void TFormMain::WireFallingEffects() {
    OpeningLockers = std::make_unique<TOpeningLockers>();
    LockerPieces = std::make_unique<TLockerPieces>();
    FallingFruits = std::make_unique<TFallingFruits>();
    LockerFiller = std::make_unique<TLockerFiller>();
    LockerFrames = std::make_unique<TLockerFrames>();
    LockerFrameEffect = std::make_unique<TLockerFrameEffect>();
    LockersAwayEffect = std::make_unique<TLockersAwayEffect>();
    const auto Place = [this](auto& Effect) {
        Effect.OmgImgList = &OmegaImageList1;
        Effect.Left = GameBoard->Left;
        Effect.Top = GameBoard->Top;
    };
    Place(*OpeningLockers);
    Place(*LockerPieces);
    Place(*FallingFruits);
    Place(*LockerFiller);
    Place(*LockerFrames);
    Place(*LockerFrameEffect);
    Place(*LockersAwayEffect);

    // Lockers open: the effect shows the colour and flower the board shows now.
    GameBoard->OnOpeningLockersEffectRequest = [this](TObject*, TBoardData NewBoardData,
                                                       TSimpleObjectArray LockersToOpen) {
        // Stars over every flower the lockers show.
        for (int32_t X = 1; X <= BoardSize; ++X) {
            for (int32_t Y = 1; Y <= BoardSize; ++Y) {
                const TBoardTile& Tile = NewBoardData.At(X, Y);
                const bool Shown = Tile.Kind == okFruit || LockersToOpen.At(X, Y);
                if (Shown && Tile.Content == ccFlower) Specials.Stars->Burst(TPoint{X, Y});
            }
        }
        OpeningLockers->UniColor = GameBoard->UniColor();
        OpeningLockers->FlowerIdx = GameBoard->ChosenFlowerIdx();
        OpeningLockers->Start(NewBoardData, LockersToOpen);
    };
    OpeningLockers->OnPiecesEffectRequest = [this](TObject*, TBoardData BoardDataTmp, TSimpleObjectArray Lockers) {
        LockerPieces->Start(BoardDataTmp, Lockers);
    };
    OpeningLockers->OnOpeningEffectComplete = [this](TObject*, TSimpleObjectArray Lockers, bool IsLast) {
        // The last of a batch: a board left without a move is found before the fruits are checked.
        GameBoard->OpeningEffectComplete(Lockers, IsLast);
    };

    // Fruits blown off by a bomb fly harder; matched ones are thrown by the grouping's completion.
    GameBoard->OnFallingFruitsEffectRequest = [this](TObject*, TBoardData NewBoardData, TSimpleObjectArray Fruits) {
        FallingFruits->Start(NewBoardData, Fruits, FallModeBlown);
    };
    // The round counts a landed fruit (OnGroundHit, wired with the round).
    // The island's monster may be hit or swallow the fruit on its way down.
    FallingFruits->OnMonsterHitCheck = [this](TObject*, TPoint FruitPos, bool& Hitting, bool& Absorbing) {
        MonsterHitCheck(FruitPos, Hitting, Absorbing);
    };
    // A puff of dust where a fruit bounces.
    FallingFruits->OnDustEffectRequest = [](TObject*, int32_t, int32_t) {};

    // Locker frames: a matched tile clears its frame.
    GameBoard->OnRemoveLockerFrames = [this](TObject*, TSimpleObjectArray FramesToRemove) {
        LockerFrames->Remove(FramesToRemove);
    };
    // A cleared frame scores and may meet the objective (wired with the round).

    // The opening drop is over: the board shows itself and the frames fly in.
    LockerFiller->OnFinish = [this](TObject*) {
        GameBoard->CanDraw = true;
        LockerFrames->FlyIn();
        StartSpiderHunt();
        FairyArrivesWithBoard();
    };

    // The round's result follows the lockers-away ending (OnFinished, wired with the round);
    // a knocked-out monster sinks as the lockers spread.
    LockersAwayEffect->OnAboutSpreading = [this](TObject*) { SinkKnockedOutMonster(); };

    // What refill and the locker check ask or report, for the parts that answer later:
    // the player's tools. The new specials and the flower row are answered with the
    // special objects (FormMainPickups.cpp), torn webs with the spiders (FormMainSpiders.cpp).
    GameBoard->OnAcquiredMagicKeysQuestion = [](TObject*, int32_t& /*Acquired*/) {};
    GameBoard->OnAcquiredBroomsQuestion = [](TObject*, int32_t& /*Acquired*/) {};
    GameBoard->OnAcquiredAerosolsQuestion = [](TObject*, int32_t& /*Acquired*/) {};
}

void TFormMain::StartFallingForLevel() {
    OpeningLockers->Clear();
    LockerPieces->Clear();
    FallingFruits->Clear();
    LockerFrameEffect->Clear();
    LockersAwayEffect->Clear();
    LockerFrames->Set(RoundLevel.Start.Values.LockerFrames);
    GameBoard->CanDraw = false;
    LockerFiller->Start(LevelFileName(CurrentIsland, CurrentLevel));
}

void TFormMain::StartLockersAway() {
    GameBoard->CanDraw = false;
    LockersAwayEffect->UniFruitColorIndex = GameBoard->UniColor();
    LockersAwayEffect->FlowerIdx = GameBoard->ChosenFlowerIdx();
    LockersAwayEffect->Start(GameBoard->BoardData());
}

void TFormMain::FrameFallingPieces() { LockerPieces->UpdateAndDraw(); }

void TFormMain::FrameFallingFruits() { FallingFruits->UpdateAndDraw(); }

void TFormMain::FrameLockerFrames() { LockerFrames->UpdateAndDraw(); }

void TFormMain::FrameLockerFrameEffect() { LockerFrameEffect->UpdateAndDraw(); }
