#pragma once
// "Free Form Comment Entry": the teacher writes a student's report comment in their own words.
// The dialog returns the text in freeFormText(), which stays empty unless Okay closes it, so
// Cancel and the close box both mean "back to coded comments". A text changed from the offered
// one is unsaved work: it goes into the recovery copy as it is typed, and Escape or the close
// box ask before throwing it away.
//
// As the teacher types, words the spelling check does not take are underlined (their menu offers
// the dictionary's suggestions and "Add to my words"), and a line under the text names other
// students' first names and pronouns that do not fit the student. None of it stops the comment.
// A screen reader hears the word under the caret with its finding ("wrtes, misspelt") as the
// caret lands on it, and the line of findings is reached by Tab; reaching the length limit beeps
// and is said, once each time. The notes are the dialog's description, read as it opens.
//
// Beside the text, the teacher's own comments (MyCommentsPanel) are inserted at the caret as if
// typed, and the text written here can be kept among them.
#include "core/classdata/StudentRecord.h"
#include "core/spelling/CommentFinding.h"
#include "gui/entry/CaretFindingSpeech.h"

#include <QDialog>
#include <QPointer>

#include <memory>

class QLabel;
class QMenu;
class QPushButton;
class QTextCursor;

namespace tq {

class CommentChecker;
class CommentEdit;
class MyCommentsPanel;
class SpellingHighlighter;
struct ProgramState;
namespace ui {
class Dialogs;
}

class frmFreeFormCommentEntry : public QDialog {
    Q_OBJECT

public:
    // For student `studentIndex` of the state's class, checked against the state's library,
    // class, dictionary and teacher's words.
    frmFreeFormCommentEntry(ui::Dialogs& dialogs, const QString& offeredText, ProgramState& state, int studentIndex,
                            QWidget* parent = nullptr);
    ~frmFreeFormCommentEntry() override;

    const QString& freeFormText() const { return freeFormText_; }
    // Puts a text restored from a recovery copy in the box.
    void resumeDraft(const QString& text);
    // Escape and the close box.
    void reject() override;
    void done(int result) override;

    void txtComment_Change();
    void cmdOkay_Click();
    void cmdCancel_Click();

private:
    CommentEdit* txtComment = nullptr;
    QLabel* lblLength = nullptr;
    QLabel* lblCommentCheck = nullptr; // other students' names, pronouns that do not fit
    QLabel* lblSpellingOff = nullptr;  // shown when no dictionary is installed
    QPushButton* cmdOkay = nullptr;
    QPushButton* cmdCancel = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    MyCommentsPanel* myComments_ = nullptr; // the teacher's own comments, beside the text

    void buildLayout();
    void describeByNotes();
    void showFindings();
    void describeCaret(bool typed);
    static QString fullCommentWords();
    void showWordMenu(const QTextCursor& at, const QPoint& globalPos);
    void addToMyWords(const std::string& word);
    void reportDraft();

    ui::Dialogs& dialogs_;
    ProgramState& state_;
    StudentRecord student_;
    int studentIndex_ = 0;
    std::string offered_; // Windows-1252
    std::unique_ptr<CommentChecker> checker_;
    SpellingHighlighter* highlighter_ = nullptr;
    QPointer<QMenu> wordMenu_;
    QString freeFormText_;
    std::vector<CommentFinding> findings_; // in the comment as it is now
    bool full_ = false;                    // the comment has all the characters it may have
    QString checkedText_;                  // the text findings_ belong to
    CaretFindingSpeech caretSpeech_;
};

} // namespace tq
