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

} // namespace tq
