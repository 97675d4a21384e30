#include "entry/CommentPlacement.h"

#include "phrases/PhraseLibrary.h"

namespace tq {

void placeCommentCode(CommentCells& comments, int slot, const std::string& code)
{
    if (code != blankCode)
        for (std::string& other : comments)
            if (other == code)
                other.clear();
    comments.at(static_cast<size_t>(slot)) = code;
}

} // namespace tq
