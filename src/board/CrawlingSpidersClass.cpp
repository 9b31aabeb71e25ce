#include "CrawlingSpidersClass.h"

#include "BoardEffectDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"
#include "RandomClass.h"
#include "SFXPlayerClass.h"

namespace {

// A spider stands over its tile's corner + (-2, 12).
constexpr TPoint SpiderPointInCell{-2, 12};
// New spiders start at one of 15 heights above their tile: 0 down to -350 pixels.
constexpr int32_t DropInHeights = 15;
constexpr int32_t DropInHeightStep = -25;
// The rolling spider is the curled-up ball of the hit.
constexpr int32_t RollPattern = 5;
// A hunt's top-up intervals come in steps of this many milliseconds.
constexpr int32_t HuntIntervalStep = 500;

bool IsPresent(TSpiderState State) {
    return State == ssWalking || State == ssStopped || State == ssSpinning || State == ssDroppingIn;
}

}  // namespace

void TCrawlingSpiders::Reset() {
    for (TSpiderSlot& Slot : FSlots) Slot = TSpiderSlot{};
    FLandedFruits = 0;
    FQuota = 0;
    FWebsSpun = 0;
    FToAdd = 0;
    FAddTimer = 0;
    FAddInterval = 0;
    FHunt = false;
    FHuntTimer = 0;
    FHuntInterval = 0;
}

void TCrawlingSpiders::CountLandedFruit() {
    // A hunt brings its spiders by time, never by fruits.
    if (FruitsInterval <= 0 || FHunt) return;
    ++FLandedFruits;
    if (FLandedFruits < FruitsInterval) return;
    FLandedFruits = 0;
    Raise(OnFruitsIntervalReached);
}

void TCrawlingSpiders::StartWave(int32_t ExistingWebs) {
    FQuota = MaxWebs - ExistingWebs;
    FWebsSpun = 0;
    FToAdd = MaxSpidersOnBoard - PresentCount();
    FAddTimer = 0;
    FAddInterval = NewWaveInterval();
    FLandedFruits = 0;
}

void TCrawlingSpiders::StartHunt(int32_t ExistingWebs) {
    FQuota = MaxWebs - ExistingWebs;
    FWebsSpun = 0;
    FHunt = true;
    FHuntInterval = 0;
}

int32_t TCrawlingSpiders::PresentCount() const {
    int32_t Count = 0;
    for (const TSpiderSlot& Slot : FSlots) Count += IsPresent(Slot.State) ? 1 : 0;
    return Count;
}

TPoint TCrawlingSpiders::SpiderPoint(TPoint Tile) const {
    const TPoint Corner = EffectCellCorner(Left, Top, Tile.X, Tile.Y);
    return TPoint{Corner.X + SpiderPointInCell.X, Corner.Y + SpiderPointInCell.Y};
}

void TCrawlingSpiders::ResolveImages() {
    static constexpr const char* Names[imCount] = {"SpiderWalking", "SpiderAnchoring", "SpiderMakingWeb",
                                                   "SpiderHit"};
    for (int32_t I = 0; I < imCount; ++I) FImages[I] = EffectImage(OmgImgList, Names[I]);
}

void TCrawlingSpiders::Frame() {
    if (!Visible) return;
    ResolveImages();
    UpdateAdding();
    for (TSpiderSlot& Slot : FSlots) UpdateSlot(Slot);
}

void TCrawlingSpiders::UpdateAdding() {
    if (!FHunt) {
        if (FToAdd <= 0) return;
        FAddTimer += FrameStep;
        if (FAddTimer < FAddInterval) return;
        FAddTimer = 0;
        FAddInterval = NewWaveInterval();
        --FToAdd;
        Spawn();
        return;
    }
    FHuntTimer += FrameStep;
    if (FHuntTimer < FHuntInterval) return;
    FHuntTimer = 0;
    FHuntInterval =
        MinKeepAddingInterval + HuntIntervalStep * Random((MaxKeepAddingInterval - MinKeepAddingInterval) /
                                                              HuntIntervalStep + 1);
    // Nothing drops onto a board that is being shuffled away; the hunt starts afresh after it.
    bool CanAdd = true;
    Raise(OnCanAddSpiderForHunt, CanAdd);
    if (!CanAdd) return;
    while (PresentCount() < MaxSpidersOnBoard && Spawn()) {
    }
}

