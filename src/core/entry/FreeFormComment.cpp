#include "core/entry/FreeFormComment.h"

#include "core/classdata/CsvText.h"
#include "core/phrases/Composition.h"

namespace tq {

std::string offeredFreeFormText(const StudentRecord& s, const PhraseLibrary& library)
{
    return s.hasFreeForm ? s.freeFormComment : composeComments(s, library).joined();
}

FreeFormOutcome freeFormOutcome(std::string_view offered, std::string_view result)
{
    const std::string_view text = trimSpaces(result);
    if (text.empty())
        return FreeFormOutcome::Coded;
    return text == trimSpaces(offered) ? FreeFormOutcome::Unchanged : FreeFormOutcome::FreeForm;
}

bool freeFormTextChanged(std::string_view offered, std::string_view text)
{
    return trimSpaces(offered) != trimSpaces(text);
}

FreeFormOutcome applyFreeFormResult(StudentRecord& s, std::string_view offered, std::string_view result)
{
    FreeFormOutcome outcome = freeFormOutcome(offered, result);
    std::string stored;
    if (outcome == FreeFormOutcome::FreeForm) {
        stored = std::string(trimSpaces(filterFreeForm(result)));
        if (stored.empty())
            outcome = FreeFormOutcome::Coded;
    }
    if (outcome == FreeFormOutcome::Unchanged)
        return outcome;
    s.hasFreeForm = outcome == FreeFormOutcome::FreeForm;
    s.freeFormComment = stored;
    return outcome;
}

Message freeFormUnchangedMessage()
{
    return Message{"There was no change to the coded comment, therefore free form comments NOT used."};
}

std::string freeFormLengthText(size_t length)
{
    return "Length: " + std::to_string(length) + "/" + std::to_string(trilliumCommentLimit);
}

} // namespace tq
