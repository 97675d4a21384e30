#include "gui/entry/MyCommentsPanel.h"

#include "core/mycomments/BackToPlaceholders.h"
#include "core/mycomments/MyCommentExpansion.h"
#include "core/phrases/Composition.h"
#include "core/program/ProgramState.h"
#include "gui/entry/MyCommentsList.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/Dialogs.h"
#include "gui/widgets/EventHook.h"
#include "gui/widgets/NamedControls.h"
#include "gui/widgets/ScreenReaderAnnouncement.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <cstring>

namespace tq {

namespace {
const QString title = QStringLiteral("My Comments");
constexpr int limit = static_cast<int>(trilliumCommentLimit);

const char* const placeholdersHelp =
    "@ writes the first name (in a later sentence he or she), % the name's (his or her), # his or her, "
    "* him or her, ~ son or daughter, and $ always the name.";

QString selectedOrWholeText(const QPlainTextEdit* box)
{
    QString text = box->textCursor().selectedText();
    if (text.trimmed().isEmpty())
        text = box->toPlainText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char(' '));
    return text;
}
} // namespace

MyCommentsPanel::MyCommentsPanel(ui::Dialogs& dialogs, ProgramState& state, const StudentRecord& student,
                                 QPlainTextEdit* comment, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), state_(state), student_(student), comment_(comment)
{
    setObjectName(QStringLiteral("MyCommentsPanel"));
    list_ = new MyCommentsList(this);
    cmdAddToMyComments = ui::named(new QPushButton(QStringLiteral("Add to My Comments"), this), "cmdAddToMyComments");
    cmdAddToMyComments->setAutoDefault(false);
    cmdAddToMyComments->setToolTip(QStringLiteral(
        "Keeps the selected text, or the whole comment, for every student: the name and pronouns become "
        "placeholders (Ctrl+Shift+A)"));
    lblMyCommentsNote = ui::named(new QLabel(this), "lblMyCommentsNote", QStringLiteral("My comments note"));
    lblMyCommentsNote->setWordWrap(true);
    lblMyCommentsNote->setTextFormat(Qt::PlainText);
    lblMyCommentsNote->hide();

    // Room for a short comment on two or three lines beside the text, which keeps its own width.
    setMinimumWidth(fontMetrics().averageCharWidth() * 36);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(list_, 1);
    layout->addWidget(lblMyCommentsNote);
    layout->addWidget(cmdAddToMyComments);

    connect(list_, &MyCommentsList::insertRequested, this, [this](const ShownMyComment& c) { insert(c); });
    connect(list_, &MyCommentsList::editRequested, this, [this](const ShownMyComment& c) { edit(c); });
    connect(list_, &MyCommentsList::deleteRequested, this, [this](const ShownMyComment& c) { remove(c); });
    connect(list_, &MyCommentsList::reached, this, [this] { refresh(); });
    connect(cmdAddToMyComments, &QPushButton::clicked, this, [this] { addToMyComments(); });
    if (parent) {
        QWidget* window = parent->window();
        new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), window, [this] { goToFilter(); });
        new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A), window, [this] { addToMyComments(); });
        // Back from an editor that changed the file: the list shows what it holds now.
        ui::onEvent(window, QEvent::WindowActivate, [this](QEvent*) { refresh(); });
    }
    refresh();
}

void MyCommentsPanel::refresh()
{
    refreshMyComments(state_);
    showComments();
    const MyCommentsKept& kept = state_.myComments;
    fileNote_.clear();
    if (kept.unreadable)
        fileNote_ = QString::fromUtf8(myCommentsUnreadableText(myCommentsFile(state_)));
    else if (kept.list.readAsCp1252)
        fileNote_ = QStringLiteral("Your comments file is not UTF-8 text: it was read as Windows-1252, and is written "
                                   "as UTF-8 once you change a comment.");
    note(insertNote_);
}

void MyCommentsPanel::showComments()
{
    // As inserted at the caret now: after the student's name, "@" and "%" are pronouns.
    const QString before = comment_->toPlainText().left(comment_->textCursor().selectionStart());
    const bool named = studentNamedIn(before.toStdString(), student_);
    std::vector<ShownMyComment> shown;
    for (const std::string& kept : state_.myComments.list.comments) {
        ShownMyComment c;
        c.kept = QString::fromStdString(kept);
        c.text = QString::fromStdString(expandMyComment(kept, student_, named));
        c.title = c.text.size() > limit
                      ? c.text + QStringLiteral("  (%1 characters: over %2)").arg(c.text.size()).arg(limit)
                      : c.text;
        shown.push_back(std::move(c));
    }
    list_->setComments(std::move(shown));
}

void MyCommentsPanel::goToFilter()
{
    list_->filterBox()->setFocus(Qt::ShortcutFocusReason);
    list_->filterBox()->selectAll();
}

void MyCommentsPanel::note(const QString& aboutInsertion)
{
    insertNote_ = aboutInsertion;
    QStringList lines;
    for (const QString& line : {fileNote_, insertNote_})
        if (!line.isEmpty())
            lines << line;
    lblMyCommentsNote->setText(lines.join(QLatin1Char('\n')));
    lblMyCommentsNote->setVisible(!lines.isEmpty());
}

