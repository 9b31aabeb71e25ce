#include "MonsterSheetClass.h"

#include <cmath>
#include <functional>
#include <memory>

#include "BirdBossClass.h"
#include "FishBossClass.h"
#include "FoldersClass.h"
#include "FormMainClass.h"
#include "KOStarsClass.h"
#include "KongBossClass.h"
#include "LevelStartClass.h"
#include "LionBossClass.h"
#include "LizardBossClass.h"
#include "MonsterAuraClass.h"

namespace {
constexpr uint8_t Paper[3] = {238, 235, 226};
constexpr uint32_t PaperRGBA = 0xEEEBE2FFu;
constexpr uint32_t RuleRGBA = 0xC8C3B4FFu;
constexpr int32_t LabelHeight = 16;
// Where the sheet's monster walks and falls on the screen: every cell stays inside the frame.
constexpr int32_t SheetTop = 200;
constexpr int32_t SheetLeftLimit = 100;
constexpr int32_t SheetRightLimit = 450;
// Hits before the walking poses: the bar shows part of its fill.
constexpr int32_t EarlyHits = 20;
// Frames the knocked-out monster lies after landing, past its parts' drift.
constexpr int32_t LyingFrames = 30;
constexpr int32_t PoseFrameLimit = 2000;

// The images besides the monster's own, from the main set.
const char* const CompanionImages[] = {"MonsterShadow", "MonsterEnergy", "AuraBubble", "AuraSpark",
                                       "AbsorbedEnergy", "KOStar",        "KOStarTrack"};

std::unique_ptr<TBossMonster> MakeMonster(TMonsterKind Kind) {
    switch (Kind) {
        case mkBird: return std::make_unique<TBirdBoss>();
        case mkLizard: return std::make_unique<TLizardBoss>();
        case mkKong: return std::make_unique<TKongBoss>();
        case mkFish: return std::make_unique<TFishBoss>();
        case mkLion: return std::make_unique<TLionBoss>();
    }
    return nullptr;
}

int32_t IslandOf(TMonsterKind Kind) {
    for (int32_t Island = 1; Island <= 5; ++Island)
        if (MonsterOfIsland(Island) == Kind) return Island;
    return 1;
}

bool Near(float A, float B) { return std::fabs(A - B) < 0.01f; }
}  // namespace

TMonsterSheet::TMonsterSheet(TFormMain& Form) : FForm(Form) {}

const char* TMonsterSheet::KindName(TMonsterKind Kind) {
    switch (Kind) {
        case mkBird: return "Bird";
        case mkLizard: return "Lizard";
        case mkKong: return "Kong";
        case mkFish: return "Fish";
        case mkLion: return "Lion";
    }
    return "Monster";
}

void TMonsterSheet::LoadImages(TMonsterKind Kind, std::vector<std::string>& Missing) {
    for (const char* Name : CompanionImages) {
        if (FForm.OmegaImageList1.Find(Name)) continue;
        if (!FForm.LoadImageFile(icMain, std::string(Name) + ".png", 0, false, false)) Missing.push_back(Name);
    }
    const int32_t Before = FForm.OmegaImageList1.Count();
    FForm.CurrentIsland = IslandOf(Kind);
    FForm.LoadAllPngs(icMonster);
    if (FForm.OmegaImageList1.Count() == Before) Missing.push_back(MonsterImagesFolder(Kind));
}

void TMonsterSheet::KeepCell(const TPicture& Frame, int32_t Left, int32_t Top, int32_t Index,
                             const std::string& Label, TPicture& Sheet) {
    const int32_t ToX = (Index % Columns) * CellWidth;
    const int32_t ToY = (Index / Columns) * CellHeight;
    for (int32_t Y = 0; Y < CellHeight; ++Y)
        for (int32_t X = 0; X < CellWidth; ++X) {
            const bool Inside = Left + X >= 0 && Left + X < Frame.Width && Top + Y >= 0 && Top + Y < Frame.Height;
            Sheet.SetPixelRGBA(ToX + X, ToY + Y, Inside ? Frame.PixelRGBA(Left + X, Top + Y) | 0xFFu : PaperRGBA);
        }

    // The label is written on a frame of its own and laid over the cell's top.
    TOmegaScreen& Screen = FForm.OmegaScreen1;
    Screen.Clear(Paper[0], Paper[1], Paper[2], 255);
    Screen.BeginFrame();
    FForm.OmegaFont_Size10.BeginText();
    FForm.OmegaFont_Size10.TextOut(6, 2, Label, 70, 64, 56, 255);
    FForm.OmegaFont_Size10.EndText();
    Screen.EndFrame();
    TPicture Text;
    if (Screen.ReadFrame(Text))
        for (int32_t Y = 0; Y < LabelHeight; ++Y)
            for (int32_t X = 0; X < CellWidth; ++X) Sheet.SetPixelRGBA(ToX + X, ToY + Y, Text.PixelRGBA(X, Y) | 0xFFu);

    // A thin rule between the cells.
    Sheet.FillRect(ToX + CellWidth - 1, ToY, 1, CellHeight, RuleRGBA);
    Sheet.FillRect(ToX, ToY + CellHeight - 1, CellWidth, 1, RuleRGBA);
}

