// Start-up, object creation and closing of the main form.
#include "FormMainClass.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "ApplicationClass.h"
#include "AudioMixerClass.h"
#include "DrawRoutinesClass.h"
#include "FoldersClass.h"
#include "GeneralRoutinesClass.h"
#include "MessageBoxClass.h"
#include "SaveFileClass.h"
#include "SaveFolderClass.h"
#include "Win1252Class.h"
#include "WindowSizeFileClass.h"

TFormMain* FormMain = nullptr;

namespace {
constexpr int32_t FrameWidth = 800;
constexpr int32_t FrameHeight = 600;

// Creates a folder and any missing parents; true when it exists afterwards.
bool CreateFolderPath(const std::string& Folder) {
    std::error_code Error;
    std::filesystem::create_directories(Folder, Error);
    return FolderExists(Folder);
}

int32_t CountMainImageFiles(const std::string& Folder) {
    int32_t Count = 0;
    std::error_code Error;
    for (const auto& Entry : std::filesystem::directory_iterator(Folder, Error)) {
        if (!Entry.is_regular_file(Error)) continue;
        const std::string Extension = Entry.path().extension().string();
        if (Extension == ".jpg" || Extension == ".png") ++Count;
    }
    return Count;
}
}  // namespace

TFormMain::TFormMain(TFormMainSetup Setup) : FSetup(std::move(Setup)) {
    FormMain = this;
    ResetApplicationTerminate();
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "opengl");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    if (!FSetup.Headless) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
            std::fprintf(stderr, "Quellow: cannot start the video system: %s\n", SDL_GetError());
        }
        // The window: 800 by 600 until start-up finds the size the player left it
        // at; the player may resize it and the frame scales in it.
        FWindow = SDL_CreateWindow("Quellow", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, FrameWidth,
                                   FrameHeight,
                                   SDL_WINDOW_HIDDEN | SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE |
                                       SDL_WINDOW_ALLOW_HIGHDPI);
        if (FWindow) {
            SDL_SetWindowMinimumSize(FWindow, TWindowSizeFile::MinimumWidth, TWindowSizeFile::MinimumHeight);
        }
        FArrowCursor = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
        FHandCursor = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND);
    }

    OmegaScreen1.Width = FrameWidth;
    OmegaScreen1.Height = FrameHeight;
    OmegaScreen1.bpp = 32;
    OmegaScreen1.ZBuffer = false;
    OmegaScreen1.PresentToWindow = FSetup.PresentFrames;
    OmegaImageList1.OmegaScreen = &OmegaScreen1;
    SetGameImageList(&OmegaImageList1);

    OmegaTimer1.SetEnabled(false);
    OmegaTimer1.SetTargetFPS(33);
    OmegaTimer1.SetMinFPS(10);
    OmegaTimer1.SetMaxFPS(0);
    OmegaTimer1.FPSWarningFrames = 10;
    OmegaTimer1.SetLossyMode(false);
    OmegaTimer1.OnTimer = [this](TObject* Sender) { OmegaTimer1Timer(Sender); };
}

TFormMain::~TFormMain() {
    // Game objects go first: they may still hold images of the list.
    PlayerProgress.reset();
    GameBoard.reset();
    CompanyLogos.reset();
    ScreenDarkener.reset();
    LoadedImageList.reset();
    ConfirmWindow.reset();
    AddNameCancelButton.reset();
    AddNameOKButton.reset();
    AddNameWindow.reset();
    NameInput.reset();
    SceneTransition.reset();
    SetGameSoundPlayer(nullptr);
    SFXPlayer.reset();
    MusicBox.reset();
    HighScores.reset();
    NameList.reset();
    Options.reset();
    TextStrings.reset();
    SplashMirel.reset();
    SplashLogo.reset();
    LoadingBar.reset();
    GameScene.reset();
    SpriteTileCount.reset();
    SettingLoader.reset();
    CloseGameAudio();
    OmegaImageList1.Clear();
    OmegaScreen1.Finalize();
    if (FArrowCursor) SDL_FreeCursor(FArrowCursor);
    if (FHandCursor) SDL_FreeCursor(FHandCursor);
    if (FWindow) SDL_DestroyWindow(FWindow);
    SetGameImageList(nullptr);
    if (FormMain == this) FormMain = nullptr;
}

