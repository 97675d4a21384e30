// What a screen reader calls the controls of every window: each control the keyboard can reach
// has a name, picture buttons are named by their tooltips, names carry no mnemonic "&", and a
// control under a caption is named by the caption's words. And what a keyboard-only teacher meets
// there: Tab reaches every control, and no two commands share an Alt letter.
#include "AccessibilityEvents.h"
#include "ExportFixture.h"
#include "WindowComesUp.h"

#include "gui/entry/frmFreeFormCommentEntry.h"
#include "gui/initialvalues/frmAutoFill.h"
#include "gui/reports/frmHelp.h"
#include "gui/selection/frmSelection.h"
#include "gui/startup/frmSplash.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>

using namespace tq;
using namespace tq::test;

namespace {

class AccessibleNames : public ExportWindow {
protected:
    template <typename T>
    T* own() const
    {
        return window->findChild<T*>();
    }

    AccessibilityEvents accessibility;
    std::unique_ptr<frmSplash> splash;
};

class EveryWindow;

struct WindowCase {
    const char* name;
    std::function<QWidget*(EveryWindow&)> open;
};

// The words a caption shows, as a screen reader says them.
QString captionWords(const QLabel* caption)
{
    const QString words = caption->accessibleName().isEmpty() ? caption->text() : caption->accessibleName();
    return QString(words).remove(QLatin1Char('&')).simplified();
}

class EveryWindow : public AccessibleNames, public ::testing::WithParamInterface<WindowCase> {
public:
    // Reached from the test body, where the fixture's protected members are at hand.
    friend struct Openers;
};

struct Openers {
    static QWidget* main(EveryWindow& t)
    {
        t.startWithSampleClass();
        return t.window.get();
    }
    static QWidget* mainSkillsView(EveryWindow& t)
    {
        main(t);
        t.mainControl<QPushButton>("cmdSwitch")->click();
        return t.window.get();
    }
    static QWidget* startUp(EveryWindow& t)
    {
        t.splash = std::make_unique<frmSplash>(t.state, t.dialogs);
        return t.splash.get();
    }
    static QWidget* getClass(EveryWindow& t)
    {
        t.start();
        t.window->newTrillium();
        return t.window->working.getClassDialog;
    }
    static QWidget* getClasses(EveryWindow& t)
    {
        getClass(t)->findChild<QCheckBox*>(QStringLiteral("chkMultiCourse"))->click();
        return t.window->working.getClassDialog;
    }
    static QWidget* freeForm(EveryWindow& t)
    {
        main(t);
        auto* details = t.mainControl<QLabel>("lblFreeFormComment");
        QTest::mouseClick(details, Qt::LeftButton, {}, details->rect().center());
        return t.own<frmFreeFormCommentEntry>();
    }
    static QWidget* selection(EveryWindow& t)
    {
        main(t);
        t.menu("mnuSelection")->trigger();
        return t.window->working.selectionWindow;
    }
    static QWidget* initialValues(EveryWindow& t)
    {
        main(t);
        t.menu("mnuAutoFill")->trigger();
        return t.window->working.autoFillWindow;
    }
    // A class of the master list, completed, passes the verification: the confirmation is shown.
    static QWidget* eFile(EveryWindow& t)
    {
        t.start();
        t.newClass("ENG2D1-01");
        t.completeEveryone();
        t.openExport();
        return t.exporter();
    }
    static QWidget* help(EveryWindow& t)
    {
        main(t);
        t.menu("mnuhelp")->trigger();
        return t.own<frmHelp>();
    }
};

TEST_P(EveryWindow, NamesEveryControlTheKeyboardReaches)
{
    QWidget* shown = GetParam().open(*this);
    ASSERT_TRUE(shown);
    QApplication::processEvents();
    int checked = 0;
    for (QWidget* control : shown->findChildren<QWidget*>()) {
        // Hidden controls count too: they come up in the window's other modes.
        if (control->window() != shown || control->focusPolicy() == Qt::NoFocus)
            continue;
        ++checked;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        ASSERT_TRUE(accessible) << control->objectName().toStdString();
        const QString name = accessible->text(QAccessible::Name);
        const std::string which = (control->objectName().isEmpty() ? QString::fromLatin1(control->metaObject()->className())
                                                                    : control->objectName()).toStdString();
        EXPECT_FALSE(name.trimmed().isEmpty()) << which;
        EXPECT_FALSE(name.contains(QLatin1Char('&'))) << which << ": " << name.toStdString();
        if (auto* button = qobject_cast<QToolButton*>(control); button && button->text().isEmpty()) {
            EXPECT_EQ(name, button->toolTip()) << which;
        }
    }
    EXPECT_GT(checked, 0);
    // A menu item with keys gives them as the last of the three parts of its key binding, the
    // part a screen reader says with the item.
    int keyed = 0;
    if (auto* main = qobject_cast<QMainWindow*>(shown)) {
        for (QAction* bar : main->menuBar()->actions()) {
            if (!bar->menu())
                continue;
            QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(bar->menu());
            for (int i = 0; i < menu->childCount(); ++i) {
                QAccessibleInterface* item = menu->child(i);
                const auto* action = qobject_cast<const QAction*>(item->object());
                if (!action || action->shortcut().isEmpty())
                    continue;
                ++keyed;
                QAccessibleActionInterface* press = item->actionInterface();
                ASSERT_TRUE(press && !press->actionNames().isEmpty()) << action->text().toStdString();
                EXPECT_EQ(press->keyBindingsForAction(press->actionNames().front()).value(0).section(';', 2),
                          action->shortcut().toString())
                    << action->text().toStdString();
            }
        }
    }
    if (std::string(GetParam().name) == "Main") {
        EXPECT_GT(keyed, 0);
    }
    // A list is named by its caption; a drop-down list by its caption and its choice, with no
    // label besides (a screen reader would say the label instead); other controls keep their
    // own names and have the caption as their label. Notes labelling the window itself are its
    // description.
    for (QLabel* caption : shown->findChildren<QLabel*>()) {
        if (!caption->buddy() || caption->window() != shown)
            continue;
        QAccessibleInterface* captioned = QAccessible::queryAccessibleInterface(caption->buddy());
        const std::string which = caption->buddy()->objectName().toStdString();
        if (qobject_cast<QAbstractItemView*>(caption->buddy())) {
            EXPECT_EQ(captioned->text(QAccessible::Name), captionWords(caption)) << which;
            continue;
        }
        if (auto* list = qobject_cast<QComboBox*>(caption->buddy())) {
            const QString choice = list->currentIndex() < 0 ? list->placeholderText() : list->currentText();
            const QString name = captioned->text(QAccessible::Name);
            EXPECT_TRUE(name.endsWith(", " + choice) && name.size() > choice.size() + 2) << which << ": " << name.toStdString();
            EXPECT_TRUE(captioned->relations(QAccessible::Label).isEmpty()) << which;
            continue;
        }
        if (caption->buddy() == shown) {
            if (caption->isVisible() && caption->focusPolicy() == Qt::NoFocus) {
                EXPECT_TRUE(shown->accessibleDescription().contains(caption->text().simplified()))
                    << caption->objectName().toStdString();
            }
            continue;
        }
        const auto labels = captioned->relations(QAccessible::Label);
        EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [caption](const auto& label) {
            return label.first->object() == caption;
        })) << which;
    }
}

