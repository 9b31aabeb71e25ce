#include "TrophyAnnouncerClass.h"

#include "BoardEffectDrawClass.h"
#include "OmegaFontClass.h"
#include "OmegaImageListClass.h"
#include "TextStringsClass.h"

namespace {
// Indexed by the trophy's number 1..20 (0 unused).
constexpr int8_t NameLines[TrophyCount + 1] = {0, 1, 1, 2, 2, 2, 2, 2, 3, 4, 5, 6, 7, 8, 8, 9, 10, 11, 12, 13, 9};

bool IsTrophyIdx(int32_t Idx) { return Idx >= 1 && Idx <= TrophyCount; }

void Prepare(std::string& Text, int32_t& Width, const std::string& Source, const TOmegaFont* Font) {
    Text.assign(Source);
    Width = Font ? Font->TextWidth(Text) : 0;
}

void WriteCentred(TOmegaFont* Font, int32_t FieldLeft, int32_t FieldWidth, int32_t Y, const std::string& Text,
                  int32_t TextWidth, int32_t Red, int32_t Green, int32_t Blue) {
    if (!Font || Text.empty()) return;
    Font->TextOut(FieldLeft + (FieldWidth - TextWidth) / 2, Y, Text, Red, Green, Blue, 255);
}
}  // namespace

int32_t TrophyNameLine(int32_t TrophyIdx) { return IsTrophyIdx(TrophyIdx) ? NameLines[TrophyIdx] : 0; }

int32_t TrophyAnnouncementLine(int32_t TrophyIdx, int32_t Row) {
    if (!IsTrophyIdx(TrophyIdx) || (Row != 1 && Row != 2)) return 0;
    return 3 * TrophyIdx + Row - 1;
}

TTrophyAnnouncer::TTrophyAnnouncer() {
    FWindow.WindowImg = "InfoWindow";
    FWindow.Left = ShownLeft;
    FWindow.Top = ShownTop;
    FWindow.HidingXPos = ShownLeft;
    FWindow.HidingYPos = HiddenTop;
    FWindow.ShowDir = sdToDown;
    FWindow.MoveStep = SlideStep;
    FWindow.OnPosUpdate = [this](TObject*, TPoint Pos) {
        FOKButton.Left = Pos.X + OKButtonOffset.X;
        FOKButton.Top = Pos.Y + OKButtonOffset.Y;
    };
    FWindow.OnStartShowing = [this](TObject*) {
        if (OnStartShowing) OnStartShowing(this);
    };
    FWindow.OnStartHiding = [this](TObject*) {
        if (OnStartHiding) OnStartHiding(this);
    };
    FWindow.OnHidingComplete = [this](TObject*) {
        if (OnHidingComplete) OnHidingComplete(this);
    };
    FOKButton.ImageName = "WindowOKButton";
    FOKButton.OnClick = [this](TObject*) { FWindow.Hide(); };
    // Room for the longest text line, so an announcement never allocates.
    for (std::string* Text : {&FTitle, &FName, &FLines[0], &FLines[1]}) Text->reserve(MaxTextLineLength + 1);
    FWindow.Reset();
}

void TTrophyAnnouncer::SetUpParts() {
    FWindow.OmgImgList = OmgImgList;
    FOKButton.OmgImgList = OmgImgList;
}

void TTrophyAnnouncer::InitImages() {
    SetUpParts();
    FOKButton.InitImageSize();
}

void TTrophyAnnouncer::Reset() {
    FWindow.Reset();
    FOKButton.ClearMouseState();
}

bool TTrophyAnnouncer::Announce(TTrophyKind Kind) {
    const int32_t Idx = TrophyKindToIdx(Kind);
    if (!IsTrophyIdx(Idx)) return false;
    SetUpParts();
    FTrophy = Kind;
    static const std::string NoText;
    const auto Text = [this](int32_t Line) -> const std::string& {
        return TextStringsComp ? TextStringsComp->NewTrophies(Line) : NoText;
    };
    Prepare(FTitle, FTitleWidth, Text(1), OmgFont);
    Prepare(FName, FNameWidth, TextStringsComp ? TextStringsComp->TrophyNames(TrophyNameLine(Idx)) : NoText,
            OmgFont);
    for (int32_t Row = 1; Row <= 2; ++Row)
        Prepare(FLines[Row - 1], FLineWidths[Row - 1], Text(TrophyAnnouncementLine(Idx, Row)), OmgSmallFont);
    FOKButton.ClearMouseState();
    FWindow.Show();
    FOKButton.Left = FWindow.Position().X + OKButtonOffset.X;
    FOKButton.Top = FWindow.Position().Y + OKButtonOffset.Y;
    return true;
}

void TTrophyAnnouncer::UpdateAndDraw() {
    FWindow.Update();
    if (FWindow.IsHidden()) return;
    // The window is drawn over its button: it shows the button through its hole.
    FOKButton.Draw();
    FWindow.Draw();
    DrawContents();
}

void TTrophyAnnouncer::DrawContents() {
    const TPoint Pos = FWindow.Position();
    if (TImageListItem* Trophies = EffectImage(OmgImgList, "Trophies"))
        Trophies->Draw(Pos.X + TrophyOffset.X, Pos.Y + TrophyOffset.Y, TrophyKindToIdx(FTrophy) - 1);
    WriteCentred(OmgFont, Pos.X + TitleLeft, TitleWidth, Pos.Y + TitleTop, FTitle, FTitleWidth, 255, 255, 255);
    WriteCentred(OmgFont, Pos.X + TextLeft, TextWidth, Pos.Y + NameTop, FName, FNameWidth, 255, 255, 0);
    for (int32_t I = 0; I < 2; ++I) {
        WriteCentred(OmgSmallFont, Pos.X + TextLeft, TextWidth, Pos.Y + LineTops[I], FLines[I], FLineWidths[I], 255,
                     255, 255);
    }
}

void TTrophyAnnouncer::MouseMove(int32_t X, int32_t Y) {
    if (TakesInput()) FOKButton.MouseMove(X, Y);
}

void TTrophyAnnouncer::MouseDown(int32_t X, int32_t Y, TMouseButton Button) {
    if (TakesInput()) FOKButton.MouseDown(X, Y, Button);
}

void TTrophyAnnouncer::MouseUp(int32_t X, int32_t Y) {
    if (TakesInput()) FOKButton.MouseUp(X, Y);
}
