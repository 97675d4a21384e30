// Free-form comments: the dialog opened from the details panel and what its answer does to the
// student, the grid and the panel.
#include "EntryFixture.h"
#include "ControlOf.h"

#include "core/phrases/Composition.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextBlock>
#include <QTextLayout>

using namespace tq;
using namespace tq::test;
using Kind = ui::ScriptedDialogs::Kind;

namespace {
class FreeFormTest : public EntryTest {
protected:
    QString rowComments(int row) const
    {
        QStringList cells;
        for (int c = 4; c <= 8; ++c)
            cells << cell(row, c);
        return cells.join('|');
    }
};
} // namespace

TEST_F(FreeFormTest, AnEditedCommentReplacesTheCodesUntilCancelBringsThemBack)
{
    start();
    openClass(sampleClassCopy());
    const std::string composed = composeComments(student(1), state.phrases).joined();
    frmFreeFormCommentEntry* dialog = openDialog();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->windowTitle(), "Free Form Comment Entry");
    EXPECT_TRUE(dialog->isModal());
    EXPECT_EQ(controlOf<QPlainTextEdit>(dialog, "txtComment")->toPlainText(), QString::fromStdString(composed));
    EXPECT_EQ(controlOf<QLabel>(dialog, "lblLength")->text(), QString("Length: %1/460").arg(composed.size()));
    EXPECT_EQ(controlOf<QPushButton>(dialog, "cmdOkay")->text(), "Okay: Take the Above Text as the Free Form Comment");
    EXPECT_EQ(controlOf<QPushButton>(dialog, "cmdCancel")->text(), "Cancel: Return to the Normal Coded Comment Mode");
    EXPECT_EQ(controlOf<QLabel>(dialog, "Label1")->text(), "You can edit and change the comment here.");
    EXPECT_TRUE(controlOf<QLabel>(dialog, "Label2")->text().endsWith("no 'does it make sense' check.  "));
    EXPECT_TRUE(controlOf<QLabel>(dialog, "Label4")->text().startsWith("Once you change the comment and hit \"Okay\" all"));
    EXPECT_TRUE(controlOf<QLabel>(dialog, "Label6")->text().endsWith("shifted characters like ^ will be removed."));

    controlOf<QPlainTextEdit>(dialog, "txtComment")->setPlainText("Layla writes with flair - and reads?\nwidely.");
    controlOf<QPushButton>(dialog, "cmdOkay")->click();
    settle();
    EXPECT_EQ(rowComments(1), "Free|Form|Code|Click|Below");
    EXPECT_TRUE(student(1).hasFreeForm);
    EXPECT_EQ(student(1).freeFormComment, "Layla writes with flair   and reads  widely.");
    EXPECT_EQ(student(1).comment1, "1017");
    EXPECT_TRUE(mainControl<QLabel>("lblDetail1")->text().contains("Mark  Layla writes with flair"));
    EXPECT_FALSE(mainControl<QLabel>("lblDetail1")->text().contains("["));
    EXPECT_EQ(undoCount(), 0u); // free-form comments are not recorded

    // Opened again it offers the free-form text; Cancel returns to the codes.
    dialog = openDialog();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(controlOf<QPlainTextEdit>(dialog, "txtComment")->toPlainText(), "Layla writes with flair   and reads  widely.");
    controlOf<QPushButton>(dialog, "cmdCancel")->click();
    settle();
    EXPECT_EQ(rowComments(1), "1017|1016|1014|0103|");
    EXPECT_FALSE(student(1).hasFreeForm);
    EXPECT_EQ(student(1).freeFormComment, "");
    EXPECT_TRUE(mainControl<QLabel>("lblDetail1")->text().contains("[1017]"));
}

