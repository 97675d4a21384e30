// Tallyquill: start-up of the windowed program, or of its command line when a command is given.
#include "app/CommandLine.h"
#include "app/EndOnSignal.h"
#include "app/QuitAfterStart.h"
#include "app/QuitOnceShown.h"
#include "app/TestDriver.h"
#include "app/WindowArguments.h"
#include "core/base/TeacherFolder.h"
#include "core/program/ProgramState.h"
#include "core/program/SetupFile.h"
#include "core/recovery/RecoveryNames.h"
#include "core/spelling/TeacherWords.h"
#include "gui/main/frmEntry.h"
#include "gui/startup/frmSplash.h"
#include "gui/widgets/QtDialogs.h"
#include "gui/widgets/StampCursor.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QSessionManager>

#include <future>
#include <iostream>

int main(int argc, char** argv)
{
    // A command runs without any window, before Qt is started.
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (tq::isCommandLineRequest(args))
        return tq::runCommandLine(args, tq::executableFolder(argv[0]), std::cout, std::cerr);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallyquill"));
    // The desktop entry's name, so that the desktop shows the window under the program's icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("tallyquill"));
    tq::loadIconResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tallyquill.svg")));
    // Qt has taken its own options (-platform, -style, ...) out of argv by now.
    const tq::WindowArguments given = tq::windowArguments(std::vector<std::string>(argv + 1, argv + argc));

    // The folders beside the program, then the administrator's set-up file, then the command line.
    tq::ProgramState state;
    state.folders = tq::programFoldersFor(QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString(),
                                          tq::documentsFolderOfUser());
    tq::applySetupFile(state);
    tq::applyWindowArguments(given, state);
    state.spelling.setup.teacherWordsFile = tq::teacherWordsFileOfUser();

    // The phrase library is read on a thread of its own from here on, while the start-up window is
    // on screen and the main window is built.
    std::future<tq::PhraseLibraryLoad> reading = tq::frmEntry::startReadingLibrary(state);

    // A test may drive the program from outside (see TestDriver.h); its dialogs then answer it.
    const std::unique_ptr<tq::TestDriver> driver = tq::TestDriver::fromEnvironment();
    tq::ui::QtDialogs qtDialogs;
    tq::ui::Dialogs& dialogs = driver ? driver->dialogs() : qtDialogs;
    dialogs.describeReplacedFilesWith([&state](const QString& path) {
        return QString::fromUtf8(tq::replacedFileDetails(state.knownFiles, QFile::encodeName(path).toStdString(),
                                                         state.clock()));
    });
    // The start-up benchmark's timed start (see QuitAfterStart.h): it ends once the start-up
    // window is painted, or skips that window and ends once the main window is painted.
    const std::optional<tq::QuitAfterStart> timedStart = tq::quitAfterStartFromEnvironment();
    const bool toMainWindow = timedStart && timedStart->window == tq::QuitAfterStart::Window::Main;
    // The start-up window comes up before the main window is built, so that the teacher sees it at
    // once; the main window is built once the teacher has chosen.
    if (!driver && !toMainWindow) {
        tq::frmSplash splash(state, dialogs);
        if (timedStart)
            tq::quitOnceShown(&splash);
        splash.exec();
        if (timedStart)
            return 0; // once the library's reading has finished (the reading's end is awaited)
    }
    if (toMainWindow)
        state.favourites.favouritesFile = timedStart->favouritesFile;
    tq::frmEntry window(state, dialogs);
    const bool started = window.Form_Load([](tq::ProgramState&) {}, std::move(reading));
    if (!started)
        return 0;
    // Copies of unsaved work, in the user's own data folder; the copies a session that did not
    // end normally left are offered back first. (Not in the timed start, which asks nothing.)
    if (!timedStart) {
        tq::RecoveryCopies::Settings recovery;
        recovery.folder = tq::recoveryFolderOfUser();
        if (driver) {
            recovery.interval = driver->recoveryInterval();
            recovery.writeHook = driver->recoveryWriteHook();
        }
        window.startRecoveryCopies(std::move(recovery));
    }
    // The system ending the program (a shutdown, `kill`, a closed terminal) costs no work: one
    // last recovery copy, the locks let go of, and no question.
    tq::endOnSignals(&window, [&window] { window.endWithoutAsking(); });
    // The desktop's logout asks as Exit does, where the session lets the program ask.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, [&window](QSessionManager& session) {
        const bool mayAsk = session.allowsInteraction();
        const bool goOn = window.sessionEnding(mayAsk);
        if (mayAsk)
            session.release();
        if (!goOn)
            session.cancel();
    });
    if (!given.classFile.empty())
        window.openClassFromCommandLine(given.classFile);
    if (timedStart)
        tq::quitOnceShown(&window);
    if (driver)
        driver->drive(window, state);
    const int result = QApplication::exec();
    state.recovery.finish();
    return result;
}
