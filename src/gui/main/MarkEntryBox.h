#pragma once
// The box in which a mark is typed: laid over the current mark cell of the grid, it takes only
// what a mark may hold (a number up to 100, or "I") and follows its cell as the grid scrolls.
// Enter reports the mark; the window stores it.
#include <QObject>

#include <string>

class QLineEdit;

namespace tq {

namespace ui {
class ClassGrid;
}

class MarkEntryBox : public QObject {
    Q_OBJECT

public:
    explicit MarkEntryBox(ui::ClassGrid& grid);

    // Opens the box over the current cell holding `text` (what the first key typed gives).
    void open(const std::string& text);
    // Closes the box; what was typed is not stored. The grid takes the keyboard back.
    void close();
    bool isOpen() const;
    std::string text() const;

signals:
    void enterPressed();

private:
    void place();
    void keyReleased(int qtKey);

    ui::ClassGrid& grid_;
    QLineEdit* txtDataEntry = nullptr;
};

} // namespace tq
