#pragma once
// "Free Form Comment Entry": the teacher writes a student's report comment in their own words.
// The dialog returns the text in freeFormText(), which stays empty unless Okay closes it, so
// Cancel and the close box both mean "back to coded comments".
#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tq {

namespace ui {
class Dialogs;
}

class frmFreeFormCommentEntry : public QDialog {
    Q_OBJECT

public:
    frmFreeFormCommentEntry(ui::Dialogs& dialogs, const QString& offeredText, QWidget* parent = nullptr);

    const QString& freeFormText() const { return freeFormText_; }

    void txtComment_Change();
    void cmdOkay_Click();
    void cmdCancel_Click();

private:
    QPlainTextEdit* txtComment = nullptr;
    QLabel* lblLength = nullptr;
    QPushButton* cmdOkay = nullptr;
    QPushButton* cmdCancel = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;

    void buildLayout();

    ui::Dialogs& dialogs_;
    QString freeFormText_;
};

} // namespace tq
