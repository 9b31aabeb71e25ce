// Where the game finds its data (beside the executable) and keeps each user's
// saves. Set once at start-up, read by everybody. Folder values end in "/".
#pragma once

#include <string>

#include "GameTypesClass.h"

extern std::string AppFolder;
extern std::string LevelsFolder;
extern std::string TextsFolder;
extern std::string ImagesFolder;
extern std::string LogoImagesFolder;
extern std::string SplashImagesFolder;
extern std::string LateLoadImagesFolder;
extern std::string StoryImagesFolder;
extern std::string TrophyImagesFolder;
extern std::string MirelIslandImagesFolder;
extern std::string MenuImagesFolder;
extern std::string BonusStageImagesFolder;
extern std::string BirdImagesFolder;
extern std::string LizardImagesFolder;
extern std::string KongImagesFolder;
extern std::string FishImagesFolder;
extern std::string LionImagesFolder;
extern std::string SoundsFolder;
extern std::string MusicFolder;
extern std::string UserDataFolder;  // no trailing "/"
extern std::string SaveFolder;      // UserDataFolder + "/Quellow/"

// The images folder of a kind of boss monster.
const std::string& MonsterImagesFolder(TMonsterKind Kind);

// Sets AppFolder (a trailing "/" is added when missing) and every data folder under it.
void SetAppFolder(const std::string& Folder);

// The folder of the running executable, ending in "/"; empty when it cannot be found.
std::string ExecutableFolder();
// Where the game's data is for an executable in ExeFolder: that folder itself when
// it holds the data (a build, or a game unpacked in one folder), else
// "../share/quellow/" beside it (an installed game, its executable in "bin/").
// When neither holds the data, ExeFolder, so the game reports what is missing there.
std::string GameDataFolder(const std::string& ExeFolder);

// The per-user application-data folder: $XDG_DATA_HOME, else $HOME/.local/share.
// Empty when neither can be found.
std::string FindApplicationDataFolder();
// The user's documents folder (xdg-user-dirs' DOCUMENTS entry, else $HOME). Empty when unknown.
std::string FindDocumentsFolder();
