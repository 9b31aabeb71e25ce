#include "FruitWormsClass.h"

#include "BoardEffectDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"
#include "RandomClass.h"
#include "SFXPlayerClass.h"

namespace {

constexpr const char* WalkSeq = "AAAAABBBBBCCCCCDDDDDEEEEEFFFFFGGGGGHHHHHIIIIIJJJJJKKKKKLLLLLMMMMMNNNNNOOOOO";
constexpr const char* AppearSeq = "AAABBBCCCDDDEEEFFFGGGHHHIIIJJJKKKLLLMMMNNNOOO";
constexpr const char* HitSeq = "AABBCCDD";

// The falling roll shows this pattern of the vertical walk.
constexpr int32_t RollPattern = 7;
// A worm walks through its tile's corner + (22, 22).
constexpr TPoint WalkingPointInCell{22, 22};
// Where the walk's strip stands against the worm's position, across and along the grid lines.
constexpr TPoint WalkDrawVert{10, -19};
constexpr TPoint WalkDrawHorz{0, 8};
// A thrown-out worm bites over its fruit's tile.
constexpr TPoint DrivenOffBiteDraw{-20, -20};
// After coming out from under the board, the walk picks up where the appearing left off:
// this far into the walk's strip.
constexpr int32_t WalkAnimAfterVertEntry = 44;
constexpr int32_t WalkAnimAfterHorzEntry = 8;

bool IsVertical(TCrawlDirection D) { return D == cdUp || D == cdDown; }

// Where a new worm shows at its entry tile's corner, by the heading it comes in with.
TPoint AppearOffset(TCrawlDirection D) {
    switch (D) {
        case cdUp: return {31, -11};
        case cdDown: return {31, -16};
        case cdLeft: return {-6, 31};
        case cdRight: return {-18, 30};
    }
    return {};
}

// How far the walking strip stands from the appearing strip's last picture.
TPoint AppearEndAdjust(TCrawlDirection D) {
    switch (D) {
        case cdUp: return {-7, 18};
        case cdDown: return {-6, 19};
        case cdLeft: return {0, -11};
        case cdRight: return {2, -6};
    }
    return {};
}

// The biting worm's picture against its position, by its heading.
TPoint BiteOffset(TCrawlDirection D) {
    switch (D) {
        case cdUp: return {-6, -20};
        case cdDown: return {-12, 0};
        case cdLeft: return {-6, 0};
        case cdRight: return {17, 2};
    }
    return {};
}

bool IsCrawling(const TWormSlot& Slot) { return Slot.State == wsAppearing || Slot.State == wsWalking; }

TPoint Rounded(const TWormSlot& Slot) { return TPoint{Round(Slot.PosX), Round(Slot.PosY)}; }

// Worms crawl on the grid lines: one heading up or down lies over its tile's right
// edge, one heading sideways over its lower edge, so a blow there reaches it too.
TPoint ExtraHitTile(TPoint Tile, TCrawlDirection D) {
    return IsVertical(D) ? TPoint{Tile.X + 1, Tile.Y} : TPoint{Tile.X, Tile.Y + 1};
}

void MakeCrawlerAnims(TWormSlot& Slot) {
    Slot.WalkAnim.SetSeq(WalkSeq);
    Slot.WalkAnim.Looped = true;
    Slot.AppearAnim.SetSeq(AppearSeq);
    Slot.AppearAnim.Looped = false;
    Slot.HitAnim.SetSeq(HitSeq);
    Slot.HitAnim.Looped = false;
}

// A thrown-out worm only bites and falls.
void MakeDrivenOffAnims(TWormSlot& Slot) {
    Slot.WalkAnim.SetSeq("");
    Slot.AppearAnim.SetSeq("");
    Slot.HitAnim.SetSeq(HitSeq);
    Slot.HitAnim.Looped = false;
}

}  // namespace

TFruitWorms::TFruitWorms() { Reset(); }

void TFruitWorms::Reset() {
    for (TWormSlot& Slot : FCrawlers) {
        Slot = TWormSlot{};
        MakeCrawlerAnims(Slot);
    }
    for (TWormSlot& Slot : FDrivenOff) {
        Slot = TWormSlot{};
        MakeDrivenOffAnims(Slot);
    }
    FNextSlot = 0;
    FPending = 0;
    FSpawnTimer = 0;
    FSpawnInterval = 0;
    FLandedFruits = 0;
}

void TFruitWorms::CountLandedFruit() {
    if (FruitsInterval <= 0) return;
    ++FLandedFruits;
    // "At least": an interval put back below the count already reached is due at once.
    if (FLandedFruits < FruitsInterval) return;
    FLandedFruits = 0;
    Raise(OnFruitsIntervalReached);
}