// The Alt letter of a caption, "" for none ("&&" is a plain "&").
QString altLetter(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] != QLatin1Char('&'))
            return caption[i + 1].toUpper();
        ++i;
    }
    return {};
}

// Fails for each Alt letter that two of these captions share.
void expectNoSharedAltLetter(const QStringList& captions, const std::string& where)
{
    std::map<QString, QString> taken;
    for (const QString& caption : captions) {
        const QString letter = altLetter(caption);
        if (letter.isEmpty())
            continue;
        const auto [at, first] = taken.emplace(letter, caption);
        EXPECT_TRUE(first) << where << ": \"" << caption.toStdString() << "\" and \"" << at->second.toStdString()
                           << "\" share Alt+" << letter.toStdString();
    }
}

QRect onScreen(const QWidget* control)
{
    return QRect(control->mapToGlobal(QPoint(0, 0)), control->size());
}

// True when Tab going from `from` to `to` goes against the reading order: back up, other than
// up into a column further right, or back left along the same rows.
bool goesBack(const QRect& from, const QRect& to)
{
    constexpr int slack = 4;
    const bool above = to.bottom() < from.top() + slack;
    const bool sameRows = !above && to.top() < from.bottom() - slack;
    return (above && to.left() < from.right() - slack) || (sameRows && to.right() < from.left() + slack);
}

std::string describe(const QWidget* control)
{
    const QRect r = onScreen(control);
    return (control->objectName().isEmpty() ? std::string(control->metaObject()->className())
                                            : control->objectName().toStdString()) +
           " at (" + std::to_string(r.left()) + "," + std::to_string(r.top()) + ")";
}

