#pragma once
// The box in which a mark or a comment code is typed: laid over the current cell of the grid, it
// takes only what the cell may hold (a mark: a number up to 100, or "I"; a code: letters and
// digits) and follows its cell as the grid scrolls. Enter reports it; the window stores it.
// Escape closes it with nothing stored.
#include <QObject>

#include <string>

class QLineEdit;

namespace tq {

namespace ui {
class ClassGrid;
}

class CellEntryBox : public QObject {
    Q_OBJECT

public:
    enum class Holds { Mark, Code };
    explicit CellEntryBox(ui::ClassGrid& grid);

    // Opens the box over the current cell holding `text` (what the first key typed gives).
    void open(const std::string& text, Holds holds = Holds::Mark);
    Holds holds() const { return holds_; }
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
    Holds holds_ = Holds::Mark;
};

} // namespace tq