bool TMonsterSheet::Draw(TMonsterKind Kind, TPicture& Sheet, std::string& Error) {
    std::unique_ptr<TBossMonster> Owned = MakeMonster(Kind);
    TBossMonster& Monster = *Owned;
    TMonsterAura Aura;
    TKOStars Stars;
    TOmegaImageList* Images = &FForm.OmegaImageList1;
    Monster.OmgImgList = Images;
    Aura.OmgImgList = Images;
    Stars.OmgImgList = Images;
    // The companions follow the monster as the round wires them.
    Monster.OnStartAbsorbing = [&](TObject*) {
        const TPoint Centre = Monster.AuraCentre();
        Aura.Left = Centre.X;
        Aura.Top = Centre.Y;
        Aura.StartAura();
    };
    Monster.OnFinishAbsorbing = [&](TObject*) { Aura.StopAura(); };
    Monster.OnDeadGrounded = [&](TObject*) {
        const TPoint At = Monster.KOStarsPos();
        Stars.Left = At.X;
        Stars.Top = At.Y;
        Stars.DisappearMoveStep = Monster.DisappearMoveStep;
        Stars.StartStars(false);
    };
    // Its own fall, from a walk placed where the sheet's cells fit on the screen.
    const int32_t Fall = Monster.FrontDeadGroundPos - Monster.TopPos;
    Monster.TopPos = SheetTop;
    Monster.FrontDeadGroundPos = SheetTop + Fall;
    Monster.MaxLeftPos = SheetLeftLimit;
    Monster.MaxRightPos = SheetRightLimit;
    Monster.ResetBoss();

    Sheet.SetSize(Columns * CellWidth, Rows * CellHeight);
    Sheet.FillRect(0, 0, Sheet.Width, Sheet.Height, PaperRGBA);
    TOmegaScreen& Screen = FForm.OmegaScreen1;
    auto Step = [&] {
        Screen.Clear(Paper[0], Paper[1], Paper[2], 255);
        Screen.BeginFrame();
        Monster.UpdateAndDraw();
        Aura.UpdateAndDraw();
        Stars.UpdateAndDraw();
        Screen.EndFrame();
    };
    int32_t Cell = 0;
    const std::string Name = KindName(Kind);
    // Steps until the pose holds after a frame and keeps that frame.
    auto Pose = [&](const std::string& Label, const std::function<bool()>& Holds) {
        for (int32_t I = 0; I < PoseFrameLimit; ++I) {
            Step();
            if (!Holds()) continue;
            TPicture Frame;
            if (!Screen.ReadFrame(Frame)) {
                Error = "cannot read the frame back";
                return false;
            }
            const TPoint At = Monster.RoundedPos();
            KeepCell(Frame, At.X + CellLeft, At.Y + CellTop, Cell++, Name + ": " + Label, Sheet);
            return true;
        }
        Error = Name + " never came to " + Label;
        return false;
    };

    for (int32_t I = 0; I < EarlyHits; ++I) Monster.Hit(0, 0, 1);
    for (const TBossDirection Direction : {bdLeft, bdRight}) {
        for (const float Bob : {0.0f, -4.0f, -8.0f}) {
            const std::string Label = std::string(Direction == bdLeft ? "walking left" : "walking right") +
                                      ", bob " + std::to_string(static_cast<int>(Bob));
            const bool Reached = Pose(Label, [&] {
                return Monster.ViewState() == bvWalking && Monster.Direction() == Direction && Monster.Tilt() == 0.0f &&
                       Monster.Jolt() == 0 && Near(Monster.Bobbing(), Bob);
            });
            if (!Reached) return false;
        }
    }

    Monster.RefTimeForAbsorbAttempt = 300;
    Monster.SetAbsorbAttempts(true);
    if (!Pose("facing", [&] {
            return Monster.ViewState() == bvFacing && Monster.AttemptPhase() == atPreparing &&
                   Near(Monster.Bobbing(), 0.0f);
        }))
        return false;
    if (!Pose("absorbing, aura at its peak",
              [&] { return Monster.ViewState() == bvAbsorbing && Aura.Phase() == apAtPeak; }))
        return false;

    // Knocked out from a fresh walk, lying where it landed under its stars.
    Monster.SetAbsorbAttempts(false);
    Monster.ResetBoss();
    Aura.ResetAura();
    for (int32_t I = 0; I < Monster.Energy && !Monster.IsDead(); ++I) Monster.Hit(0, 0, 1);
    int32_t Lying = 0;
    return Pose("knocked out", [&] { return Stars.Active() && ++Lying > LyingFrames; });
}