void TFruitWorms::StartWave() {
    FPending = MaxWormsOnBoard;
    FSpawnTimer = 0;
    FSpawnInterval = NewWaveInterval();
    FLandedFruits = 0;
}

int32_t TFruitWorms::CrawlerCount() const {
    int32_t Count = 0;
    for (const TWormSlot& Slot : FCrawlers) Count += IsCrawling(Slot) ? 1 : 0;
    return Count;
}

TPoint TFruitWorms::CellCorner(TPoint Tile) const { return EffectCellCorner(Left, Top, Tile.X, Tile.Y); }

TPoint TFruitWorms::WalkingPoint(TPoint Tile) const {
    const TPoint Corner = CellCorner(Tile);
    return TPoint{Corner.X + WalkingPointInCell.X, Corner.Y + WalkingPointInCell.Y};
}

void TFruitWorms::ResolveImages() {
    static constexpr const char* Names[imCount] = {"WormAppearingVert", "WormAppearingHorz", "WormWalkingVert",
                                                   "WormWalkingHorz", "WormBiting"};
    for (int32_t I = 0; I < imCount; ++I) FImages[I] = EffectImage(OmgImgList, Names[I]);
}

void TFruitWorms::Frame() {
    if (!Visible) return;
    ResolveImages();
    if (FPending > 0) {
        FSpawnTimer += FrameStep;
        if (FSpawnTimer >= FSpawnInterval) {
            FSpawnTimer = 0;
            FSpawnInterval = NewWaveInterval();
            // The worm is spent even when the caps keep it away.
            --FPending;
            TrySpawn();
        }
    }
    for (TWormSlot& Slot : FCrawlers) {
        switch (Slot.State) {
            case wsAppearing: Appear(Slot); break;
            case wsWalking: Walk(Slot); break;
            case wsHit: Bite(Slot, BiteOffset(Slot.Direction)); break;
            case wsFalling: Fall(Slot, true); break;
            case wsInactive: break;
        }
    }
    for (TWormSlot& Slot : FDrivenOff) {
        if (Slot.State == wsHit) Bite(Slot, DrivenOffBiteDraw);
        else if (Slot.State == wsFalling) Fall(Slot, false);
    }
}

void TFruitWorms::TrySpawn() {
    int32_t Eating = 0;
    int32_t Eaten = 0;
    Raise(OnParametersRequest, Eating, Eaten);
    const int64_t Crawling = CrawlerCount();
    if (Crawling + Eating >= MaxWormsOnBoard || Crawling + Eating + Eaten >= MaxEatenFruits) return;
    int32_t Index = 0;
    if (!TakeInactiveCrawlerSlot(Index)) return;
    TPoint Tile;
    TCrawlDirection Direction = cdUp;
    if (!ChooseEntry(FBoard, Tile, Direction)) return;
    FNextSlot = Index + 1;
    TWormSlot& Slot = FCrawlers[Index];
    Slot.State = wsAppearing;
    Slot.Tile = Tile;
    Slot.NextTile = Tile;
    Slot.Direction = Direction;
    const TPoint Corner = CellCorner(Tile);
    const TPoint Offset = AppearOffset(Direction);
    Slot.PosX = Corner.X + Offset.X;
    Slot.PosY = Corner.Y + Offset.Y;
    Slot.Target = Rounded(Slot);
    Slot.HitPos = NotHitPos;
    Slot.AppearAnim.Restart();
}

// Round-robin over the slots that are free: a worm still crawling or falling keeps its slot.
bool TFruitWorms::TakeInactiveCrawlerSlot(int32_t& Index) {
    for (int32_t Step = 0; Step < SlotCount; ++Step) {
        const int32_t Candidate = (FNextSlot + Step) % SlotCount;
        if (FCrawlers[Candidate].State != wsInactive) continue;
        Index = Candidate;
        return true;
    }
    return false;
}

bool TFruitWorms::ChooseEntry(const TBoardData& Board, TPoint& Tile, TCrawlDirection& Direction) {
    for (int32_t Draw = 0; Draw < MaxChoiceDraws; ++Draw) {
        TPoint P;
        P.X = Random(BoardSize) + 1;
        P.Y = Random(BoardSize) + 1;
        if (Board[P].Kind == okUnused) continue;
        if (EntryDirection(Board, P, Direction)) {
            Tile = P;
            return true;
        }
    }
    return false;
}

