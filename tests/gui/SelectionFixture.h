#pragma once
// The main window with its Comment Selection window open, and helpers to use it as a teacher
// does: search, double-click results, click favourites rows and buttons.
#include "MainWindowFixture.h"

#include "gui/selection/frmSelection.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/FavouritesList.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace tq::test {

class SelectionTest : public MainWindowTest {
protected:
    frmSelection* selection() const { return window->working.selectionWindow; }

    template <typename T>
    T* control(const char* name) const
    {
        T* w = selection() ? selection()->findChild<T*>(QString::fromLatin1(name)) : nullptr;
        EXPECT_TRUE(w) << name;
        return w;
    }

    // Starts the main window (with the favourites file the start-up window answers) and opens
    // Comment Selection with its button.
    void openSelection(const std::string& favourites = "")
    {
        start(favourites);
        mainControl<QPushButton>("cmdSwitchCommentSelection")->click();
        ASSERT_TRUE(selection());
    }

    FavouritesList* favourites() const { return control<FavouritesList>("lstFavourites"); }
    QListView* results() const { return control<QListView>("lstComments"); }
    void press(const char* button) const { control<QAbstractButton>(button)->click(); }
    void choose(const char* menuItem) const { control<QAction>(menuItem)->trigger(); }

    void searchFor(const QString& and1, const QString& orTerm = {})
    {
        control<QLineEdit>("txtAnd1")->setText(and1);
        control<QLineEdit>("txtOr")->setText(orTerm);
        press("cmdSearch");
    }

    QStringList resultRows() const
    {
        QStringList rows;
        for (int r = 0; r < results()->model()->rowCount(); ++r)
            rows << results()->model()->index(r, 0).data().toString();
        return rows;
    }

    // A double click on result row `row`, scrolled into sight first: a click, then the second
    // press, which also raises the double click, and its release.
    void doubleClickResult(int row)
    {
        const QModelIndex index = results()->model()->index(row, 0);
        results()->scrollTo(index);
        const QPoint at = results()->visualRect(index).center();
        QTest::mouseClick(results()->viewport(), Qt::LeftButton, {}, at);
        QTest::mousePress(results()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(results()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(results()->viewport(), Qt::LeftButton, {}, at);
    }

    // A click on favourites row `row`, as the teacher selects it.
    void clickFavourite(int row)
    {
        FavouritesList* list = favourites();
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }

    QStringList favouriteRows() const
    {
        QStringList rows;
        for (int r = 0; r < favourites()->count(); ++r)
            rows << favourites()->item(r)->text();
        return rows;
    }

    std::vector<std::string> entries() const { return state.favourites.favourites; }
    // The row a favourite shows: its code, a space and its phrase.
    QString favouriteRow(const ProgramState& s, const std::string& code) const
    {
        return ui::fromCp1252(favouriteEntryLine(code, s.phrases));
    }

    // A favourites file in the teacher's folder.
    std::string favouritesFile(const std::string& name, std::initializer_list<std::string> entryLines)
    {
        std::string text = crlfLines({" 1 ", "80,100,0101,,,4,4,4,4,4,4"});
        for (const std::string& e : entryLines)
            text += e + "\r\n";
        return root.write("home/" + name, text);
    }
};

} // namespace tq::test
