// Tallyquill: start-up of the windowed program.
#include "program/ProgramState.h"
#include "program/frmEntry.h"
#include "program/frmSplash.h"
#include "ui/QtDialogs.h"

#include <QApplication>
#include <QFile>
#include <QStandardPaths>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallyquill"));

    tq::ProgramState state;
    state.folders = tq::programFoldersFor(
        QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString(),
        QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).toStdString());

    tq::ui::QtDialogs dialogs;
    tq::frmEntry window(state, dialogs);
    const bool started = window.Form_Load([&dialogs](tq::ProgramState& s) {
        tq::frmSplash splash(s, dialogs);
        splash.exec();
    });
    if (!started)
        return 0;
    return QApplication::exec();
}
