#include "gui/main/ClassFileStatus.h"

#include "core/recovery/RecoveryTexts.h"
#include "gui/widgets/NamedControls.h"

#include <QFile>
#include <QLabel>
#include <QStatusBar>

namespace tq {

ClassFileStatus::ClassFileStatus(QStatusBar& bar) : QObject(&bar)
{
    lblClassFile = ui::named(new QLabel(&bar), "lblClassFile");
    lblClassFile->setTextFormat(Qt::PlainText);
    bar.addWidget(lblClassFile, 1);
}

// The status line names the file the open class was read from or last saved to; a class made
// from the master list has none until it is saved.
void ClassFileStatus::showFile(const std::string& path, bool readOnly, const std::string& unprotected)
{
    restoredFrom_.clear();
    const QString readOnlyNote = readOnly ? QStringLiteral(" (read-only: save it under another name)")
                                 : !unprotected.empty()
                                     ? QStringLiteral(" \u2014 not protected against a second copy: ") + QString::fromUtf8(unprotected)
                                     : QString();
    lblClassFile->setText(path.empty() ? QStringLiteral("Class file: not saved yet")
                                       : QStringLiteral("Class file: ") + QFile::decodeName(path.c_str()) + readOnlyNote);
}

void ClassFileStatus::showLockTaken(const std::string& path)
{
    lblClassFile->setText(QStringLiteral("Class file: ") + QFile::decodeName(path.c_str()) +
                          QStringLiteral(" \u2014 this copy now holds its lock: a second copy opening it is told."));
}

void ClassFileStatus::showRestored(const std::string& originalFile)
{
    showFile(originalFile);
    restoredFrom_ = originalFile;
    lblClassFile->setText(QString::fromUtf8(restoredClassStatus(originalFile)));
}

} // namespace tq