TEST_F(FreeFormTest, OkayWithoutAChangeSaysSoAndTheCloseBoxActsAsCancel)
{
    start();
    openClass(sampleClassCopy());
    frmFreeFormCommentEntry* dialog = openDialog();
    ASSERT_TRUE(dialog);
    controlOf<QPushButton>(dialog, "cmdOkay")->click();
    settle();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, "There was no change to the coded comment, therefore free form comments NOT used.");
    EXPECT_EQ(messages()[0].title, "Tallyquill");
    EXPECT_FALSE(student(1).hasFreeForm);

    // Jasmine Iqbal has a free-form comment: the close box returns her to her codes.
    grid()->setCurrent(11, 3);
    dialog = openDialog();
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(controlOf<QPlainTextEdit>(dialog, "txtComment")->toPlainText().startsWith("Jasmine has worked hard this term, "));
    dialog->close(); // nothing changed: nothing to ask
    settle();
    EXPECT_TRUE(dialogs.callsOf(Kind::Question).empty());
    EXPECT_FALSE(student(11).hasFreeForm);
    EXPECT_EQ(rowComments(11), "1003|1016|0714|0302|");
}

TEST_F(FreeFormTest, ABlankCommentIsConfirmedFirstAndALongOneIsCutAt460)
{
    start();
    openClass(sampleClassCopy());
    grid()->setCurrent(11, 3);
    frmFreeFormCommentEntry* dialog = openDialog();
    ASSERT_TRUE(dialog);
    controlOf<QPlainTextEdit>(dialog, "txtComment")->setPlainText("   ");
    controlOf<QPushButton>(dialog, "cmdOkay")->click(); // answered No: the dialog stays
    const auto questions = dialogs.callsOf(Kind::Question);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].text, "An empty comment will restore coded comments. Is this what you want?");
    EXPECT_EQ(questions[0].title, "Blank Comment");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(student(11).hasFreeForm);

    controlOf<QPlainTextEdit>(dialog, "txtComment")->setPlainText(QString(500, 'a'));
    EXPECT_EQ(controlOf<QPlainTextEdit>(dialog, "txtComment")->toPlainText().size(), 460);
    EXPECT_EQ(controlOf<QLabel>(dialog, "lblLength")->text(), "Length: 460/460");
    EXPECT_TRUE(controlOf<QPlainTextEdit>(dialog, "txtComment")->accessibleDescription().endsWith(
        "The comment is full: 460 characters."));
    controlOf<QPlainTextEdit>(dialog, "txtComment")->clear();
    dialogs.answerQuestion(true);
    controlOf<QPushButton>(dialog, "cmdOkay")->click();
    settle();
    EXPECT_FALSE(student(11).hasFreeForm);
    EXPECT_EQ(cell(11, 4), "1003");

    // A student with no comment at all starts from an empty box.
    grid()->setCurrent(21, 3);
    dialog = openDialog();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(controlOf<QPlainTextEdit>(dialog, "txtComment")->toPlainText(), "");
    EXPECT_EQ(controlOf<QLabel>(dialog, "lblLength")->text(), "Length: 0/460");
    QTest::keyClicks(controlOf<QPlainTextEdit>(dialog, "txtComment"), "Good term.");
    controlOf<QPushButton>(dialog, "cmdOkay")->click();
    settle();
    EXPECT_EQ(student(21).freeFormComment, "Good term.");
}

TEST_F(FreeFormTest, UndoOfAnEarlierMarkAlsoTakesBackALaterFreeFormComment)
{
    startActive();
    openClass(sampleClassCopy());
    typeMark("90");
    grid()->setCurrent(1, 3);
    frmFreeFormCommentEntry* dialog = openDialog();
    ASSERT_TRUE(dialog);
    controlOf<QPlainTextEdit>(dialog, "txtComment")->setPlainText("A new comment.");
    controlOf<QPushButton>(dialog, "cmdOkay")->click();
    settle();
    ASSERT_EQ(cell(1, 4), "Free");
    toolButton("cmdUndo")->click();
    EXPECT_EQ(student(1).mark, "89");
    EXPECT_FALSE(student(1).hasFreeForm);
    EXPECT_EQ(rowComments(1), "1017|1016|1014|0103|");
}

