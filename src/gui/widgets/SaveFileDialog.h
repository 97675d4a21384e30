#pragma once
// The save dialog: Qt's file dialog that settles the final name itself. The name the teacher
// accepts gets the extension of the dialog's filter when it lacks it, and the question before
// replacing an existing file is asked about that final name, the one that will be written.
#include <QFileDialog>

#include <functional>

namespace tq::ui {

class SaveFileDialog : public QFileDialog {
    Q_OBJECT

public:
    // `filter` is in the program's "Description (*.ext)|*.ext" form.
    SaveFileDialog(QWidget* parent, const QString& title, const QString& filter, const QString& initialFolder,
                   const QString& fileName);

    // The path to write once the dialog was accepted.
    QString finalPath() const { return finalPath_; }

    // What the question before replacing a file adds about it (see Dialogs).
    void describeReplacedFilesWith(std::function<QString(const QString&)> details) { details_ = std::move(details); }

    // The question asked before an existing file is replaced, with what it holds when known.
    static QString replaceQuestion(const QString& path, const QString& details = QString());

public slots:
    void accept() override;

private:
    QString programFilter_;
    std::function<QString(const QString&)> details_;
    QString finalPath_;
};

} // namespace tq::ui
