// A class file named when the program starts (a double-clicked .tqc) opens once the start-up
// window is done, as File > Open opens a chosen file.
#include "MainWindowFixture.h"

#include <QAction>
#include <QLabel>
#include <QToolButton>

using namespace tq;
using namespace tq::test;
using Kind = ui::ScriptedDialogs::Kind;

TEST_F(MainWindowTest, AClassNamedAtStartOpensWithItsCommandsAndWithoutAnyQuestion)
{
    start();
    window->openClassFromCommandLine(sampleClassCopy());

    ASSERT_EQ(state.studentCount(), 28);
    EXPECT_EQ(grid()->rows(), 29);
    EXPECT_EQ(mainControl<QLabel>("lblCourse")->text(), "ENG2D1-01");
    EXPECT_EQ(mainControl<QLabel>("lblClassSize")->text(), "28 Students");
    for (QAction* a : {menu("mnuSave"), menu("mnuPrint"), menu("mnuSortNames"), menu("mnuSortMarks"),
                       menu("mnuUpdate"), menu("mnuExport")})
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
    EXPECT_TRUE(toolButton("cmdSave")->isEnabled());
    EXPECT_TRUE(toolButton("cmdPrint")->isEnabled());
    EXPECT_FALSE(toolButton("cmdUndo")->isEnabled());
    EXPECT_TRUE(dialogs.calls.empty());
    // No file dialog was completed: the first class dialog still starts in the teacher's folder.
    EXPECT_TRUE(state.firstFileDialog);
    dialogs.answerQuestion(false);
    openClass(sampleClassCopy());
    ASSERT_EQ(dialogs.callsOf(Kind::OpenFile).size(), 1u);
    EXPECT_EQ(dialogs.callsOf(Kind::OpenFile)[0].initialFolder, QString::fromStdString(root.file("home")));
}

TEST_F(MainWindowTest, AClassFileNamedAtStartThatCannotBeUsedShowsWhyAndTheProgramGoesOn)
{
    struct Case {
        std::string path;
        const char* message;
    };
    const Case cases[] = {
        {root.file("home/missing.tqc"), "TQ8: Invalid Tallyquill Class File"},
        {root.write("home/bad.tqc", "not a class file\r\n"), "TQ8: Invalid Tallyquill Class File"},
        {root.write("home/SHOUTED.TQC", "x"), "TQ7: Invalid Tallyquill Class File Type"},
    };
    for (const Case& c : cases) {
        dialogs.calls.clear();
        start();
        window->openClassFromCommandLine(c.path);
        ASSERT_EQ(messages().size(), 1u) << c.path;
        EXPECT_TRUE(messages()[0].text.startsWith(c.message)) << messages()[0].text.toStdString();
        EXPECT_EQ(state.studentCount(), 0);
        EXPECT_FALSE(menu("mnuSave")->isEnabled());
        EXPECT_FALSE(toolButton("cmdSave")->isEnabled());
        EXPECT_FALSE(window->programEnded());
    }
}
