#pragma once
// Dialogs for tests: they show nothing and never wait. Answers come from queues filled by the
// test; every call is recorded with its exact texts. A save dialog's answer gets the filter's
// extension, as the real dialog's does. With its queue empty a question answers
// No (a Yes/No/Cancel one too), a choice its last button (Cancel), an input box and a file dialog answer "" (cancel), and
// the printer choice is cancelled.
#include "gui/widgets/Dialogs.h"
#include "gui/widgets/RecordingPrinter.h"

#include <deque>
#include <memory>
#include <optional>
#include <vector>

namespace tq::ui {

class ScriptedDialogs : public Dialogs {
public:
    enum class Kind { Message, Question, Choice, Input, OpenFile, SaveFile, Printer, Preview };

    struct Call {
        Kind kind = Kind::Message;
        QString text;            // message or question text, input prompt; empty for the others
        QString title;           // also the print preview's title
        Icon icon = Icon::None;  // messages only
        QString defaultText;     // input boxes only
        QStringList buttons;     // choices, and questions with Cancel
        int defaultButton = 0;   // choices: the button Enter chooses; questions: 0 Yes, 1 No
        QString filter;          // file dialogs: the filter as the program gave it
        QString initialFolder;
        QString fileName;        // save dialogs: the proposed name
        QPageLayout::Orientation orientation = QPageLayout::Portrait;   // printer choice, preview
    };

    // Every call, in order.
    std::vector<Call> calls;

    // How the teacher answers a question: a button, or the keyboard's Escape, or the window's
    // close box. At a Yes/No question Escape and the close box answer No, as the real box does;
    // at a Yes/No/Cancel question they answer Cancel.
    enum class Reply { Yes, No, Cancel, Escape, CloseBox };
    void answerQuestion(bool yes) { m_questions.push_back(yes ? Reply::Yes : Reply::No); }
    void answerQuestion(Reply reply) { m_questions.push_back(reply); }
    // The index of the button a choice answers; with none queued it answers the last (Cancel).
    void answerChoice(int button) { m_choices.push_back(button); }
    void answerInput(const QString& text) { m_inputs.push_back(text); }
    void answerOpenFile(const QString& path) { m_openFiles.push_back(path); }
    void answerSaveFile(const QString& path) { m_saveFiles.push_back(path); }
    // Queues a printer choice, in the orientation the teacher chooses in the dialog (none: the
    // one the program offers); the printer returned is the one the program will print on. It
    // stays readable here after the program has let go of it.
    RecordingPrinter& answerPrinter(std::optional<QPageLayout::Orientation> chosen = std::nullopt);
    void answerPrinterCancel() { m_printerAnswers.push_back({}); }

    // True when every queued answer has been used.
    bool allAnswersUsed() const;
    // The calls of one kind.
    std::vector<Call> callsOf(Kind kind) const;

    void message(QWidget* parent, const QString& text, const QString& title, Icon icon = Icon::None) override;
    bool question(QWidget* parent, const QString& text, const QString& title) override;
    // Recorded as a question, with the buttons "Yes", "No" and "Cancel".
    Answer questionWithCancel(QWidget* parent, const QString& text, const QString& title) override;
    bool questionDefaultNo(QWidget* parent, const QString& text, const QString& title) override;
    int choose(QWidget* parent, const QString& text, const QString& title, const QStringList& buttons,
               int defaultButton) override;
    QString input(QWidget* parent, const QString& prompt, const QString& title,
                  const QString& defaultText = QString()) override;
    QString openFile(QWidget* parent, const QString& title, const QString& filter,
                     const QString& initialFolder) override;
    QString saveFile(QWidget* parent, const QString& title, const QString& filter,
                     const QString& initialFolder, const QString& fileName) override;
    std::unique_ptr<LinePrinter> choosePrinter(QWidget* parent, QPageLayout::Orientation orientation) override;
    // Paints the pages at once into a recording printer, kept in `previews`.
    void previewPrint(QWidget* parent, const QString& title, QPageLayout::Orientation orientation,
                      PaintPages paint) override;

    // What each print preview showed, in order.
    std::vector<std::shared_ptr<RecordingPrinter>> previews;

private:
    std::deque<Reply> m_questions;
    std::deque<int> m_choices;
    std::deque<QString> m_inputs;
    std::deque<QString> m_openFiles;
    std::deque<QString> m_saveFiles;
    struct PrinterAnswer {
        std::shared_ptr<RecordingPrinter> printer; // null: cancel
        std::optional<QPageLayout::Orientation> chosen;
    };
    std::deque<PrinterAnswer> m_printerAnswers;
    std::vector<std::shared_ptr<RecordingPrinter>> m_printersHandedOut;
};

} // namespace tq::ui
