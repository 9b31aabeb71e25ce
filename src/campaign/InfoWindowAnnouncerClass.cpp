#include "InfoWindowAnnouncerClass.h"

#include "OmegaFontClass.h"
#include "TextStringsClass.h"

namespace {
void Prepare(std::string& Text, int32_t& Width, const std::string& Source, const TOmegaFont* Font) {
    Text.assign(Source);
    Width = Font ? Font->TextWidth(Text) : 0;
}
}  // namespace

TInfoWindowAnnouncer::TInfoWindowAnnouncer(int32_t ShownLeft, int32_t ShownTop) {
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

void TInfoWindowAnnouncer::SetUpParts() {
    FWindow.OmgImgList = OmgImgList;
    FOKButton.OmgImgList = OmgImgList;
}

void TInfoWindowAnnouncer::InitImages() {
    SetUpParts();
    FOKButton.InitImageSize();
}

void TInfoWindowAnnouncer::Reset() {
    FWindow.Reset();
    FOKButton.ClearMouseState();
}

void TInfoWindowAnnouncer::SetTexts(const std::string& Title, const std::string& Name, const std::string& Line1,
                                    const std::string& Line2) {
    Prepare(FTitle, FTitleWidth, Title, OmgFont);
    Prepare(FName, FNameWidth, Name, OmgFont);
    Prepare(FLines[0], FLineWidths[0], Line1, OmgSmallFont);
    Prepare(FLines[1], FLineWidths[1], Line2, OmgSmallFont);
}

void TInfoWindowAnnouncer::Open() {
    SetUpParts();
    FOKButton.ClearMouseState();
    FWindow.Show();
    FOKButton.Left = FWindow.Position().X + OKButtonOffset.X;
    FOKButton.Top = FWindow.Position().Y + OKButtonOffset.Y;
}

void TInfoWindowAnnouncer::UpdateAndDraw() {
    FWindow.Update();
    if (FWindow.IsHidden()) return;
    // The window is drawn over its button: it shows the button through its hole.
    FOKButton.Draw();
    FWindow.Draw();
    DrawContents();
}

void TInfoWindowAnnouncer::WriteCentred(TOmegaFont* Font, int32_t FieldLeft, int32_t FieldWidth, int32_t Y,
                                        const std::string& Text, int32_t TextWidth, int32_t Red, int32_t Green,
                                        int32_t Blue) {
    if (!Font || Text.empty()) return;
    Font->TextOut(FieldLeft + (FieldWidth - TextWidth) / 2, Y, Text, Red, Green, Blue, 255);
}

void TInfoWindowAnnouncer::MouseMove(int32_t X, int32_t Y) {
    if (TakesInput()) FOKButton.MouseMove(X, Y);
}

void TInfoWindowAnnouncer::MouseDown(int32_t X, int32_t Y, TMouseButton Button) {
    if (TakesInput()) FOKButton.MouseDown(X, Y, Button);
}

void TInfoWindowAnnouncer::MouseUp(int32_t X, int32_t Y) {
    if (TakesInput()) FOKButton.MouseUp(X, Y);
}
