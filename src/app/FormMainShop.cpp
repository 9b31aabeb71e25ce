// The garden shop: its window sliding in over the garden with the page tabs,
// the three rows' buy buttons, the scroll buttons and tracker, the money, and
// what a purchase does (the money paid, the object placed and glowing, Mirel's
// comment, the gauge), then, once the window has slid out, the progress saved
// and the garden's picture taken anew.
#include "FormMainClass.h"
#include "GeneralRoutinesClass.h"
#include "SFXPlayerClass.h"

using enum TMirelIslandItemType;

namespace {
// Places relative to the window's top-left corner (shown at (210, 78)), as its drawing has them.
constexpr TPoint ShopShown{210, 78};
constexpr TPoint ShopHidden{210, -490};
constexpr int32_t ShopSlideStep = 45;
constexpr TPoint RowsAt{40, 76};
constexpr TPoint BuyButtonInRow{238, 25};
constexpr TPoint TabsAt{66, -32};
constexpr int32_t TabGap = 84;
constexpr TPoint TabCoverAt{56, 0};
constexpr TPoint UpButtonAt{378, 76};
constexpr TPoint DownButtonAt{378, 332};
constexpr int32_t TrackerLeft = 380;
constexpr int32_t TrackerTop = 110;
constexpr int32_t TrackerBottom = 328;
constexpr TPoint DoneButtonAt{322, 434};
constexpr TPoint MoneyAt{210, 449};
constexpr const char* TabImages[TShopItemList::PageCount] = {"MirelIslandTab1", "MirelIslandTab2", "MirelIslandTab3",
                                                               "MirelIslandTab4"};
}  // namespace

void TFormMain::CreateShopWindow() {
    TShopWindowParts& W = Garden.ShopWindow;
    W.Window.OmgImgList = &OmegaImageList1;
    W.Window.WindowImg = "ShopWindow";
    W.Window.Left = ShopShown.X;
    W.Window.Top = ShopShown.Y;
    W.Window.HidingXPos = ShopHidden.X;
    W.Window.HidingYPos = ShopHidden.Y;
    W.Window.ShowDir = sdToDown;
    W.Window.MoveStep = ShopSlideStep;
    W.Window.OnPosUpdate = [this](TObject*, TPoint Pos) { PlaceShopWidgets(Pos); };
    W.Window.OnStartShowing = [this](TObject*) { ScreenDarkener->FadeIn(); };
    W.Window.OnStartHiding = [this](TObject*) { ScreenDarkener->FadeOut(); };
    W.Window.OnHidingComplete = [this](TObject*) { ShopWindowGone(); };
    W.Window.Reset();

    for (int32_t Page = 1; Page <= TShopItemList::PageCount; ++Page) {
        TGameTab& Tab = W.Tabs[static_cast<size_t>(Page - 1)];
        Tab.OmgImgList = &OmegaImageList1;
        Tab.ImageName = TabImages[Page - 1];
        Tab.Tag = Page;
        Tab.OnActivate = [this, Page](TObject*) { ShowShopPage(Page); };
    }
    for (int32_t Slot = 1; Slot <= TShopItemList::VisibleSlotCount; ++Slot) {
        TGameButton& Button = W.BuyButtons[static_cast<size_t>(Slot - 1)];
        Button.OmgImgList = &OmegaImageList1;
        Button.ImageName = "BuyItemButton";
        Button.Visible = false;
        Button.OnClick = [this, Slot](TObject*) { BuyShopSlot(Slot); };
    }
    W.UpButton.OmgImgList = &OmegaImageList1;
    W.UpButton.ImageName = "BuyWindowUp";
    W.UpButton.OnClick = [this](TObject*) { Garden.Shop->ScrollUp(); };
    W.DownButton.OmgImgList = &OmegaImageList1;
    W.DownButton.ImageName = "BuyWindowDown";
    W.DownButton.OnClick = [this](TObject*) { Garden.Shop->ScrollDown(); };
    W.DoneButton.OmgImgList = &OmegaImageList1;
    W.DoneButton.ImageName = "WindowDoneButton";
    W.DoneButton.OnClick = [this](TObject*) { Garden.ShopWindow.Window.Hide(); };
    W.Tracker.OmgImgList = &OmegaImageList1;
    W.Tracker.ImageName = "BuyWindowTracker";
    W.Tracker.OnTrackerDrag = [this](TObject*, int32_t FirstSlot) { ScrollShopTo(FirstSlot - 1); };
    W.MoneyText.reserve(32);
    PlaceShopWidgets(W.Window.Position());

    TShopItemList& Shop = *Garden.Shop;
    Shop.OnUpdateSlotButtons = [this](TObject*, int32_t Slot, bool BuyAvail, bool BuyEnabled, bool BuyPending) {
        if (Slot < 1 || Slot > TShopItemList::VisibleSlotCount) return;
        const size_t I = static_cast<size_t>(Slot - 1);
        TGameButton& Button = Garden.ShopWindow.BuyButtons[I];
        // A waiting item shows the veil in its button's place.
        Button.Visible = BuyAvail && !BuyPending;
        Button.Enabled = BuyEnabled;
        Garden.ShopWindow.BuyPending[I] = BuyAvail && BuyPending;
    };
    Shop.OnListChange = [this](TObject*) { ShopListChanged(); };
    Shop.OnItemBought = [this](TObject*, TMirelIslandItemType Type, uint8_t /*Group*/, int32_t Price) {
        ShopItemBought(Type, Price);
    };
}

