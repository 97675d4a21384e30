#pragma once
// A main window started offscreen on the sample phrase library, with scripted dialogs, in a
// program folder of its own.
#include "ControlOf.h"
#include "core/program/ProgramState.h"
#include "gui/main/frmEntry.h"
#include "gui/widgets/FavouritesList.h"
#include "support/TestFiles.h"
#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/ElidedLabel.h"
#include "gui/widgets/ScriptedDialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QToolButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace tq::test {

class MainWindowTest : public ::testing::Test {
protected:
    TempDir root;
    ProgramState state;
    ui::ScriptedDialogs dialogs;
    std::unique_ptr<frmEntry> window;

    MainWindowTest()
    {
        std::filesystem::create_directories(root.file("program"));
        std::filesystem::create_directories(root.file("data"));
        std::filesystem::create_directories(root.file("home"));
        std::filesystem::copy_file(sampleFile("TQPhraseLibrary.csv"), root.file("program/TQPhraseLibrary.csv"));
        std::filesystem::copy_file(sampleFile("TQStudentInfo.txt"), root.file("data/TQStudentInfo.txt"));
        settleFile(root.file("data/TQStudentInfo.txt"));
        state.folders = programFoldersFor(root.file("program"), root.file("home"));
    }

    // A control of the main window, found by its name.
    template <typename T>
    T* mainControl(const char* name) const
    {
        return controlOf<T>(window.get(), name);
    }
    ui::ClassGrid* grid() const { return mainControl<ui::ClassGrid>("msfgClass"); }
    QLineEdit* markBox() const { return mainControl<QLineEdit>("txtDataEntry"); }
    FavouritesList* favouritesList() const { return mainControl<FavouritesList>("lstFavourites"); }
    ui::ElidedLabel* favouritesLabel() const { return mainControl<ui::ElidedLabel>("lblFavouriteFile"); }
    QCheckBox* autoFillBox() const { return mainControl<QCheckBox>("optAutoFill"); }
    QAction* menu(const char* name) const { return mainControl<QAction>(name); }
    QToolButton* toolButton(const char* name) const { return mainControl<QToolButton>(name); }

    // Starts the window; `favourites` is what the start-up window answers ("" for none).
    // A sample favourites file is opened from a copy: opening a file takes a lock beside it, and
    // tests running side by side must not meet in the sample folder.
    void start(const std::string& favourites = "")
    {
        const std::string opened = favourites.starts_with(TQ_SAMPLE_DIR) ? copyOfSample(favourites) : favourites;
        window = std::make_unique<frmEntry>(state, dialogs);
        ASSERT_TRUE(window->Form_Load([opened](ProgramState& s) { s.favourites.favouritesFile = opened; }));
    }

    // A copy of a sample file in the teacher's folder, under the same name.
    std::string copyOfSample(const std::string& sample)
    {
        const std::string copy = root.file("home/" + std::filesystem::path(sample).filename().string());
        std::filesystem::copy_file(sample, copy, std::filesystem::copy_options::overwrite_existing);
        return copy;
    }

    // Lets a closed window or dialog go, so that the next one is found.
    void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // Opens a class file through the Open command.
    void openClass(const std::string& path)
    {
        dialogs.answerOpenFile(QString::fromStdString(path));
        window->OpenClassFile();
    }

    // Starts the window with a copy of the sample favourites (which have mark ranges) and opens a
    // copy of the sample class.
    void startWithSampleClass()
    {
        const std::string favourites = root.file("home/Sample.tqf");
        std::filesystem::copy_file(sampleFile("Sample.tqf"), favourites, std::filesystem::copy_options::overwrite_existing);
        start(favourites);
        openClass(sampleClassCopy());
    }

    std::string sampleClassCopy()
    {
        const std::string path = root.file("home/ENG2D101.tqc");
        std::filesystem::copy_file(sampleFile("ENG2D101.tqc"), path, std::filesystem::copy_options::overwrite_existing);
        return path;
    }

    QString cell(int row, int col) const { return mainControl<ui::ClassGrid>("msfgClass")->text(row, col); }
    std::vector<ui::ScriptedDialogs::Call> messages() const { return dialogs.callsOf(ui::ScriptedDialogs::Kind::Message); }
};

} // namespace tq::test
