// The round: creating and wiring the board and its effects, starting a level,
// and the main-game scene's frame and mouse handling.
#include "FormMainClass.h"
#include "MessageBoxClass.h"

void TFormMain::CreateRoundObjects() {
    GameBoard = std::make_unique<TGameBoard>();
    GameBoard->OmgImgList = &OmegaImageList1;
    GameBoard->Left = BoardScreenLeft;
    GameBoard->Top = BoardScreenTop;
    FBombAnim.SetSeq("111222333444555666");
    FBombAnim.Looped = true;
    WireBoardEvents();
    WireSwapEffects();
    PlayerProgress = std::make_unique<TPlayerProgress>();
}

// Every event the board raises reaches a handler here; the effects that answer
// them are added with their own parts of the game.
void TFormMain::WireBoardEvents() {
    GameBoard->OnFallingFruitsEffectRequest = [](TObject*, TBoardData, TSimpleObjectArray) {};
}

bool TFormMain::StartLevel(int32_t Island, int32_t Level) {
    TLevelStartContext Context;
    Context.Island = Island;
    Context.Level = Level;
    if (!StartRoundLevel(Context, *GameBoard, RoundLevel)) return false;
    ClearSwapEffects();
    CurrentIsland = Island;
    CurrentLevel = Level;
    SelectRoundMusic(RoundLevel.Start, *MusicBox);
    OverlayBackgroundScene = gsMainGame;
    GameScene->SetValue(gsMainGame);
    return true;
}

void TFormMain::FrameMainGame() {
    BombFrame = FBombAnim.CurrentPattern();
    FBombAnim.Advance();
    DrawLateLoadImage("GameBG" + std::to_string(CurrentIsland), 0, 0, true);
    GameBoard->BoardFrame();
    // Over the board: the sparkle of matched fruits, the swaps, the matched fruits swelling out.
    MatchedCyanEffect->Frame();
    SwapEffect->Frame();
    GroupedFruitsEffect->Frame();
}

void TFormMain::MouseMoveMainGame(int32_t X, int32_t Y) {
    if (GameBoard->Dragging()) GameBoard->PressAt(X, Y, mbLeft);
}

void TFormMain::MouseDownMainGame(TMouseButton Button, int32_t X, int32_t Y) {
    if (Button == mbLeft) GameBoard->SetDragging(true);
    GameBoard->PressAt(X, Y, Button);
}

void TFormMain::MouseUpMainGame(int32_t /*X*/, int32_t /*Y*/) { GameBoard->SetDragging(false); }
