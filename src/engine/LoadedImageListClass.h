// The names of the images loaded late from the trophy, garden island, monster,
// menu and bonus stage folders (groups 0 to 4), so that the scene that loaded
// a group can free all of its images when it is left.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "GameTypesClass.h"

class TOmegaImageList;

class TLoadedImageList : public TObject {
public:
    static constexpr int32_t GroupCount = 5;

    // Appends the name to the group; any other group number appends nothing.
    void AddLoadedName(int32_t Group, const std::string& Name);
    // The group's names in loading order (empty for an unknown group).
    const std::vector<std::string>& Names(int32_t Group) const;
    void ClearGroup(int32_t Group);
    // Frees every image of the group from the list (names no longer there
    // are skipped), then clears the group.
    void UnloadGroup(int32_t Group, TOmegaImageList& ImageList);

private:
    std::array<std::vector<std::string>, GroupCount> FGroups;
};