bool TCrawlingSpiders::Spawn() {
    TSpiderSlot* Free = nullptr;
    for (TSpiderSlot& Slot : FSlots) {
        if (Slot.State != ssInactive) continue;
        Free = &Slot;
        break;
    }
    // Once the webs are spun, nobody comes until a new wave or hunt sets a new share.
    if (!Free || FWebsSpun >= FQuota) return false;
    TPoint Landing;
    Raise(OnTopBoardPosRequest, Landing);
    // A board with no locker or fruit to land on gives no tile.
    if (!IsBoardPos(Landing)) return false;
    TSpiderSlot& Slot = *Free;
    Slot.State = ssDroppingIn;
    Slot.Tile = Landing;
    Slot.NextTile = Landing;
    Slot.Target = SpiderPoint(Landing);
    Slot.PosX = Slot.Target.X;
    Slot.PosY = DropInHeightStep * Random(DropInHeights);
    Slot.HitPos = NotHitPos;
    return true;
}

bool TCrawlingSpiders::ChooseDirection(const TBoardData& Board, TPoint Tile, TCrawlDirection& Direction) {
    if (!HasWayOut(Board, Tile)) return false;
    for (int32_t Try = 0; Try < MaxChoiceDraws; ++Try) {
        const TCrawlDirection D = static_cast<TCrawlDirection>(Random(CrawlDirectionCount));
        if (!CanCrawlOnto(Board, NeighbourTile(Tile, D))) continue;
        Direction = D;
        return true;
    }
    return false;
}

void TCrawlingSpiders::WalkStep(TSpiderSlot& Slot) {
    MoveTowards(Slot.PosX, MoveStep, Slot.Target.X);
    MoveTowards(Slot.PosY, MoveStep, Slot.Target.Y);
    if (Slot.PosX == Slot.Target.X && Slot.PosY == Slot.Target.Y) Arrive(Slot);
}

bool TCrawlingSpiders::OtherWebberOn(const TSpiderSlot& Slot) const {
    for (const TSpiderSlot& Other : FSlots) {
        if (&Other == &Slot) continue;
        if ((Other.State == ssAnchoring || Other.State == ssSpinning) && Other.Tile == Slot.Tile) return true;
    }
    return false;
}

// The spider has reached a tile (or ends a stop or a web on it): it may web the
// tile, stop, or crawl on; with the wave's webs spun it leaves instead of crawling on.
void TCrawlingSpiders::Arrive(TSpiderSlot& Slot) {
    Slot.Tile = Slot.NextTile;
    bool Webbable = false;
    Raise(OnTilePossibleToWebQuestion, Slot.Tile, Webbable);
    if (FWebsSpun < FQuota && Webbable && !OtherWebberOn(Slot) && OneChanceIn(OneWebEveryProb)) {
        Slot.State = ssAnchoring;
        Slot.AnchorAnim.Restart();
    }
    if (Slot.State == ssWalking) {
        if (OneChanceIn(OneStoppingEveryProb)) {
            Slot.StopTime = 0;
            Slot.State = ssStopped;
        } else {
            TCrawlDirection D = Slot.Direction;
            if (!ChooseDirection(FBoard, Slot.Tile, D)) {
                // Nowhere to crawl: the spider goes as if its webs were spun.
                Leave(Slot);
                return;
            }
            Slot.Direction = D;
            Slot.NextTile = NeighbourTile(Slot.Tile, D);
            const TPoint From = SpiderPoint(Slot.Tile);
            Slot.PosX = From.X;
            Slot.PosY = From.Y;
            Slot.Target = SpiderPoint(Slot.NextTile);
        }
    }
    if (Slot.State == ssWalking && FWebsSpun >= FQuota) Leave(Slot);
}

void TCrawlingSpiders::Leave(TSpiderSlot& Slot) {
    Slot.Target = TPoint{Slot.PosX, VertGroundYPos};
    Slot.State = ssDroppingToGround;
}

void TCrawlingSpiders::DrawSprite(TImageListItem* Image, const TSpiderSlot& Slot, int32_t Pattern,
                                  int32_t ShadowTimes) {
    DrawWithShadow(Image, Slot.PosX + SpiderAdjustX, Slot.PosY + SpiderAdjustY, Pattern, false, false,
                   ShadowTimes * ShadowAdjustX, ShadowTimes * ShadowAdjustY, ShadowAlpha);
}

