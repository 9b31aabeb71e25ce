// The image generator's command line.
//   imagegen build ASSETS GAMEDIR [NAME...]   draw the images (all, or those named)
//   imagegen contact ASSETS GAMEDIR OUTDIR    one contact sheet per image folder
//   imagegen list ASSETS                      the catalogue, one image a line
//   imagegen preview ASSETS SVG OUT.png W H   one SVG source drawn at W x H, to try out a drawing
//   imagegen mockup ASSETS GAMEDIR OUT.png NAME[:PATTERN][@X,Y][/WIDTH] ...
//                                             an 800x600 screen put together from drawn
//                                             images, to judge them where the game shows them
#include "CatalogueClass.h"
#include "ContactSheetClass.h"
#include "GeneratorClass.h"
#include "ImageFileClass.h"
#include "SvgClass.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <set>
#include <stdexcept>
#include <string>

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: imagegen build ASSETS GAMEDIR [-v] [NAME...]\n"
                 "       imagegen contact ASSETS GAMEDIR OUTDIR\n"
                 "       imagegen list ASSETS\n"
                 "       imagegen preview ASSETS SVG OUT.png WIDTH HEIGHT\n"
                 "       imagegen mockup ASSETS GAMEDIR OUT.png NAME[:PATTERN][@X,Y][/WIDTH]...\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return Usage();
    const std::string command = argv[1];
    const std::string assets = argv[2];
    try {
        if (command == "preview" && argc == 7) {
            TCanvas canvas(std::atoi(argv[5]), std::atoi(argv[6]));
            TSvg::FromAsset(assets, argv[3]).Render(canvas, 0, 0, canvas.Width(), canvas.Height());
            WriteIfChanged(argv[4], EncodePng(canvas));
            return 0;
        }
        TCatalogue catalogue = TCatalogue::Load(assets + "/catalogue.txt");
        if (command == "list") {
            for (const auto& e : catalogue.Entries())
                std::printf("%-40s %dx%d of %dx%d  %s\n", e.RelativePath().c_str(), e.Columns, e.Rows, e.PatternWidth,
                            e.PatternHeight, e.Recipe.c_str());
            return 0;
        }
        if (command == "contact" && argc == 5) {
            const int n = WriteContactSheets(catalogue, argv[3], argv[4]);
            std::printf("%d contact sheets in %s\n", n, argv[4]);
            return 0;
        }
        if (command == "mockup" && argc >= 6) {
            TCanvas screen(800, 600);
            screen.Fill({0, 0, 0, 1});
            for (int i = 5; i < argc; ++i) {
                std::string spec = argv[i];
                int pattern = 0, x = 0, y = 0, width = -1;
                if (const auto slash = spec.find('/'); slash != std::string::npos) {
                    width = std::atoi(spec.c_str() + slash + 1);
                    spec.erase(slash);
                }
                if (const auto at = spec.find('@'); at != std::string::npos) {
                    std::sscanf(spec.c_str() + at + 1, "%d,%d", &x, &y);
                    spec.erase(at);
                }
                if (const auto colon = spec.find(':'); colon != std::string::npos) {
                    pattern = std::atoi(spec.c_str() + colon + 1);
                    spec.erase(colon);
                }
                const TImageEntry* e = catalogue.Find(spec);
                if (!e) throw std::runtime_error("no image '" + spec + "' in the catalogue");
                const TCanvas picture = ReadImageFile(std::string(argv[3]) + "/" + e->RelativePath());
                const int px = (pattern % e->Columns) * e->PatternWidth, py = (pattern / e->Columns) * e->PatternHeight;
                screen.Draw(picture.Cut(px, py, width >= 0 ? width : e->PatternWidth, e->PatternHeight), x, y);
            }
            WriteIfChanged(argv[4], EncodePng(screen));
            return 0;
        }
        if (command == "build" && argc >= 4) {
            bool verbose = false;
            std::set<std::string> only;
            for (int i = 4; i < argc; ++i) {
                if (std::strcmp(argv[i], "-v") == 0) verbose = true;
                else only.insert(argv[i]);
            }
            const auto start = std::chrono::steady_clock::now();
            TGenerator generator(assets, std::move(catalogue));
            const int changed = generator.Build(argv[3], only, verbose);
            const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
            std::printf("images: %zu drawn, %d changed, %.1f s\n",
                        only.empty() ? generator.Catalogue().Entries().size() : only.size(), changed, ms.count() / 1000.0);
            return 0;
        }
        return Usage();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "imagegen: %s\n", e.what());
        return 1;
    }
}
