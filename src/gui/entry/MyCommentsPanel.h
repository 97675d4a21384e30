#pragma once
// The teacher's own comments beside the free-form comment: the "My comments" list with its filter
// (MyCommentsList), "Add to My Comments", and a line that says what an inserted comment brings
// (characters the class file cannot hold, a length over the limit). A comment is inserted at the
// comment box's caret, expanded for the student, as typed text is: the box's length count, limit
// and checks take it as they take typing. The comments are read again whenever the list is reached
// or the dialog comes back to the front, so a change made in an editor meanwhile shows.
#include "core/classdata/StudentRecord.h"
#include "core/program/MyCommentsKeeping.h"

#include <QWidget>

#include <functional>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tq {

class MyCommentsList;
struct ProgramState;
struct ShownMyComment;
namespace ui {
class Dialogs;
}

class MyCommentsPanel : public QWidget {
    Q_OBJECT

public:
    MyCommentsPanel(ui::Dialogs& dialogs, ProgramState& state, const StudentRecord& student, QPlainTextEdit* comment,
                    QWidget* parent = nullptr);

    // Reads the comments again when their file changed since, and shows them.
    void refresh();

    // Ctrl+F: the filter; Ctrl+Shift+A: "Add to My Comments".
    void goToFilter();
    void addToMyComments();

private:
    MyCommentsList* list_ = nullptr;
    QPushButton* cmdAddToMyComments = nullptr;
    QLabel* lblMyCommentsNote = nullptr;

    void showComments();
    void insert(const ShownMyComment& comment);
    void edit(const ShownMyComment& comment);
    void remove(const ShownMyComment& comment);
    // Saves a change, asking about a copy that holds the file; false when it was not made.
    bool save(const std::function<MyCommentsSaved(LockHolder*, bool overHolder)>& change, const QString& done);
    // The line under the list: what the file is like (fileNote_) and what the last insertion brought.
    void note(const QString& aboutInsertion);

    ui::Dialogs& dialogs_;
    ProgramState& state_;
    StudentRecord student_;
    QPlainTextEdit* comment_;
    QString fileNote_;
    QString insertNote_;
};

} // namespace tq
