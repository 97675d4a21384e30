#pragma once
// The dialogs the teacher sees: Qt's message boxes, input box, file dialogs and print dialog.
#include "gui/widgets/Dialogs.h"

namespace tq::ui {

class QtDialogs : public Dialogs {
public:
    void message(QWidget* parent, const QString& text, const QString& title, Icon icon = Icon::None) override;
    bool question(QWidget* parent, const QString& text, const QString& title) override;
    bool questionDefaultNo(QWidget* parent, const QString& text, const QString& title) override;
    Answer questionWithCancel(QWidget* parent, const QString& text, const QString& title) override;
    int choose(QWidget* parent, const QString& text, const QString& title, const QStringList& buttons,
               int defaultButton) override;
    QString input(QWidget* parent, const QString& prompt, const QString& title,
                  const QString& defaultText = QString()) override;
    QString openFile(QWidget* parent, const QString& title, const QString& filter,
                     const QString& initialFolder) override;
    // Settles the final name and asks before replacing that file (see SaveFileDialog).
    QString saveFile(QWidget* parent, const QString& title, const QString& filter,
                     const QString& initialFolder, const QString& fileName) override;
    // Qt's print dialog, which also offers printing to a PDF file.
    std::unique_ptr<LinePrinter> choosePrinter(QWidget* parent, QPageLayout::Orientation orientation) override;
    // Qt's print preview window, opened without waiting; it deletes itself when closed.
    void previewPrint(QWidget* parent, const QString& title, QPageLayout::Orientation orientation,
                      PaintPages paint) override;
};

} // namespace tq::ui
