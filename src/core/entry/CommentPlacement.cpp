#include "core/entry/CommentPlacement.h"

#include "core/phrases/PhraseLibrary.h"

namespace tq {

void placeCommentCode(std::span<std::string> comments, int slot, const std::string& code)
{
    if (code != blankCode)
        for (std::string& other : comments)
            if (other == code)
                other.clear();
    if (slot >= 0 && static_cast<size_t>(slot) < comments.size())
        comments[static_cast<size_t>(slot)] = code;
}

int slotForChosenCode(std::span<const std::string> comments, int currentSlot)
{
    const int count = static_cast<int>(comments.size());
    if (currentSlot >= 0 && currentSlot < count)
        return currentSlot;
    for (int k = 0; k < count; ++k)
        if (isNoPhraseCode(comments[static_cast<size_t>(k)]))
            return k;
    return count - 1;
}

} // namespace tq
