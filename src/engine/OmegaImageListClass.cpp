#include "OmegaImageListClass.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "ApplicationClass.h"
#include "FoldersClass.h"
#include "MessageBoxClass.h"

namespace {
int32_t ClampByte(int32_t Value) { return Value < 0 ? 0 : (Value > 255 ? 255 : Value); }

uint32_t ColorOf(int32_t Red, int32_t Green, int32_t Blue, int32_t Alpha) {
    return MakeColor(static_cast<uint8_t>(ClampByte(Red)), static_cast<uint8_t>(ClampByte(Green)),
                     static_cast<uint8_t>(ClampByte(Blue)), static_cast<uint8_t>(ClampByte(Alpha)));
}

void SetAllColors(TQuadRequest& Request, uint32_t Color) {
    for (uint32_t& Corner : Request.Colors) Corner = Color;
}

std::string Trimmed(const std::string& Text) {
    const size_t First = Text.find_first_not_of(" \t\r\n");
    if (First == std::string::npos) return {};
    const size_t Last = Text.find_last_not_of(" \t\r\n");
    return Text.substr(First, Last - First + 1);
}

TRect Intersection(const TRect& A, const TRect& B) {
    return TRect{std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right),
                 std::min(A.Bottom, B.Bottom)};
}
// A request at (X, Y), turned by Angle about (CenterX, CenterY) and scaled.
TQuadRequest PlacedRequest(int32_t X, int32_t Y, float Angle, float CenterX, float CenterY, float ScaleX,
                           float ScaleY, bool FlipVertical, bool MirrorHorizontal) {
    TQuadRequest Request;
    Request.X = static_cast<float>(X);
    Request.Y = static_cast<float>(Y);
    Request.Angle = Angle;
    Request.CenterX = CenterX;
    Request.CenterY = CenterY;
    Request.ScaleX = ScaleX;
    Request.ScaleY = ScaleY;
    Request.FlipVertical = FlipVertical;
    Request.MirrorHorizontal = MirrorHorizontal;
    return Request;
}

}  // namespace

// ---------------------------------------------------------------------------
// TImageListItem

TImageListItem::TImageListItem(TOmegaImageList* Owner) : FOwner(Owner) {}

TImageListItem::~TImageListItem() { DestroyTexture(); }

void TImageListItem::AssignPicture(TPicture Picture) {
    FPicture = std::move(Picture);
    TileWidth = FPicture.Width;
    TileHeight = FPicture.Height;
    FImageWidth = std::max(FPicture.Width, 1);
    FImageHeight = std::max(FPicture.Height, 1);
    // A texture of the old picture would show the wrong image.
    DestroyTexture();
}

void TImageListItem::DestroyTexture() {
    if (FTexture) SDL_DestroyTexture(FTexture);
    FTexture = nullptr;
}

bool TImageListItem::LoadFromFilepath() {
    const std::string Path = Trimmed(Filepath);
    if (Path.empty()) return false;
    const std::string FullPath = (Path.front() == '/') ? Path : AppFolder + Path;
    std::error_code Ignored;
    if (!std::filesystem::exists(FullPath, Ignored)) return false;
    TPicture Loaded;
    if (!LoadPicture(FullPath, Loaded)) return false;
    const int32_t KeepTileWidth = TileWidth;
    const int32_t KeepTileHeight = TileHeight;
    AssignPicture(std::move(Loaded));
    TileWidth = KeepTileWidth;
    TileHeight = KeepTileHeight;
    return true;
}