bool TFormMain::FindFolders() {
    std::string Folder = FSetup.AppFolder.empty() ? GameDataFolder(ExecutableFolder()) : FSetup.AppFolder;
    if (Folder.empty() || chdir(Folder.c_str()) != 0) {
        ShowMessageBox("Please reinstall the game to a folder that this system can open.  "
                       "This game cannot run from its current folder.  Thank you.",
                       "Error", TMessageBoxIcon::Error);
        RequestApplicationTerminate();
    }
    SetAppFolder(Folder);

    // The application-data folder wins; the documents folder is the fallback.
    UserDataFolder = FindApplicationDataFolder();
    if (UserDataFolder.empty()) UserDataFolder = FindDocumentsFolder();
    if (UserDataFolder.empty()) {
        ShowMessageBox("Error: could not access game save folder.", "Error", TMessageBoxIcon::Error);
        return false;
    }
    SaveFolder = UserDataFolder + "/Quellow/";
    return true;
}

void TFormMain::CreateSaveFolders() {
    if (!FolderExists(UserDataFolder) && !CreateFolderPath(UserDataFolder)) {
        ShowMessageBox("Error: could not create game save folder. (#1)", "Error", TMessageBoxIcon::Error);
    }
    if (!FolderExists(SaveFolder) && !EnsureFolder(SaveFolder)) {
        ShowMessageBox("Error: could not create game save folder. (#2)", "Error", TMessageBoxIcon::Error);
    }
    SaveFolder = ChooseSaveFolder(SaveFolder);
    // Only one copy runs, so a temporary save file left here is from a crash mid-save.
    RemoveStaleSaveTemporaries(SaveFolder);
}

bool TFormMain::FormCreate() {
    if (!FindFolders()) {
        // Without a save folder nothing can be kept: the game ends here.
        FStartupStopped = true;
        RequestApplicationTerminate();
        return false;
    }
    CreateSaveFolders();

    FResumeOnActivate = true;
    FMinimisePending = false;
    FStartupFullScreenDone = false;
    FMainImagesLoaded = false;
    FSplashFrameCounter = 0;
    FNoPlayerYet = false;
    FPlayerLoaded = false;

    OmegaScreen1.FullScreen = false;  // the options' choice is applied on the first logo frame
    OmegaScreen1.SetWindowHandle(FWindow);
    PlaceWindowAtKeptSize();
    if (!FSetup.Headless && !OmegaScreen1.Initialize()) {
        FStartupStopped = true;
        return false;
    }

    try {
        SettingLoader = std::make_unique<TSettingLoader>(TextsFolder + "_settings.txt");
    } catch (const ESettingLoaderError& Error) {
        ShowMessageBox(Error.what(), "Error", TMessageBoxIcon::Error);
        FStartupStopped = true;
        RequestApplicationTerminate();
        return false;
    }
    GameLanguage = SettingLoader->Language();
    OmegaFont_Size8.OmegaScreen = &OmegaScreen1;
    OmegaFont_Size10.OmegaScreen = &OmegaScreen1;
    OmegaFont_Size18.OmegaScreen = &OmegaScreen1;
    OmegaFont_Size8.SetupFont("Arial", SettingLoader->SmallFontSize(), false);
    OmegaFont_Size10.SetupFont("Arial", SettingLoader->MediumFontSize(), false);
    OmegaFont_Size18.SetupFont("Arial", SettingLoader->LargeFontSize(), true);

    SpriteTileCount = std::make_unique<TSpriteTileCount>();

    LoadAllJpegs(icLogo);
    LoadAllJpegs(icStory);
    LoadAllPngs(icStory);

    if (!CreateGameObjects()) {
        FStartupStopped = true;
        RequestApplicationTerminate();
        return false;
    }

    // A new player's progress is what the freshly made objects hold.
    PlayerProgress->MakeBlankRecord();
    ApplyVolumes();
    NameList->Select(Options->PlayerIndex);
    FNoPlayerYet = NameList->IsEmpty();
    GameScene->SetValue(gsCompanyLogos);
    if (FSetup.PlayIsland > 0) return StartPlayLevel();
    if (FSetup.PlayMap) return StartPlayMap();
    return true;
}

