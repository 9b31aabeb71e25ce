// Every blend mode against its formula: result = source * source factor +
// destination * destination factor, per channel, clamped.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "EngineTestSupport.h"

namespace {

enum TFactor { fZero, fOne, fSrcAlpha, fInvSrcAlpha, fSrcColor, fInvSrcColor, fDstColor, fInvDstColor };

struct TFormula {
    TFactor Source, Destination;
};

const TFormula Formulas[BlendModeCount] = {
    {fSrcAlpha, fInvSrcAlpha}, {fOne, fOne},           {fSrcAlpha, fOne},         {fSrcColor, fInvSrcColor},
    {fSrcColor, fOne},         {fZero, fSrcColor},     {fZero, fSrcAlpha},        {fZero, fInvSrcColor},
    {fZero, fInvSrcAlpha},     {fInvDstColor, fZero},  {fSrcColor, fSrcColor},    {fDstColor, fDstColor},
    {fInvSrcColor, fInvSrcColor}, {fInvDstColor, fInvDstColor},
};

double FactorValue(TFactor Factor, double S, double A, double D) {
    switch (Factor) {
        case fZero: return 0;
        case fOne: return 1;
        case fSrcAlpha: return A;
        case fInvSrcAlpha: return 1 - A;
        case fSrcColor: return S;
        case fInvSrcColor: return 1 - S;
        case fDstColor: return D;
        case fInvDstColor: return 1 - D;
    }
    return 0;
}

int Expected(const TFormula& Formula, int Source, int Alpha, int Destination) {
    const double S = Source / 255.0;
    const double A = Alpha / 255.0;
    const double D = Destination / 255.0;
    const double Result = S * FactorValue(Formula.Source, S, A, D) + D * FactorValue(Formula.Destination, S, A, D);
    return static_cast<int>(std::lround(std::clamp(Result, 0.0, 1.0) * 255));
}

class BlendModes : public ScreenFixture {};

TEST_F(BlendModes, EveryModeFollowsItsFormula) {
    const struct {
        uint32_t SourceRGBA;  // the texel
        uint32_t Background;  // 0xRRGGBB
    } Pairs[] = {
        {0x3CB4F080, 0xC86432},
        {0xF0201040, 0x2080E0},
        {0x808080FF, 0x404040},
    };
    // Modes 14 and beyond, and negative ones other than -1, draw as mode 0.
    const int32_t Modes[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 99, -7};
    for (const auto& Pair : Pairs) {
        TImageListItem* Item = AddPicture("Source", SolidPicture(4, 4, Pair.SourceRGBA));
        const TRgb S = RgbOf(Pair.SourceRGBA);
        const int A = static_cast<int>(Pair.SourceRGBA & 0xFF);
        const TRgb D{int(Pair.Background >> 16), int((Pair.Background >> 8) & 0xFF), int(Pair.Background & 0xFF)};
        for (const int32_t Mode : Modes) {
            const TFormula& Formula = Formulas[(Mode >= 0 && Mode < BlendModeCount) ? Mode : 0];
            const TPicture Drawn = Frame([&] { Item->DrawEx(20, 20, 0, 0, 0, 1, 1, 255, 255, 255, 255, 0, Mode); },
                                         Pair.Background);
            const TRgb Got = RgbOf(Drawn.PixelRGBA(21, 21));
            EXPECT_NEAR(Got.R, Expected(Formula, S.R, A, D.R), 1) << "mode " << Mode << " red";
            EXPECT_NEAR(Got.G, Expected(Formula, S.G, A, D.G), 1) << "mode " << Mode << " green";
            EXPECT_NEAR(Got.B, Expected(Formula, S.B, A, D.B), 1) << "mode " << Mode << " blue";
        }
        Images->FreeItem(Item);
    }
}

TEST_F(BlendModes, MinusOneKeepsTheCurrentMode) {
    TImageListItem* Item = AddPicture("Grey", SolidPicture(4, 4, 0x404040FF));
    Screen->SetBlendMode(1);
    const TPicture Drawn = Frame([&] { Item->DrawEx(0, 0, 0, 0, 0, 1, 1, 255, 255, 255, 255, 0, -1); }, 0x303030);
    EXPECT_NEAR(RgbOf(Drawn.PixelRGBA(1, 1)).R, 0x40 + 0x30, 1);  // still additive
    EXPECT_EQ(Screen->BlendMode(), 1);
    // Draw always uses mode 0.
    const TPicture Plain = Frame([&] { Item->Draw(0, 0, 0); }, 0x303030);
    EXPECT_NEAR(RgbOf(Plain.PixelRGBA(1, 1)).R, 0x40, 1);
    EXPECT_EQ(Screen->BlendMode(), 0);
}

}  // namespace
