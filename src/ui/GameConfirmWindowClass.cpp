#include "GameConfirmWindowClass.h"

#include "OmegaFontClass.h"
#include "TextStringsClass.h"

namespace {
// Offsets from the window's top-left corner.
constexpr TPoint PositiveButtonOffset{55, 102};
constexpr TPoint NegativeButtonOffset{178, 102};
constexpr TPoint TitleOffset{34, 15};
constexpr TPoint TextOffset{25, 60};
// The widths the title and the lines are centred in.
constexpr int32_t TitleAreaWidth = 265;
constexpr int32_t TextAreaWidth = 280;
constexpr int32_t HiddenTop = -150;
constexpr int32_t SlideStep = 55;
}  // namespace

const char* PositiveButtonImage(TPositiveButtonKind Kind) {
    return Kind == pbYes ? "WindowYesButton" : "WindowOKButton";
}

const char* NegativeButtonImage(TNegativeButtonKind Kind) {
    return Kind == nbNo ? "WindowNoButton" : "WindowCancelButton";
}

TGameConfirmWindow::TGameConfirmWindow() {
    FWindow.WindowImg = "ConfirmWindow";
    FWindow.ShowDir = sdToDown;
    FWindow.MoveStep = SlideStep;
    FWindow.HidingYPos = HiddenTop;
    FWindow.OnStartShowing = [this](TObject*) {
        if (OnStartShowing) OnStartShowing(this);
    };
    FWindow.OnStartHiding = [this](TObject*) {
        if (OnStartHiding) OnStartHiding(this);
    };
    FWindow.OnHidingComplete = [this](TObject*) {
        if (OnHidingComplete) OnHidingComplete(this, FAnswer);
    };
    FWindow.OnPosUpdate = [this](TObject*, TPoint NewPos) { PlaceButtons(NewPos); };
    FPositiveButton.OnClick = [this](TObject* Sender) { PositiveClick(Sender); };
    FNegativeButton.OnClick = [this](TObject* Sender) { NegativeClick(Sender); };
}

void TGameConfirmWindow::Build() {
    FWindow.OmgImgList = OmgImgList;
    FWindow.Left = Left;
    FWindow.Top = Top;
    // Put away at once: hidden above the screen, straight above its place.
    FWindow.HidingXPos = Left;
    FWindow.Reset();
    FPositiveButton.OmgImgList = OmgImgList;
    FNegativeButton.OmgImgList = OmgImgList;
    SetButtonKinds(PositiveButtonKind, NegativeButtonKind);
}

void TGameConfirmWindow::SetButtonKinds(TPositiveButtonKind PositiveKind, TNegativeButtonKind NegativeKind) {
    PositiveButtonKind = PositiveKind;
    NegativeButtonKind = NegativeKind;
    FPositiveButton.ImageName = PositiveButtonImage(PositiveKind);
    FNegativeButton.ImageName = NegativeButtonImage(NegativeKind);
    // The two kinds of a side may differ in size; the hit area follows the image shown.
    FPositiveButton.InitImageSize();
    FNegativeButton.InitImageSize();
}

void TGameConfirmWindow::InitButtonImages() {
    FPositiveButton.InitImageSize();
    FNegativeButton.InitImageSize();
}

void TGameConfirmWindow::PlaceButtons(TPoint WindowPos) {
    FPositiveButton.Left = WindowPos.X + PositiveButtonOffset.X;
    FPositiveButton.Top = WindowPos.Y + PositiveButtonOffset.Y;
    FNegativeButton.Left = WindowPos.X + NegativeButtonOffset.X;
    FNegativeButton.Top = WindowPos.Y + NegativeButtonOffset.Y;
}

void TGameConfirmWindow::Show(uint8_t Kind, TPositiveButtonKind PositiveKind, TNegativeButtonKind NegativeKind) {
    FKind = Kind;
    SetButtonKinds(PositiveKind, NegativeKind);
    FTitle.clear();
    FLines[0].clear();
    FLines[1].clear();
    const TConfirmMessageLines Block = ConfirmMessageLines(Kind);
    if (TextStringsComp) {
        if (Block.TitleLine > 0) FTitle = TextStringsComp->Confirms(Block.TitleLine);
        for (int I = 0; I < Block.TextLineCount && I < 2; ++I) FLines[I] = TextStringsComp->Confirms(Block.TextLines[I]);
    }
    FAnswer = false;
    FPositiveButton.ClearMouseState();
    FNegativeButton.ClearMouseState();
    FWindow.Show();
    PlaceButtons(FWindow.Position());
}

void TGameConfirmWindow::PositiveClick(TObject* /*Sender*/) {
    FAnswer = true;
    if (OnPositiveButtonClick) OnPositiveButtonClick(this);
    FWindow.Hide();
}

void TGameConfirmWindow::NegativeClick(TObject* /*Sender*/) {
    FAnswer = false;
    if (OnNegativeButtonClick) OnNegativeButtonClick(this);
    FWindow.Hide();
}

TGameConfirmWindow::TTextLayout TGameConfirmWindow::TextLayout() const {
    TTextLayout Layout;
    const TPoint Pos = FWindow.Position();
    const auto Width = [this](const std::string& Text) { return OmgFont ? OmgFont->TextWidth(Text) : 0; };
    Layout.Title = Point(Pos.X + TitleOffset.X + (TitleAreaWidth - Width(FTitle)) / 2 + FTextAdjustment.X,
                         Pos.Y + TitleOffset.Y + FTextAdjustment.Y);
    const int32_t LineX = Pos.X + TextOffset.X + (TextAreaWidth - Width(FLines[0])) / 2 + FTextAdjustment.X;
    const int32_t LineY = Pos.Y + TextOffset.Y + FTextAdjustment.Y;
    if (FLines[1].empty()) {
        Layout.Lines[0] = Point(LineX, LineY);
        Layout.LineCount = FLines[0].empty() ? 0 : 1;
    } else {
        // Two lines straddle the one-line position; the second starts where the first does.
        Layout.Lines[0] = Point(LineX, LineY - DescsGap / 2);
        Layout.Lines[1] = Point(LineX, LineY + DescsGap / 2);
        Layout.LineCount = 2;
    }
    return Layout;
}

void TGameConfirmWindow::Draw() {
    FWindow.Update();
    if (FWindow.IsHidden()) return;
    FPositiveButton.Draw();
    FNegativeButton.Draw();
    FWindow.Draw();
    if (!OmgFont) return;
    const TTextLayout Layout = TextLayout();
    OmgFont->TextOut(Layout.Title.X, Layout.Title.Y, FTitle, 255, 255, 255, 255);
    for (int32_t I = 0; I < Layout.LineCount; ++I)
        OmgFont->TextOut(Layout.Lines[I].X, Layout.Lines[I].Y, FLines[I], 255, 255, 255, 255);
}

void TGameConfirmWindow::MouseMove(int32_t X, int32_t Y) {
    if (!TakesInput()) return;
    FPositiveButton.MouseMove(X, Y);
    FNegativeButton.MouseMove(X, Y);
}

void TGameConfirmWindow::MouseDown(int32_t X, int32_t Y, TMouseButton Button) {
    if (!TakesInput()) return;
    FPositiveButton.MouseDown(X, Y, Button);
    FNegativeButton.MouseDown(X, Y, Button);
}

void TGameConfirmWindow::MouseUp(int32_t X, int32_t Y) {
    if (!TakesInput()) return;
    FPositiveButton.MouseUp(X, Y);
    // The positive button's click may already have answered the question.
    if (!TakesInput()) return;
    FNegativeButton.MouseUp(X, Y);
}
