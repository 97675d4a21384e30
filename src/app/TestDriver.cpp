#include "app/TestDriver.h"

#include "core/classdata/ClassFile.h"
#include "core/entry/ClassGridLayout.h"
#include "core/program/ProgramState.h"
#include "gui/main/frmEntry.h"
#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/Dialogs.h"
#include "gui/widgets/FavouritesList.h"
#include "gui/widgets/LinePrinter.h"
#include "gui/widgets/NamedControls.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSocketNotifier>

#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <sstream>
#include <thread>

namespace tq {

namespace {
std::string bytesOf(const QString& s) { return s.toStdString(); }

// Every box and dialog said on the channel, and answered from it.
class DriverDialogs : public ui::Dialogs {
public:
    explicit DriverDialogs(DriverChannel& channel) : channel_(channel) {}

    void message(QWidget*, const QString& text, const QString& title, Icon) override
    {
        channel_.say("message " + bytesOf(title) + "|" + bytesOf(text));
    }
    bool question(QWidget*, const QString& text, const QString& title) override
    {
        channel_.say("question " + bytesOf(title) + "|" + bytesOf(text));
        return channel_.waitLine().value_or("no") == "yes";
    }
    // Said as a question too; answered "yes", "no", or anything else for Cancel.
    Answer questionWithCancel(QWidget*, const QString& text, const QString& title) override
    {
        channel_.say("question " + bytesOf(title) + "|" + bytesOf(text));
        const std::string answer = channel_.waitLine().value_or("cancel");
        return answer == "yes" ? Answer::Yes : answer == "no" ? Answer::No : Answer::Cancel;
    }
    // Answered by a button's text; anything else is the last button (Cancel).
    int choose(QWidget*, const QString& text, const QString& title, const QStringList& buttons, int) override
    {
        channel_.say("choice " + bytesOf(title) + "|" + bytesOf(text) + "|" + bytesOf(buttons.join(QLatin1Char('/'))));
        const qsizetype chosen = buttons.indexOf(QString::fromStdString(channel_.waitLine().value_or("")));
        return chosen < 0 ? static_cast<int>(buttons.size()) - 1 : static_cast<int>(chosen);
    }
    QString input(QWidget*, const QString& prompt, const QString& title, const QString&) override
    {
        channel_.say("input " + bytesOf(title) + "|" + bytesOf(prompt));
        return QString::fromStdString(channel_.waitLine().value_or(""));
    }
    QString openFile(QWidget*, const QString& title, const QString&, const QString& initialFolder) override
    {
        channel_.say("open-file " + bytesOf(title) + "|" + bytesOf(initialFolder));
        return QString::fromStdString(channel_.waitLine().value_or(""));
    }
    QString saveFile(QWidget*, const QString& title, const QString& filter, const QString& initialFolder,
                     const QString& fileName) override
    {
        channel_.say("save-file " + bytesOf(title) + "|" + bytesOf(initialFolder) + "|" + bytesOf(fileName));
        return ui::pathWithRequiredExtension(QString::fromStdString(channel_.waitLine().value_or("")), filter);
    }
    std::unique_ptr<ui::LinePrinter> choosePrinter(QWidget*, QPageLayout::Orientation) override
    {
        channel_.say("printer");
        return nullptr;
    }
    void previewPrint(QWidget*, const QString& title, QPageLayout::Orientation, PaintPages) override
    {
        channel_.say("preview " + bytesOf(title));
    }

private:
    DriverChannel& channel_;
};

void sendKey(QWidget* target, int qtKey, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
}

void releaseKey(QWidget* target, int qtKey, const QString& text)
{
    QKeyEvent release(QEvent::KeyRelease, qtKey, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

// The main window's controls the driver works with, found by name as a test finds them.
ui::ClassGrid& gridOf(const frmEntry& window)
{
    return *ui::findNamed<ui::ClassGrid>(&window, "msfgClass");
}

QLineEdit& markBoxOf(const frmEntry& window)
{
    return *ui::findNamed<QLineEdit>(&window, "txtDataEntry");
}

FavouritesList& favouritesOf(const frmEntry& window)
{
    return *ui::findNamed<FavouritesList>(&window, "lstFavourites");
}

// A control of the main window, or else of another window on show (a dialog over it).
template <typename T>
T* namedOnShow(const frmEntry& window, const char* name)
{
    if (T* own = ui::findNamed<T>(&window, name))
        return own;
    for (QWidget* other : QApplication::topLevelWidgets())
        if (other->isVisible())
            if (T* control = ui::findNamed<T>(other, name))
                return control;
    return nullptr;
}

// One key stroke as the teacher types it: the press goes to the grid or the open mark box, the
// release to whichever has the keyboard then.
void typeKey(frmEntry& window, int qtKey, const QString& text)
{
    const auto target = [&window]() -> QWidget* {
        QLineEdit& box = markBoxOf(window);
        return box.isVisible() ? static_cast<QWidget*>(&box) : &gridOf(window);
    };
    sendKey(target(), qtKey, text);
    releaseKey(target(), qtKey, text);
}

// False when the cell is not on show (a column of the other view).
bool clickCell(ui::ClassGrid& grid, int row, int col, Qt::MouseButton button)
{
    if (grid.cellRect(row, col).isEmpty() && row >= grid.fixedRows())
        grid.setTopRow(row);
    if (grid.cellRect(row, col).isEmpty())
        return false;
    const QPointF at = grid.viewport()->mapFrom(&grid, grid.cellRect(row, col).center());
    const QPointF global = grid.viewport()->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, button, button, Qt::NoModifier);
    QApplication::sendEvent(grid.viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, button, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(grid.viewport(), &release);
    return true;
}
} // namespace

std::unique_ptr<TestDriver> TestDriver::fromEnvironment()
{
    const std::optional<TestDriverSettings> settings = testDriverFromEnvironment();
    return settings ? std::make_unique<TestDriver>(*settings) : nullptr;
}

TestDriver::TestDriver(TestDriverSettings settings)
    : settings_(settings), dialogs_(std::make_unique<DriverDialogs>(channel_))
{
}

TestDriver::~TestDriver() = default;

ui::Dialogs& TestDriver::dialogs()
{
    return *dialogs_;
}

CopyWriteHook TestDriver::recoveryWriteHook()
{
    if (settings_.holdWrite == 0)
        return {};
    // On the writer's thread: the held write stays where it is until the program is ended.
    return [this](CopyWriteStep step) {
        if (step == CopyWriteStep::FolderMade)
            ++writes_;
        if (writes_ == settings_.holdWrite && step == settings_.holdStep) {
            channel_.say("held " + std::string(copyWriteStepName(step)));
            for (;;)
                std::this_thread::sleep_for(std::chrono::hours(1));
        }
    };
}

void TestDriver::drive(frmEntry& window, ProgramState& state)
{
    window_ = &window;
    state_ = &state;
    notifier_ = new QSocketNotifier(channel_.input(), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { readCommands(); });
    channel_.say("ready");
}

void TestDriver::readCommands()
{
    // Not again while a command runs: one that waits in an event loop of its own reads the lines
    // it needs itself.
    notifier_->setEnabled(false);
    if (!channel_.fill()) {
        QCoreApplication::exit(0); // the test has gone
        return;
    }
    while (std::optional<std::string> command = channel_.takeLine()) {
        if (run(*command))
            channel_.say("done " + std::to_string(++commands_) + " " + classChecksum());
        else
            channel_.say("error " + *command);
    }
    notifier_->setEnabled(true);
}

bool TestDriver::run(const std::string& command)
{
    std::istringstream in(command);
    std::string verb;
    in >> verb;
    frmEntry& window = *window_;
    if (verb == "mark") {
        int row = 0;
        std::string text;
        if (!(in >> row >> text) || row < 1 || row > state_->studentCount())
            return false;
        gridOf(window).setCurrent(row, markColumn);
        for (char c : text) {
            const int qtKey = c >= 'a' && c <= 'z' ? c - 'a' + Qt::Key_A : static_cast<int>(c);
            typeKey(window, qtKey, QString(QChar(c)));
        }
        typeKey(window, Qt::Key_Return, QStringLiteral("\r"));
        return true;
    }
    if (verb == "click") {
        int row = -1;
        int col = -1;
        std::string button;
        if (!(in >> row >> col >> button) || row < 0 || row > state_->studentCount() || col < 0 ||
            col >= gridColumnCount)
            return false;
        return clickCell(gridOf(window), row, col, button == "right" ? Qt::RightButton : Qt::LeftButton);
    }
    if (verb == "favourite") {
        int index = -1;
        if (!(in >> index) || index < 0 || index >= favouritesOf(window).count())
            return false;
        favouritesOf(window).setCurrentRow(index);
        return true;
    }
    if (verb == "menu" || verb == "button") {
        std::string name;
        in >> name;
        if (verb == "menu") {
            auto* action = ui::findNamed<QAction>(&window, name.c_str());
            if (!action || !action->isEnabled())
                return false;
            action->trigger();
        } else {
            auto* button = namedOnShow<QAbstractButton>(window, name.c_str());
            if (!button || !button->isEnabled())
                return false;
            button->click();
        }
        return true;
    }
    if (verb == "freeform") {
        int row = 0;
        std::string text;
        if (!(in >> row) || row < 1 || row > state_->studentCount() || !std::getline(in >> std::ws, text))
            return false;
        gridOf(window).setCurrent(row, markColumn);
        window.run(MainCommand::FreeForm);
        auto* box = namedOnShow<QPlainTextEdit>(window, "txtComment");
        if (!box)
            return false;
        box->selectAll();
        box->insertPlainText(QString::fromStdString(text));
        return true;
    }
    if (verb == "dump") {
        std::string path;
        std::getline(in >> std::ws, path);
        return saveClassFile(path, state_->students);
    }
    if (verb == "flush") {
        state_->recovery.flush();
        return true;
    }
    return false;
}

std::string TestDriver::classChecksum() const
{
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016" PRIx64, copyChecksum(classFileText(state_->students)));
    return hex;
}

} // namespace tq
