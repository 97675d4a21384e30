#include "gui/entry/frmFreeFormCommentEntry.h"

#include "core/classdata/CsvText.h"
#include "core/entry/FreeFormComment.h"
#include "core/phrases/Composition.h"
#include "core/program/ProgramState.h"
#include "core/spelling/ClassCommentCheck.h"
#include "gui/entry/CaretFindingSpeech.h"
#include "gui/entry/CommentEdit.h"
#include "gui/entry/CommentWordMenu.h"
#include "gui/entry/MyCommentsPanel.h"
#include "gui/entry/SpellingHighlighter.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/Dialogs.h"
#include "gui/widgets/FocusRing.h"
#include "gui/widgets/NamedControls.h"
#include "gui/widgets/ScreenReaderAnnouncement.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QVBoxLayout>

namespace tq {

namespace {
QLabel* note(QDialog* parent, const char* name, const char* text)
{
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}
} // namespace

namespace {
// At most this many suggestions head a word's menu.
constexpr size_t suggestionsOffered = 6;

// A one-line note under the comment.
QLabel* checkLine(QDialog* parent, const char* name, const char* accessibleName)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAccessibleName(QString::fromLatin1(accessibleName));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}
} // namespace

frmFreeFormCommentEntry::frmFreeFormCommentEntry(ui::Dialogs& dialogs, const QString& offeredText, ProgramState& state,
                                                 int studentIndex, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), state_(state),
      student_(state.students.at(static_cast<size_t>(studentIndex))), studentIndex_(studentIndex),
      offered_(ui::toCp1252(offeredText)),
      checker_(std::make_unique<CommentChecker>(state.spelling.checkerFor(state.phrases, state.students)))
{
    setObjectName(QStringLiteral("frmFreeFormCommentEntry"));
    setWindowTitle(QStringLiteral("Free Form Comment Entry"));
    setModal(true);

    txtComment = new CommentEdit(this);
    txtComment->setObjectName(QStringLiteral("txtComment"));
    txtComment->setAccessibleName(QStringLiteral("Comment"));
    txtComment->setTabChangesFocus(true);
    highlighter_ = new SpellingHighlighter(txtComment->document(), *checker_);
    // The findings line is read by its own words (no name stands in for them), and Tab reaches
    // it while it names something.
    lblCommentCheck = checkLine(this, "lblCommentCheck", "");
    lblCommentCheck->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    ui::showFocusRing(lblCommentCheck);
    QPalette warning = lblCommentCheck->palette();
    warning.setColor(QPalette::WindowText, QColor(0xA0, 0x10, 0x10)); // a dark red, as the line under a word
    lblCommentCheck->setPalette(warning);
    lblSpellingOff = checkLine(this, "lblSpellingOff", "Spelling check");
    lblSpellingOff->setText(ui::fromCp1252(spellingOffNotice(state.spelling.setup)));
    lblSpellingOff->setVisible(!checker_->checksSpelling());
    // After the findings line: Tab goes from the text to the line, then to the teacher's comments.
    myComments_ = new MyCommentsPanel(dialogs, state, student_, txtComment, this);
    lblLength = new QLabel(this);
    lblLength->setObjectName(QStringLiteral("lblLength"));
    lblLength->setAlignment(Qt::AlignRight | Qt::AlignTop);
    cmdOkay = new QPushButton(QStringLiteral("Okay: Take the Above Text as the Free Form Comment"), this);
    cmdOkay->setObjectName(QStringLiteral("cmdOkay"));
    cmdCancel = new QPushButton(QStringLiteral("Cancel: Return to the Normal Coded Comment Mode"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    // Enter writes into the comment; it must not press a button.
    cmdOkay->setAutoDefault(false);
    cmdCancel->setAutoDefault(false);

    Label1 = note(this, "Label1", "You can edit and change the comment here.");
    Label2 = note(this, "Label2",
                  "Note of caution: Using the codes is \"safe\" in the sense that the comments are grammatically "
                  "correct and spell checked (mostly). Here you can write ANYTHING. The spelling, other students' "
                  "names and pronouns are checked as you type, but there is no grammar check and no 'does it make "
                  "sense' check.  ");
    Label3 = note(this, "Label3",
                  "Be careful that you don't write something that on a sober second thought you'd wish you hadn't "
                  "written. The creators of TQ will not be held libel for the things you might write :-)");
    Label4 = note(this, "Label4",
                  "Once you change the comment and hit \"Okay\" all your existing comment codes for this student "
                  "disappear. (You can't have both at the same time, some coded comments and some free form "
                  "comments). It's all one or the other. ");
    Label5 = note(this, "Label5",
                  "If you do decide to return to the original coded comments for this student hit the Cancel button.");
    Label6 = note(this, "Label6",
                  "Note: Only letters A through Z, numbers 0 through 9 and standard sentence punctuation are valid.  "
                  "Invalid characters like carriage returns, hard returns and shifted characters like ^ will be "
                  "removed.");
    ui::captionControl(Label1, txtComment);
    describeByNotes();
    buildLayout();

    connect(txtComment, &QPlainTextEdit::textChanged, this, [this] { txtComment_Change(); });
    connect(txtComment, &QPlainTextEdit::cursorPositionChanged, this, [this] { describeCaret(false); });
    connect(cmdOkay, &QPushButton::clicked, this, [this] { cmdOkay_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    connect(txtComment, &CommentEdit::wordMenuRequested, this,
            [this](const QTextCursor& at, const QPoint& globalPos) { showWordMenu(at, globalPos); });

    // The result stays empty unless Okay closes the dialog.
    freeFormText_.clear();
    txtComment->setPlainText(offeredText);
    txtComment_Change(); // the length shows from the start, and an over-long text is cut at once
    txtComment->moveCursor(QTextCursor::End);
    txtComment->setFocus();
}

// The notes are the dialog's description, which a screen reader reads once as the dialog comes
// up. As labels of the dialog (the findings line and the spelling notice too) they are no loose
// text for it to read out again whenever something in the dialog changes.
void frmFreeFormCommentEntry::describeByNotes()
{
    QStringList notes;
    if (!lblSpellingOff->isHidden())
        notes << lblSpellingOff->text();
    for (QLabel* label : {lblSpellingOff, Label6, Label2, Label3, Label4, Label5}) {
        if (label != lblSpellingOff)
            notes << label->text().simplified();
        label->setBuddy(this);
    }
    // The findings line is a stop of its own, read as the keyboard reaches it.
    lblCommentCheck->setBuddy(this);
    setAccessibleDescription(notes.join(QLatin1Char(' ')));
}

void frmFreeFormCommentEntry::buildLayout()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(8);
    layout->addWidget(Label1);
    txtComment->setMinimumSize(QSize(560, txtComment->fontMetrics().lineSpacing() * 8));
    auto* besideText = new QHBoxLayout;
    besideText->addWidget(txtComment, 3);
    besideText->addWidget(myComments_, 2);
    layout->addLayout(besideText, 1);
    lblCommentCheck->setMinimumHeight(lblCommentCheck->fontMetrics().lineSpacing());
    layout->addWidget(lblCommentCheck);
    layout->addWidget(lblSpellingOff);
    auto* underText = new QHBoxLayout;
    underText->addWidget(Label6, 1);
    underText->addSpacing(16);
    underText->addWidget(lblLength);
    lblLength->setMinimumWidth(lblLength->fontMetrics().horizontalAdvance(QStringLiteral("Length: 460/460")));
    layout->addLayout(underText);
    layout->addSpacing(4);
    for (QLabel* label : {Label2, Label3, Label4, Label5})
        layout->addWidget(label);
    layout->addSpacing(4);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdOkay);
    buttons->addStretch(1);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons);
}

void frmFreeFormCommentEntry::txtComment_Change()
{
    const QString text = txtComment->toPlainText();
    if (static_cast<size_t>(text.size()) > trilliumCommentLimit) {
        // Only what is beyond the limit goes: the text is not replaced whole, which a screen
        // reader would take as the whole comment typed again, on every key.
        const QSignalBlocker quiet(txtComment);
        QTextCursor beyond(txtComment->document());
        beyond.setPosition(static_cast<int>(trilliumCommentLimit));
        beyond.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        beyond.removeSelectedText();
        txtComment->moveCursor(QTextCursor::End);
    }
    const size_t length = static_cast<size_t>(txtComment->toPlainText().size());
    lblLength->setText(QString::fromStdString(freeFormLengthText(length)));
    // Typing on would be dropped without a word: the limit is heard once as it is reached, and
    // again only once the comment has gone below it.
    const bool full = length >= trilliumCommentLimit;
    if (full && !full_ && isVisible()) {
        QApplication::beep();
        ui::notify(txtComment, fullCommentWords());
    }
    full_ = full;
    showFindings();
    describeCaret(true);
    reportDraft();
}

void frmFreeFormCommentEntry::reportDraft()
{
    const std::string text = ui::toCp1252(txtComment->toPlainText());
    if (isVisible() && freeFormTextChanged(offered_, text))
        state_.recovery.freeFormDraft(FreeFormDraft{studentIndex_, student_.studentNumber, text});
    else
        state_.recovery.freeFormDraft(std::nullopt);
}

void frmFreeFormCommentEntry::resumeDraft(const QString& text)
{
    txtComment->setPlainText(text);
    txtComment->moveCursor(QTextCursor::End);
}

void frmFreeFormCommentEntry::showFindings()
{
    findings_ = checker_->findings(ui::toCp1252Units(txtComment->toPlainText()), student_);
    const QString line = ui::fromCp1252(commentFindingsLine(findings_, student_));
    lblCommentCheck->setText(line);
    lblCommentCheck->setFocusPolicy(line.isEmpty() ? Qt::NoFocus : Qt::StrongFocus);
}

QString frmFreeFormCommentEntry::fullCommentWords()
{
    return QStringLiteral("The comment is full: %1 characters.").arg(trilliumCommentLimit);
}

// What a screen reader says of the caret's place: the word it is on with its finding, said as
// the caret lands there, and at the end of a full comment that nothing more can be typed (read
// with the box). `typed`: after a change of the text, with the findings checked again.
void frmFreeFormCommentEntry::describeCaret(bool typed)
{
    const QString text = txtComment->toPlainText();
    if (!typed && text != checkedText_)
        return; // the caret moved with a change whose findings are still to come
    checkedText_ = text;
    const QTextCursor caret = txtComment->textCursor();
    const auto place = static_cast<size_t>(caret.position());
    QStringList words;
    if (const QString found = CaretFindingSpeech::words(text, findings_, place); !found.isEmpty())
        words << found + QLatin1Char('.');
    if (full_ && caret.atEnd())
        words << fullCommentWords();
    txtComment->setAccessibleDescription(words.join(QLatin1Char(' ')));
    if (const QString landed = caretSpeech_.moved(text, findings_, place, typed); !landed.isEmpty() && isVisible())
        ui::notify(txtComment, landed);
}

void frmFreeFormCommentEntry::showWordMenu(const QTextCursor& at, const QPoint& globalPos)
{
    if (wordMenu_ && wordMenu_->isVisible())
        return; // one is open already
    const QTextBlock block = at.block();
    const std::string text = ui::toCp1252Units(block.text());
    const std::optional<WordSpan> span = wordAt(wordsOf(text), static_cast<size_t>(at.positionInBlock()));
    const std::string word = span ? text.substr(span->offset, span->length) : std::string();
    const bool unknown = span && !checker_->knows(word);
    QStringList suggestions;
    if (unknown)
        for (const std::string& s : checker_->suggestions(word, suggestionsOffered))
            suggestions << ui::fromCp1252(s);

    WordMenuActions actions;
    if (span) {
        const int start = block.position() + static_cast<int>(span->offset);
        const int end = start + static_cast<int>(span->length);
        actions.replace = [this, start, end](const QString& suggestion) {
            QTextCursor replacing(txtComment->document());
            replacing.setPosition(start);
            replacing.setPosition(end, QTextCursor::KeepAnchor);
            replacing.insertText(suggestion);
        };
        actions.addToMyWords = [this, word] { addToMyWords(word); };
    }
    wordMenu_ = commentWordMenu(txtComment, ui::fromCp1252(word), unknown, suggestions, actions);
    wordMenu_->popup(globalPos);
}

void frmFreeFormCommentEntry::addToMyWords(const std::string& word)
{
    if (!state_.spelling.addTeacherWord(word))
        ui::showMessage(dialogs_, this, teacherWordNotSavedMessage(word, state_.spelling.setup));
    checker_->accept(word);
    highlighter_->rehighlight();
}

frmFreeFormCommentEntry::~frmFreeFormCommentEntry()
{
    // The highlighter asks the checker until it goes; it goes first.
    delete highlighter_;
}

void frmFreeFormCommentEntry::done(int result)
{
    QDialog::done(result);
    reportDraft(); // closed: nothing is being written any more
}

void frmFreeFormCommentEntry::cmdOkay_Click()
{
    const QString text = txtComment->toPlainText();
    if (trimSpaces(ui::toCp1252(text)).empty() &&
        !dialogs_.question(this, QString::fromLatin1(blankCommentQuestion), QString::fromLatin1(blankCommentTitle)))
        return;
    freeFormText_ = text;
    accept();
}

void frmFreeFormCommentEntry::cmdCancel_Click()
{
    freeFormText_.clear();
    QDialog::reject();
}

void frmFreeFormCommentEntry::reject()
{
    if (freeFormTextChanged(offered_, ui::toCp1252(txtComment->toPlainText())) &&
        !dialogs_.question(this, QString::fromLatin1(discardFreeFormQuestion), QString::fromLatin1(discardFreeFormTitle)))
        return;
    cmdCancel_Click();
}

} // namespace tq
