// The teacher's own comments beside the free-form comment, by keys alone: the filter, inserting
// at the caret, adding the text written, editing and deleting; and their file changed meanwhile.
#include "ControlOf.h"
#include "EntryFixture.h"
#include "WindowComesUp.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

using namespace tq;
using namespace tq::test;
using Kind = ui::ScriptedDialogs::Kind;

namespace {
class MyCommentsTest : public EntryTest {
protected:
    std::string file() { return root.file("home/Tallyquill/My comments.txt"); }

    // The dialog for Layla (a girl, row 1), its text emptied and the keyboard in it.
    frmFreeFormCommentEntry* openFor(const std::string& comments)
    {
        std::filesystem::create_directories(root.file("home/Tallyquill"));
        writeBytes(file(), comments);
        startActive();
        openClass(sampleClassCopy());
        frmFreeFormCommentEntry* dialog = openDialog();
        comesUp(dialog);
        text(dialog)->clear();
        return dialog;
    }
    static QPlainTextEdit* text(QWidget* d) { return controlOf<QPlainTextEdit>(d, "txtComment"); }
    static QListWidget* list(QWidget* d) { return controlOf<QListWidget>(d, "lstMyComments"); }
    static QLineEdit* filter(QWidget* d) { return controlOf<QLineEdit>(d, "txtMyCommentsFilter"); }
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
};
} // namespace

TEST_F(MyCommentsTest, FilteredInsertedAddedEditedAndDeletedByKeys)
{
    frmFreeFormCommentEntry* d = openFor("@ improved # essays.\n\n@ helps # friends.\n");
    EXPECT_EQ(list(d)->accessibleName(), "My comments");
    EXPECT_EQ(list(d)->count(), 2);

    press(Qt::Key_F, Qt::ControlModifier);
    ASSERT_EQ(QApplication::focusWidget(), filter(d));
    QTest::keyClicks(filter(d), "FRIENDS");
    EXPECT_EQ(list(d)->count(), 1);
    EXPECT_EQ(filter(d)->accessibleDescription(), "1 of 2 of your comments shown");
    press(Qt::Key_Return);
    EXPECT_EQ(text(d)->toPlainText(), "Layla helps her friends.");
    EXPECT_EQ(QApplication::focusWidget(), text(d));
    EXPECT_TRUE(controlOf<QLabel>(d, "lblLength")->text().startsWith("Length: 24/"));

    // After the name, a comment speaks of her; Down from the filter chooses it.
    press(Qt::Key_F, Qt::ControlModifier);
    press(Qt::Key_Backspace); // the filter's words were selected
    press(Qt::Key_Down);
    press(Qt::Key_Up);
    press(Qt::Key_Return);
    EXPECT_EQ(text(d)->toPlainText(), "Layla helps her friends. She improved her essays.");

    // The whole text, back into placeholders; the teacher changes it before it is kept.
    dialogs.answerInput("@ helps # friends and improved # essays.");
    press(Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(dialogs.callsOf(Kind::Input).size(), 1u);
    EXPECT_EQ(dialogs.callsOf(Kind::Input)[0].defaultText, "@ helps # friends. @ improved # essays.");
    EXPECT_EQ(readBytes(file()),
              "@ improved # essays.\r\n\r\n@ helps # friends.\r\n\r\n@ helps # friends and improved # essays.\r\n");
    dialogs.answerInput(""); // Cancel stores nothing
    press(Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(list(d)->count(), 3);

    // F2 edits the current comment, Delete deletes one once asked.
    list(d)->setFocus();
    list(d)->setCurrentRow(2);
    dialogs.answerInput("@ helps # friends well.");
    press(Qt::Key_F2);
    list(d)->setCurrentRow(1);
    dialogs.answerQuestion(true);
    press(Qt::Key_Delete);
    EXPECT_EQ(readBytes(file()), "@ improved # essays.\r\n\r\n@ helps # friends well.\r\n");
    EXPECT_EQ(list(d)->count(), 2);
    EXPECT_TRUE(dialogs.allAnswersUsed());
}

TEST_F(MyCommentsTest, AnOverLongCommentAsksAndCharactersTheClassFileLacksAreNamed)
{
    const std::string longOne = "@ scored \xE2\x89\xA5 80 " + std::string(460, 'x') + ".";
    frmFreeFormCommentEntry* d = openFor(longOne + "\n");
    const QString expanded = QString::fromStdString("Layla scored \xE2\x89\xA5 80 " + std::string(460, 'x') + ".");
    list(d)->setFocus();
    EXPECT_TRUE(list(d)->item(0)->text().endsWith(QString("(%1 characters: over 460)").arg(expanded.size())));
    press(Qt::Key_Return); // No: nothing inserted
    EXPECT_EQ(text(d)->toPlainText(), "");
    dialogs.answerQuestion(true);
    list(d)->setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(text(d)->toPlainText(), expanded.left(460));
    EXPECT_TRUE(controlOf<QLabel>(d, "lblMyCommentsNote")->text().startsWith(QString::fromUtf8("The class file cannot hold \xE2\x89\xA5:")));
}

TEST_F(MyCommentsTest, AFileChangedByAnotherProgramWhileTheDialogIsOpenIsReadAgain)
{
    frmFreeFormCommentEntry* d = openFor("@ tries.\n");
    writeBytes(file(), "@ tries.\n\n$ reads every day.\n");
    press(Qt::Key_F, Qt::ControlModifier);
    ASSERT_EQ(list(d)->count(), 2);
    EXPECT_EQ(list(d)->item(1)->text(), "Layla reads every day.");

    // Deleted there meanwhile: the edit is refused and the list shows the file.
    list(d)->setFocus();
    list(d)->setCurrentRow(0);
    writeBytes(file(), "$ reads every day.\n");
    dialogs.answerInput("@ tries hard.");
    press(Qt::Key_F2);
    EXPECT_TRUE(dialogs.callsOf(Kind::Message).back().text.startsWith("That comment is no longer in My comments.txt"));
    EXPECT_EQ(readBytes(file()), "$ reads every day.\n");
    EXPECT_EQ(list(d)->count(), 1);
}
