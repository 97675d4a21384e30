#include "gui/widgets/SaveFileDialog.h"

#include "gui/widgets/Dialogs.h"

#include <QFileInfo>
#include <QMessageBox>

namespace tq::ui {

SaveFileDialog::SaveFileDialog(QWidget* parent, const QString& title, const QString& filter,
                               const QString& initialFolder, const QString& fileName)
    : QFileDialog(parent, title, initialFolder, qtFileFilter(filter)), programFilter_(filter)
{
    setObjectName(QStringLiteral("saveFileDialog"));
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    // The dialog's own overwrite check would look at the name as typed, not the name written;
    // a platform's native dialog would not let this class settle the name at all.
    setOption(QFileDialog::DontConfirmOverwrite, true);
    setOption(QFileDialog::DontUseNativeDialog, true);
    if (!fileName.isEmpty())
        selectFile(fileName);
}

QString SaveFileDialog::replaceQuestion(const QString& path, const QString& details)
{
    const QString exists = QStringLiteral("%1 already exists.").arg(QFileInfo(path).fileName());
    return (details.isEmpty() ? exists : exists + QLatin1Char(' ') + details) +
           QStringLiteral("\nDo you want to replace it?");
}

void SaveFileDialog::accept()
{
    const QStringList chosen = selectedFiles();
    if (chosen.isEmpty())
        return;
    const QString typed = chosen.constFirst();
    // A folder's name opens the folder, as the dialog always does.
    if (typed.isEmpty() || QFileInfo(typed).isDir()) {
        QFileDialog::accept();
        return;
    }
    const QString path = pathWithRequiredExtension(typed, programFilter_);
    if (QFileInfo(path).isDir())
        return;
    if (QFileInfo::exists(path)) {
        QMessageBox box(QMessageBox::Warning, windowTitle(), replaceQuestion(path, details_ ? details_(path) : QString()),
                        QMessageBox::Yes | QMessageBox::No,
                        this);
        box.setObjectName(QStringLiteral("replaceQuestion"));
        box.setDefaultButton(QMessageBox::No);
        if (box.exec() != QMessageBox::Yes)
            return;
    }
    finalPath_ = path;
    QDialog::accept();
}

} // namespace tq::ui
