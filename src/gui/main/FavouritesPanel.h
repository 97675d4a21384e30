#pragma once
// The panel beside the grid: the favourites list the teacher places codes from, with the file it
// came from above it, and in the skills view the learning-skills key in its place.
#include <QWidget>

class QListWidget;

namespace tq {

class FavouritesList;
struct Favourites;
class PhraseLibrary;
namespace ui {
class ElidedLabel;
}

class FavouritesPanel : public QWidget {
    Q_OBJECT

public:
    explicit FavouritesPanel(QWidget* parent);

    FavouritesList& favouritesList() const { return *lstFavourites; }
    QWidget* skillsKey() const;
    void showFavourites(const Favourites& favourites, const PhraseLibrary& library);
    void showLearningSkills();
    bool learningSkillsShown() const;

    // Both lists are at least `size`; on a small screen they give up `cut` pixels of height.
    void setListMinimumSize(QSize size);
    void shortenLists(int cut);
    int captionHeight() const;

signals:
    // Enter on a favourite: the teacher places its code for the current student.
    void placeChosen();

private:
    ui::ElidedLabel* lblFavouriteFile = nullptr;
    FavouritesList* lstFavourites = nullptr;
    QListWidget* lstLearningSkills = nullptr;
};

} // namespace tq
