// Recipes: the named routines that draw catalogue images. Each family of images has
// its own file under recipes/ that registers its recipes with QUELLOW_RECIPE; the
// catalogue names the recipe and its arguments for every image.
#pragma once

#include "CanvasClass.h"
#include "CatalogueClass.h"
#include "SvgClass.h"

#include <functional>
#include <string>
#include <vector>

class TGenerator;

// What a recipe gets to work with.
class TRecipeContext {
public:
    TRecipeContext(TGenerator& Generator, const TImageEntry& Entry) : FGenerator(Generator), FEntry(Entry) {}
    const TImageEntry& Entry() const { return FEntry; }
    const std::vector<std::string>& Args() const { return FEntry.Args; }
    // The argument at Index; fails with the catalogue line when it is missing.
    const std::string& Arg(size_t Index) const;
    double NumberArg(size_t Index) const;
    // An SVG source by its path below assets/images (parsed once per run).
    const TSvg& Svg(const std::string& RelativePath) const;
    // Full path of a file below assets/images.
    std::string AssetPath(const std::string& RelativePath) const;
    // Another catalogue image, drawn first if needed (for derived images).
    const TCanvas& Image(const std::string& Name) const;
    // A new canvas of this image's full size.
    TCanvas NewCanvas() const { return TCanvas(FEntry.Width(), FEntry.Height()); }
    // Top-left corner of pattern P in the image.
    double CellX(int P) const { return (P % FEntry.Columns) * FEntry.PatternWidth; }
    double CellY(int P) const { return (P / FEntry.Columns) * FEntry.PatternHeight; }
    [[noreturn]] void Fail(const std::string& Why) const;

private:
    TGenerator& FGenerator;
    const TImageEntry& FEntry;
};

using TRecipe = std::function<TCanvas(const TRecipeContext&)>;

struct TRecipeRegistration {
    TRecipeRegistration(const char* Name, TRecipe Recipe);
};
const TRecipe* FindRecipe(const std::string& Name);
std::vector<std::string> RecipeNames();

#define QUELLOW_RECIPE_JOIN2(A, B) A##B
#define QUELLOW_RECIPE_JOIN(A, B) QUELLOW_RECIPE_JOIN2(A, B)
// Registers a recipe: QUELLOW_RECIPE("name", [](const TRecipeContext& C) { ... });
#define QUELLOW_RECIPE(Name, ...) \
    static const TRecipeRegistration QUELLOW_RECIPE_JOIN(RecipeRegistration, __LINE__)(Name, __VA_ARGS__)
