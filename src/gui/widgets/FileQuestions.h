#pragma once
// The questions about a file another program holds or changed, as the class and favourites
// commands ask them. The rules are the core's (core/program/FileKeeping.h).
#include "core/program/FileKeeping.h"

#include <QString>

#include <optional>
#include <string>

class QWidget;

namespace tq {

struct ProgramState;
namespace ui {
class Dialogs;
}

// The claim on `path` before it is opened in place of `open`: when another copy of the program
// has it open, the teacher chooses Open Read-Only, Open Anyway or Cancel (nothing).
std::optional<FileClaim> claimToOpen(ui::Dialogs& dialogs, QWidget* parent, const ProgramState& state,
                                     const OpenedFile& open, const std::string& path);

enum class BeforeWritingAnswer { Write, SaveAs, Cancel };
// Before writing over `path`: a file opened read-only is said to be so (then Save As); one another
// copy of the program has open, or one changed on disk since, is asked about (Overwrite / Save As…
// / Cancel, Enter alone does not overwrite).
BeforeWritingAnswer askBeforeWriting(ui::Dialogs& dialogs, QWidget* parent, const ProgramState& state,
                                     const OpenedFile& open, const std::string& path);

} // namespace tq
