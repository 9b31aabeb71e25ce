#include "IncentiveAnnouncerClass.h"

#include "BoardEffectDrawClass.h"
#include "OmegaFontClass.h"
#include "OmegaImageListClass.h"
#include "TextStringsClass.h"

namespace {
void Prepare(std::string& Text, int32_t& Width, const std::string& Source, const TOmegaFont* Font) {
    Text.assign(Source);
    Width = Font ? Font->TextWidth(Text) : 0;
}

void WriteCentred(TOmegaFont* Font, int32_t FieldLeft, int32_t FieldWidth, int32_t Y, const std::string& Text,
                  int32_t TextWidth) {
    if (!Font || Text.empty()) return;
    Font->TextOut(FieldLeft + (FieldWidth - TextWidth) / 2, Y, Text, 255, 255, 255, 255);
}
}  // namespace

TIncentiveAnnouncer::TIncentiveAnnouncer() {
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

void TIncentiveAnnouncer::SetUpParts() {
    FWindow.OmgImgList = OmgImgList;
    FOKButton.OmgImgList = OmgImgList;
}

void TIncentiveAnnouncer::InitImages() {
    SetUpParts();
    FOKButton.InitImageSize();
}

void TIncentiveAnnouncer::Reset() {
    FWindow.Reset();
    FOKButton.ClearMouseState();
}

bool TIncentiveAnnouncer::Announce(int32_t Number) {
    if (Number < 1 || Number > IncentiveCount) return false;
    SetUpParts();
    FNumber = Number;
    static const std::string NoText;
    const auto Text = [this](int32_t Line) -> const std::string& {
        return TextStringsComp ? TextStringsComp->NewItems(Line) : NoText;
    };
    Prepare(FTitle, FTitleWidth, Text(1), OmgFont);
    Prepare(FLines[0], FLineWidths[0], Text(2), OmgSmallFont);
    Prepare(FLines[1], FLineWidths[1], Text(3), OmgSmallFont);
    Prepare(FName, FNameWidth, Text(4 + Number), OmgFont);
    FOKButton.ClearMouseState();
    FWindow.Show();
    FOKButton.Left = FWindow.Position().X + OKButtonOffset.X;
    FOKButton.Top = FWindow.Position().Y + OKButtonOffset.Y;
    return true;
}

void TIncentiveAnnouncer::UpdateAndDraw() {
    FWindow.Update();
    if (FWindow.IsHidden()) return;
    // The window is drawn over its button: it shows the button through its hole.
    FOKButton.Draw();
    FWindow.Draw();
    DrawContents();
}

void TIncentiveAnnouncer::DrawContents() {
    const TPoint Pos = FWindow.Position();
    WriteCentred(OmgFont, Pos.X + TitleLeft, TitleWidth, Pos.Y + TitleTop, FTitle, FTitleWidth);
    for (int32_t I = 0; I < 2; ++I)
        WriteCentred(OmgSmallFont, Pos.X + LinesLeft, LinesWidth, Pos.Y + LineTops[I], FLines[I], FLineWidths[I]);
    if (TImageListItem* Icons = EffectImage(OmgImgList, "IncentiveIcons"))
        Icons->Draw(Pos.X + IconOffset.X, Pos.Y + IconOffset.Y, FNumber - 1);
    WriteCentred(OmgFont, Pos.X + NameLeft, NameWidth, Pos.Y + NameTop, FName, FNameWidth);
}

void TIncentiveAnnouncer::MouseMove(int32_t X, int32_t Y) {
    if (TakesInput()) FOKButton.MouseMove(X, Y);
}

void TIncentiveAnnouncer::MouseDown(int32_t X, int32_t Y, TMouseButton Button) {
    if (TakesInput()) FOKButton.MouseDown(X, Y, Button);
}

void TIncentiveAnnouncer::MouseUp(int32_t X, int32_t Y) {
    if (TakesInput()) FOKButton.MouseUp(X, Y);
}
