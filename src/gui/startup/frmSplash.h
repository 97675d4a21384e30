#pragma once
// The start-up window: shown modally while the main window loads. It decides whether the screen is
// the small one and lets the teacher pick a favourites file or carry on without one.
#include <QDialog>

class QLabel;
class QPushButton;

namespace tq {
struct ProgramState;
namespace ui {
class Dialogs;
}

// The working windows shrink their layouts on a screen exactly 600 pixels high.
bool isSmallScreen(int screenHeightPixels);

class frmSplash : public QDialog {
    Q_OBJECT
public:
    frmSplash(ProgramState& state, ui::Dialogs& dialogs, QWidget* parent = nullptr);

public slots:
    void cmdOpenFavourites_Click();
    void cmdCancel_Click();

private:
    QLabel* Label1 = nullptr;   // the program's name in the display font
    QLabel* Label2 = nullptr;   // version and school
    QLabel* Label3 = nullptr;   // credits
    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    QPushButton* cmdOpenFavourites = nullptr;
    QPushButton* cmdCancel = nullptr;

    void buildControls();
    void Form_Load();

    ProgramState& state_;
    ui::Dialogs& dialogs_;
};

} // namespace tq