bool TImageListItem::Restore() {
    const bool FromFile = LoadFromFilepath();
    if (FPicture.Empty()) return true;
    if (TileHeight < 1) TileHeight = FPicture.Height;
    if (TileWidth < 1) TileWidth = FPicture.Width;
    FImageWidth = std::max(FPicture.Width, 1);
    FImageHeight = std::max(FPicture.Height, 1);

    TOmegaScreen* Screen = FOwner ? FOwner->OmegaScreen : nullptr;
    if (FTexture || !Screen || !Screen->IsReady()) return true;

    SDL_Texture* Texture = SDL_CreateTexture(Screen->Renderer(), SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_STATIC,
                                             FPicture.Width, FPicture.Height);
    bool Uploaded = false;
    if (Texture) {
        if (Transparent) {
            // The key colour becomes fully transparent black.
            const uint32_t Key = ColorToARGB(TransparentColor);
            std::vector<uint8_t> Keyed = FPicture.Pixels;
            for (size_t I = 0; I + 3 < Keyed.size(); I += 4) {
                const uint32_t Argb = (uint32_t{Keyed[I + 3]} << 24) | (uint32_t{Keyed[I]} << 16) |
                                      (uint32_t{Keyed[I + 1]} << 8) | uint32_t{Keyed[I + 2]};
                if (Argb == Key) std::fill_n(Keyed.begin() + static_cast<std::ptrdiff_t>(I), 4, uint8_t{0});
            }
            Uploaded = SDL_UpdateTexture(Texture, nullptr, Keyed.data(), FPicture.Width * 4) == 0;
        } else {
            Uploaded = SDL_UpdateTexture(Texture, nullptr, FPicture.Pixels.data(), FPicture.Width * 4) == 0;
        }
    }
    if (!Uploaded) {
        if (Texture) SDL_DestroyTexture(Texture);
        // The game is ending already: one message is enough.
        if (!ApplicationTerminateRequested()) {
            ShowMessageBox("Error creating texture " + Name, "Error", TMessageBoxIcon::Error);
            RequestApplicationTerminate();
        }
        return false;
    }
    FTexture = Texture;
    FOpaque = !Transparent;
    for (size_t I = 3; FOpaque && I < FPicture.Pixels.size(); I += 4) FOpaque = FPicture.Pixels[I] == 255;
    // A picture read from Filepath is read again whenever the texture must be remade.
    if (FromFile) FPicture.Clear();
    return true;
}

int32_t TImageListItem::PatternColumns() const {
    const int32_t Columns = FImageWidth / std::max(EffectiveTileWidth(), 1);
    return std::max(Columns, 1);
}

int32_t TImageListItem::PatternRows() const {
    const int32_t Rows = FImageHeight / std::max(EffectiveTileHeight(), 1);
    return std::max(Rows, 1);
}

int32_t TImageListItem::PatternCount() const { return PatternColumns() * PatternRows(); }

void TImageListItem::SetPatternTexCoords(TQuadRequest& Request, int32_t Pattern) const {
    const float ImageWidth = static_cast<float>(FImageWidth);
    const float ImageHeight = static_cast<float>(FImageHeight);
    Request.Width = static_cast<float>(EffectiveTileWidth());
    Request.Height = static_cast<float>(EffectiveTileHeight());
    if (Pattern == WholeImagePattern) {
        Request.TexLeft = 0.0f;
        Request.TexTop = 0.0f;
        Request.TexRight = 1.0f;
        Request.TexBottom = 1.0f;
        // The centre refers to the whole image; the quad keeps the pattern size.
        Request.CenterWidth = ImageWidth;
        Request.CenterHeight = ImageHeight;
        return;
    }
    const TRect Source = PatternSourceRect(Pattern, FImageWidth, FImageHeight, EffectiveTileWidth(),
                                           EffectiveTileHeight());
    Request.TexLeft = static_cast<float>(Source.Left) / ImageWidth;
    Request.TexTop = static_cast<float>(Source.Top) / ImageHeight;
    Request.TexRight = static_cast<float>(Source.Right) / ImageWidth;
    Request.TexBottom = static_cast<float>(Source.Bottom) / ImageHeight;
    Request.CenterWidth = Request.Width;
    Request.CenterHeight = Request.Height;
}

void TImageListItem::SetRectTexCoords(TQuadRequest& Request, const TRect& Source) const {
    const float ImageWidth = static_cast<float>(FImageWidth);
    const float ImageHeight = static_cast<float>(FImageHeight);
    Request.Width = static_cast<float>(Source.Width());
    Request.Height = static_cast<float>(Source.Height());
    Request.CenterWidth = Request.Width;
    Request.CenterHeight = Request.Height;
    Request.TexLeft = static_cast<float>(Source.Left) / ImageWidth;
    Request.TexTop = static_cast<float>(Source.Top) / ImageHeight;
    Request.TexRight = static_cast<float>(Source.Right) / ImageWidth;
    Request.TexBottom = static_cast<float>(Source.Bottom) / ImageHeight;
}