void MyCommentsPanel::insert(const ShownMyComment& chosen)
{
    QTextCursor caret = comment_->textCursor();
    // A sentence of its own: a space parts it from the text before it.
    const QString before = comment_->toPlainText().left(caret.selectionStart());
    ShownMyComment comment = chosen;
    if (!before.isEmpty() && !before.back().isSpace())
        comment.text.prepend(QLatin1Char(' '));
    const int after = comment_->toPlainText().size() - (caret.selectionEnd() - caret.selectionStart()) +
                      static_cast<int>(comment.text.size());
    if (after > limit &&
        !dialogs_.questionDefaultNo(
            this,
            QStringLiteral("This comment has %1 characters for %2; with it the free form comment would have %3, "
                           "and only its first %4 are kept. Do you want to insert it anyway?")
                .arg(chosen.text.size())
                .arg(ui::fromCp1252(student_.firstName))
                .arg(after)
                .arg(limit),
            title))
        return;
    const QString outside = ui::charactersOutsideCp1252(comment.text);
    caret.insertText(comment.text);
    comment_->setTextCursor(caret);
    comment_->setFocus(Qt::OtherFocusReason);
    QString said = QStringLiteral("Comment inserted.");
    if (!outside.isEmpty()) {
        QStringList each; // whole characters (an emoji is two units), each named once
        for (const char32_t c : outside.toUcs4())
            each << QString::fromUcs4(&c, 1);
        each.removeDuplicates();
        note(QStringLiteral("The class file cannot hold %1: like typed text, each becomes a space when the comment "
                            "is kept.")
                 .arg(each.join(QLatin1Char(' '))));
        said += QLatin1Char(' ') + insertNote_;
    } else {
        note(QString());
    }
    ui::notify(this, said);
}

void MyCommentsPanel::addToMyComments()
{
    const std::string text = tidyMyComment(selectedOrWholeText(comment_).toStdString());
    if (text.empty()) {
        dialogs_.message(this, QStringLiteral("Write or select the text to add to My comments first."), title);
        return;
    }
    const QString kept = dialogs_
                             .input(this,
                                    QStringLiteral("The comment as it will be kept, for every student. ") +
                                        QString::fromLatin1(placeholdersHelp) +
                                        QStringLiteral(" Change it as you like."),
                                    QStringLiteral("Add to My Comments"),
                                    QString::fromStdString(backToPlaceholders(text, student_)))
                             .trimmed();
    if (kept.isEmpty())
        return;
    save([&](LockHolder* holder, bool over) { return addMyComment(state_, kept.toStdString(), holder, over); },
         QStringLiteral("Added to My comments."));
}

void MyCommentsPanel::edit(const ShownMyComment& comment)
{
    const ShownMyComment chosen = comment; // the list is rebuilt below
    const QString kept =
        dialogs_
            .input(this, QStringLiteral("The comment as it is kept, for every student. ") +
                             QString::fromLatin1(placeholdersHelp),
                   QStringLiteral("Edit My Comment"), chosen.kept)
            .trimmed();
    if (kept.isEmpty() || kept == chosen.kept)
        return;
    save([&](LockHolder* holder, bool over) {
        return replaceMyComment(state_, chosen.kept.toStdString(), kept.toStdString(), holder, over);
    }, QStringLiteral("Comment changed."));
}

void MyCommentsPanel::remove(const ShownMyComment& comment)
{
    const ShownMyComment chosen = comment;
    if (!dialogs_.questionDefaultNo(this, QStringLiteral("Delete this comment from My comments?\n\n") + chosen.kept,
                                    QStringLiteral("Delete My Comment")))
        return;
    save([&](LockHolder* holder, bool over) { return removeMyComment(state_, chosen.kept.toStdString(), holder, over); },
         QStringLiteral("Comment deleted."));
}

bool MyCommentsPanel::save(const std::function<MyCommentsSaved(LockHolder*, bool)>& change, const QString& done)
{
    const std::string path = myCommentsFile(state_);
    LockHolder holder;
    MyCommentsSaved saved = change(&holder, false);
    if (saved == MyCommentsSaved::HeldElsewhere &&
        dialogs_.choose(this,
                        QString::fromUtf8(heldByText(path, holder, state_.clock())) +
                            QStringLiteral("\n\nSave Anyway writes your change into the file as it is now."),
                        QStringLiteral("File in Use"), {QStringLiteral("&Save Anyway"), QStringLiteral("&Cancel")},
                        1) == 0)
        saved = change(&holder, true);
    const int error = errno;
    showComments();
    switch (saved) {
    case MyCommentsSaved::Saved:
        note(QString());
        ui::notify(this, done);
        return true;
    case MyCommentsSaved::Unchanged:
        dialogs_.message(this,
                         QStringLiteral("That comment is no longer in %1: another program changed the file. The list "
                                        "now shows what the file holds.")
                             .arg(QString::fromUtf8(myCommentsFileName)),
                         title);
        return false;
    case MyCommentsSaved::Unreadable:
        dialogs_.message(this, QString::fromUtf8(myCommentsUnreadableText(path)), title, ui::Dialogs::Icon::Exclamation);
        return false;
    case MyCommentsSaved::NotWritten:
        dialogs_.message(this,
                         QStringLiteral("Tallyquill could not save your comments in %1 (%2). Nothing was changed.")
                             .arg(QString::fromUtf8(path.empty() ? std::string("your Documents folder") : path),
                                  QString::fromLocal8Bit(std::strerror(error))),
                         title, ui::Dialogs::Icon::Exclamation);
        return false;
    case MyCommentsSaved::HeldElsewhere: return false;
    }
    return false;
}

} // namespace tq
