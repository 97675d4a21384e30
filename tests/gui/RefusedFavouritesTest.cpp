// A favourites file the program refused to read is the teacher's all the same (a term's list with
// one line lost, a class file chosen by mistake): whichever window opened it, no window writes
// over it unasked, and the list that takes its place has no name, so leaving with edits asks for
// one instead of dropping them.
#include "AutoFillFixture.h"

#include "gui/selection/frmSelection.h"
#include "gui/widgets/ElidedLabel.h"

#include <QCheckBox>

#include <filesystem>

using namespace tq;
using namespace tq::test;
using Kind = ui::ScriptedDialogs::Kind;

namespace {

class RefusedFavouritesTest : public AutoFillTest {
protected:
    // The sample favourites (7 ranges, 38 entries) with a blank line among the entries, as an
    // editor or a disk may leave a file: refused with TQ17.
    std::string refusedFile()
    {
        std::string text = readBytes(sampleFile("Sample.tqf"));
        text.insert(text.find("\r\n0101\r\n"), "\r\n");
        return root.write("home/Term.tqf", text);
    }

    frmSelection* selection() const { return window->working.selectionWindow; }
    void pressInSelection(const char* name)
    {
        auto* button = selection()->findChild<QAbstractButton*>(QString::fromLatin1(name));
        ASSERT_TRUE(button) << name;
        button->click();
        settle();
    }
    QString selectionCaption() const
    {
        return selection()->findChild<ui::ElidedLabel*>(QStringLiteral("lblFavouriteFile"))->fullText();
    }
    std::vector<ui::ScriptedDialogs::Call> questions() const { return dialogs.callsOf(Kind::Question); }
    size_t saveDialogs() const { return dialogs.callsOf(Kind::SaveFile).size(); }
};

} // namespace

TEST_F(RefusedFavouritesTest, NoWindowWritesOverARefusedFileHoweverItWasOpened)
{
    const std::string refused = refusedFile();
    const std::string bytes = readBytes(refused);
    const std::string refusedWithoutExtension = refused.substr(0, refused.size() - 4);
    enum class Way { StartUp, MainWindowMenu, CommentSelection, InitialValuesSetup };
    for (const Way way : {Way::StartUp, Way::MainWindowMenu, Way::CommentSelection, Way::InitialValuesSetup}) {
        SCOPED_TRACE(static_cast<int>(way));
        window.reset();
        state.favourites = {};
        const size_t messagesBefore = messages().size();
        switch (way) {
        case Way::StartUp:
            start(refused);
            break;
        case Way::MainWindowMenu:
            start(sampleFavourites());
            dialogs.answerOpenFile(QString::fromStdString(refused));
            menu("mnuOpenFavourites")->trigger();
            break;
        case Way::CommentSelection:
            start();
            mainControl<QPushButton>("cmdSwitchCommentSelection")->click();
            dialogs.answerOpenFile(QString::fromStdString(refused));
            pressInSelection("cmdOpen");
            break;
        case Way::InitialValuesSetup:
            startSetup(sampleFavourites());
            dialogs.answerOpenFile(QString::fromStdString(refused));
            control<QToolButton>("cmdOpenFavourites")->click();
            EXPECT_EQ(control<ui::ElidedLabel>("lblFavouriteFile")->fullText(), "Favourite List: ");
            goBack(); // nothing edited: nothing asked
            break;
        }
        ASSERT_EQ(messages().size(), messagesBefore + 1);
        EXPECT_EQ(messages().back().text, "TQ17: Invalid Favourites file.");
        EXPECT_EQ(state.favourites.favouritesFile, "");
        EXPECT_TRUE(state.favourites.favourites.empty());

        // The teacher goes on in Comment Selection as if the list were the file's.
        if (!selection()) {
            EXPECT_EQ(favouritesLabel()->fullText(), "Favourite List: ");
            EXPECT_FALSE(autoFillBox()->isEnabled());
            mainControl<QPushButton>("cmdSwitchCommentSelection")->click();
        }
        ASSERT_TRUE(selection());
        EXPECT_EQ(selectionCaption(), "Favourite List: ");
        pressInSelection("cmdInsertDashes");

        // Back asks for a name; Cancel stays, with the edit.
        const size_t asked = saveDialogs();
        pressInSelection("cmdBack");
        EXPECT_EQ(saveDialogs(), asked + 1);
        ASSERT_TRUE(selection());
        EXPECT_EQ(state.favourites.favourites, std::vector<std::string>{"    "});
        // Save, the refused file's name typed without its extension: asked about, No by default.
        dialogs.answerSaveFile(QString::fromStdString(refusedWithoutExtension));
        pressInSelection("cmdSave");
        ASSERT_FALSE(questions().empty());
        EXPECT_EQ(questions().back().title, "Replace Favourites File");
        EXPECT_TRUE(questions().back().text.contains(QString::fromStdString(refused)));
        // The close box likewise; then a new name, and the main window takes over.
        selection()->close();
        ASSERT_TRUE(selection());
        dialogs.answerSaveFile(QString::fromStdString(root.file("home/Mended")));
        pressInSelection("cmdBack");
        EXPECT_FALSE(selection());
        EXPECT_EQ(state.favourites.favouritesFile, root.file("home/Mended.tqf"));
        EXPECT_EQ(readBytes(root.file("home/Mended.tqf")), favouritesFileText(state.favourites));
        EXPECT_TRUE(autoFillBox()->isChecked());

        EXPECT_EQ(readBytes(refused), bytes);
        std::filesystem::remove(root.file("home/Mended.tqf"));
    }
    EXPECT_TRUE(dialogs.allAnswersUsed());
}
