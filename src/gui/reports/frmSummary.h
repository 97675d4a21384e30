#pragma once
// "Class Summary": the class as a whole beside the main window — the chart of the marks in their
// five bands, the figures (students, marked, incomplete, unmarked, mean, median, lowest,
// highest) and the students with no mark or an "I" — printed, previewed or saved as PDF like
// the other printouts. It is not modal: the teacher goes on working while it is open, and it
// follows the class.
#include "core/base/OnceAnInterval.h"
#include "core/reports/ClassSummary.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

namespace tq {

struct ProgramState;
class PrintScript;
namespace ui {
class Dialogs;
class LinePrinter;
class MarkChart;
} // namespace ui

class frmSummary : public QWidget {
    Q_OBJECT

public:
    // However fast the class changes, the window shows it again at most once this interval.
    static constexpr std::chrono::milliseconds defaultFollowInterval{250};

    // Shows `state.students`; the window stays hidden until showBeside.
    frmSummary(const ProgramState& state, ui::Dialogs& dialogs, QWidget* parent = nullptr);

    // The class has changed, or is about to change within the event being handled (a typed mark,
    // an undo, a sort, an open, a new class): the window shows it at the end of the event — many
    // changes in one event make one update — or, when it was last brought up to date less than
    // the follow interval ago, once that interval is over. While hidden, the window does nothing; it
    // is brought up to date as it is shown.
    void refresh();
    // 0: after every event that changed the class (tests, and the benchmark of the most the
    // window can be asked to do).
    void setFollowInterval(std::chrono::milliseconds interval) { followInterval_ = interval; }
    // Brings the window up to date at once.
    void showClass();
    // Shows the window to the right of `anchor` (or to its left when the screen has no room
    // there), or brings it to the front where it is when it is open already.
    void showBeside(const QWidget* anchor);

    // The summary on paper or into a PDF file, through the printer the teacher chooses; and in
    // a print preview, from which it can be printed too.
    void printSummary();
    void previewSummary();
    // Prints the summary of the class as it is now on the printer given; true when all of it went.
    bool printOn(ui::LinePrinter& printer);

    // What the window shows.
    const ClassSummary& shown() const { return shown_; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* lblCourses = nullptr;
    ui::MarkChart* picChart = nullptr;
    QLabel* lblStudents = nullptr;
    QLabel* lblMarked = nullptr;
    QLabel* lblIncomplete = nullptr;
    QLabel* lblUnmarked = nullptr;
    QLabel* lblMean = nullptr;
    QLabel* lblMedian = nullptr;
    QLabel* lblLowest = nullptr;
    QLabel* lblHighest = nullptr;
    QLabel* lblOtherCaption = nullptr;
    QLabel* lblOther = nullptr;
    QLabel* lblUnmarkedNames = nullptr;
    QListWidget* lstUnmarked = nullptr;
    QLabel* lblIncompleteNames = nullptr;
    QListWidget* lstIncomplete = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdPreview = nullptr;
    QPushButton* cmdClose = nullptr;

    void buildControls();
    void buildLayout();
    void showFigures(const ClassSummary& summary);
    void showNames(const ClassSummary& summary);
    PrintScript summaryPrintout();

    const ProgramState& state_;
    ui::Dialogs& dialogs_;
    ClassSummary shown_;
    bool everShown_ = false; // nothing shown yet: every control is filled the first time
    QTimer* followTimer_ = nullptr;
    std::optional<SteadyTime> lastShown_;
    std::chrono::milliseconds followInterval_ = defaultFollowInterval;
};

} // namespace tq
