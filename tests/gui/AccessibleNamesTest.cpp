// What a screen reader calls the controls of every window: each control the keyboard can reach
// has a name, picture buttons are named by their tooltips, names carry no mnemonic "&", and a
// control under a caption is named by the caption's words.
#include "AccessibilityEvents.h"
#include "ExportFixture.h"

#include "gui/entry/frmFreeFormCommentEntry.h"
#include "gui/initialvalues/frmAutoFill.h"
#include "gui/reports/frmHelp.h"
#include "gui/selection/frmSelection.h"
#include "gui/startup/frmSplash.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <functional>
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
    // A list is named by its caption; other controls keep their own names (a drop-down list is
    // named by its choice) and have the caption as their label.
    for (QLabel* caption : shown->findChildren<QLabel*>()) {
        if (!caption->buddy() || caption->window() != shown)
            continue;
        QAccessibleInterface* captioned = QAccessible::queryAccessibleInterface(caption->buddy());
        const std::string which = caption->buddy()->objectName().toStdString();
        if (qobject_cast<QAbstractItemView*>(caption->buddy())) {
            EXPECT_EQ(captioned->text(QAccessible::Name), captionWords(caption)) << which;
            continue;
        }
        const auto labels = captioned->relations(QAccessible::Label);
        EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [caption](const auto& label) {
            return label.first->object() == caption;
        })) << which;
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
