// The image loader: images are loaded by category from their folders, cut into
// patterns by the tile-count table, and freed by name or by group.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "FoldersClass.h"
#include "FormMainClass.h"
#include "PictureClass.h"
#include "PictureDecoderClass.h"

namespace {
// Files with the given extension directly in Folder, in name order so every run loads alike.
std::vector<std::string> FilesWithExtension(const std::string& Folder, const char* Extension) {
    std::vector<std::string> Names;
    std::error_code Error;
    for (const auto& Entry : std::filesystem::directory_iterator(Folder, Error)) {
        if (!Entry.is_regular_file(Error)) continue;
        if (Entry.path().extension() == Extension) Names.push_back(Entry.path().filename().string());
    }
    std::sort(Names.begin(), Names.end());
    return Names;
}
}  // namespace

std::string TFormMain::CategoryFolder(TImageCategory Category, int32_t SceneNumber) const {
    switch (Category) {
        case icLogo: return LogoImagesFolder;
        case icSplash: return SplashImagesFolder;
        case icMain: return ImagesFolder;
        case icStory: return StoryImagesFolder;
        case icSaveFolder: return SaveFolder;
        case icStoryScene: return StoryImagesFolder + "Scene" + std::to_string(SceneNumber) + "/";
        case icTrophy: return TrophyImagesFolder;
        case icMirelIsland: return MirelIslandImagesFolder;
        case icMonster: return MonsterImagesFolder(MonsterOfIsland(CurrentIsland));
        case icMenu: return MenuImagesFolder;
        case icBonusStage: return BonusStageImagesFolder;
    }
    return ImagesFolder;
}

void TFormMain::LoadAllJpegs(TImageCategory Category, int32_t SceneNumber) {
    for (const std::string& Name : FilesWithExtension(CategoryFolder(Category, SceneNumber), ".jpg")) {
        LoadImageFile(Category, Name, SceneNumber, false, true);
    }
}

void TFormMain::LoadAllPngs(TImageCategory Category) {
    for (const std::string& Name : FilesWithExtension(CategoryFolder(Category, 0), ".png")) {
        LoadImageFile(Category, Name, 0, false, false);
    }
}

bool TFormMain::LoadImageFile(TImageCategory Category, const std::string& FileName, int32_t SceneNumber,
                              bool LateLoad, bool IsJpeg) {
    const std::string Folder = LateLoad ? LateLoadImagesFolder : CategoryFolder(Category, SceneNumber);
    TPicture Picture;
    const std::string Path = Folder + FileName;
    // JPEG files are read as JPEG whatever their name says; everything else by its extension.
    const bool Loaded = ReadPictureFile(TPictureFile{Path, IsJpeg}, Picture);
    return AddLoadedImage(Category, FileName, Path, Loaded, std::move(Picture));
}

bool TFormMain::AddLoadedImage(TImageCategory Category, const std::string& FileName, const std::string& Path,
                               bool Loaded, TPicture&& Picture) {
    bool Added = false;
    if (!Loaded) {
        std::fprintf(stderr, "Quellow: cannot read the image %s\n", Path.c_str());
    } else if (FileName.size() > 4) {
        const std::string Name = FileName.substr(0, FileName.size() - 4);
        TImageListItem* Item = OmegaImageList1.Add(Name);
        Item->AssignPicture(std::move(Picture));
        if (SpriteTileCount) {
            const TTileCount Count = SpriteTileCount->GetTileCount(Name);
            Item->TileWidth = Item->ImageWidth() / std::max(1, Count.Columns);
            Item->TileHeight = Item->ImageHeight() / std::max(1, Count.Rows);
        }
        Item->Restore();
        if (Category >= icTrophy && Category <= icBonusStage && LoadedImageList) {
            LoadedImageList->AddLoadedName(static_cast<int32_t>(Category) - static_cast<int32_t>(icTrophy), Name);
        }
        Added = true;
    }
    // Every image of the main set moves the loading bar and shows one frame, even one that failed,
    // so the bar always finishes.
    if (Category == icMain) {
        if (LoadingBar) LoadingBar->StepIt();
        OmegaTimer1Timer(this);
    }
    return Added;
}

void TFormMain::DrawLateLoadImage(const std::string& Name, int32_t X, int32_t Y, bool IsJpeg) {
    TImageListItem* Item = OmegaImageList1.Find(Name);
    if (!Item && !FFailedLateLoads.contains(Name)) {
        // A picture that cannot be read is not tried again: its nested frame would draw
        // this very scene and ask for it once more.
        FFailedLateLoads.insert(Name);
        if (LoadImageFile(icMain, Name + (IsJpeg ? ".jpg" : ".png"), 0, true, IsJpeg)) FFailedLateLoads.erase(Name);
        Item = OmegaImageList1.Find(Name);
    }
    if (Item) Item->Draw(X, Y, 0);
}

void TFormMain::UnloadImage(const std::string& Name) { OmegaImageList1.FreeByName(Name); }

void TFormMain::UnloadImageGroup(int32_t Group) {
    if (!LoadedImageList) return;
    for (const std::string& Name : LoadedImageList->Names(Group)) OmegaImageList1.FreeByName(Name);
    LoadedImageList->ClearGroup(Group);
}

void TFormMain::MainLoadForDevelopment() {
    if (FMainImagesLoaded) return;
    MainLoad();
}

void TFormMain::MainLoad() {
    FMainImagesLoaded = true;
    // All JPEG files, then all PNG files, each in name order. Reading and decoding
    // them is most of the load: workers do it ahead, while this thread adds each
    // image in turn, moves the bar and runs its frame, exactly as one by one.
    std::vector<std::string> Names = FilesWithExtension(ImagesFolder, ".jpg");
    const size_t JpegCount = Names.size();
    const std::vector<std::string> Pngs = FilesWithExtension(ImagesFolder, ".png");
    Names.insert(Names.end(), Pngs.begin(), Pngs.end());
    std::vector<TPictureFile> Files;
    Files.reserve(Names.size());
    for (size_t I = 0; I < Names.size(); ++I) Files.push_back(TPictureFile{ImagesFolder + Names[I], I < JpegCount});
    TPictureDecoder Decoder;
    Decoder.Start(Files, TPictureDecoder::DefaultWorkers());
    for (size_t I = 0; I < Names.size(); ++I) {
        TPicture Picture;
        const bool Loaded = Decoder.Take(I, Picture);
        AddLoadedImage(icMain, Names[I], Files[I].Path, Loaded, std::move(Picture));
    }
    Decoder.Stop();
    InitMainImages();
}
