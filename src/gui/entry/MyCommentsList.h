#pragma once
// The "My comments" list of the free-form comment dialog with its filter box: typing in the filter
// narrows the list (and says how many comments it shows), Up and Down move in the list from the
// filter too, Enter or a double click asks for the current comment to be inserted, F2 and Delete
// (and the list's menu) ask for it to be edited or deleted. What each does is the panel's
// (MyCommentsPanel); this shows the comments and takes the keys.
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;

namespace tq {

struct ShownMyComment {
    QString text;  // as inserted for this student
    QString title; // what the list shows: the text, and its length when it is too long
    QString kept;  // as the file keeps it, with its placeholders
    bool operator==(const ShownMyComment&) const = default;
};

class MyCommentsList : public QWidget {
    Q_OBJECT

public:
    explicit MyCommentsList(QWidget* parent = nullptr);

    // Shows `comments`, narrowed by the filter, keeping the current comment where it still is.
    void setComments(std::vector<ShownMyComment> comments);
    // The comment the list's current line shows; null when none.
    const ShownMyComment* current() const;
    QLineEdit* filterBox() const { return txtMyCommentsFilter; }
    QListWidget* list() const { return lstMyComments; }

signals:
    void insertRequested(const tq::ShownMyComment& comment);
    void editRequested(const tq::ShownMyComment& comment);
    void deleteRequested(const tq::ShownMyComment& comment);
    // The filter or the list was reached: the comments may be read again first.
    void reached();

private:
    QLabel* lblMyComments = nullptr;
    QLineEdit* txtMyCommentsFilter = nullptr;
    QListWidget* lstMyComments = nullptr;
    std::vector<ShownMyComment> comments_;
    std::vector<size_t> shown_; // the comments on the list's lines, by their index

    void applyFilter(bool announceCount);
    // A key or the keyboard's arrival in the filter (`inFilter`) or in the list.
    bool takeKey(QEvent* event, bool inFilter);
    void showMenu(const QPoint& globalPos);
};

} // namespace tq
