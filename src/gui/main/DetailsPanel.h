#pragma once
// The panel under the grid: five lines on the current student, the over-long comment warning
// under them, and over the whole panel the click area that opens the free-form comment dialog.
#include <QFrame>

#include <array>
#include <string>

class QLabel;

namespace tq {

struct StudentDetails;

class DetailsPanel : public QFrame {
    Q_OBJECT

public:
    explicit DetailsPanel(QWidget* parent);

    void showDetails(const StudentDetails& details);
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