void TImageListItem::DrawQuad(TQuadRequest& Request, int32_t BlendMode) {
    TOmegaScreen* Screen = FOwner ? FOwner->OmegaScreen : nullptr;
    if (!Screen) return;
    Screen->SetBlendMode(BlendMode);
    if (!Screen->CanDraw()) return;
    // A list attached to a screen that was already running has no textures yet.
    if (!FTexture && !FPicture.Empty() && !Restore()) return;
    if (!FTexture) return;
    // An opaque picture drawn at full opacity in the normal mode covers what is under it
    // exactly: it is copied without blending, which software rendering does far faster.
    const bool CoversUnderneath = FOpaque && (Request.Colors[0] & Request.Colors[1] & Request.Colors[2] &
                                              Request.Colors[3]) >> 24 == 0xFF;
    Screen->PrepareTexture(FTexture, CoversUnderneath);
    TOmegaRenderer& Renderer = FOwner->Renderer();
    Renderer.Build(Request, Screen->Transform());
    Renderer.Render(Screen->Renderer(), FTexture);
}

void TImageListItem::Draw(int32_t X, int32_t Y, int32_t Pattern) {
    if (Pattern == NoPattern) return;
    TQuadRequest Request;
    Request.X = static_cast<float>(X);
    Request.Y = static_cast<float>(Y);
    SetPatternTexCoords(Request, Pattern);
    DrawQuad(Request, 0);
}

void TImageListItem::DrawEx(int32_t X, int32_t Y, float Angle, float CenterX, float CenterY, float ScaleX,
                            float ScaleY, int32_t Red, int32_t Green, int32_t Blue, int32_t Alpha, int32_t Pattern,
                            int32_t BlendMode) {
    if (Pattern == NoPattern) return;
    DrawExColor(X, Y, Angle, CenterX, CenterY, ScaleX, ScaleY, ColorOf(Red, Green, Blue, Alpha), false, false,
                Pattern, BlendMode);
}

void TImageListItem::DrawExColor(int32_t X, int32_t Y, float Angle, float CenterX, float CenterY, float ScaleX,
                                 float ScaleY, uint32_t Color, bool FlipVertical, bool MirrorHorizontal,
                                 int32_t Pattern, int32_t BlendMode) {
    if (Pattern == NoPattern) return;
    DrawEx4(X, Y, Angle, CenterX, CenterY, ScaleX, ScaleY, Color, Color, Color, Color, FlipVertical,
            MirrorHorizontal, Pattern, BlendMode);
}

void TImageListItem::DrawEx4(int32_t X, int32_t Y, float Angle, float CenterX, float CenterY, float ScaleX,
                             float ScaleY, uint32_t ColorTopLeft, uint32_t ColorTopRight, uint32_t ColorBottomRight,
                             uint32_t ColorBottomLeft, bool FlipVertical, bool MirrorHorizontal, int32_t Pattern,
                             int32_t BlendMode) {
    TQuadRequest Request =
        PlacedRequest(X, Y, Angle, CenterX, CenterY, ScaleX, ScaleY, FlipVertical, MirrorHorizontal);
    Request.Colors[qcTopLeft] = ColorTopLeft;
    Request.Colors[qcTopRight] = ColorTopRight;
    Request.Colors[qcBottomRight] = ColorBottomRight;
    Request.Colors[qcBottomLeft] = ColorBottomLeft;
    SetPatternTexCoords(Request, Pattern);
    DrawQuad(Request, BlendMode);
}

void TImageListItem::DrawRect(const TRect& SourceRect, int32_t X, int32_t Y, float Angle, float CenterX,
                              float CenterY, float ScaleX, float ScaleY, int32_t Red, int32_t Green, int32_t Blue,
                              int32_t Alpha, bool FlipVertical, bool MirrorHorizontal, int32_t /*Spare*/,
                              int32_t BlendMode) {
    TQuadRequest Request =
        PlacedRequest(X, Y, Angle, CenterX, CenterY, ScaleX, ScaleY, FlipVertical, MirrorHorizontal);
    SetAllColors(Request, ColorOf(Red, Green, Blue, Alpha));
    SetRectTexCoords(Request, SourceRect);
    DrawQuad(Request, BlendMode);
}

