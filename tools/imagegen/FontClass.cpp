#include "FontClass.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>

namespace {

FT_Library Library() {
    static FT_Library library = [] {
        FT_Library lib = nullptr;
        if (FT_Init_FreeType(&lib) != 0) throw std::runtime_error("cannot start FreeType");
        return lib;
    }();
    return library;
}

const cairo_user_data_key_t FaceKey{};

void FreeFace(void* Face) { FT_Done_Face(static_cast<FT_Face>(Face)); }

}  // namespace

TFont::TFont(const std::string& File) : FFile(File) {
    const std::string path = File.front() == '/' ? File : "/usr/share/fonts/" + File;
    FT_Face face = nullptr;
    if (FT_New_Face(Library(), path.c_str(), 0, &face) != 0)
        throw std::runtime_error(path + ": cannot open the font (is its Debian package installed? see scripts/install-deps.sh)");
    FFace = cairo_ft_font_face_create_for_ft_face(face, 0);
    // Cairo caches faces by FT_Face address: the FT_Face must live exactly as long as
    // the cairo face, or a later face at the same address would draw this one.
    if (cairo_font_face_set_user_data(FFace, &FaceKey, face, FreeFace) != CAIRO_STATUS_SUCCESS) {
        cairo_font_face_destroy(FFace);
        FT_Done_Face(face);
        throw std::runtime_error(path + ": cannot attach the font to Cairo");
    }
}

TFont::~TFont() { cairo_font_face_destroy(FFace); }

const TFont& TFont::Get(const std::string& File) {
    static std::mutex lock;
    static std::map<std::string, std::unique_ptr<TFont>> fonts;
    std::lock_guard<std::mutex> guard(lock);
    auto& slot = fonts[File];
    if (!slot) slot = std::make_unique<TFont>(File);
    return *slot;
}

void TFont::Use(cairo_t* Cr, double Size) const {
    cairo_set_font_face(Cr, FFace);
    cairo_set_font_size(Cr, Size);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(Cr, options);
    cairo_font_options_destroy(options);
}

cairo_text_extents_t TFont::Measure(const std::string& Text, double Size) const {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
    cairo_t* cr = cairo_create(s);
    Use(cr, Size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, Text.c_str(), &ext);
    cairo_destroy(cr);
    cairo_surface_destroy(s);
    return ext;
}
