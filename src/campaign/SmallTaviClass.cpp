#include "SmallTaviClass.h"

#include "CampaignDrawClass.h"
#include "GeneralRoutinesClass.h"

TSmallTavi::TSmallTavi() {
    FWings.SetSeq("111223456787654322");
    FWings.Looped = true;
    FSwing.Setup(0.01f, 0.012f, 0.45f, -0.45f);
    FDriftA.Setup(0.08f, 0.11f, 25.0f, -25.0f);
    FDriftB.Setup(0.25f, 0.19f, 15.0f, -35.0f);
}

void TSmallTavi::PlaceBeside(int32_t MirelLeft, int32_t MirelTop, TSmallTaviSelectedPos Side) {
    Left1 = MirelLeft - 65;
    Left2 = MirelLeft + 50;
    Top = MirelTop - 55;
    SelectedPos = Side;
}

void TSmallTavi::UpdateAndDraw() {
    FWings.Advance();
    FSwing.Update();
    FDriftA.Update();
    FDriftB.Update();
    const int32_t X = SelectedPos == spLeft ? Left1 : Left2;
    const float A = FDriftA.Value, B = FDriftB.Value, Swing = FSwing.Value;
    // Turning a hair about a point far away from her moves her along a slow curve.
    DrawCampaignSmooth(OmgImgList, "SmallTavi", X, Top, Swing, A + B, A - B, 1.0f, 1.0f, 255, 255, 255, 255,
                       FWings.CurrentPattern());
    if (OnDustRequest) OnDustRequest(this, X + Round((A - B) * Swing), Top - Round(Swing * (A + B)));
}
