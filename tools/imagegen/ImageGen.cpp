// The image generator's command line. ASSETS is the folder of the image sources,
// read with its catalogue.txt, or another catalogue file in that folder (the
// desktop icons' icons.txt).
//   imagegen build ASSETS GAMEDIR [NAME...]   draw the images (all, or those named)
//   imagegen contact ASSETS GAMEDIR OUTDIR    one contact sheet per image folder
//   imagegen list ASSETS                      the catalogue, one image a line
//   imagegen preview ASSETS SVG OUT.png W H   one SVG source drawn at W x H, to try out a drawing
//   imagegen mockup ASSETS GAMEDIR OUT.png SHOT ...
//                                             an 800x600 screen put together from drawn
//                                             images, to judge them where the game shows them;
//                                             SHOT is NAME[:PATTERN][@X,Y][/WIDTH][*SCALE][%ALPHA]
//                                             [^DEGREES][~CX,CY][!black][!mirror][!flip][!add]:
//                                             SCALE and the turn by DEGREES about the point at
//                                             fractions CX, CY of the pattern (its centre unless
//                                             given) as the game turns and scales, ALPHA 0-255,
//                                             "!black" a silhouette (closed places, shadows),
//                                             "!mirror" and "!flip" turned over left to right or
//                                             top to bottom, "!add" drawn additively (lights)
#include "CatalogueClass.h"
#include "ContactSheetClass.h"
#include "GeneratorClass.h"
#include "ImageFileClass.h"
#include "SvgClass.h"

#include <chrono>
#include <cmath>
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
                 "       imagegen mockup ASSETS GAMEDIR OUT.png "
                 "NAME[:PATTERN][@X,Y][/WIDTH][*SCALE][%%ALPHA][^DEG][~CX,CY][!black][!mirror][!flip][!add]...\n");
    return 2;
}

// One image of a mockup: NAME[:PATTERN][@X,Y][/WIDTH][*SCALE][%ALPHA][^DEG][~CX,CY][!...].
struct TShot {
    std::string Name;
    int Pattern = 0, X = 0, Y = 0, Width = -1;
    double Scale = 1.0, Alpha = 255.0, Angle = 0.0, CentreX = 0.5, CentreY = 0.5;
    bool Black = false, Mirror = false, Flip = false, Add = false;
};

TShot ParseShot(const std::string& Text) {
    static const char* marks = ":@/*%!^~";
    TShot shot;
    size_t at = Text.find_first_of(marks);
    shot.Name = Text.substr(0, at);
    while (at != std::string::npos) {
        const char mark = Text[at];
        const size_t next = Text.find_first_of(marks, at + 1);
        const std::string value = Text.substr(at + 1, next == std::string::npos ? std::string::npos : next - at - 1);
        bool ok = true;
        switch (mark) {
        case ':': shot.Pattern = std::atoi(value.c_str()); break;
        case '@': ok = std::sscanf(value.c_str(), "%d,%d", &shot.X, &shot.Y) == 2; break;
        case '/': shot.Width = std::atoi(value.c_str()); break;
        case '*': shot.Scale = std::atof(value.c_str()); break;
        case '%': shot.Alpha = std::atof(value.c_str()); break;
        case '^': shot.Angle = std::atof(value.c_str()); break;
        case '~': ok = std::sscanf(value.c_str(), "%lf,%lf", &shot.CentreX, &shot.CentreY) == 2; break;
        default:
            if (value == "black") shot.Black = true;
            else if (value == "mirror") shot.Mirror = true;
            else if (value == "flip") shot.Flip = true;
            else if (value == "add") shot.Add = true;
            else ok = false;
        }
        if (!ok) throw std::runtime_error("bad mockup shot '" + Text + "'");
        at = next;
    }
    return shot;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return Usage();
    const std::string command = argv[1];
    std::string assets = argv[2];
    std::string cataloguePath = assets + "/catalogue.txt";
    if (assets.size() > 4 && assets.compare(assets.size() - 4, 4, ".txt") == 0) {
        cataloguePath = assets;
        const size_t slash = assets.rfind('/');
        assets = slash == std::string::npos ? std::string(".") : assets.substr(0, slash);
    }
    try {
        if (command == "preview" && argc == 7) {
            TCanvas canvas(std::atoi(argv[5]), std::atoi(argv[6]));
            TSvg::FromAsset(assets, argv[3]).Render(canvas, 0, 0, canvas.Width(), canvas.Height());
            WriteIfChanged(argv[4], EncodePng(canvas));
            return 0;
        }
        TCatalogue catalogue = TCatalogue::Load(cataloguePath);
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
                const TShot shot = ParseShot(argv[i]);
                const TImageEntry* e = catalogue.Find(shot.Name);
                if (!e) throw std::runtime_error("no image '" + shot.Name + "' in the catalogue");
                const TCanvas picture = ReadImageFile(std::string(argv[3]) + "/" + e->RelativePath());
                const int px = (shot.Pattern % e->Columns) * e->PatternWidth;
                const int py = (shot.Pattern / e->Columns) * e->PatternHeight;
                const int w = shot.Width >= 0 ? shot.Width : e->PatternWidth;
                TCanvas cut = picture.Cut(px, py, w, e->PatternHeight);
                if (shot.Mirror) cut = cut.Mirrored();
                if (shot.Flip) cut = cut.Flipped();
                if (shot.Black) cut = cut.Silhouette({0, 0, 0, 1});
                // Scaled and turned about the centre point, as the game's smooth drawing does.
                const double cx = shot.X + w * shot.CentreX, cy = shot.Y + e->PatternHeight * shot.CentreY;
                TCairo cr(screen);
                cairo_translate(cr, cx, cy);
                cairo_rotate(cr, shot.Angle * M_PI / 180.0);
                cairo_scale(cr, shot.Scale, shot.Scale);
                cairo_translate(cr, -w * shot.CentreX, -e->PatternHeight * shot.CentreY);
                cairo_set_source_surface(cr, cut.Surface(), 0, 0);
                if (shot.Add) cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
                cairo_paint_with_alpha(cr, shot.Alpha / 255.0);
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
