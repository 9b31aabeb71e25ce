// The story in the game: the introduction on a new player's first Play, a
// chapter after each island's monster is beaten and the ending after the last;
// the pictures with their typed lines, the corner button that skips a chapter
// or, at the end, leads to the garden.
#include "FormMainClass.h"

namespace {

// The corner panel rests at the bottom right and slides in a pixel a frame.
constexpr TPoint ButtonPanelShown{675, 519};
constexpr TPoint ButtonPanelHidden{700, 544};
constexpr TPoint ButtonOffset{21, 13};
constexpr int32_t NarrationTop = 460;
// The ending's last picture is watched over by three small fairies.
constexpr int32_t EndingFairies = 3;

}  // namespace

void TFormMain::CreateStory() {
    TStoryParts& S = Story;
    S.Strips.OmgImgList = &OmegaImageList1;
    S.Strips.TextStringsComp = TextStrings.get();
    S.Strips.LoadNarrations();
    S.Strips.OnStartNarration = [this](TObject*, std::string_view Text) { StartStoryNarration(Text); };
    S.Strips.OnEndNarration = [this](TObject*) { Story.Narration.VanishText(); };
    S.Strips.OnEnteringLastNarration = [this](TObject*) {
        Story.DoneButton.Visible = true;
        Story.ButtonPanel.Show();
        ShowStorySmallFairies(EndingFairies);
    };
    S.Strips.OnSceneFinished = [this](TObject*) { StartTransition(gsMap); };

    TNarrationText& N = S.Narration;
    N.OmgFont = &OmegaFont_Size10;
    N.VertSpace = 26;
    N.StartingAlpha = 10;
    N.AlphaStep = 14;
    N.MaxAlpha = 255;
    N.AlphaUpdateRepeat = 1;
    N.VanishingAlphaStep = 6;
    // Each typed character raises a puff of dust.
    N.OnTailPosUpdate = [this](TObject*, TPoint Pos) { BounceDustAt(Pos.X + 5, Pos.Y - 8, 5); };

    S.ButtonPanel.Left = ButtonPanelShown.X;
    S.ButtonPanel.Top = ButtonPanelShown.Y;
    S.ButtonPanel.HideLeft = ButtonPanelHidden.X;
    S.ButtonPanel.HideTop = ButtonPanelHidden.Y;
    S.ButtonPanel.HorzStep = 1;
    S.ButtonPanel.VertStep = 1;
    S.ButtonPanel.PutAtHiddenPos();
    S.ButtonPanel.OnPosUpdate = [this](TObject*, TPoint Pos) {
        for (TGameButton* Button : {&Story.SkipButton, &Story.DoneButton}) {
            Button->Left = Pos.X + ButtonOffset.X;
            Button->Top = Pos.Y + ButtonOffset.Y;
        }
    };
    S.SkipButton.OmgImgList = &OmegaImageList1;
    S.SkipButton.ImageName = "StorySkipButton";
    S.SkipButton.OnClick = [this](TObject*) { StartTransition(gsMap); };
    S.DoneButton.OmgImgList = &OmegaImageList1;
    S.DoneButton.ImageName = "StoryDoneButton";
    S.DoneButton.Visible = false;
    S.DoneButton.OnClick = [this](TObject*) { StartTransition(gsMirelIsland); };

    // The chapters seen are the player's.
    TProgressLoadedEvent Loaded = PlayerProgress->OnProgressLoaded;
    PlayerProgress->OnProgressLoaded = [this, Loaded](TObject* Sender, const TProgressRecord& Record) {
        if (Loaded) Loaded(Sender, Record);
        for (size_t I = 0; I < Story.ChaptersSeen.size(); ++I) Story.ChaptersSeen[I] = Record.StoryScenesSeen[I] != 0;
    };
    TProgressCollectEvent Collect = PlayerProgress->OnProgressCollect;
    PlayerProgress->OnProgressCollect = [this, Collect](TObject* Sender, TProgressRecord& Record) {
        if (Collect) Collect(Sender, Record);
        for (size_t I = 0; I < Story.ChaptersSeen.size(); ++I) Record.StoryScenesSeen[I] = Story.ChaptersSeen[I] ? 1 : 0;
    };
    CreateTutorial();
}

void TFormMain::InitStoryImages() {
    Story.SkipButton.InitImageSize();
    Story.DoneButton.InitImageSize();
    InitTutorialImages();
}

bool TFormMain::StoryChapterSeen(int32_t Chapter) const {
    return Chapter >= 1 && Chapter <= 6 && Story.ChaptersSeen[static_cast<size_t>(Chapter - 1)];
}

// Chapter 1 to 6 plays; it counts as seen from now on, skipped or not. Any other
// chapter changes nothing, not even the scene.
void TFormMain::PlayStoryChapter(int32_t Chapter) {
    if (Chapter < 1 || Chapter > 6) return;
    Story.ChaptersSeen[static_cast<size_t>(Chapter - 1)] = true;
    Story.Narration.ClearText();
    Story.Strips.PlayChapter(Chapter);
    StorySceneNumber = Chapter;
    StartTransition(gsStory);
}

// The first Play of a player tells the introduction before the map.
bool TFormMain::PlayIntroduction() {
    if (StoryChapterSeen(1)) return false;
    PlayStoryChapter(1);
    return true;
}

// Entering the story: the corner panel slides in with the skip button (none at the end).
void TFormMain::StoryEntryActions() {
    TStoryParts& S = Story;
    S.ButtonPanel.PutAtHiddenPos();
    S.SkipButton.Visible = StorySceneNumber <= 5;
    S.DoneButton.Visible = false;
    for (TGameButton* Button : {&S.SkipButton, &S.DoneButton}) Button->ClearMouseState();
    if (S.SkipButton.Visible) S.ButtonPanel.Show();
}

// A line is typed in, centred on its first row, under the pictures.
void TFormMain::StartStoryNarration(std::string_view Text) {
    const std::string_view FirstLine = Text.substr(0, Text.find('|'));
    const TPoint Offset = SettingLoader->NarrationTextOffset();
    const int32_t X = (800 - Story.Narration.TextWidth(FirstLine)) / 2 + Offset.X;
    Story.Narration.StartText(X, NarrationTop + Offset.Y, Text, 255, 255, 255);
}

void TFormMain::FrameStory() {
    TStoryParts& S = Story;
    S.ButtonPanel.Update();
    S.Strips.UpdateAndDraw();
    S.Narration.UpdateAndDraw();
    if (S.SkipButton.Visible || S.DoneButton.Visible) {
        const TPoint At = S.ButtonPanel.CurrentPos();
        if (TImageListItem* Corner = OmegaImageList1.Find("CornerRightPanel")) Corner->Draw(At.X, At.Y, 0);
    }
    S.SkipButton.Draw();
    S.DoneButton.Draw();
    FrameBounceDust();
    if (S.Strips.FinalPicture()) {
        FrameScreenDust();
        FrameStoryBounceDust();
        FrameStorySmallFairies();
    }
}

void TFormMain::MouseMoveStory(int32_t X, int32_t Y) {
    Story.SkipButton.MouseMove(X, Y);
    Story.DoneButton.MouseMove(X, Y);
}

void TFormMain::MouseDownStory(TMouseButton Button, int32_t X, int32_t Y) {
    Story.SkipButton.MouseDown(X, Y, Button);
    Story.DoneButton.MouseDown(X, Y, Button);
}

void TFormMain::MouseUpStory(int32_t X, int32_t Y) {
    Story.SkipButton.MouseUp(X, Y);
    Story.DoneButton.MouseUp(X, Y);
}
