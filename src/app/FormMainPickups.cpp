// The round's special objects: uni fruits, hammers, bombs, blasters and the
// flower row. The main form makes their effects, hands the board's requests to
// them and their outcomes back to the board, and draws them in their places in
// the main-game frame.
#include "FormMainClass.h"
#include "SFXPlayerClass.h"

namespace {
// Where a found flower's stars twinkle: the four tiles at the board's middle.
constexpr TPoint FlowerStarTiles[] = {{5, 3}, {5, 4}, {6, 3}, {6, 4}};
// A flower's name is game text 4 + its index.
constexpr int32_t FlowerNameLine = 4;
// The lessons of island 1 that a new special object may open.
constexpr int32_t UniFruitAddedEvent = 11;
constexpr int32_t BlasterAddedEvent = 12;
constexpr int32_t BombAddedEvent = 13;
constexpr int32_t HammerAddedEvent = 14;
constexpr int32_t FlowerRootedEvent = 16;
}  // namespace

void TFormMain::WireSpecialObjects() {
    Specials.UniBubble = std::make_unique<TUniBubbleEffect>();
    Specials.Hammer = std::make_unique<THammerEffect>();
    Specials.HammeredObjects = std::make_unique<THammeredObjectsEffect>();
    Specials.Bomb = std::make_unique<TBombEffect>();
    Specials.Blaster = std::make_unique<TBlasterEffect>();
    Specials.Stars = std::make_unique<TStarsEffect>();
    Specials.FlowerRow = std::make_unique<TFlowerCollection>();
    Specials.NewFlower = std::make_unique<TNewFlowerEffect>();
    for (auto& Shine : Specials.Shines) {
        Shine = std::make_unique<TShineEffect>();
        Shine->OmgImgList = &OmegaImageList1;
    }
    const auto Place = [this](auto& Effect) {
        Effect.OmgImgList = &OmegaImageList1;
        Effect.Left = GameBoard->Left;
        Effect.Top = GameBoard->Top;
    };
    Place(*Specials.UniBubble);
    Place(*Specials.Hammer);
    Place(*Specials.HammeredObjects);
    Place(*Specials.Blaster);
    Place(*Specials.Stars);
    Place(*Specials.NewFlower);
    Specials.Bomb->OmgImgList = &OmegaImageList1;
    Specials.FlowerRow->OmgImgList = &OmegaImageList1;
    Specials.FlowerRow->Reset();

    TGameBoard& Board = *GameBoard;
    // Uni fruits: the bubble bursts while the board shows the freed fruit.
    Board.OnUniBubbleEffectRequest = [this](TObject*, TPoint P) { Specials.UniBubble->Start(P); };

    // Hammers: the swing, the blow, the smashed tiles thrown off the board.
    Board.OnHammerEffectRequest = [this](TObject*, TPoint P) { Specials.Hammer->Start(P); };
    Specials.Hammer->OnHit = [this](TObject*, TPoint P) {
        Specials.Shine(rsHammer).StartAtTile(GameBoard->Left, GameBoard->Top, P);
        GameBoard->HammerShake(P);
        GameBoard->HammerHit(P);
    };
    Board.OnHammeredObjectsEffectRequest = [this](TObject*, TBoardData BoardData, TSimpleObjectArray Hammered) {
        Specials.HammeredObjects->Start(BoardData, Hammered);
    };
    Specials.HammeredObjects->OnFinish = [this](TObject*) {
        GameBoard->HammeredDone();
        FruitWorms->HitByStatus(GameBoard->TileStatuses());
        CrawlingSpiders->HitByStatus(GameBoard->TileStatuses());
    };
    // The island's monster may be hit or swallow a smashed tile on its way down.
    Specials.HammeredObjects->OnMonsterHitCheck = [this](TObject*, TPoint FruitPos, bool& Hitting,
                                                         bool& Absorbing) {
        MonsterHitCheck(FruitPos, Hitting, Absorbing);
    };

    // Bombs: the burst over the tile; the blown fruits fly off as FormMainFalling.cpp has it.
    Board.OnExplossionEffectRequest = [this](TObject*, TPoint P) {
        Specials.Bomb->Start(GameBoard->Left + P.X * BoardTilePixels - 40, GameBoard->Top + P.Y * BoardTilePixels - 40);
    };
    // The worms and spiders in the blast are hit.
    Board.OnEnemiesBanned = [this](TObject*, TSimpleObjectArray BannedPosArray) {
        FruitWorms->HitByMask(BannedPosArray);
        CrawlingSpiders->HitByMask(BannedPosArray);
    };

    // Fruit blasters: the spin over the tile and the board's wave.
    Board.OnMultiBubbleClicked = [this](TObject*, TPoint P, int32_t Colour) {
        PlaySoundEffect("FruitBlaster");
        Specials.Stars->Burst(P);
        GameBoard->StartBlasterWave(P);
        Specials.Blaster->Start(P, Colour);
    };
    Board.OnStarsEffectRequest = [this](TObject*, TPoint P) { Specials.Stars->Burst(P); };

    // Flowers: the row decides whether another may hide in a locker, and which.
    Board.OnCanAddFlowerQuestion = [this](TObject*, bool& CanAddFlower) {
        CanAddFlower = !Specials.NewFlower->Busy() && !Specials.FlowerRow->IsFull();
    };
    Board.OnUnobtainedFlowerIdxSetRequest = [this](TObject*, TFlowerIdxSet& Set) {
        Set = Specials.FlowerRow->Unobtained();
    };
    TNewFlowerEffect& Flower = *Specials.NewFlower;
    // Butterflies greet the flower at the board's middle (425, 250).
    Flower.OnArrivedToCenter = [](TObject*) {};
    Flower.OnStretchingStarsEffectRequest = [this](TObject*) {
        PlaySoundEffect("FlowerFound");
        for (const TPoint& Tile : FlowerStarTiles) Specials.Stars->Burst(Tile);
        Comments.Flower().ShowCommentText(TextStrings->GameTexts(FlowerNameLine + Specials.NewFlower->AcquiredFlowerIdx));
    };
    Flower.OnStretchingFinished = [this](TObject*) { FlowerFound(); };
    Flower.OnFlowerArrivedOnRoot = [this](TObject*) {
        CountFlowerForTrophies();
        if (FairyIsFree()) TutorialEvent(CurrentIsland, CurrentLevel, FlowerRootedEvent);
        Specials.FlowerRow->MarkObtained(Specials.NewFlower->AcquiredFlowerIdx);
    };
    Specials.FlowerRow->OnFull = [this](TObject*) {
        if (Round.Objective == goFindFlowers) ObjectiveMet();
    };

    // A new special on the board may open its lesson on island 1, while the fairy is free to tell it.
    const auto Lesson = [this](int32_t Event) {
        if (FairyIsFree()) TutorialEvent(CurrentIsland, CurrentLevel, Event);
    };
    Board.OnFruitBubbleAdded = [Lesson](TObject*) { Lesson(UniFruitAddedEvent); };
    Board.OnFruitBlasterAdded = [Lesson](TObject*) { Lesson(BlasterAddedEvent); };
    Board.OnFruitBombAdded = [Lesson](TObject*) { Lesson(BombAddedEvent); };
    Board.OnHammerAdded = [Lesson](TObject*) { Lesson(HammerAddedEvent); };
}

