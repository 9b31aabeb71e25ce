#include "FoldersClass.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>

std::string AppFolder;
std::string LevelsFolder;
std::string TextsFolder;
std::string ImagesFolder;
std::string LogoImagesFolder;
std::string SplashImagesFolder;
std::string LateLoadImagesFolder;
std::string StoryImagesFolder;
std::string TrophyImagesFolder;
std::string MirelIslandImagesFolder;
std::string MenuImagesFolder;
std::string BonusStageImagesFolder;
std::string BirdImagesFolder;
std::string LizardImagesFolder;
std::string KongImagesFolder;
std::string FishImagesFolder;
std::string LionImagesFolder;
std::string SoundsFolder;
std::string MusicFolder;
std::string UserDataFolder;
std::string SaveFolder;

void SetAppFolder(const std::string& Folder) {
    AppFolder = Folder;
    if (AppFolder.empty() || AppFolder.back() != '/') AppFolder += '/';
    LevelsFolder = AppFolder + "Levels/";
    TextsFolder = AppFolder + "Texts/";
    ImagesFolder = AppFolder + "Images/";
    LogoImagesFolder = AppFolder + "Images/Logo/";
    SplashImagesFolder = AppFolder + "Images/Splash/";
    LateLoadImagesFolder = AppFolder + "Images/LateLoad/";
    StoryImagesFolder = AppFolder + "Images/Story/";
    TrophyImagesFolder = AppFolder + "Images/Trophy/";
    MirelIslandImagesFolder = AppFolder + "Images/MirelIsland/";
    MenuImagesFolder = AppFolder + "Images/Menu/";
    BonusStageImagesFolder = AppFolder + "Images/BonusStage/";
    BirdImagesFolder = AppFolder + "Images/Monsters/Bird/";
    LizardImagesFolder = AppFolder + "Images/Monsters/Lizard/";
    KongImagesFolder = AppFolder + "Images/Monsters/Kong/";
    FishImagesFolder = AppFolder + "Images/Monsters/Fish/";
    LionImagesFolder = AppFolder + "Images/Monsters/Lion/";
    SoundsFolder = AppFolder + "Sounds/";
    MusicFolder = AppFolder + "Music/";
}

std::string ExecutableFolder() {
    char Buffer[PATH_MAX];
    const ssize_t Length = readlink("/proc/self/exe", Buffer, sizeof(Buffer) - 1);
    if (Length <= 0) return {};
    std::string Path(Buffer, static_cast<size_t>(Length));
    const size_t Slash = Path.rfind('/');
    if (Slash == std::string::npos) return {};
    return Path.substr(0, Slash + 1);
}

namespace {
// The data is there when its text tables are: every start reads them first.
bool HoldsGameData(const std::string& Folder) {
    struct stat Info {};
    return ::stat((Folder + "Texts").c_str(), &Info) == 0 && S_ISDIR(Info.st_mode);
}
}  // namespace

std::string GameDataFolder(const std::string& ExeFolder) {
    if (ExeFolder.empty()) return ExeFolder;
    std::string Folder = ExeFolder;
    if (Folder.back() != '/') Folder += '/';
    if (HoldsGameData(Folder)) return Folder;
    const std::string Installed = std::filesystem::path(Folder + "../share/quellow/").lexically_normal().string();
    if (HoldsGameData(Installed)) return Installed;
    return Folder;
}

namespace {
std::string EnvOrEmpty(const char* Name) {
    const char* Value = std::getenv(Name);
    return (Value && *Value) ? std::string(Value) : std::string();
}

std::string WithoutTrailingSlash(std::string Path) {
    while (Path.size() > 1 && Path.back() == '/') Path.pop_back();
    return Path;
}
}  // namespace

std::string FindApplicationDataFolder() {
    std::string Folder = EnvOrEmpty("XDG_DATA_HOME");
    if (!Folder.empty() && Folder.front() == '/') return WithoutTrailingSlash(Folder);
    const std::string Home = EnvOrEmpty("HOME");
    if (Home.empty()) return {};
    return WithoutTrailingSlash(Home) + "/.local/share";
}

std::string FindDocumentsFolder() {
    const std::string Home = EnvOrEmpty("HOME");
    std::string Config = EnvOrEmpty("XDG_CONFIG_HOME");
    if (Config.empty() && !Home.empty()) Config = Home + "/.config";
    // xdg-user-dirs keeps lines such as XDG_DOCUMENTS_DIR="$HOME/Documents".
    if (!Config.empty()) {
        std::ifstream File(Config + "/user-dirs.dirs");
        std::string Line;
        const std::string Key = "XDG_DOCUMENTS_DIR=";
        while (std::getline(File, Line)) {
            if (Line.rfind(Key, 0) != 0) continue;
            std::string Value = Line.substr(Key.size());
            if (Value.size() >= 2 && Value.front() == '"' && Value.back() == '"') Value = Value.substr(1, Value.size() - 2);
            if (Value.rfind("$HOME", 0) == 0) {
                if (Home.empty()) break;
                Value = Home + Value.substr(5);
            }
            if (!Value.empty() && Value.front() == '/') return WithoutTrailingSlash(Value);
        }
    }
    return Home.empty() ? std::string() : WithoutTrailingSlash(Home);
}

const std::string& MonsterImagesFolder(TMonsterKind Kind) {
    switch (Kind) {
        case mkLizard: return LizardImagesFolder;
        case mkKong: return KongImagesFolder;
        case mkFish: return FishImagesFolder;
        case mkLion: return LionImagesFolder;
        case mkBird: break;
    }
    return BirdImagesFolder;
}
