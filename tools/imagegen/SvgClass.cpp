#include "SvgClass.h"

#include <librsvg/rsvg.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

TSvg TSvg::FromText(const std::string& Text, const std::string& Origin) {
    GError* error = nullptr;
    RsvgHandle* handle = rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(Text.data()), Text.size(), &error);
    if (!handle) {
        const std::string why = error ? error->message : "unknown error";
        if (error) g_error_free(error);
        throw std::runtime_error(Origin + ": not valid SVG: " + why);
    }
    rsvg_handle_set_dpi(handle, 96.0);
    return TSvg(handle, Origin);
}

TSvg TSvg::FromFile(const std::string& Path) {
    std::ifstream in(Path, std::ios::binary);
    if (!in) throw std::runtime_error(Path + ": cannot open");
    std::ostringstream text;
    text << in.rdbuf();
    return FromText(text.str(), Path);
}

std::string ExpandSvgIncludes(const std::string& AssetsDir, const std::string& RelativePath, int Depth) {
    const std::string path = AssetsDir + "/" + RelativePath;
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error(path + ": cannot open");
    std::ostringstream buffer;
    buffer << in.rdbuf();
    std::string text = buffer.str();
    if (Depth > 8) throw std::runtime_error(path + ": includes nested too deeply");
    const std::string open = "<?include ", close = "?>";
    for (size_t at = text.find(open); at != std::string::npos; at = text.find(open, at)) {
        const size_t end = text.find(close, at);
        if (end == std::string::npos) throw std::runtime_error(path + ": unterminated <?include");
        std::string name = text.substr(at + open.size(), end - at - open.size());
        while (!name.empty() && name.back() == ' ') name.pop_back();
        const std::string part = ExpandSvgIncludes(AssetsDir, name, Depth + 1);
        text.replace(at, end + close.size() - at, part);
        at += part.size();
    }
    return text;
}

TSvg TSvg::FromAsset(const std::string& AssetsDir, const std::string& RelativePath) {
    return FromText(ExpandSvgIncludes(AssetsDir, RelativePath), AssetsDir + "/" + RelativePath);
}

TSvg::TSvg(TSvg&& Other) noexcept : FHandle(Other.FHandle), FOrigin(std::move(Other.FOrigin)) {
    Other.FHandle = nullptr;
}

TSvg& TSvg::operator=(TSvg&& Other) noexcept {
    if (this != &Other) {
        if (FHandle) g_object_unref(FHandle);
        FHandle = Other.FHandle;
        FOrigin = std::move(Other.FOrigin);
        Other.FHandle = nullptr;
    }
    return *this;
}

TSvg::~TSvg() {
    if (FHandle) g_object_unref(FHandle);
}

void TSvg::DocumentSize(double& Width, double& Height) const {
    if (!rsvg_handle_get_intrinsic_size_in_pixels(FHandle, &Width, &Height))
        throw std::runtime_error(FOrigin + ": the svg element needs width and height in pixels");
}

bool TSvg::HasElement(const std::string& Id) const { return rsvg_handle_has_sub(FHandle, Id.c_str()); }

void TSvg::Render(cairo_t* Cr, double X, double Y, double W, double H, const std::string& Id) const {
    if (!Id.empty() && !HasElement(Id)) throw std::runtime_error(FOrigin + ": no element " + Id);
    const RsvgRectangle viewport{X, Y, W, H};
    GError* error = nullptr;
    const gboolean ok = Id.empty() ? rsvg_handle_render_document(FHandle, Cr, &viewport, &error)
                                   : rsvg_handle_render_layer(FHandle, Cr, Id.c_str(), &viewport, &error);
    if (!ok) {
        const std::string why = error ? error->message : "unknown error";
        if (error) g_error_free(error);
        throw std::runtime_error(FOrigin + ": cannot render: " + why);
    }
}

void TSvg::Render(TCanvas& Canvas, double X, double Y, double W, double H, const std::string& Id) const {
    TCairo cr(Canvas);
    Render(cr, X, Y, W, H, Id);
}

TCanvas RenderSvgText(const std::string& Text, int Width, int Height, const std::string& Origin) {
    TCanvas canvas(Width, Height);
    TSvg::FromText(Text, Origin).Render(canvas, 0, 0, Width, Height);
    return canvas;
}
