// Character sheets of the boss monsters for reviewing their art and animation:
// each monster is driven by its own class through walking both ways, facing the
// player, absorbing with its aura at the peak and lying knocked out under its
// stars, and every pose is drawn with the game's images on the game's screen and
// laid out side by side in one picture.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "GameTypesClass.h"
#include "PictureClass.h"

class TFormMain;

class TMonsterSheet {
public:
    // Each pose is cut out of its frame from the monster's position plus this corner.
    static constexpr int32_t CellLeft = -50;
    static constexpr int32_t CellTop = -72;
    static constexpr int32_t CellWidth = 340;
    static constexpr int32_t CellHeight = 282;
    static constexpr int32_t Columns = 3;
    static constexpr int32_t Rows = 3;

    // Draws on the form's screen with its image list and small font; the form
    // must have started.
    explicit TMonsterSheet(TFormMain& Form);

    // Loads the monster's images from its folder and its companions' from the
    // main set, as the game does. The files that are not there are added to Missing.
    void LoadImages(TMonsterKind Kind, std::vector<std::string>& Missing);

    // Plays a fresh monster of Kind through every pose and lays them out in Sheet
    // (walking left at three bobs, walking right at three bobs, facing, absorbing,
    // knocked out). False with the reason when a pose never came.
    bool Draw(TMonsterKind Kind, TPicture& Sheet, std::string& Error);

    static const char* KindName(TMonsterKind Kind);

private:
    // Copies the frame's part at (Left, Top) into cell Index of Sheet, with its label.
    void KeepCell(const TPicture& Frame, int32_t Left, int32_t Top, int32_t Index, const std::string& Label,
                  TPicture& Sheet);

    TFormMain& FForm;
};
