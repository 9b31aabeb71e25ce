#include "RecipeClass.h"

#include "GeneratorClass.h"

#include <map>
#include <stdexcept>

namespace {

std::map<std::string, TRecipe>& Recipes() {
    static std::map<std::string, TRecipe> recipes;
    return recipes;
}

}  // namespace

TRecipeRegistration::TRecipeRegistration(const char* Name, TRecipe Recipe) {
    if (!Recipes().emplace(Name, std::move(Recipe)).second)
        throw std::logic_error(std::string("recipe registered twice: ") + Name);
}

const TRecipe* FindRecipe(const std::string& Name) {
    const auto it = Recipes().find(Name);
    return it == Recipes().end() ? nullptr : &it->second;
}

std::vector<std::string> RecipeNames() {
    std::vector<std::string> names;
    for (const auto& [name, recipe] : Recipes()) names.push_back(name);
    return names;
}

const std::string& TRecipeContext::Arg(size_t Index) const {
    if (Index >= FEntry.Args.size())
        Fail("recipe '" + FEntry.Recipe + "' needs argument " + std::to_string(Index + 1));
    return FEntry.Args[Index];
}

double TRecipeContext::NumberArg(size_t Index) const {
    const std::string& text = Arg(Index);
    try {
        size_t used = 0;
        const double v = std::stod(text, &used);
        if (used == text.size()) return v;
    } catch (const std::exception&) {
    }
    Fail("argument " + std::to_string(Index + 1) + " must be a number, not '" + text + "'");
}

const TSvg& TRecipeContext::Svg(const std::string& RelativePath) const { return FGenerator.Svg(RelativePath); }

std::string TRecipeContext::AssetPath(const std::string& RelativePath) const {
    return FGenerator.AssetsDir() + "/" + RelativePath;
}

const TCanvas& TRecipeContext::Image(const std::string& Name) const { return FGenerator.Image(Name); }

void TRecipeContext::Fail(const std::string& Why) const {
    throw std::runtime_error("catalogue.txt:" + std::to_string(FEntry.Line) + ": " + FEntry.Name + ": " + Why);
}
