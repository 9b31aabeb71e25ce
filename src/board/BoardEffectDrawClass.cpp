#include "BoardEffectDrawClass.h"

#include "DrawRoutinesClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"
#include "TileLooksClass.h"

TImageListItem* EffectImage(TOmegaImageList* List, std::string_view Name) {
    return List ? List->Find(Name) : nullptr;
}

void SetEffectFiltering(TOmegaImageList* List, bool Smooth) {
    if (List && List->OmegaScreen) List->OmegaScreen->SetFiltering(Smooth);
}

void DrawEffectTile(TOmegaImageList* List, const TBoardTile& Tile, int32_t X, int32_t Y, int32_t UniColor,
                    int32_t FlowerIdx) {
    if (!List || (Tile.Kind != okLocker && Tile.Kind != okFruit)) return;
    const TTileLook Box = BoxLook(Tile);
    if (TImageListItem* Image = EffectImage(List, BoardImageName(Box.Image))) Image->Draw(X - 6, Y - 2, Box.Pattern);
    if (Tile.Kind == okFruit) {
        const TTileLook Content = ContentLook(Tile, UniColor, FlowerIdx);
        if (TImageListItem* Image = EffectImage(List, BoardImageName(Content.Image)))
            Image->Draw(X, Y, Content.Pattern);
        if (Tile.Bomb) {
            if (TImageListItem* Bomb = EffectImage(List, "FruitBomb")) Bomb->Draw(X + 4, Y + 7, BombFrame);
        }
        if (Tile.WormState == WormStateEating) {
            if (TImageListItem* Worm = EffectImage(List, "WormEating")) Worm->Draw(X, Y, 0);
        }
    } else if (IsSpecialLockerContent(Tile)) {
        if (TImageListItem* Mark = EffectImage(List, "SpecialLockerMark")) Mark->Draw(X, Y, 0);
    }
    if (Tile.Web) DrawWeb(List, X, Y);
}

void TThrownFlight::Step() {
    Speed += Gravity;
    MoveTowards(HorzSpeed, HorzFriction, 0.0);
    MoveTowards(Impulse, Gravity, 0.0);
    X += HorzSpeed;
    Y += Speed + Impulse;
}
