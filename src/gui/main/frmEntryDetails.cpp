// The panel of the main window around the grid: the five detail lines of the current student,
// the favourites list, the learning-skills key, and opening another favourites file.
#include "core/base/TeacherFolder.h"
#include "core/entry/SidePanelText.h"
#include "gui/main/frmEntry.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/Dialogs.h"
#include "gui/widgets/ElidedLabel.h"
#include "gui/widgets/FavouritesList.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QToolButton>

namespace tq {

void frmEntry::displayDetails(int studentIndex)
{
    if (studentIndex < 0 || studentIndex >= state_.studentCount())
        return;
    const StudentDetails d =
        studentDetails(state_.students[static_cast<size_t>(studentIndex)], state_.phrases, showCourseCodes());
    detailsCommentTooLong_ = d.tooLong;
    fraCommentWarning->setVisible(d.tooLong);
    QLabel* labels[] = {lblDetail1, lblDetail2, lblDetail3, lblDetail4, lblDetail5};
    for (size_t i = 0; i < d.lines.size(); ++i)
        labels[i]->setText(ui::fromCp1252(d.lines[i]));
    if (d.remainder.size() >= detailRemainderCut)
        commentRest_ = d.remainder;
}

void frmEntry::showFavourites()
{
    cmdOpenFavourites->setEnabled(true);
    // The caption holds a path, which is in the file system's encoding rather than the code page.
    lblFavouriteFile->setFullText(QFile::decodeName(favouritesCaption(state_.favourites.favouritesFile).c_str()));
    lstLearningSkills->hide();
    lstFavourites->show();
    QFont font = lstFavourites->font();
    font.setPointSizeF(10);
    lstFavourites->setFont(font);
    lstFavourites->showFavourites(state_.favourites, state_.phrases);
}

void frmEntry::showEditedFavourites()
{
    // In the skills view the key stays in sight; the list behind it is brought up to date for
    // when the teacher switches back.
    if (lstLearningSkills->isHidden())
        showFavourites();
    else
        lstFavourites->showFavourites(state_.favourites, state_.phrases);
    if (!state_.favourites.favouritesFile.empty()) {
        optAutoFill->setEnabled(true);
        optAutoFill->setChecked(true);
    }
}

void frmEntry::showLearningSkills()
{
    cmdOpenFavourites->setEnabled(false);
    lblFavouriteFile->setFullText(QStringLiteral("Learning Skills"));
    lstFavourites->hide();
    lstLearningSkills->show();
    lstLearningSkills->clear();
    QFont font = lstLearningSkills->font();
    font.setPointSizeF(8);
    lstLearningSkills->setFont(font);
    for (const std::string& line : learningSkillsKeyLines())
        lstLearningSkills->addItem(ui::fromCp1252(line));
}

void frmEntry::openFavourites()
{
    const QString chosen = dialogs_.openFile(this, QStringLiteral("Open Favourites"),
                                             QStringLiteral("Tallyquill Favourites (*.tqf)|*.tqf"),
                                             QFile::decodeName(favouritesDialogFolder().c_str()));
    if (chosen.isEmpty())
        return;
    state_.favourites.favouritesFile = QFile::encodeName(chosen).toStdString();
    if (MaybeMessage m = readFavourites(state_.favourites, state_.phrases))
        showMessage(*m);
    showFavourites();
    optAutoFill->setEnabled(true);
    optAutoFill->setChecked(true);
}

} // namespace tq
