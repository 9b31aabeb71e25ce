#include "LoadedImageListClass.h"

#include "OmegaImageListClass.h"

namespace {
const std::vector<std::string> NoNames;
}

void TLoadedImageList::AddLoadedName(int32_t Group, const std::string& Name) {
    if (Group >= 0 && Group < GroupCount) FGroups[static_cast<size_t>(Group)].push_back(Name);
}

const std::vector<std::string>& TLoadedImageList::Names(int32_t Group) const {
    return (Group >= 0 && Group < GroupCount) ? FGroups[static_cast<size_t>(Group)] : NoNames;
}

void TLoadedImageList::ClearGroup(int32_t Group) {
    if (Group >= 0 && Group < GroupCount) FGroups[static_cast<size_t>(Group)].clear();
}

void TLoadedImageList::UnloadGroup(int32_t Group, TOmegaImageList& ImageList) {
    if (Group < 0 || Group >= GroupCount) return;
    for (const std::string& Name : FGroups[static_cast<size_t>(Group)]) ImageList.FreeByName(Name);
    FGroups[static_cast<size_t>(Group)].clear();
}