std::string TFormMain::WindowSizeFileName() const { return SaveFolder + "WindowSize.dat"; }

void TFormMain::PlaceWindowAtKeptSize() {
    if (!FWindow) return;
    TDesktopWindow Placer;
    Placer.SetWindow(FWindow);
    TWindowSizeFile SizeFile;
    SizeFile.FileName = WindowSizeFileName();
    int32_t Width = FrameWidth;
    int32_t Height = FrameHeight;
    SizeFile.Load(Placer.DisplayBounds(), Width, Height);
    OmegaScreen1.WindowWidth = Width;
    OmegaScreen1.WindowHeight = Height;
    Placer.LeaveFullScreen(Width, Height);
}

void TFormMain::KeepWindowSize() {
    if (!FWindow) return;
    // In full screen the window's size is the one it had before.
    if (!OmegaScreen1.FullScreen) {
        SDL_GetWindowSize(FWindow, &OmegaScreen1.WindowWidth, &OmegaScreen1.WindowHeight);
    }
    TWindowSizeFile SizeFile;
    SizeFile.FileName = WindowSizeFileName();
    SizeFile.Save(OmegaScreen1.WindowWidth, OmegaScreen1.WindowHeight);
}

bool TFormMain::StartPlayLevel() {
    // The level is played in a window, as if the player had chosen one (the game would
    // otherwise take the whole screen again whenever it gains the focus).
    Options->FullScreen = false;
    MainLoad();
    // The round is entered from a quiet scene, so the logos never run under the iris.
    GameScene->SetValue(gsLevelSel);
    if (!StartLevel(FSetup.PlayIsland, FSetup.PlayLevel)) {
        FStartupStopped = true;
        return false;
    }
    return true;
}

bool TFormMain::CreateGameObjects() {
    GameScene = std::make_unique<TGameScene>();
    GameScene->OnChanged = [this](TObject* Sender, TGameSceneValues Old, TGameSceneValues New) {
        GameSceneChanged(Sender, Old, New);
    };
    LoadingBar = std::make_unique<TLoadingBar>();
    LoadingBar->OmgImgList = &OmegaImageList1;
    LoadingBar->ImageCountToLoad = CountMainImageFiles(ImagesFolder) + 1;
    SplashLogo = std::make_unique<TSplashLogo>();
    SplashLogo->OmgImgList = &OmegaImageList1;
    SplashMirel = std::make_unique<TSplashMirel>();
    SplashMirel->OmgImgList = &OmegaImageList1;

    Options = std::make_unique<TGameOptions>();
    Options->SaveFilePath = SaveFolder;
    Options->Load();
    // Without sound the players exist but hold nothing, so every call stays valid.
    if (!FSetup.Headless) OpenGameAudio();
    MusicBox = std::make_unique<TMusicBox>();
    MusicBox->SetPath(MusicFolder);
    SFXPlayer = std::make_unique<TSFXPlayer>();
    SFXPlayer->SetPath(SoundsFolder);
    if (!FSetup.Headless) {
        MusicBox->InitAudio();
        MusicBox->LoadTracks();
        SFXPlayer->InitAudio();
        SFXPlayer->LoadAll();
    }
    MusicBox->SetVolume(100);
    SFXPlayer->SetVolume(100);
    SetGameSoundPlayer(SFXPlayer.get());
    try {
        TextStrings = std::make_unique<TTextStrings>(TextsFolder);
    } catch (const ETextFileError& Error) {
        ShowMessageBox(Error.what(), "Error", TMessageBoxIcon::Error);
        return false;
    }
    const std::string Caption = Win1252ToUtf8(TextStrings->WindowCaption());
    if (FWindow && !Caption.empty()) SDL_SetWindowTitle(FWindow, Caption.c_str());
    FDefaultPlayerName = TextStrings->DefaultPlayerName();
    NameList = std::make_unique<TNameList>();
    NameList->FileName = SaveFolder + "Names.dat";
    NameList->Load();

    SceneTransition = std::make_unique<TSceneTransition>();
    SceneTransition->OmgImgList = &OmegaImageList1;
    SceneTransition->OnStartToSwitch = [this](TObject* Sender, TGameSceneValues Old, TGameSceneValues New) {
        TransitionStartToSwitch(Sender, Old, New);
    };
    SceneTransition->OnSceneSwitch = [this](TObject* Sender, TGameSceneValues New) {
        TransitionSceneSwitch(Sender, New);
    };
    NameInput = std::make_unique<TNameInput>();
    NameInput->OmgImgList = &OmegaImageList1;
    HighScores = std::make_unique<THighScores>();
    HighScores->NormalModeFileName = SaveFolder + "HighScores.dat";
    HighScores->SetDefaultName(TextStrings->GameTexts(26));
    HighScores->Load();
    ConfirmWindow = std::make_unique<TGameConfirmWindow>();
    ConfirmWindow->OmgImgList = &OmegaImageList1;
    ConfirmWindow->OmgFont = &OmegaFont_Size10;
    ConfirmWindow->TextStringsComp = TextStrings.get();
    ConfirmWindow->Left = 235;
    ConfirmWindow->Top = 226;
    ConfirmWindow->PositiveButtonKind = pbOK;
    ConfirmWindow->NegativeButtonKind = nbCancel;
    ConfirmWindow->Build();
    ConfirmWindow->SetTextAdjustment(SettingLoader->ConfirmTextOffset());
    ConfirmWindow->OnStartShowing = [this](TObject*) { ScreenDarkener->FadeIn(); };
    ConfirmWindow->OnHidingComplete = [this](TObject*, bool Positive) { ConfirmHidingComplete(Positive); };
    LoadedImageList = std::make_unique<TLoadedImageList>();
    ScreenDarkener = std::make_unique<TScreenDarkener>();
    ScreenDarkener->OmgImgList = &OmegaImageList1;
    CreatePlayerWindows();
    CreateMenuScreens();
    CompanyLogos = std::make_unique<TCompanyLogos>();
    CompanyLogos->OmgImgList = &OmegaImageList1;
    CompanyLogos->SetLogoCount(std::filesystem::exists(LogoImagesFolder + "CompanyLogo3.jpg") ? 3 : 2);
    CreateRoundObjects();
    CreateMapObjects();
    CreateGardenObjects();
    CreateTrophies();
    CreateStory();
    return true;
}