// Level start: nothing of the last round's specials is left showing.
void TFormMain::ResetSpecialsForRound() {
    Specials.UniBubble->Clear();
    Specials.Hammer->Clear();
    Specials.HammeredObjects->Clear();
    Specials.Bomb->Clear();
    Specials.Blaster->Clear();
    Specials.Stars->Clear();
    Specials.NewFlower->Clear();
    Specials.FlowerRow->Reset();
    for (auto& Shine : Specials.Shines) Shine->Stop();
}

// Level start: the flower row of a find-flowers level slides in with its places.
void TFormMain::ConfigureSpecialsForLevel() {
    Specials.FlowerRow->SetFlowerSlots(RoundLevel.Start.Values.FlowerSlots);
    if (Round.Objective == goFindFlowers) Specials.FlowerRow->Show();
}

void TFormMain::FrameFlowerRow() {
    if (Round.Objective == goFindFlowers) Specials.FlowerRow->UpdateAndDraw();
}

void TFormMain::FrameHammeredObjects() { Specials.HammeredObjects->UpdateAndDraw(); }

// The hammer's, the locker frames' and the fairy's shines.
void TFormMain::FrameSpecialShines() {
    for (auto& Shine : Specials.Shines) Shine->UpdateAndDraw();
}

void TFormMain::FrameHammerBlasterBomb() {
    Specials.Hammer->UpdateAndDraw();
    Specials.Blaster->UpdateAndDraw();
    Specials.Bomb->UpdateAndDraw();
}

void TFormMain::FrameUniBubble() { Specials.UniBubble->UpdateAndDraw(); }

void TFormMain::FrameNewFlowerAndStars() {
    Specials.NewFlower->UpdateAndDraw();
    Specials.Stars->UpdateAndDraw();
}

void TFormMain::ApplyPauseToSpecials(bool Visible) {
    for (auto& Shine : Specials.Shines) Shine->Visible = Visible;
    Specials.Hammer->Visible = Visible;
    Specials.HammeredObjects->Visible = Visible;
    Specials.Bomb->Visible = Visible;
    Specials.Blaster->Visible = Visible;
    Specials.UniBubble->Visible = Visible;
    Specials.NewFlower->Visible = Visible;
    Specials.Stars->Visible = Visible;
}

void TFormMain::ShineAtTile(TPoint TilePos) {
    Specials.Shine(rsLockerFrame).StartAtTile(GameBoard->Left, GameBoard->Top, TilePos);
}

// A hammer, hammered objects or a blaster are at work: the board takes no press.
bool TFormMain::SpecialEffectRunning() const {
    return Specials.Hammer->Active() || Specials.HammeredObjects->Active() || Specials.Blaster->Active();
}