namespace {
// The words the spelling check has underlined, in order.
QStringList underlined(const QPlainTextEdit* text)
{
    QStringList words;
    for (QTextBlock block = text->document()->begin(); block.isValid(); block = block.next())
        for (const QTextLayout::FormatRange& range : block.layout()->formats())
            if (range.format.underlineStyle() == QTextCharFormat::WaveUnderline)
                words << block.text().mid(range.start, range.length);
    return words;
}

void caretInto(QPlainTextEdit* text, const QString& word)
{
    QTextCursor caret = text->textCursor();
    caret.setPosition(static_cast<int>(text->toPlainText().indexOf(word)) + 2);
    text->setTextCursor(caret);
}

// The word menu open in the dialog, once the one before has gone.
QMenu* wordMenu(QDialog* dialog)
{
    QMenu* menu = dialog->findChild<QMenu*>("mnuCommentWord");
    EXPECT_TRUE(menu && menu->isVisible());
    return menu;
}

void closeMenu(QMenu* menu)
{
    menu->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QAction* actionNamed(QMenu* menu, const char* name)
{
    for (QAction* action : menu->actions())
        if (action->objectName() == QLatin1String(name))
            return action;
    return nullptr;
}
} // namespace

TEST_F(FreeFormTest, AsTheTeacherTypesTheChecksShowWhatToReadAgainAndStopNothing)
{
    const std::string words = root.file("data-home/tallyquill/words.txt");
    state.spelling.setup.teacherWordsFile = words;
    start();
    openClass(sampleClassCopy());
    frmFreeFormCommentEntry* dialog = openDialog(); // Layla Ahmed, F
    ASSERT_TRUE(dialog);
    auto* text = controlOf<QPlainTextEdit>(dialog, "txtComment");
    EXPECT_TRUE(underlined(text).isEmpty()) << "the library's own sentences";
    text->setPlainText("Layla helped Sophie; he recieve Kahoot and Padlet.");
    EXPECT_EQ(underlined(text), (QStringList{"recieve", "Kahoot", "Padlet"}));
    auto* findings = controlOf<QLabel>(dialog, "lblCommentCheck");
    EXPECT_EQ(findings->text(),
              "Misspelt: recieve, Kahoot, Padlet.  Names of other students: Sophie.  Pronouns that do not fit Layla (F): he.");
    EXPECT_TRUE(findings->focusPolicy() & Qt::TabFocus);
    EXPECT_FALSE(controlOf<QLabel>(dialog, "lblSpellingOff")->isVisibleTo(dialog));

    // Shift+F10 at the caret: the word's suggestions first; one takes the word's place.
    caretInto(text, "recieve");
    EXPECT_EQ(text->accessibleDescription(), "recieve, misspelt.");
    caretInto(text, "Sophie");
    EXPECT_EQ(text->accessibleDescription(), "Sophie, another student's name.");
    caretInto(text, "recieve");
    QTest::keyClick(text, Qt::Key_F10, Qt::ShiftModifier);
    QMenu* menu = wordMenu(dialog);
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->accessibleName(), "Spelling of recieve");
    EXPECT_EQ(menu->actions().front()->text(), "receive");
    menu->actions().front()->trigger();
    closeMenu(menu);
    EXPECT_EQ(text->toPlainText(), "Layla helped Sophie; he receive Kahoot and Padlet.");
    EXPECT_EQ(underlined(text), (QStringList{"Kahoot", "Padlet"}));

