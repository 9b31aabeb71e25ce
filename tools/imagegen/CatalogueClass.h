// The image catalogue: the one place that declares every image the generator
// makes -- its name, folder, file type, pattern grid, pattern size and the recipe
// that draws it. Read from assets/images/catalogue.txt.
#pragma once

#include <string>
#include <vector>

enum class TImageType { itPng, itJpeg };

struct TImageEntry {
    std::string Name;                 // the game's image name (file name without extension)
    std::string Folder;               // under Images/: "" for the main set, "Splash", "Monsters/Kong"
    TImageType Type = TImageType::itPng;
    int Columns = 1, Rows = 1;        // pattern grid
    int PatternWidth = 0, PatternHeight = 0;
    std::string Recipe;               // name of the recipe that draws it
    std::vector<std::string> Args;    // the recipe's arguments
    int Line = 0;                     // line in the catalogue, for error messages

    int Width() const { return Columns * PatternWidth; }
    int Height() const { return Rows * PatternHeight; }
    int PatternCount() const { return Columns * Rows; }
    std::string FileName() const { return Name + (Type == TImageType::itPng ? ".png" : ".jpg"); }
    // Path below the game folder, e.g. "Images/Splash/SplashBG.jpg".
    std::string RelativePath() const;
};

class TCatalogue {
public:
    // Reads the catalogue; throws std::runtime_error naming the file and line on a fault.
    static TCatalogue Load(const std::string& Path);
    const std::vector<TImageEntry>& Entries() const { return FEntries; }
    const TImageEntry* Find(const std::string& Name) const;
    // Folders in catalogue order of first appearance.
    std::vector<std::string> Folders() const;
private:
    std::vector<TImageEntry> FEntries;
};
