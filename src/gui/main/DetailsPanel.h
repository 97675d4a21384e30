#pragma once
// The panel under the grid: five lines on the current student, the over-long comment warning
// under them, and over the whole panel the click area that opens the free-form comment dialog.
// A screen reader reads it as a text of its own, a field a line; Enter or Space on it opens the
// free-form comment dialog as the click does.
#include "gui/widgets/ReadingPanel.h"

#include <array>
#include <string>
#include <vector>

class QLabel;

namespace tq {

struct StudentDetails;

class DetailsPanel : public ui::ReadingPanel {
    Q_OBJECT

public:
    explicit DetailsPanel(QWidget* parent);

    // The five lines on screen, and what a screen reader reads of the same student.
    void showDetails(const StudentDetails& details, const std::vector<std::string>& reading);
    void clear();
    // The student on show has a comment over the Trillium limit (the warning is up).
    bool commentTooLong() const { return commentTooLong_; }
    // What did not fit into the detail lines, from the last student whose rest was long enough.
    const std::string& commentRest() const { return commentRest_; }

signals:
    void freeFormClicked();

private:
    int panelHeight() const;
    void placeLines();

    std::array<QLabel*, 5> lines_{}; // lblDetail1 .. lblDetail5
    QFrame* fraCommentWarning = nullptr;
    QLabel* lblCommentWarning = nullptr;
    QLabel* lblFreeFormComment = nullptr;
    bool commentTooLong_ = false;
    std::string commentRest_;
};

} // namespace tq
