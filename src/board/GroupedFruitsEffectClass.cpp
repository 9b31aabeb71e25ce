#include "GroupedFruitsEffectClass.h"

#include "OmegaImageListClass.h"
#include "RandomClass.h"
#include "SFXPlayerClass.h"

namespace {

// How far a grouped tile is pushed on each of its eight frames.
constexpr TPoint FrameOffsets[TGroupedFruitsEffect::GroupingFrames] = {{0, 0}, {1, 0}, {2, 0}, {0, 1},
                                                                       {0, 2}, {1, 1}, {2, 2}, {1, 2}};
// The big fruit is 6 pixels larger than a cell, so it is drawn 3 pixels up and left.
constexpr int32_t BigAdjust = -3;

const char* const ImageNames[] = {"FruitsOutsideBig", "FlowingToolIcons", "FlowersRooted", "FruitBomb"};

bool IsToolContent(uint8_t Content) { return Content >= ccMagicKey && Content <= ccAerosol; }

}  // namespace

void TGroupedFruitsEffect::Start(const TBoardData& BoardData, const TSimpleObjectArray& GroupedFruits) {
    FBoard = BoardData;
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            if (!GroupedFruits.At(X, Y)) continue;
            TTile& Tile = FTiles[X - 1][Y - 1];
            Tile.Active = true;
            Tile.Counter = 0;
        }
    }
    PlaySoundEffect("FruitMatch");
}

void TGroupedFruitsEffect::Clear() {
    for (auto& Column : FTiles)
        for (TTile& Tile : Column) Tile = TTile{};
}

int32_t TGroupedFruitsEffect::ActiveCount() const {
    int32_t Count = 0;
    for (const auto& Column : FTiles)
        for (const TTile& Tile : Column) Count += Tile.Active ? 1 : 0;
    return Count;
}

void TGroupedFruitsEffect::Frame() {
    if (!Visible) return;
    ResolveImages();
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            TTile& Tile = FTiles[X - 1][Y - 1];
            if (!Tile.Active) continue;
            ++Tile.Counter;
            DrawTile(X, Y, Tile.Counter);
            if (Tile.Counter >= GroupingFrames) HandOver(X, Y);
        }
    }
}

void TGroupedFruitsEffect::HandOver(int32_t X, int32_t Y) {
    // Tools and flowers anywhere in the effect leave with the first tile that is done.
    for (int32_t TX = 1; TX <= BoardSize; ++TX) {
        for (int32_t TY = 1; TY <= BoardSize; ++TY) {
            TTile& Tile = FTiles[TX - 1][TY - 1];
            const uint8_t Content = FBoard.At(TX, TY).Content;
            if (!Tile.Active || !IsToolContent(Content)) continue;
            Tile.Active = false;
            if (OnNewToolAcquired) OnNewToolAcquired(this, TPoint{TX, TY}, Content);
        }
    }
    for (int32_t FX = 1; FX <= BoardSize; ++FX) {
        for (int32_t FY = 1; FY <= BoardSize; ++FY) {
            TTile& Tile = FTiles[FX - 1][FY - 1];
            if (!Tile.Active || FBoard.At(FX, FY).Content != ccFlower) continue;
            Tile.Active = false;
            if (OnNewFlowerAcquired) OnNewFlowerAcquired(this, TPoint{FX, FY});
        }
    }
    FTiles[X - 1][Y - 1].Active = false;
    TSimpleObjectArray Done;
    Done.At(X, Y) = true;
    if (OnGroupingEffectComplete) OnGroupingEffectComplete(this, FBoard, Done);
}

void TGroupedFruitsEffect::ResolveImages() {
    for (int32_t I = 0; I < imCount; ++I) FImages[I] = OmgImgList ? OmgImgList->Find(ImageNames[I]) : nullptr;
}

void TGroupedFruitsEffect::DrawTile(int32_t X, int32_t Y, int32_t Counter) {
    // The shiver only decorates: it draws from the cosmetic stream, never from the game's.
    const int32_t JitterX = CosmeticRandomInt(2) - CosmeticRandomInt(2);
    const int32_t JitterY = CosmeticRandomInt(2) - CosmeticRandomInt(2);
    const TPoint Offset = FrameOffsets[(Counter - 1) % GroupingFrames];
    const int32_t CellX = Left + (X - 1) * BoardTilePixels;
    const int32_t CellY = Top + (Y - 1) * BoardTilePixels;
    const int32_t DrawX = CellX + BigAdjust + Offset.X + JitterX;
    const int32_t DrawY = CellY + BigAdjust + Offset.Y + JitterY;

    const TBoardTile& Tile = FBoard.At(X, Y);
    TImageListItem* Image = FImages[imFruitsOutsideBig];
    int32_t Pattern = Tile.Content - 1;
    if (IsToolContent(Tile.Content)) {
        Image = FImages[imFlowingToolIcons];
        Pattern = Tile.Content - ccMagicKey;
    } else if (Tile.Content == ccFlower) {
        Image = FImages[imFlowersRooted];
        Pattern = FlowerIdx - 1;
    }
    if (Image) Image->Draw(DrawX, DrawY, Pattern);
    if (Tile.Bomb && FImages[imFruitBomb])
        FImages[imFruitBomb]->Draw(CellX + 4 + Offset.X + JitterX, CellY + 7 + Offset.Y + JitterY, BombFrame);
}
