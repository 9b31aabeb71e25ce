#include "ContactSheetClass.h"

#include "CanvasClass.h"
#include "FontClass.h"
#include "ImageFileClass.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace {

constexpr int SheetWidth = 1640;
constexpr int Margin = 16;
constexpr int LabelHeight = 34;
constexpr int MaxThumb = 800;  // larger images are shown at half size

struct TPlaced {
    const TImageEntry* Entry;
    TCanvas Picture;
    double Scale;
    int X, Y, W, H;
};

void Checkerboard(cairo_t* Cr, int X, int Y, int W, int H) {
    cairo_save(Cr);
    cairo_rectangle(Cr, X, Y, W, H);
    cairo_clip(Cr);
    for (int y = Y; y < Y + H; y += 8)
        for (int x = X; x < X + W; x += 8) {
            const bool dark = (((x - X) / 8) + ((y - Y) / 8)) % 2 == 0;
            cairo_set_source_rgb(Cr, dark ? 0.62 : 0.72, dark ? 0.64 : 0.74, dark ? 0.68 : 0.78);
            cairo_rectangle(Cr, x, y, 8, 8);
            cairo_fill(Cr);
        }
    cairo_restore(Cr);
}

}  // namespace

int WriteContactSheets(const TCatalogue& Catalogue, const std::string& GameDir, const std::string& OutDir) {
    std::filesystem::create_directories(OutDir);
    const TFont& font = TFont::Get("truetype/liberation2/LiberationSans-Regular.ttf");
    int sheets = 0;
    for (const std::string& folder : Catalogue.Folders()) {
        std::vector<TPlaced> placed;
        int x = Margin, y = Margin + 30, rowHeight = 0;
        for (const auto& e : Catalogue.Entries()) {
            if (e.Folder != folder) continue;
            const std::string path = GameDir + "/" + e.RelativePath();
            if (!std::filesystem::exists(path)) continue;
            TCanvas picture = ReadImageFile(path);
            const double scale = picture.Width() > MaxThumb || picture.Height() > MaxThumb ? 0.5 : 1.0;
            const int w = static_cast<int>(std::ceil(picture.Width() * scale));
            const int h = static_cast<int>(std::ceil(picture.Height() * scale));
            const int cellW = std::max(w, 150);
            if (x + cellW > SheetWidth - Margin && x > Margin) {
                x = Margin;
                y += rowHeight + LabelHeight + Margin;
                rowHeight = 0;
            }
            placed.push_back({&e, std::move(picture), scale, x, y, w, h});
            x += cellW + Margin;
            rowHeight = std::max(rowHeight, h);
        }
        if (placed.empty()) continue;
        const int height = y + rowHeight + LabelHeight + Margin;
        TCanvas sheet(SheetWidth, height);
        sheet.Fill({0.16, 0.17, 0.2, 1});
        TCairo cr(sheet);
        font.Use(cr, 18);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_move_to(cr, Margin, Margin + 16);
        const std::string title = "Images/" + folder + (folder.empty() ? "" : "/");
        cairo_show_text(cr, title.c_str());
        for (const auto& p : placed) {
            Checkerboard(cr, p.X, p.Y, p.W, p.H);
            cairo_save(cr);
            cairo_translate(cr, p.X, p.Y);
            cairo_scale(cr, p.Scale, p.Scale);
            cairo_set_source_surface(cr, p.Picture.Surface(), 0, 0);
            cairo_paint(cr);
            cairo_restore(cr);
            // Pattern grid.
            const TImageEntry& e = *p.Entry;
            cairo_set_line_width(cr, 1);
            cairo_set_source_rgba(cr, 1, 0.1, 0.6, 0.9);
            for (int c = 1; c < e.Columns; ++c) {
                const double gx = p.X + std::round(c * e.PatternWidth * p.Scale) + 0.5;
                cairo_move_to(cr, gx, p.Y);
                cairo_line_to(cr, gx, p.Y + p.H);
            }
            for (int r = 1; r < e.Rows; ++r) {
                const double gy = p.Y + std::round(r * e.PatternHeight * p.Scale) + 0.5;
                cairo_move_to(cr, p.X, gy);
                cairo_line_to(cr, p.X + p.W, gy);
            }
            cairo_stroke(cr);
            cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
            cairo_rectangle(cr, p.X - 0.5, p.Y - 0.5, p.W + 1, p.H + 1);
            cairo_stroke(cr);
            // Name, grid and pattern size.
            font.Use(cr, 13);
            cairo_set_source_rgb(cr, 1, 1, 1);
            cairo_move_to(cr, p.X, p.Y + p.H + 14);
            cairo_show_text(cr, e.FileName().c_str());
            char info[96];
            std::snprintf(info, sizeof info, "%dx%d of %dx%d%s", e.Columns, e.Rows, e.PatternWidth, e.PatternHeight,
                          p.Scale < 1 ? "  (half size)" : "");
            cairo_set_source_rgb(cr, 0.7, 0.75, 0.8);
            font.Use(cr, 11);
            cairo_move_to(cr, p.X, p.Y + p.H + 28);
            cairo_show_text(cr, info);
        }
        std::string file = folder.empty() ? "Images" : "Images-" + folder;
        std::replace(file.begin(), file.end(), '/', '-');
        cairo_surface_write_to_png(sheet.Surface(), (OutDir + "/" + file + ".png").c_str());
        ++sheets;
    }
    return sheets;
}