bool TFruitWorms::EntryDirection(const TBoardData& Board, TPoint Tile, TCrawlDirection& Direction) {
    const int32_t X = Tile.X;
    const int32_t Y = Tile.Y;
    auto Unused = [&Board](int32_t AX, int32_t AY) { return Board.At(AX, AY).Kind == okUnused; };
    bool Found = false;
    auto Rule = [&](bool Applies, TCrawlDirection D) {
        if (!Applies) return;
        Direction = D;
        Found = true;
    };
    // In their order, a later rule overriding an earlier one: so in a corner the vertical heading wins.
    Rule(X == 1, cdRight);
    Rule(X == BoardSize, cdLeft);
    Rule(Y == 1, cdDown);
    Rule(Y == BoardSize, cdUp);
    Rule(X > 1 && Unused(X - 1, Y), cdRight);
    Rule(X < BoardSize && Unused(X + 1, Y), cdLeft);
    Rule(Y > 1 && Unused(X, Y - 1), cdDown);
    Rule(Y < BoardSize && Unused(X, Y + 1), cdUp);
    return Found;
}

bool TFruitWorms::ChooseDirection(const TBoardData& Board, TPoint Tile, TCrawlDirection Current,
                                  int32_t OneTurnEvery, bool Forced, TCrawlDirection& Direction) {
    if (!HasWayOut(Board, Tile)) return false;
    const bool StraightOn = CanCrawlOnto(Board, NeighbourTile(Tile, Current));
    for (int32_t Try = 0; Try < MaxChoiceDraws; ++Try) {
        // Both draws come on every try, whatever the call keeps.
        TCrawlDirection D = static_cast<TCrawlDirection>(Random(CrawlDirectionCount));
        const bool Turns = OneChanceIn(OneTurnEvery);
        if (!(Turns && !Forced) && StraightOn) D = Current;
        if (CanCrawlOnto(Board, NeighbourTile(Tile, D))) {
            Direction = D;
            return true;
        }
    }
    return false;
}

bool TFruitWorms::CrawlerHitBy(TPoint Tile, TCrawlDirection D, TPoint Marked) {
    return Marked == Tile || Marked == ExtraHitTile(Tile, D);
}

void TFruitWorms::SetOff(TWormSlot& Slot, bool Forced) {
    TCrawlDirection D = Slot.Direction;
    if (!ChooseDirection(FBoard, Slot.Tile, Slot.Direction, OneTurnEveryXStraightDirs, Forced, D)) {
        // Nowhere to go: the worm drops off the board, and nobody counts it.
        if (Slot.State == wsWalking) {
            StartBite(Slot);
            PlaySoundEffect("WormHit");
        }
        return;
    }
    Slot.Direction = D;
    Slot.NextTile = NeighbourTile(Slot.Tile, D);
    const TPoint From = WalkingPoint(Slot.Tile);
    Slot.PosX = From.X;
    Slot.PosY = From.Y;
    Slot.Target = WalkingPoint(Slot.NextTile);
}

void TFruitWorms::Appear(TWormSlot& Slot) {
    Slot.AppearAnim.Advance();
    const TPoint At = Rounded(Slot);
    DrawWithShadow(FImages[IsVertical(Slot.Direction) ? imAppearingVert : imAppearingHorz], At.X, At.Y,
                   Slot.AppearAnim.CurrentPattern(), Slot.Direction == cdUp, Slot.Direction == cdLeft,
                   ShadowAdjustX, ShadowAdjustY, ShadowAlpha);
    if (!Slot.AppearAnim.AtEnd()) return;
    // Setting off overwrites the position and, where straight ahead is blocked, the
    // heading: the walk starts from where the appearing ended, by the heading it came in with.
    const double AppearX = Slot.PosX;
    const double AppearY = Slot.PosY;
    const TCrawlDirection CameWith = Slot.Direction;
    Slot.State = wsWalking;
    SetOff(Slot, true);
    if (Slot.State != wsWalking) return;
    const TPoint Adjust = AppearEndAdjust(CameWith);
    Slot.PosX = AppearX + Adjust.X;
    Slot.PosY = AppearY + Adjust.Y;
    Slot.WalkAnim.SetPosition(IsVertical(CameWith) ? WalkAnimAfterVertEntry : WalkAnimAfterHorzEntry);
}

void TFruitWorms::Walk(TWormSlot& Slot) {
    Slot.WalkAnim.Advance();
    WalkStep(Slot);
    const bool Vertical = IsVertical(Slot.Direction);
    const TPoint At = Rounded(Slot);
    const TPoint Offset = Vertical ? WalkDrawVert : WalkDrawHorz;
    DrawWithShadow(FImages[Vertical ? imWalkingVert : imWalkingHorz], At.X + Offset.X, At.Y + Offset.Y,
                   Slot.WalkAnim.CurrentPattern(), Slot.Direction == cdUp, Slot.Direction == cdLeft, ShadowAdjustX,
                   ShadowAdjustY, ShadowAlpha);
}

