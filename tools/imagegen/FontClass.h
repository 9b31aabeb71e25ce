// A font face from a Debian font file, usable by Cairo: text paths and measures
// for the sprite fonts, digit strips and lettering the recipes draw.
#pragma once

#include <cairo.h>

#include <string>

class TFont {
public:
    // Opens a font file (absolute, or relative to /usr/share/fonts). Faces are kept
    // for the whole run; asking twice for one file gives the same face.
    static const TFont& Get(const std::string& File);

    cairo_font_face_t* Face() const { return FFace; }
    // Selects the face at Size pixels (em size) on Cr.
    void Use(cairo_t* Cr, double Size) const;
    // Ink extents of Text at Size.
    cairo_text_extents_t Measure(const std::string& Text, double Size) const;
    const std::string& File() const { return FFile; }

    explicit TFont(const std::string& File);
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;
    ~TFont();

private:
    std::string FFile;
    cairo_font_face_t* FFace = nullptr;
};
