#pragma once
// A free-form comment replaces a student's coded comments with the teacher's own text. The
// codes stay in the record, so returning to coded comments brings them back.
#include "core/base/Message.h"
#include "core/classdata/StudentRecord.h"
#include "core/phrases/PhraseLibrary.h"

#include <string>
#include <string_view>

namespace tq {

inline constexpr const char* blankCommentTitle = "Blank Comment";
inline constexpr const char* blankCommentQuestion =
    "An empty comment will restore coded comments. Is this what you want?";

// Escape or the close box on a changed text, before it is thrown away.
inline constexpr const char* discardFreeFormTitle = "Free Form Comment Entry";
inline constexpr const char* discardFreeFormQuestion =
    "Do you want to discard the comment you typed? Yes returns this student to the coded comments.";

// The text the free-form dialog opens with: the student's free-form comment, or else the
// composed coded comments joined without their code tags.
std::string offeredFreeFormText(const StudentRecord& s, const PhraseLibrary& library);

enum class FreeFormOutcome {
    FreeForm,  // the student now has (another) free-form comment
    Unchanged, // the text came back as offered: nothing changes, and the teacher is told
    Coded,     // the student is back on coded comments
};

// What the dialog's result (empty unless Okay was pressed) does, texts compared with their
// surrounding spaces trimmed.
FreeFormOutcome freeFormOutcome(std::string_view offered, std::string_view result);

// True when the dialog's text is not the offered one, spaces around them aside: the teacher's
// unsaved work, kept in the recovery copy and not thrown away unasked.
bool freeFormTextChanged(std::string_view offered, std::string_view text);

// Carries out the outcome on the student and returns it. A free-form text is stored filtered
// and trimmed; one that the filter leaves blank counts as an empty comment and returns the
// student to coded comments, since a blank report comment is never what the teacher meant.
FreeFormOutcome applyFreeFormResult(StudentRecord& s, std::string_view offered, std::string_view result);

// "There was no change to the coded comment, therefore free form comments NOT used."
Message freeFormUnchangedMessage();

// The dialog's length label, "Length: 12/460".
std::string freeFormLengthText(size_t length);

} // namespace tq