// After the main image set is in memory, every object that caches image sizes reads them.
void TFormMain::InitMainImages() {
    ConfirmWindow->InitButtonImages();
    AddNameOKButton->InitImageSize();
    AddNameCancelButton->InitImageSize();
    InitMenuImages();
    InitRoundImages();
    InitMapImages();
    InitGardenImages();
    InitTrophyImages();
    InitStoryImages();
}

void TFormMain::ApplyVolumes() {
    if (!Options) return;
    if (SFXPlayer) SFXPlayer->SetVolume(Options->Sound ? Options->SFXVolume : 0);
    if (MusicBox) MusicBox->SetVolume(Options->Music ? Options->MusicVolume : 0);
}

void TFormMain::SilenceAudio() {
    if (MusicBox) {
        MusicBox->SetVolume(0);
        MusicBox->Update();
    }
    if (SFXPlayer) SFXPlayer->SetVolume(0);
}

void TFormMain::LoadSelectedPlayer() {
    LoadedPlayerName = NameList->SelectedName();
    SaveDamaged = PlayerProgress->Load(LoadedPlayerName) == lrDamaged;
    FPlayerLoaded = true;
}

bool TFormMain::FormCloseQuery() {
    // A running round asks first; everywhere else the window closes at once.
    if (Scene() != gsMainGame) return true;
    Round.PausedBeforeClose = Round.Paused;
    if (PausingAllowed() && !Round.Paused) {
        Round.Paused = true;
        ApplyPause();
    }
    ShowConfirm(7, pbOK, nbCancel);
    return false;
}

void TFormMain::FormClose() {
    if (FClosed) return;
    if (MusicBox) MusicBox->StopAll();
    if (SFXPlayer) SFXPlayer->StopAll();
    if (HighScores && FPlayerLoaded) {
        OfferHighScore();
        HighScores->Save();
    }
    if (FPlayerLoaded) PlayerProgress->Save(LoadedPlayerName);
    if (NameList) NameList->Save();
    if (Options) Options->Save();
    KeepWindowSize();
    OmegaTimer1.SetEnabled(false);
    FClosed = true;
}
