// Finding a usable save folder: the one under the user's data folder, or the
// first usable numbered folder beneath it when its player list is locked.
#pragma once

#include <string>

// Usable when it holds no "Names.dat", or its "Names.dat" opens for reading and writing.
bool SaveFolderUsable(const std::string& Folder);

// Folder itself when usable; otherwise the first numbered sub-folder (Folder + "1/" ... "9999/")
// that either does not exist yet (it is created) or exists and is usable. Folder when none is found.
std::string ChooseSaveFolder(const std::string& Folder);

// Creates one folder level; true when it exists afterwards.
bool EnsureFolder(const std::string& Folder);
bool FolderExists(const std::string& Folder);
