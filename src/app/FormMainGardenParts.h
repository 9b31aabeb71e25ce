// The main form's garden island and shop: the shop's catalogue, the objects
// standing in the garden, its gauge, Mirel's balloon, the announcement of a
// newly unlocked item after a round, the player's garden picture, and the
// panels, window, tabs, buttons and tracker of the two screens. The main form
// owns one of each for the whole run.
#pragma once

#include <array>
#include <memory>

#include "GameButtonClass.h"
#include "GameListTrackerClass.h"
#include "GameMenuWindowClass.h"
#include "GameTabClass.h"
#include "MirelBalloonClass.h"
#include "MirelIslandObjectsClass.h"
#include "MirelIslandShotClass.h"
#include "MirelsProgressTubeClass.h"
#include "PanelMoverClass.h"
#include "PlantAnnouncerClass.h"
#include "ShopItemListClass.h"

// The shop window over the garden.
struct TShopWindowParts {
    TGameMenuWindow Window;
    std::array<TGameTab, TShopItemList::PageCount> Tabs;
    std::array<TGameButton, TShopItemList::VisibleSlotCount> BuyButtons;
    // A visible slot's item waits for another purchase: its button is veiled.
    std::array<bool, TShopItemList::VisibleSlotCount> BuyPending{};
    TGameButton UpButton;
    TGameButton DownButton;
    TGameButton DoneButton;
    TGameListTracker Tracker;
    // One purchase per opening: the window closes on it.
    bool Bought = false;
    // The shown money, rebuilt when it changes.
    int32_t ShownMoney = -1;
    std::string MoneyText;
};

struct TGardenParts {
    std::unique_ptr<TShopItemList> Shop;
    std::unique_ptr<TMirelIslandObjects> Objects;
    std::unique_ptr<TMirelsProgressTube> Gauge;
    std::unique_ptr<TMirelBalloon> Balloon;
    std::unique_ptr<TPlantAnnouncer> Announcer;
    std::unique_ptr<TPanelMover> GaugePanel;  // the garden gauge along the bottom edge
    std::unique_ptr<TGameButton> ShopButton;  // on the bottom-left corner: opens the shop
    std::unique_ptr<TGameButton> MapButton;   // on the bottom-right corner: back to the map
    TShopWindowParts ShopWindow;
    TMirelIslandShot Shot;
    // Frames counted for the castle's and the pond's lights.
    int32_t LightsFrame = 0;
    // The garden became the current scene and its first frame has not run yet.
    bool FirstFramePending = false;
    // How often the garden's trophies were asked for (once on each arrival in the garden).
    int32_t TrophyTestCount = 0;
    // A purchase changed the garden: the progress is saved and the picture taken
    // once the shop window has slid out.
    bool ChangedByPurchase = false;
};
