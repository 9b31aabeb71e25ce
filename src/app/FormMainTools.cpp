// The round's tools: the magic key, broom and aerosol on the left panel's wall,
// in hand and flying back, and the tools the player wins flying to the wall.
// A press goes to the key, the broom and the aerosol in turn, each only while
// neither of the other two is in hand (judged afresh for each, so one press
// never works two tools); the board gets it only when no tool is in hand.
#include "FormMainClass.h"
#include "SFXPlayerClass.h"

namespace {
// The tools' hooks and counts on the left panel, from the panel's corner.
constexpr TPoint MagicKeyHook{32, 192};
constexpr TPoint MagicKeyCount{88, 206};
constexpr TPoint BroomHook{27, 227};
constexpr TPoint BroomCount{88, 256};
constexpr TPoint AerosolHook{26, 278};
constexpr TPoint AerosolCount{86, 306};
// A click in the left panel puts the aerosol back.
constexpr TRect AerosolReturnRect{0, 0, 130, 600};
}  // namespace

void TFormMain::CreateTools() {
    Tools.MagicKey = std::make_unique<TMagicKey>();
    Tools.Broom = std::make_unique<TBroom>();
    Tools.Aerosol = std::make_unique<TAerosol>();
    Tools.Aerosol->ReturnRect = AerosolReturnRect;
    for (TToolInHand* Tool : ToolsInOrder()) {
        Tool->OmgImgList = &OmegaImageList1;
        Tool->BoardLeft = GameBoard->Left;
        Tool->BoardTop = GameBoard->Top;
    }
    for (auto& Flying : Tools.Flying) {
        Flying = std::make_unique<TFlowingTool>();
        Flying->OmgImgList = &OmegaImageList1;
        Flying->BoardLeft = GameBoard->Left;
        Flying->BoardTop = GameBoard->Top;
    }
    PlaceToolsOnPanel(Panels.LeftPanel->Position());
    WireTools();
}

std::array<TToolInHand*, 3> TFormMain::ToolsInOrder() const {
    return {Tools.MagicKey.get(), Tools.Broom.get(), Tools.Aerosol.get()};
}

void TFormMain::WireTools() {
    TMagicKey& Key = *Tools.MagicKey;
    Key.OnObjectOpenableAsk = [this](TObject*, TPoint TilePos, bool& Openable, bool& IsBlankTile) {
        // Only an idle locker: one falling or already opening would take the key for nothing.
        Openable = GameBoard->IsOpenableLocker(TilePos);
        IsBlankTile = GameBoard->IsOffBoard(TilePos);
    };
    Key.OnTilePosChange = [this](TObject*, TPoint TilePos, bool SelectionEnabled) {
        GameBoard->SelectTile(TilePos, SelectionEnabled ? 0 : 1);
    };
    Key.OnTileClick = [this](TObject*, TPoint TilePos) {
        if (GameBoard->IsLocker(TilePos)) GameBoard->OpenLocker(TilePos);
        if (GameBoard->HasWeb(TilePos)) GameBoard->SweepWeb(TilePos);
        // Still to come here: a stars burst at the tile (special objects).
    };

    TBroom& Broom = *Tools.Broom;
    Broom.OnObjectBroomableAsk = [this](TObject*, TPoint TilePos, bool& Broomable, bool& IsBlankTile) {
        Broomable = GameBoard->IsBroomable(TilePos);
        IsBlankTile = GameBoard->IsOffBoard(TilePos);
    };
    Broom.OnTilePosChange = [this](TObject*, TPoint TilePos, bool Broomable) {
        GameBoard->SelectTile(TilePos, Broomable ? 0 : 1);
    };
    Broom.OnTileBroomingFinished = [this](TObject*, TPoint BroomedTilePos) {
        GameBoard->SweepWeb(BroomedTilePos);
        GameBoard->CheckLockerGroups();
        GameBoard->CheckFruitGroups();
    };
    Broom.OnWebsLeftQuestion = [this](TObject*, int32_t& AWebsLeft) { AWebsLeft = GameBoard->WebCount(); };

    TAerosol& Aerosol = *Tools.Aerosol;
    Aerosol.OnSpraySizeChange = [this](TObject*, TRect ASprayRect) {
        CrawlingSpiders->HitInRect(ASprayRect);
        FruitWorms->HitInRect(ASprayRect);
        GameBoard->SprayWorms(ASprayRect);
        SprayMonster(ASprayRect);
    };
    Aerosol.OnEnemiesExistQuestion = [this](TObject*, bool& EnemiesExist) {
        EnemiesExist = GameBoard->EatingCount() > 0 || FruitWorms->CrawlerCount() > 0 ||
                       CrawlingSpiders->PresentCount() > 0;
    };

    GameBoard->OnAcquiredMagicKeysQuestion = [this](TObject*, int32_t& Acquired) {
        Acquired = Tools.MagicKey->Count();
    };
    GameBoard->OnAcquiredBroomsQuestion = [this](TObject*, int32_t& Acquired) { Acquired = Tools.Broom->Count(); };
    GameBoard->OnAcquiredAerosolsQuestion = [this](TObject*, int32_t& Acquired) {
        Acquired = Tools.Aerosol->Count();
    };

    for (int32_t I = 0; I < FlowingToolCount; ++I) {
        Tools.Flying[I]->OnArrive = [this, I](TObject*) { ToolArrived(I + 1); };
    }

    // The tools held are the tools' part of a player's progress.
    TProgressLoadedEvent Loaded = PlayerProgress->OnProgressLoaded;
    PlayerProgress->OnProgressLoaded = [this, Loaded](TObject* Sender, const TProgressRecord& Record) {
        if (Loaded) Loaded(Sender, Record);
        // A count outside 0 to 9 (a damaged or edited save) is taken as 0 or 9.
        Tools.MagicKey->SetCount(Record.MagicKeys);
        Tools.Broom->SetCount(Record.Brooms);
        Tools.Aerosol->SetCount(Record.Aerosols);
    };
    TProgressCollectEvent Collect = PlayerProgress->OnProgressCollect;
    PlayerProgress->OnProgressCollect = [this, Collect](TObject* Sender, TProgressRecord& Record) {
        if (Collect) Collect(Sender, Record);
        Record.MagicKeys = Tools.MagicKey->Count();
        Record.Brooms = Tools.Broom->Count();
        Record.Aerosols = Tools.Aerosol->Count();
    };
}