void TFormMain::InitShopImages() {
    TShopWindowParts& W = Garden.ShopWindow;
    for (TGameButton& Button : W.BuyButtons) Button.InitImageSize();
    for (TGameButton* Button : {&W.UpButton, &W.DownButton, &W.DoneButton, Garden.ShopButton.get(),
                                Garden.MapButton.get()}) {
        Button->InitImageSize();
    }
    W.Tracker.InitImages();
}

// The tabs' images come with the garden's own folder.
void TFormMain::SizeShopTabs() {
    for (TGameTab& Tab : Garden.ShopWindow.Tabs) Tab.InitImages();
}

// Everything on the window moves with it.
void TFormMain::PlaceShopWidgets(TPoint Pos) {
    TShopWindowParts& W = Garden.ShopWindow;
    Garden.Shop->FirstSlotLeft = Pos.X + RowsAt.X;
    Garden.Shop->FirstSlotTop = Pos.Y + RowsAt.Y;
    for (int32_t K = 0; K < TShopItemList::VisibleSlotCount; ++K) {
        TGameButton& Button = W.BuyButtons[static_cast<size_t>(K)];
        Button.Left = Garden.Shop->FirstSlotLeft + BuyButtonInRow.X;
        Button.Top = Garden.Shop->FirstSlotTop + K * Garden.Shop->SlotGap + BuyButtonInRow.Y;
    }
    for (int32_t K = 0; K < TShopItemList::PageCount; ++K) {
        TGameTab& Tab = W.Tabs[static_cast<size_t>(K)];
        Tab.Left = Pos.X + TabsAt.X + K * TabGap;
        Tab.Top = Pos.Y + TabsAt.Y;
    }
    W.UpButton.Left = Pos.X + UpButtonAt.X;
    W.UpButton.Top = Pos.Y + UpButtonAt.Y;
    W.DownButton.Left = Pos.X + DownButtonAt.X;
    W.DownButton.Top = Pos.Y + DownButtonAt.Y;
    W.DoneButton.Left = Pos.X + DoneButtonAt.X;
    W.DoneButton.Top = Pos.Y + DoneButtonAt.Y;
    W.Tracker.Left = Pos.X + TrackerLeft;
    W.Tracker.Top = Pos.Y + TrackerTop;
    W.Tracker.Bottom = Pos.Y + TrackerBottom;
}

// --- Opening and closing -----------------------------------------------------------

// The garden's shop button: the window slides in on the page the last unlock showed.
void TFormMain::OpenShop() {
    if (Scene() != gsMirelIsland || SceneTransition->Active()) return;
    TShopWindowParts& W = Garden.ShopWindow;
    W.Bought = false;
    W.Window.Reset();
    for (TGameButton* Button : {&W.UpButton, &W.DownButton, &W.DoneButton}) Button->ClearMouseState();
    for (TGameButton& Button : W.BuyButtons) Button.ClearMouseState();
    Garden.Shop->MoneyChanged(Scoring.Money->Value());
    ShowShopPage(Garden.Shop->FirstPage());
    GameScene->SetValue(gsShopItems);
    W.Window.Show();
}

void TFormMain::ShowShopPage(int32_t Page) {
    for (TGameTab& Tab : Garden.ShopWindow.Tabs) Tab.Active = Tab.Tag == Page;
    Garden.Shop->ShowPage(Page);
}

// Back in the garden: a purchase is saved and the garden's picture taken on its next
// frames (a failed save has been told; the garden goes on).
void TFormMain::ShopWindowGone() {
    GameScene->SetValue(gsMirelIsland);
    if (Garden.ChangedByPurchase) {
        Garden.ChangedByPurchase = false;
        SaveProgress();
    }
    ShowShopTipIfDue();
}

// --- The list ------------------------------------------------------------------------

void TFormMain::ShopListChanged() {
    TShopWindowParts& W = Garden.ShopWindow;
    const TShopItemList& Shop = *Garden.Shop;
    W.Tracker.StepCount = std::max(0, Shop.ListCount() - TShopItemList::VisibleSlotCount);
    W.Tracker.SetIndex(Shop.ScrollPos() + 1);
    W.UpButton.Enabled = Shop.CanScrollUp();
    W.DownButton.Enabled = Shop.CanScrollDown();
}

void TFormMain::ScrollShopTo(int32_t FirstRow) {
    TShopItemList& Shop = *Garden.Shop;
    while (Shop.ScrollPos() < FirstRow && Shop.CanScrollDown()) Shop.ScrollDown();
    while (Shop.ScrollPos() > FirstRow && Shop.CanScrollUp()) Shop.ScrollUp();
}

