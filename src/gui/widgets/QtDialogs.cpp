#include "gui/widgets/QtDialogs.h"

#include "gui/widgets/QtLinePrinter.h"
#include "gui/widgets/SaveFileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

namespace tq::ui {
namespace {

QMessageBox::Icon boxIcon(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Information: return QMessageBox::Information;
    case Dialogs::Icon::Exclamation: return QMessageBox::Warning;
    case Dialogs::Icon::Critical: return QMessageBox::Critical;
    case Dialogs::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

// A Yes/No box; Escape answers No, Enter the button given.
bool askYesNo(QWidget* parent, const QString& text, const QString& title, QMessageBox::StandardButton byDefault)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(byDefault);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace

void QtDialogs::message(QWidget* parent, const QString& text, const QString& title, Icon icon)
{
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtDialogs::question(QWidget* parent, const QString& text, const QString& title)
{
    return askYesNo(parent, text, title, QMessageBox::Yes);
}

bool QtDialogs::questionDefaultNo(QWidget* parent, const QString& text, const QString& title)
{
    return askYesNo(parent, text, title, QMessageBox::No);
}

Dialogs::Answer QtDialogs::questionWithCancel(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Yes);
    // The close box answers as the escape button does.
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

int QtDialogs::choose(QWidget* parent, const QString& text, const QString& title, const QStringList& buttons,
                      int defaultButton)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("choice"));
    QList<QPushButton*> added;
    for (qsizetype i = 0; i < buttons.size(); ++i)
        added << box.addButton(buttons[i], i + 1 == buttons.size() ? QMessageBox::RejectRole : QMessageBox::AcceptRole);
    if (added.isEmpty())
        return -1;
    box.setDefaultButton(added.value(defaultButton, added.constLast()));
    box.setEscapeButton(added.constLast());
    box.exec();
    const qsizetype chosen = added.indexOf(static_cast<QPushButton*>(box.clickedButton()));
    return chosen < 0 ? static_cast<int>(added.size()) - 1 : static_cast<int>(chosen);
}

QString QtDialogs::input(QWidget* parent, const QString& prompt, const QString& title, const QString& defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? text : QString();
}

QString QtDialogs::openFile(QWidget* parent, const QString& title, const QString& filter, const QString& initialFolder)
{
    QFileDialog dialog(parent, title, initialFolder, qtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString QtDialogs::saveFile(QWidget* parent, const QString& title, const QString& filter,
                            const QString& initialFolder, const QString& fileName)
{
    SaveFileDialog dialog(parent, title, filter, initialFolder, fileName);
    dialog.describeReplacedFilesWith([this](const QString& path) { return replacedFileDetails(path); });
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.finalPath();
}

std::unique_ptr<LinePrinter> QtDialogs::choosePrinter(QWidget* parent, QPageLayout::Orientation orientation)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPageOrientation(orientation);
    QPrintDialog dialog(printer.get(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return std::make_unique<QtLinePrinter>(std::move(printer));
}

void QtDialogs::previewPrint(QWidget* parent, const QString& title, QPageLayout::Orientation orientation,
                             PaintPages paint)
{
    auto* preview = new QPrintPreviewDialog(parent);
    preview->setObjectName(QStringLiteral("printPreview"));
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->setWindowTitle(title);
    preview->printer()->setPageOrientation(orientation);
    QObject::connect(preview, &QPrintPreviewDialog::paintRequested, preview, [paint](QPrinter* printer) {
        QtLinePrinter pages(*printer);
        paint(pages);
    });
    // Large enough to read a landscape page without zooming at once.
    if (parent)
        preview->resize(parent->window()->size().expandedTo(QSize(900, 640)));
    else
        preview->resize(1000, 720);
    preview->open();
}

} // namespace tq::ui
