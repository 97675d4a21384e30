#pragma once
// The main window with the Initial Values Setup window opened from it, and helpers to reach the
// setup window's controls by name and click its ranges grid the way a teacher does.
#include "EntryFixture.h"

#include "gui/initialvalues/frmAutoFill.h"

#include <filesystem>

namespace tq::test {

class AutoFillTest : public EntryTest {
protected:
    frmAutoFill* autoFill() const { return window->working.autoFillWindow; }

    template <typename T>
    T* control(const char* name) const
    {
        T* found = autoFill() ? autoFill()->findChild<T*>(QString::fromLatin1(name)) : nullptr;
        EXPECT_TRUE(found) << "no control " << name;
        return found;
    }
    ui::ClassGrid* ranges() const { return control<ui::ClassGrid>("msfgClass"); }
    QString rangeCell(int row, int col) const { return ranges()->text(row, col); }
    QString detail(int line) const { return control<QLabel>(("lblDetail" + std::to_string(line)).c_str())->text(); }
    FavouritesList* palette() const { return control<FavouritesList>("lstFavourites"); }

    // A copy of the sample favourites in the teacher's folder, which the window may write.
    std::string sampleFavourites(const std::string& name = "Sample.tqf")
    {
        const std::string path = root.file("home/" + name);
        std::filesystem::copy_file(sampleFile("Sample.tqf"), path, std::filesystem::copy_options::overwrite_existing);
        return path;
    }

    // Starts the main window with `favourites` and opens Initial Values Setup from its menu.
    void startSetup(const std::string& favourites)
    {
        start(favourites);
        menu("mnuAutoFill")->trigger();
        ASSERT_TRUE(autoFill());
    }

    void clickRange(int row, int col, Qt::MouseButton button = Qt::LeftButton)
    {
        ui::ClassGrid* grid = ranges();
        if (grid->cellRect(row, col).isEmpty() && row >= grid->fixedRows())
            grid->setTopRow(row);
        const QRect rect = grid->cellRect(row, col);
        ASSERT_FALSE(rect.isEmpty()) << "range cell " << row << "," << col << " is not on show";
        QTest::mouseClick(grid->viewport(), button, {}, grid->viewport()->mapFrom(grid, rect.center()));
    }

    void choosePaletteEntry(const std::string& code)
    {
        for (int i = 0; i < palette()->count(); ++i)
            if (palette()->codeAt(i) == code) {
                QTest::mouseClick(palette()->viewport(), Qt::LeftButton, {}, palette()->visualItemRect(palette()->item(i)).center());
                return;
            }
        FAIL() << "no favourite " << code;
    }

    // The range at `position` (from 1) as "low-high codes|ratings".
    std::string rangeText(int position) const
    {
        const InitialValueRange& r = state.favourites.initialRanges.at(static_cast<size_t>(position - 1));
        std::string text = std::to_string(r.lowMark) + "-" + std::to_string(r.highMark) + " " + r.rangeComment1 + "," +
                           r.rangeComment2 + "," + r.rangeComment3 + "|";
        for (const std::string& skill : r.rangeSkills)
            text += skill.empty() ? "_" : skill;
        return text;
    }

    // Leaves the setup window by its back button and lets it go.
    void goBack()
    {
        control<QPushButton>("cmdBack")->click();
        settle();
    }
};

} // namespace tq::test