void TFruitWorms::WalkStep(TWormSlot& Slot) {
    MoveTowards(Slot.PosX, MoveStep, Slot.Target.X);
    MoveTowards(Slot.PosY, MoveStep, Slot.Target.Y);
    if (Slot.PosX != Slot.Target.X || Slot.PosY != Slot.Target.Y) return;
    Slot.Tile = Slot.NextTile;
    bool IsFruit = false;
    Raise(OnIfTileIsFruitQuestion, Slot.Tile, IsFruit);
    if (IsFruit && OneChanceIn(OneEntryEveryProb)) {
        // The worm vanishes into the fruit; the board counts the eating from now on.
        Slot.State = wsInactive;
        Raise(OnAFruitTileSelected, Slot.Tile);
    }
    SetOff(Slot, false);
}

void TFruitWorms::Bite(TWormSlot& Slot, TPoint DrawOffset) {
    Slot.HitAnim.Advance();
    const TPoint At = Rounded(Slot);
    DrawWithShadow(FImages[imBiting], At.X + DrawOffset.X, At.Y + DrawOffset.Y, Slot.HitAnim.CurrentPattern(), false,
                   false, 2 * ShadowAdjustX, 2 * ShadowAdjustY, ShadowAlpha);
    if (!Slot.HitAnim.AtEnd()) return;
    Slot.Angle = 0;
    Slot.State = wsFalling;
}

void TFruitWorms::Fall(TWormSlot& Slot, bool ReportsDust) {
    Slot.PosY += FallingMoveStep;
    // Gone once off the screen; it is still drawn this frame.
    if (Slot.PosY >= DisappearVertYPos) Slot.State = wsInactive;
    if (ReportsDust && Slot.PosY - Slot.HitPos.Y <= DustEffectAfterHitRange) Raise(OnFallingPosUpdate, Rounded(Slot));
    Slot.Angle = NextRollAngle(Slot.Angle);
    const TPoint At = Rounded(Slot);
    DrawRolling(OmgImgList, FImages[imWalkingVert], At.X + WormRollAdjX, At.Y + WormRollAdjY, Slot.Angle, RollPattern,
                2 * ShadowAdjustX, 2 * ShadowAdjustY, ShadowAlpha);
}

void TFruitWorms::StartBite(TWormSlot& Slot) {
    Slot.State = wsHit;
    Slot.HitAnim.Restart();
    Slot.HitPos = Rounded(Slot);
}

void TFruitWorms::HitWorm(TWormSlot& Slot) {
    PlaySoundEffect("WormHit");
    StartBite(Slot);
    Raise(OnOneWormHit);
}

template <typename TMarked>
void TFruitWorms::HitMarked(TMarked IsMarked) {
    auto MarkedAt = [&IsMarked](TPoint P) { return IsBoardPos(P) && IsMarked(P); };
    for (TWormSlot& Slot : FCrawlers) {
        if (!IsCrawling(Slot)) continue;
        // One hit at most, even when both tiles are marked.
        if (MarkedAt(Slot.Tile) || MarkedAt(ExtraHitTile(Slot.Tile, Slot.Direction))) HitWorm(Slot);
    }
}

void TFruitWorms::HitByMask(const TSimpleObjectArray& Mask) {
    HitMarked([&Mask](TPoint P) { return Mask[P]; });
}

void TFruitWorms::HitByStatus(const TTileStatusArray& Statuses) {
    HitMarked([&Statuses](TPoint P) { return Statuses[P] == tsFalling; });
}

void TFruitWorms::HitInRect(const TRect& R) {
    for (TWormSlot& Slot : FCrawlers) {
        if (!IsCrawling(Slot)) continue;
        const TPoint At = Rounded(Slot);
        if (PointInRect(At.X, At.Y, R)) HitWorm(Slot);
    }
}

void TFruitWorms::DriveOffEater(TPoint P) {
    for (TWormSlot& Slot : FDrivenOff) {
        if (Slot.State != wsInactive) continue;
        Slot.Tile = P;
        Slot.NextTile = P;
        const TPoint At = WalkingPoint(P);
        Slot.PosX = At.X;
        Slot.PosY = At.Y;
        HitWorm(Slot);
        return;
    }
    // No free slot: the worm is neither shown nor counted.
}

void TFruitWorms::RemoveAll() {
    FPending = 0;
    FSpawnTimer = 0;
    bool Any = false;
    for (TWormSlot& Slot : FCrawlers) {
        if (Slot.State == wsInactive) continue;
        StartBite(Slot);
        Any = true;
    }
    if (Any) PlaySoundEffect("WormHit");
}