    // The Menu key (a menu event from the keyboard): Add to my words, written to the list.
    caretInto(text, "Kahoot");
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(), text->mapToGlobal(QPoint()));
    QApplication::sendEvent(text, &menuKey);
    menu = wordMenu(dialog);
    ASSERT_TRUE(menu && actionNamed(menu, "mnuAddToMyWords"));
    actionNamed(menu, "mnuAddToMyWords")->trigger();
    closeMenu(menu);
    EXPECT_EQ(underlined(text), QStringList{"Padlet"});
    EXPECT_EQ(readBytes(words), "Kahoot\n");

    // A list that cannot be written: the teacher is told; the word is taken for the run.
    state.spelling.setup.teacherWordsFile = root.path();
    caretInto(text, "Padlet");
    QTest::keyClick(text, Qt::Key_Menu);
    menu = wordMenu(dialog);
    ASSERT_TRUE(menu && actionNamed(menu, "mnuAddToMyWords"));
    actionNamed(menu, "mnuAddToMyWords")->trigger();
    closeMenu(menu);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].text.startsWith("\"Padlet\" could not be added to your word list")) << messages()[0].text.toStdString();
    EXPECT_TRUE(underlined(text).isEmpty());
    state.spelling.setup.teacherWordsFile = words;

    // A right click on a known word: the usual menu alone.
    const QPoint onLayla = text->cursorRect(QTextCursor(text->document())).center() + QPoint(8, 0);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, onLayla, text->viewport()->mapToGlobal(onLayla));
    QApplication::sendEvent(text->viewport(), &rightClick);
    menu = wordMenu(dialog);
    ASSERT_TRUE(menu);
    EXPECT_FALSE(actionNamed(menu, "mnuAddToMyWords"));
    closeMenu(menu);

    // Nothing stops the comment; the next dialog still takes the teacher's words.
    controlOf<QPushButton>(dialog, "cmdOkay")->click();
    settle();
    EXPECT_EQ(student(1).freeFormComment, "Layla helped Sophie; he receive Kahoot and Padlet.");
    dialog = openDialog();
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(underlined(controlOf<QPlainTextEdit>(dialog, "txtComment")).isEmpty());
}

TEST_F(FreeFormTest, WithoutTheDictionaryTheDialogSaysSoAndStillNamesNamesAndPronouns)
{
    state.spelling.setup.dictionaryName = "xx_NONE";
    start();
    openClass(sampleClassCopy());
    frmFreeFormCommentEntry* dialog = openDialog();
    ASSERT_TRUE(dialog);
    auto* text = controlOf<QPlainTextEdit>(dialog, "txtComment");
    text->setPlainText("Sophie recieve he.");
    EXPECT_TRUE(underlined(text).isEmpty());
    EXPECT_TRUE(controlOf<QLabel>(dialog, "lblSpellingOff")->isVisibleTo(dialog));
    EXPECT_EQ(controlOf<QLabel>(dialog, "lblSpellingOff")->text(),
              "Spelling is not checked: the xx_NONE dictionary is not installed (package hunspell-xx-none).");
    EXPECT_EQ(controlOf<QLabel>(dialog, "lblCommentCheck")->text(),
              "Names of other students: Sophie.  Pronouns that do not fit Layla (F): he.");
}

TEST_F(FreeFormTest, EscapeOrTheCloseBoxAskBeforeAChangedTextIsThrownAway)
{
    start();
    openClass(sampleClassCopy());
    size_t asked = 0;
    for (const bool escape : {true, true, false, false}) { // No, then Yes, to each
        const bool yes = asked++ % 2 == 1;
        SCOPED_TRACE(std::string(escape ? "Escape, " : "close box, ") + (yes ? "Yes" : "No"));
        const QPointer<frmFreeFormCommentEntry> dialog = yes ? window->findChild<frmFreeFormCommentEntry*>() : openDialog();
        ASSERT_TRUE(dialog);
        controlOf<QPlainTextEdit>(dialog, "txtComment")->setPlainText("Layla reads widely.");
        dialogs.answerQuestion(yes);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        escape ? void(QApplication::sendEvent(dialog, &press)) : void(dialog->close());
        settle();
        ASSERT_EQ(dialogs.callsOf(Kind::Question).size(), asked);
        EXPECT_EQ(dialogs.callsOf(Kind::Question).back().text,
                  "Do you want to discard the comment you typed? Yes returns this student to the coded comments.");
        EXPECT_EQ(!dialog, yes);
        EXPECT_FALSE(student(1).hasFreeForm);
    }
}