void TCrawlingSpiders::UpdateSlot(TSpiderSlot& Slot) {
    switch (Slot.State) {
        case ssWalking:
            Slot.WalkAnim.Advance();
            WalkStep(Slot);
            DrawSprite(FImages[imWalking], Slot, Slot.WalkAnim.CurrentPattern(), 1);
            break;
        case ssStopped:
            DrawSprite(FImages[imWalking], Slot, Slot.WalkAnim.CurrentPattern(), 1);
            Slot.StopTime += FrameStep;
            // The next step finds the spider on its tile and decides again there.
            if (Slot.StopTime >= StoppingTime) Slot.State = ssWalking;
            break;
        case ssAnchoring:
            Slot.AnchorAnim.Advance();
            DrawSprite(FImages[imAnchoring], Slot, Slot.AnchorAnim.CurrentPattern(), 1);
            if (Slot.AnchorAnim.AtEnd()) {
                Slot.WebTime = 0;
                Slot.State = ssSpinning;
            }
            break;
        case ssSpinning:
            Slot.WebAnim.Advance();
            DrawSprite(FImages[imMakingWeb], Slot, Slot.WebAnim.CurrentPattern(), 1);
            Slot.WebTime += FrameStep;
            if (Slot.WebTime >= MakeWebTime) {
                // Spun is spun, even where the web cannot be put any more.
                ++FWebsSpun;
                Slot.State = ssWalking;
                Raise(OnPutWeb, Slot.Tile);
            }
            break;
        case ssDroppingToGround:
            Slot.PosY += FallingMoveStep;
            if (Slot.PosY >= Slot.Target.Y) {
                Slot.PosY = Slot.Target.Y;
                Slot.Target.X = DisappearHorzXPos;
                Slot.State = ssWalkingAway;
            }
            DrawSprite(FImages[imWalking], Slot, Slot.WalkAnim.CurrentPattern(), 2);
            break;
        case ssWalkingAway:
            Slot.PosX += WalkAwayMoveStep;
            if (Slot.PosX >= Slot.Target.X) Slot.State = ssInactive;
            DrawSprite(FImages[imWalking], Slot, Slot.WalkAnim.CurrentPattern(), 1);
            break;
        case ssDroppingIn:
            Slot.PosY += FallingMoveStep;
            if (Slot.PosY >= Slot.Target.Y) {
                // Landed: it rests a moment before it crawls.
                Slot.PosY = Slot.Target.Y;
                Slot.StopTime = 0;
                Slot.State = ssStopped;
            }
            DrawSprite(FImages[imWalking], Slot, Slot.WalkAnim.CurrentPattern(), 2);
            break;
        case ssHit:
            Slot.HitAnim.Advance();
            DrawSprite(FImages[imHit], Slot, Slot.HitAnim.CurrentPattern(), 2);
            if (Slot.HitAnim.AtEnd()) {
                Slot.Angle = 0;
                Slot.State = ssFalling;
            }
            break;
        case ssFalling:
            DrawRolling(OmgImgList, FImages[imHit], Slot.PosX + SpiderAdjustX + SpiderRollAdjX,
                        Slot.PosY + SpiderAdjustY + SpiderRollAdjY, Slot.Angle, RollPattern, 2 * ShadowAdjustX,
                        2 * ShadowAdjustY, ShadowAlpha);
            Slot.Angle = NextRollAngle(Slot.Angle);
            Slot.PosY += FallingMoveStep;
            if (Slot.PosY >= DisappearVertYPos) Slot.State = ssInactive;
            if (Slot.PosY - Slot.HitPos.Y <= DustEffectAfterHitRange)
                Raise(OnFallingPosUpdate, TPoint{Slot.PosX, Slot.PosY});
            break;
        case ssInactive: break;
    }
}

void TCrawlingSpiders::StartHit(TSpiderSlot& Slot) {
    Slot.HitAnim.Restart();
    Slot.State = ssHit;
    Slot.HitPos = TPoint{Slot.PosX, Slot.PosY};
}

void TCrawlingSpiders::HitSpider(TSpiderSlot& Slot) {
    PlaySoundEffect("SpiderHit");
    StartHit(Slot);
    Raise(OnOneSpiderHit);
}

template <typename TMarked>
void TCrawlingSpiders::HitMarked(TMarked IsMarked) {
    // Spiders sit in the middle of their tile: only a blow on that tile reaches them.
    for (TSpiderSlot& Slot : FSlots)
        if (CanBeHit(Slot.State) && IsBoardPos(Slot.Tile) && IsMarked(Slot.Tile)) HitSpider(Slot);
}

void TCrawlingSpiders::HitByMask(const TSimpleObjectArray& Mask) {
    HitMarked([&Mask](TPoint P) { return Mask[P]; });
}

void TCrawlingSpiders::HitByStatus(const TTileStatusArray& Statuses) {
    HitMarked([&Statuses](TPoint P) { return Statuses[P] == tsFalling; });
}

void TCrawlingSpiders::HitInRect(const TRect& R) {
    for (TSpiderSlot& Slot : FSlots) {
        if (!CanBeHit(Slot.State)) continue;
        // The centre of the walking picture, measured from the position (not the drawn place).
        if (PointInRect(Slot.PosX + SpiderWidth / 2, Slot.PosY + SpiderHeight / 2, R)) HitSpider(Slot);
    }
}

void TCrawlingSpiders::RemoveAll() {
    FToAdd = 0;
    FAddTimer = 0;
    bool Any = false;
    for (TSpiderSlot& Slot : FSlots) {
        if (Slot.State == ssInactive) continue;
        StartHit(Slot);
        Any = true;
    }
    if (Any) PlaySoundEffect("SpiderHit");
}
