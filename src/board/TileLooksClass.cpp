#include "TileLooksClass.h"

#include "GeneralRoutinesClass.h"

const char* BoardImageName(TBoardImage Image) {
    switch (Image) {
        case biLockers: return "Lockers";
        case biSpecialLockerMark: return "SpecialLockerMark";
        case biFruitsInside: return "FruitsInside";
        case biFruitsEaten: return "FruitsEaten";
        case biUniFruitInside: return "UniFruitInside";
        case biFruitBlastersInside: return "FruitBlastersInside";
        case biFlowersInside: return "FlowersInside";
        case biHammer: return "Hammer";
        case biSmallToolIcons: return "SmallToolIcons";
        case biFruitBomb: return "FruitBomb";
        case biWormEating: return "WormEating";
        case biTileSelection: return "TileSelection";
        case biFruitsOutside: return "FruitsOutside";
    }
    return "";
}

TTileLook BoxLook(const TBoardTile& Tile) {
    const int32_t Kind = Tile.LockerKind;
    return Tile.Kind == okLocker ? TTileLook{biLockers, Kind - 1} : TTileLook{biLockers, Kind + 2};
}

TTileLook ContentLook(const TBoardTile& Tile, int32_t UniColor, int32_t FlowerIdx) {
    TTileLook Look{biFruitsInside, Tile.Content - 1};
    if (Tile.WormState == WormStateEaten) Look = {biFruitsEaten, Tile.Content - 1};
    switch (Tile.Content) {
        case ccUniFruit: Look = {biUniFruitInside, UniColor - 1}; break;
        case ccFruitBlaster: Look = {biFruitBlastersInside, Tile.BlasterColor - 1}; break;
        case ccFlower: Look = {biFlowersInside, FlowerIdx - 1}; break;
        case ccHammer: Look = {biHammer, 0}; break;
        case ccMagicKey:
        case ccBroom:
        case ccAerosol: Look = {biSmallToolIcons, Tile.Content - ccMagicKey}; break;
        default: break;
    }
    return Look;
}

bool DrawsBox(const TBoardTile& Tile, TTileStatus Status, bool HintLiftsBox) {
    if (Tile.Kind != okLocker && Tile.Kind != okFruit) return false;
    if (Tile.Kind == okLocker && (Status == tsSwapping || Status == tsHammered)) return false;
    return !HintLiftsBox;
}

bool DrawsContent(const TBoardTile& Tile, TTileStatus Status, bool Popping, bool HintLiftsTile) {
    if (Tile.Kind != okFruit) return false;
    if (Status == tsSwapping || Status == tsHammered || Status == tsGrouped) return false;
    return !Popping && !HintLiftsTile;
}

int32_t TileVerticalOffset(const TBoardTile& Tile, TTileStatus Status, double BounceOffset) {
    return Round(BounceOffset) + (Status == tsFalling ? Tile.DropOffset : 0);
}
