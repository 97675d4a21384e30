#include "entry/CommentPlacement.h"

#include "entry/SidePanelText.h"
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

std::optional<size_t> favouritesLineFor(const std::vector<std::string>& lines, const std::string& cellText)
{
    if (cellText.empty() || cellText == blankCode) {
        if (lines.empty())
            return std::nullopt;
        return lines.size() - 1;
    }
    for (size_t i = 0; i < lines.size(); ++i)
        if (codeOfFavouritesLine(lines[i]) == cellText)
            return i;
    return std::nullopt;
}

} // namespace tq
