#pragma once
// A one-line label for a text that may be longer than the room it has, such as a file's full
// path: it shows as much as fits, with the middle left out ("/home/t/…/Sample.tqf"), keeps the
// whole text as its tooltip and as the name a screen reader reads (for the control it captions
// too, see captionControl), and never widens the window it stands in.
#include <QLabel>

namespace tq::ui {

class ElidedLabel : public QLabel {
    Q_OBJECT

public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    // The whole text (QLabel::text() is what is on show).
    void setFullText(const QString& text);
    const QString& fullText() const { return full_; }

    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showFitting();

    QString full_;
};

} // namespace tq::ui
