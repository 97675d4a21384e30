#include "gui/widgets/FileQuestions.h"

#include "core/program/ProgramState.h"
#include "gui/widgets/Dialogs.h"

namespace tq {

std::optional<FileClaim> claimToOpen(ui::Dialogs& dialogs, QWidget* parent, const ProgramState& state,
                                     const OpenedFile& open, const std::string& path)
{
    const std::time_t now = state.clock();
    return claimFile(open, path, now, [&](const LockHolder& holder) {
        const int chosen = dialogs.choose(
            parent, QString::fromUtf8(heldByQuestion(path, holder, now)), QStringLiteral("File in Use"),
            {QStringLiteral("Open &Read-Only"), QStringLiteral("Open &Anyway"), QStringLiteral("&Cancel")}, 0);
        return chosen == 0 ? HolderAnswer::OpenReadOnly : chosen == 1 ? HolderAnswer::OpenAnyway : HolderAnswer::Cancel;
    });
}

BeforeWritingAnswer askBeforeWriting(ui::Dialogs& dialogs, QWidget* parent, const ProgramState& state,
                                     const OpenedFile& open, const std::string& path)
{
    LockHolder holder;
    QString question;
    QString title = QStringLiteral("File Changed");
    switch (checkBeforeWriting(state.knownFiles, open, path, state.clock(), &holder)) {
    case BeforeWriting::Write: return BeforeWritingAnswer::Write;
    case BeforeWriting::ReadOnly:
        dialogs.message(parent, QString::fromUtf8(readOnlyMessage(path)), QStringLiteral("Opened Read-Only"));
        return BeforeWritingAnswer::SaveAs;
    case BeforeWriting::OpenElsewhere:
        question = QString::fromUtf8(heldByText(path, holder, state.clock()));
        title = QStringLiteral("File in Use");
        break;
    case BeforeWriting::ChangedOnDisk:
        question = QString::fromUtf8(changedOnDiskQuestion(state.knownFiles, path, state.clock()));
        break;
    }
    const int chosen = dialogs.choose(
        parent, question, title,
        {QStringLiteral("&Overwrite"), QStringLiteral("&Save As…"), QStringLiteral("&Cancel")}, 1);
    return chosen == 0 ? BeforeWritingAnswer::Write : chosen == 1 ? BeforeWritingAnswer::SaveAs : BeforeWritingAnswer::Cancel;
}

} // namespace tq
