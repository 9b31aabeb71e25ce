// The generator: draws the catalogue's images with their recipes, checks each
// against its declared size and writes it into the game's Images folder.
#pragma once

#include "CanvasClass.h"
#include "CatalogueClass.h"
#include "SvgClass.h"

#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>

class TGenerator {
public:
    TGenerator(std::string AssetsDir, TCatalogue Catalogue);
    const TCatalogue& Catalogue() const { return FCatalogue; }
    const std::string& AssetsDir() const { return FAssetsDir; }

    // The drawn picture of a catalogue image (drawn once, then kept).
    const TCanvas& Image(const std::string& Name);
    const TSvg& Svg(const std::string& RelativePath);

    // Draws every image (or only those named) and writes it below GameDir.
    // Returns the number of files that changed.
    int Build(const std::string& GameDir, const std::set<std::string>& Only, bool Verbose);

private:
    std::string FAssetsDir;
    TCatalogue FCatalogue;
    std::map<std::string, TCanvas> FImages;
    std::set<std::string> FDrawing;  // images being drawn, to report a recipe loop
    std::map<std::string, std::unique_ptr<TSvg>> FSvgs;
    std::recursive_mutex FLock;
};