// One purchase per opening, and none while the window slides.
void TFormMain::BuyShopSlot(int32_t Slot) {
    TShopWindowParts& W = Garden.ShopWindow;
    if (W.Bought || W.Window.Phase() != TGameMenuWindow::phShown) return;
    Garden.Shop->Buy(Slot);
}

void TFormMain::ShopItemBought(TMirelIslandItemType Type, int32_t Price) {
    TShopItemList& Shop = *Garden.Shop;
    Scoring.Money->Set(Scoring.Money->Value() - Price);
    Shop.MoneyChanged(Scoring.Money->Value());
    const TShopItem* Item = Shop.LastBoughtItem();
    if (TMirelIslandObjects::IsGardenVisitor(Type)) {
        EnableGardenVisitors(Type);
    } else if (Item) {
        Garden.Objects->Place(Type, Item->Variant);
    }
    if (Shop.AllBought(Type)) Garden.Balloon->SayItemTypeCompleted(Type);
    PlaySoundEffect("MirelIslandItem");
    Garden.Gauge->SetPosition(Shop.GardenPercent());
    Garden.Shot.MarkChanged();
    Garden.ChangedByPurchase = true;
    Garden.ShopWindow.Bought = true;
    Garden.ShopWindow.Window.Hide();
}

// --- The frame and the pointer ---------------------------------------------------------

void TFormMain::FrameShopItems() {
    FrameMirelIsland();
    ScreenDarkener->UpdateAndDraw();
    TShopWindowParts& W = Garden.ShopWindow;
    W.Window.Update();
    if (W.Window.IsHidden()) return;
    const TPoint Pos = W.Window.Position();
    // The window cuts the done button's socket, so the button goes under it.
    W.DoneButton.Draw();
    W.Window.Draw();
    TGameTab* ActiveTab = nullptr;
    for (TGameTab& Tab : W.Tabs) {
        if (Tab.Active) {
            ActiveTab = &Tab;
        } else {
            Tab.Draw();
        }
    }
    if (TImageListItem* Cover = OmegaImageList1.Find("BuyTabCover")) Cover->Draw(Pos.X + TabCoverAt.X, Pos.Y + TabCoverAt.Y, 0);
    if (ActiveTab) ActiveTab->Draw();
    Garden.Shop->Draw();
    for (size_t I = 0; I < W.BuyButtons.size(); ++I) {
        TGameButton& Button = W.BuyButtons[I];
        Button.Draw();
        if (!W.BuyPending[I]) continue;
        if (TImageListItem* Mask = OmegaImageList1.Find("BuyButtonMask")) Mask->Draw(Button.Left, Button.Top, 0);
    }
    W.UpButton.Draw();
    W.DownButton.Draw();
    W.Tracker.Draw();
    const int32_t Money = Scoring.Money->Value();
    if (Money != W.ShownMoney) {
        W.ShownMoney = Money;
        W.MoneyText = MoneyToStr(Money);
    }
    OmegaFont_Size10.TextOut(Pos.X + MoneyAt.X, Pos.Y + MoneyAt.Y, W.MoneyText, 255, 222, 40, 255);
}

void TFormMain::MouseMoveShopItems(int32_t X, int32_t Y) {
    TShopWindowParts& W = Garden.ShopWindow;
    for (TGameTab& Tab : W.Tabs) Tab.MouseMove(X, Y);
    for (TGameButton& Button : W.BuyButtons) Button.MouseMove(X, Y);
    for (TGameButton* Button : {&W.UpButton, &W.DownButton, &W.DoneButton}) Button->MouseMove(X, Y);
    W.Tracker.MouseMove(X, Y);
}

void TFormMain::MouseDownShopItems(TMouseButton Button, int32_t X, int32_t Y) {
    TShopWindowParts& W = Garden.ShopWindow;
    if (W.Window.Phase() != TGameMenuWindow::phShown) return;
    for (TGameTab& Tab : W.Tabs) Tab.MouseDown(X, Y, Button);
    for (TGameButton& Buy : W.BuyButtons) Buy.MouseDown(X, Y, Button);
    for (TGameButton* Widget : {&W.UpButton, &W.DownButton, &W.DoneButton}) Widget->MouseDown(X, Y, Button);
    W.Tracker.MouseDown(X, Y, Button);
}

void TFormMain::MouseUpShopItems(int32_t X, int32_t Y) {
    TShopWindowParts& W = Garden.ShopWindow;
    for (TGameButton& Buy : W.BuyButtons) Buy.MouseUp(X, Y);
    for (TGameButton* Widget : {&W.UpButton, &W.DownButton, &W.DoneButton}) Widget->MouseUp(X, Y);
    W.Tracker.MouseUp(X, Y);
}

// --- Steps of later features ------------------------------------------------------------

// The butterflies and the small fairies bought for the garden come with the decorative
// effects, which switch them on here.
void TFormMain::EnableGardenVisitors(TMirelIslandItemType /*Type*/) {}
// Tip 18 after a first purchase comes with the story and tutorial.
