#pragma once
// The help window: the program's name, version and credits, shown beside the main window.
#include <QDialog>

class QPushButton;
class QTextEdit;

namespace tq {

class frmHelp : public QDialog {
    Q_OBJECT
public:
    explicit frmHelp(QWidget* parent = nullptr);

    // Fills Text1 with the help text, one line to a paragraph.
    void printstuff();

public slots:
    void Command1_Click();

private:
    QTextEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr;
};

} // namespace tq