void TFormMain::PlaceToolsOnPanel(TPoint PanelPos) {
    // The panel reports its place from its creation on, before the tools exist.
    if (!Tools.MagicKey) return;
    const TPoint Hooks[] = {MagicKeyHook, BroomHook, AerosolHook};
    const TPoint Counts[] = {MagicKeyCount, BroomCount, AerosolCount};
    const std::array<TToolInHand*, 3> InOrder = ToolsInOrder();
    for (int32_t I = 0; I < 3; ++I) {
        TToolInHand& Tool = *InOrder[I];
        Tool.HangingPosX = PanelPos.X + Hooks[I].X;
        Tool.HangingPosY = PanelPos.Y + Hooks[I].Y;
        Tool.CountPosX = PanelPos.X + Counts[I].X;
        Tool.CountPosY = PanelPos.Y + Counts[I].Y;
        Tools.Flying[I]->TargetPosX = Tool.HangingPosX;
        Tools.Flying[I]->TargetPosY = Tool.HangingPosY;
    }
}

// Level start: every tool back on its hook and nothing flying; the counts stay.
void TFormMain::ResetToolsForRound() {
    for (TToolInHand* Tool : ToolsInOrder()) Tool->Reset();
    for (auto& Flying : Tools.Flying) Flying->Reset();
    Tools.Withdrawn = false;
    ApplyToolsEnabled();
}

// The tools the player has unlocked are offered; the others show nothing and take nothing.
void TFormMain::ConfigureToolsForLevel() {
    const TToolAvailability& Offered = RoundLevel.Start.Tools;
    Tools.MagicKey->Available = Offered.MagicKey;
    Tools.Broom->Available = Offered.Broom;
    Tools.Aerosol->Available = Offered.Aerosol;
}

void TFormMain::ApplyPauseToTools(bool Visible) {
    Tools.Paused = !Visible;
    for (TToolInHand* Tool : ToolsInOrder()) Tool->Visible = Visible;
    for (auto& Flying : Tools.Flying) Flying->Visible = Visible;
    ApplyToolsEnabled();
    SyncToolCursor();
}

void TFormMain::ApplyToolsEnabled() {
    const bool Enabled = !Tools.Paused && !Tools.Withdrawn;
    for (TToolInHand* Tool : ToolsInOrder()) Tool->Enabled = Enabled;
}

