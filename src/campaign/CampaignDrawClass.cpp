#include "CampaignDrawClass.h"

#include "BoardEffectDrawClass.h"
#include "OmegaImageListClass.h"

void DrawCampaignImage(TOmegaImageList* List, std::string_view Name, int32_t X, int32_t Y, int32_t Pattern) {
    if (TImageListItem* Image = EffectImage(List, Name)) Image->Draw(X, Y, Pattern);
}

void DrawCampaignSmooth(TOmegaImageList* List, std::string_view Name, int32_t X, int32_t Y, float Angle,
                        float CenterX, float CenterY, float ScaleX, float ScaleY, int32_t Red, int32_t Green,
                        int32_t Blue, int32_t Alpha, int32_t Pattern, int32_t BlendMode) {
    TImageListItem* Image = EffectImage(List, Name);
    if (!Image) return;
    SetEffectFiltering(List, true);
    Image->DrawEx(X, Y, Angle, CenterX, CenterY, ScaleX, ScaleY, Red, Green, Blue, Alpha, Pattern, BlendMode);
    SetEffectFiltering(List, false);
}

void DrawCampaignEx(TOmegaImageList* List, std::string_view Name, int32_t X, int32_t Y, int32_t Red, int32_t Green,
                    int32_t Blue, int32_t Alpha, int32_t Pattern, int32_t BlendMode) {
    if (TImageListItem* Image = EffectImage(List, Name)) {
        Image->DrawEx(X, Y, 0.0f, 0.5f, 0.5f, 1.0f, 1.0f, Red, Green, Blue, Alpha, Pattern, BlendMode);
    }
}