void TImageListItem::DrawClipped(const TRect& SourceRect, int32_t X, int32_t Y) {
    TOmegaScreen* Screen = FOwner ? FOwner->OmegaScreen : nullptr;
    if (!Screen) return;
    const TRect Previous = Screen->ClipRect();
    const TRect Window{X, Y, X + SourceRect.Width(), Y + SourceRect.Height()};
    // Inside a clipped area the part stays inside that area too.
    Screen->SetOutputRect(Intersection(Previous, Window));
    TQuadRequest Request;
    Request.X = static_cast<float>(X - SourceRect.Left);
    Request.Y = static_cast<float>(Y - SourceRect.Top);
    SetRectTexCoords(Request, TRect{0, 0, FImageWidth, FImageHeight});
    DrawQuad(Request, 0);
    Screen->SetOutputRect(Previous);
}

// ---------------------------------------------------------------------------
// TImageListCollection

TImageListItem* TImageListCollection::Add(const std::string& Name) {
    FItems.push_back(std::make_unique<TImageListItem>(FOwner));
    TImageListItem* Item = FItems.back().get();
    Item->Name = Name;
    FByName.emplace(Name, Item);  // an earlier item of the same name keeps the entry
    return Item;
}

TImageListItem* TImageListCollection::Find(std::string_view Name) const {
    const auto Found = FByName.find(Name);
    if (Found != FByName.end() && Found->second->Name == Name) return Found->second;
    // Not indexed under this name: an item may have been renamed since it was added.
    for (const auto& Item : FItems) {
        if (Item->Name == Name) {
            RebuildIndex();
            return Item.get();
        }
    }
    if (Found != FByName.end()) RebuildIndex();
    return nullptr;
}

TImageListItem* TImageListCollection::Items(int32_t Index) const {
    if (Index < 0 || Index >= Count()) return nullptr;
    return FItems[static_cast<size_t>(Index)].get();
}

int32_t TImageListCollection::IndexOf(const TImageListItem* Item) const {
    for (size_t I = 0; I < FItems.size(); ++I) {
        if (FItems[I].get() == Item) return static_cast<int32_t>(I);
    }
    return -1;
}

bool TImageListCollection::FreeItem(TImageListItem* Item) {
    const int32_t Index = IndexOf(Item);
    if (Index < 0) return false;
    FItems.erase(FItems.begin() + Index);
    RebuildIndex();
    return true;
}

bool TImageListCollection::FreeByName(std::string_view Name) { return FreeItem(Find(Name)); }

void TImageListCollection::Clear() {
    FItems.clear();
    FByName.clear();
}

void TImageListCollection::RebuildIndex() const {
    FByName.clear();
    for (const auto& Item : FItems) FByName.emplace(Item->Name, Item.get());
}

// ---------------------------------------------------------------------------
// TOmegaImageList

TOmegaImageList::~TOmegaImageList() { ImageList.Clear(); }

TImageListItem* TOmegaImageList::AddImage(const std::string& Name, TPicture Picture, int32_t Columns, int32_t Rows) {
    TImageListItem* Item = Add(Name);
    const int32_t PictureWidth = Picture.Width;
    const int32_t PictureHeight = Picture.Height;
    Item->AssignPicture(std::move(Picture));
    Item->TileWidth = PictureWidth / std::max(Columns, 1);
    Item->TileHeight = PictureHeight / std::max(Rows, 1);
    Item->Restore();
    return Item;
}

void TOmegaImageList::RestoreAll() {
    for (int32_t I = 0; I < Count(); ++I) {
        if (!Items(I)->Restore()) return;
    }
}

void TOmegaImageList::DestroyTextures() {
    for (int32_t I = 0; I < Count(); ++I) Items(I)->DestroyTexture();
}

void TOmegaImageList::ForgetScreen() {
    DestroyTextures();
    OmegaScreen = nullptr;
}