// The pointer hides while a tool is in hand in the running round, and shows again
// whenever the round is paused, an overlay is up or the tool has gone back.
void TFormMain::SyncToolCursor() {
    const bool Hide = ToolInHand() && !Tools.Paused && !Tools.Withdrawn && Scene() == gsMainGame;
    if (Hide == (FrameCursor == TFrameCursor::Hidden)) return;
    FrameCursor = Hide ? TFrameCursor::Hidden : TFrameCursor::Arrow;
    ApplyWindowCursor();
}

// The tools hanging on the left panel, then their counts.
void TFormMain::FrameToolIcons() {
    for (TToolInHand* Tool : ToolsInOrder()) Tool->DrawWall();
    for (TToolInHand* Tool : ToolsInOrder()) Tool->DrawCount();
}

// The tools in hand, then the tools flying to the wall.
void TFormMain::FrameToolsInHand() {
    for (TToolInHand* Tool : ToolsInOrder()) Tool->UpdateAndDraw();
    for (auto& Flying : Tools.Flying) Flying->UpdateAndDraw();
    SyncToolCursor();
}

// The round is over: a tool in hand goes back to the wall and no tool can be taken.
// A use already under way ends without acting on the board.
void TFormMain::WithdrawTools() {
    if (!Tools.Withdrawn) {
        for (TToolInHand* Tool : ToolsInOrder()) {
            // The same as the player's right click, which only a held tool obeys.
            const bool Enabled = Tool->Enabled;
            Tool->Enabled = true;
            Tool->MouseDown(0, 0, mbRight);
            Tool->Enabled = Enabled;
        }
    }
    Tools.Withdrawn = true;
    ApplyToolsEnabled();
    SyncToolCursor();
}

bool TFormMain::ToolInHand() const {
    for (TToolInHand* Tool : ToolsInOrder())
        if (Tool->InHand()) return true;
    return false;
}

// No press stops here: the board then asks ToolInHand, and the tutorial still gets it.
bool TFormMain::ToolsMouseDown(TMouseButton Button, int32_t X, int32_t Y) {
    TMagicKey& Key = *Tools.MagicKey;
    TBroom& Broom = *Tools.Broom;
    TAerosol& Aerosol = *Tools.Aerosol;
    if (!Broom.InHand() && !Aerosol.InHand()) Key.MouseDown(X, Y, Button);
    if (!Key.InHand() && !Aerosol.InHand()) Broom.MouseDown(X, Y, Button);
    if (!Key.InHand() && !Broom.InHand()) Aerosol.MouseDown(X, Y, Button);
    SyncToolCursor();
    return false;
}

void TFormMain::ToolsMouseMove(int32_t X, int32_t Y) {
    TMagicKey& Key = *Tools.MagicKey;
    TBroom& Broom = *Tools.Broom;
    TAerosol& Aerosol = *Tools.Aerosol;
    if (!Broom.InHand() && !Aerosol.InHand()) Key.MouseMove(X, Y);
    if (!Key.InHand() && !Aerosol.InHand()) Broom.MouseMove(X, Y);
    if (!Key.InHand() && !Broom.InHand()) Aerosol.MouseMove(X, Y);
}

// A won tool flies from its tile to its hook (tool 1 key, 2 broom, 3 aerosol).
void TFormMain::StartFlyingTool(TPoint TilePos, int32_t ToolIdx) {
    if (ToolIdx < 1 || ToolIdx > FlowingToolCount) return;
    Tools.Flying[ToolIdx - 1]->Start(TilePos, ToolIdx);
}

void TFormMain::ToolArrived(int32_t ToolIdx) {
    PlaySoundEffect("ToolAcquired");
    TToolInHand& Tool = *ToolsInOrder()[ToolIdx - 1];
    if (Tool.Count() < TToolInHand::MaxCount) Tool.SetCount(Tool.Count() + 1);
    // Still to come here: the tutorial's tip on the new tool.
    // The tutorial's events 8, 9 and 10: the key's, the broom's and the aerosol's arrival.
    constexpr int32_t ArrivalEvents[] = {8, 9, 10};
    if (FairyIsFree()) TutorialEvent(CurrentIsland, CurrentLevel, ArrivalEvents[ToolIdx - 1]);
}
