#include "GeneratorClass.h"

#include "ImageFileClass.h"
#include "RecipeClass.h"

#include <chrono>
#include <cstdio>
#include <stdexcept>

TGenerator::TGenerator(std::string AssetsDir, TCatalogue Catalogue)
    : FAssetsDir(std::move(AssetsDir)), FCatalogue(std::move(Catalogue)) {
    for (const auto& e : FCatalogue.Entries())
        if (!FindRecipe(e.Recipe))
            throw std::runtime_error("catalogue.txt:" + std::to_string(e.Line) + ": " + e.Name + ": unknown recipe '" +
                                     e.Recipe + "'");
}

const TSvg& TGenerator::Svg(const std::string& RelativePath) {
    std::lock_guard<std::recursive_mutex> guard(FLock);
    auto& slot = FSvgs[RelativePath];
    if (!slot) slot = std::make_unique<TSvg>(TSvg::FromAsset(FAssetsDir, RelativePath));
    return *slot;
}

const TCanvas& TGenerator::Image(const std::string& Name) {
    std::lock_guard<std::recursive_mutex> guard(FLock);
    if (const auto it = FImages.find(Name); it != FImages.end()) return it->second;
    const TImageEntry* entry = FCatalogue.Find(Name);
    if (!entry) throw std::runtime_error("no image '" + Name + "' in the catalogue");
    if (!FDrawing.insert(Name).second) throw std::runtime_error(Name + ": its recipe needs itself");
    TRecipeContext context(*this, *entry);
    TCanvas canvas = (*FindRecipe(entry->Recipe))(context);
    FDrawing.erase(Name);
    if (canvas.Width() != entry->Width() || canvas.Height() != entry->Height())
        context.Fail("recipe drew " + std::to_string(canvas.Width()) + "x" + std::to_string(canvas.Height()) +
                     ", the catalogue declares " + std::to_string(entry->Width()) + "x" +
                     std::to_string(entry->Height()));
    return FImages.emplace(Name, std::move(canvas)).first->second;
}

int TGenerator::Build(const std::string& GameDir, const std::set<std::string>& Only, bool Verbose) {
    int changed = 0;
    for (const auto& e : FCatalogue.Entries()) {
        if (!Only.empty() && !Only.count(e.Name)) continue;
        const auto start = std::chrono::steady_clock::now();
        const TCanvas& canvas = Image(e.Name);
        const std::string bytes = e.Type == TImageType::itPng ? EncodePng(canvas) : EncodeJpeg(canvas, 92);
        const bool wrote = WriteIfChanged(GameDir + "/" + e.RelativePath(), bytes);
        changed += wrote ? 1 : 0;
        if (Verbose) {
            const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
            std::printf("%6lld ms  %s%s\n", static_cast<long long>(ms.count()), e.RelativePath().c_str(),
                        wrote ? "" : " (unchanged)");
        }
    }
    return changed;
}
