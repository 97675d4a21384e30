#include "gui/main/FavouritesPanel.h"

#include "core/entry/SidePanelText.h"
#include "core/selection/FavouritesFile.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/ElidedLabel.h"
#include "gui/widgets/FavouritesList.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/NamedControls.h"

#include <QFile>
#include <QVBoxLayout>

namespace tq {

FavouritesPanel::FavouritesPanel(QWidget* parent) : QWidget(parent)
{
    lblFavouriteFile = ui::named(new ui::ElidedLabel(this), "lblFavouriteFile");
    lstFavourites = ui::named(new FavouritesList(FavouritesListKind::Palette, this), "lstFavourites");
    lstLearningSkills = ui::named(new QListWidget(this), "lstLearningSkills");
    lstFavourites->setFont(ui::programFont(QStringLiteral("MS Sans Serif"), 10));
    lstLearningSkills->setFont(ui::programFont(QStringLiteral("MS Sans Serif"), 8));
    lstLearningSkills->hide();
    lstLearningSkills->setAccessibleName(QStringLiteral("Learning Skills"));
    ui::captionControl(lblFavouriteFile, lstFavourites);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(lblFavouriteFile);
    column->addWidget(lstFavourites, 1);
    column->addWidget(lstLearningSkills, 1);
    for (QListWidget* list : std::initializer_list<QListWidget*>{lstFavourites, lstLearningSkills})
        list->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    connect(lstFavourites, &FavouritesList::placeChosen, this, &FavouritesPanel::placeChosen);
}

void FavouritesPanel::showFavourites(const Favourites& favourites, const PhraseLibrary& library)
{
    // The caption holds a path, which is in the file system's encoding rather than the code page.
    ui::captionControl(lblFavouriteFile, lstFavourites);
    lblFavouriteFile->setFullText(QFile::decodeName(favouritesCaption(favourites.favouritesFile).c_str()));
    lstLearningSkills->hide();
    lstFavourites->show();
    QFont font = lstFavourites->font();
    font.setPointSizeF(10);
    lstFavourites->setFont(font);
    lstFavourites->showFavourites(favourites, library);
}

void FavouritesPanel::showLearningSkills()
{
    ui::captionControl(lblFavouriteFile, lstLearningSkills);
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

bool FavouritesPanel::learningSkillsShown() const
{
    return !lstLearningSkills->isHidden();
}

void FavouritesPanel::setListMinimumSize(QSize size)
{
    for (QListWidget* list : std::initializer_list<QListWidget*>{lstFavourites, lstLearningSkills})
        list->setMinimumSize(size);
}

void FavouritesPanel::shortenLists(int cut)
{
    for (QListWidget* list : std::initializer_list<QListWidget*>{lstFavourites, lstLearningSkills})
        list->setMinimumHeight(list->minimumHeight() - cut);
}

QWidget* FavouritesPanel::skillsKey() const
{
    return lstLearningSkills;
}

int FavouritesPanel::captionHeight() const
{
    return lblFavouriteFile->sizeHint().height();
}

} // namespace tq
