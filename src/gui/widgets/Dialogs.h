#pragma once
// Every message box, question, input box, file dialog and printer choice of the program goes
// through this interface, so that windows can be driven in tests with scripted answers.
#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QWidget;

namespace tq {
struct Message;
struct DropReview;
}

namespace tq::ui {

class LinePrinter;

class Dialogs {
public:
    enum class Icon { None, Information, Exclamation, Critical };

    virtual ~Dialogs() = default;

    // A message with an OK button.
    virtual void message(QWidget* parent, const QString& text, const QString& title, Icon icon = Icon::None) = 0;
    // A Yes/No question; true for Yes.
    virtual bool question(QWidget* parent, const QString& text, const QString& title) = 0;
    // The same before something that cannot be undone: Enter alone answers No.
    virtual bool questionDefaultNo(QWidget* parent, const QString& text, const QString& title)
    {
        return question(parent, text, title);
    }
    // A Yes/No/Cancel question before work could be let go of (a class or a list replaced, the
    // program ended). Enter alone answers Yes; Escape and the close box answer Cancel, which
    // leaves everything as it was: No is always a deliberate choice.
    enum class Answer { Yes, No, Cancel };
    virtual Answer questionWithCancel(QWidget* parent, const QString& text, const QString& title)
    {
        static const QStringList buttons{QStringLiteral("&Yes"), QStringLiteral("&No"), QStringLiteral("Cancel")};
        return static_cast<Answer>(choose(parent, text, title, buttons, 0));
    }
    // A question answered by one of the named buttons (two or three, the last one Cancel): the
    // index of the one chosen. Enter alone chooses `defaultButton`; Escape chooses the last.
    virtual int choose(QWidget* parent, const QString& text, const QString& title, const QStringList& buttons,
                       int defaultButton) = 0;
    // An input box; the text typed, or an empty string when cancelled.
    virtual QString input(QWidget* parent, const QString& prompt, const QString& title,
                          const QString& defaultText = QString()) = 0;

    // File dialogs. `filter` is in the "Description (*.ext)|*.ext" form; `initialFolder` may be
    // empty; `fileName` is the proposed name. The chosen path, or an empty string when cancelled.
    virtual QString openFile(QWidget* parent, const QString& title, const QString& filter,
                             const QString& initialFolder) = 0;
    // The save dialog answers with the path that will be written: a name chosen without the
    // filter's extension has it added (see requiredExtension), and the question before replacing
    // an existing file is asked about that final name, so no file is replaced unasked.
    virtual QString saveFile(QWidget* parent, const QString& title, const QString& filter,
                             const QString& initialFolder, const QString& fileName) = 0;
    // What the question before replacing an existing file adds about that file (what it holds,
    // when it was changed); "" for nothing. The program sets it once at start.
    using ReplacedFileDetails = std::function<QString(const QString& path)>;
    void describeReplacedFilesWith(ReplacedFileDetails details) { replacedFileDetails_ = std::move(details); }

    // The printer choice, offered in the given orientation. The chosen printer, ready for
    // lines, or nullptr when the teacher cancels.
    virtual std::unique_ptr<LinePrinter> choosePrinter(QWidget* parent, QPageLayout::Orientation orientation) = 0;

    // Prints what `paint` prints onto the pages of a print preview, offered in the given
    // orientation, from which the teacher may also print them on paper or into a PDF file.
    // The preview stays open after the call returns (it keeps the window below it waiting);
    // `paint` runs again each time the pages are redrawn or printed, so it must own its data.
    using PaintPages = std::function<bool(LinePrinter&)>;
    virtual void previewPrint(QWidget* parent, const QString& title, QPageLayout::Orientation orientation,
                              PaintPages paint) = 0;

protected:
    QString replacedFileDetails(const QString& path) const
    {
        return replacedFileDetails_ ? replacedFileDetails_(path) : QString();
    }

private:
    ReplacedFileDetails replacedFileDetails_;
};

// Turns "Tallyquill Classes (*.tqc)|*.tqc" into Qt's "Tallyquill Classes (*.tqc)". Several
// description|pattern pairs become Qt filters joined by ";;"; patterns listed with ";" are
// joined with spaces, and a description that does not already end with its patterns in
// brackets gets them appended.
QString qtFileFilter(const QString& filter);

// The extension that files of a save dialog's filter must carry: ".tqc" for
// "Tallyquill Classes (*.tqc)|*.tqc"; empty when the first pattern names no single extension.
QString requiredExtension(const QString& filter);

// `path` as saveFile answers it for `filter` (withRequiredExtension of the program's file names).
QString pathWithRequiredExtension(const QString& path, const QString& filter);

// Shows a message of the program's rules (text and title in Windows-1252 bytes) with an OK button.
void showMessage(Dialogs& dialogs, QWidget* parent, const Message& m);

// Asks before an update drops students: the list of who leaves, No the default when any has
// entries; a second question when the master file looks incomplete. True when the teacher agreed.
bool confirmDrops(Dialogs& dialogs, QWidget* parent, const DropReview& review);

} // namespace tq::ui