TEST_P(EveryWindow, TabReachesEveryControlAndNoTwoShareAnAltLetter)
{
    QWidget* shown = GetParam().open(*this);
    ASSERT_TRUE(shown);
    comesUp(shown);
    if (!QApplication::focusWidget())
        QTest::keyClick(shown, Qt::Key_Tab);
    ASSERT_TRUE(QApplication::focusWidget());

    // Tab, round the window once.
    std::vector<QWidget*> reached;
    for (int i = 0; i < 300 && std::find(reached.begin(), reached.end(), QApplication::focusWidget()) == reached.end(); ++i) {
        reached.push_back(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_TRUE(QApplication::focusWidget()) << "Tab left the window";
        ASSERT_EQ(QApplication::focusWidget()->window(), shown) << "Tab left the window";
    }
    // Every stop can be seen, and they follow one another as the window is read: top to bottom,
    // left to right, a column beside another after it; only the step from the last stop back to
    // the first goes back.
    std::string backSteps;
    int back = 0;
    for (size_t i = 0; i < reached.size(); ++i) {
        QWidget* from = reached[i];
        QWidget* to = reached[(i + 1) % reached.size()];
        EXPECT_TRUE(from->isVisible() && !from->visibleRegion().isEmpty()) << describe(from) << " takes focus unseen";
        if (goesBack(onScreen(from), onScreen(to))) {
            ++back;
            backSteps += " " + describe(from) + " -> " + describe(to) + ";";
        }
    }
    EXPECT_LE(back, 1) << "Tab goes against the reading order:" << backSteps;

    QStringList captions;
    for (QWidget* control : shown->findChildren<QWidget*>()) {
        if (control->window() != shown || !control->isVisibleTo(shown))
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            captions << button->text();
        if (auto* label = qobject_cast<QLabel*>(control); label && label->buddy())
            captions << label->text();
        if (auto* group = qobject_cast<QGroupBox*>(control))
            captions << group->title();
        // Of a group of radio buttons Tab reaches the one chosen; the arrows go to the others.
        auto* radio = qobject_cast<QRadioButton*>(control);
        if (!control->isEnabled() || !(control->focusPolicy() & Qt::TabFocus) || control->focusProxy() ||
            (radio && !radio->isChecked()))
            continue;
        EXPECT_NE(std::find(reached.begin(), reached.end(), control), reached.end())
            << "Tab does not reach " << control->objectName().toStdString() << " ("
            << control->metaObject()->className() << ")";
    }
    if (auto* main = qobject_cast<QMainWindow*>(shown)) {
        for (QAction* menu : main->menuBar()->actions()) {
            captions << menu->text();
            if (!menu->menu())
                continue; // a command on the bar itself
            QStringList items;
            for (QAction* item : menu->menu()->actions())
                items << item->text();
            expectNoSharedAltLetter(items, menu->text().toStdString());
        }
    }
    expectNoSharedAltLetter(captions, GetParam().name);
}

// Each read-only text on show (the details panels, a report, the help) is a stop of the Tab order
// that a screen reader reads by its caret: Down moves the caret on to a later line and says so.
TEST_P(EveryWindow, ReadOnlyTextsAreReadLineByLineByTheCaret)
{
    QWidget* shown = GetParam().open(*this);
    ASSERT_TRUE(shown);
    comesUp(shown);
    int texts = 0;
    for (QWidget* control : shown->findChildren<QWidget*>()) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        if (control->window() != shown || !control->isVisible() || !accessible || !accessible->textInterface() ||
            accessible->role() != QAccessible::EditableText || !accessible->state().readOnly)
            continue;
        ++texts;
        const std::string which = describe(control);
        EXPECT_TRUE(control->focusPolicy() & Qt::TabFocus) << which;
        QAccessibleTextInterface* text = accessible->textInterface();
        if (!text->text(0, text->characterCount()).contains(QLatin1Char('\n')))
            continue; // a line alone
        control->setFocus(Qt::TabFocusReason);
        text->setCursorPosition(0);
        accessibility.clear();
        QTest::keyClick(control, Qt::Key_Down);
        const int caret = text->cursorPosition();
        int start = 0, end = 0;
        EXPECT_FALSE(text->textAtOffset(caret, QAccessible::LineBoundary, &start, &end).isEmpty()) << which;
        EXPECT_GT(start, 0) << which;
        EXPECT_FALSE(accessibility.of(QAccessible::TextCaretMoved).empty()) << which;
    }
    const std::string name = GetParam().name;
    if (name == "Main" || name == "InitialValuesSetup" || name == "Help") {
        EXPECT_GT(texts, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Windows, EveryWindow,
    ::testing::Values(WindowCase{"Main", &Openers::main}, WindowCase{"MainSkillsView", &Openers::mainSkillsView},
                      WindowCase{"StartUp", &Openers::startUp}, WindowCase{"GetClass", &Openers::getClass},
                      WindowCase{"GetClasses", &Openers::getClasses}, WindowCase{"FreeForm", &Openers::freeForm},
                      WindowCase{"CommentSelection", &Openers::selection},
                      WindowCase{"InitialValuesSetup", &Openers::initialValues}, WindowCase{"EFile", &Openers::eFile},
                      WindowCase{"Help", &Openers::help}),
    [](const ::testing::TestParamInfo<WindowCase>& info) { return std::string(info.param.name); });

} // namespace
