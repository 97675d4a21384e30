#include "gui/main/DetailsPanel.h"

#include "core/entry/StudentDetails.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/EventHook.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/NamedControls.h"

#include <QAccessible>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>

namespace tq {

namespace {
constexpr int detailMarginX = 6;
constexpr int detailMarginY = 4;
constexpr int warningLineCount = 2;
} // namespace

DetailsPanel::DetailsPanel(QWidget* parent) : ui::ReadingPanel(parent, QStringLiteral("Student details"))
{
    setObjectName(QStringLiteral("Shape1"));
    setFrameShape(QFrame::Box);
    const QFont fixed = ui::programFont(QStringLiteral("Courier New"), 8);
    for (size_t n = 0; n < lines_.size(); ++n) {
        lines_[n] = new QLabel(this);
        lines_[n]->setObjectName(QStringLiteral("lblDetail%1").arg(n + 1));
        lines_[n]->setFont(fixed);
        lines_[n]->setTextFormat(Qt::PlainText);
    }
    // The over-long comment warning, under the five lines: shown while the student on show has
    // one, it takes no key and no click from the grid, so marks typed at speed land where meant.
    fraCommentWarning = ui::named(new QFrame(this), "fraCommentWarning");
    fraCommentWarning->setAutoFillBackground(true);
    QPalette warningColours = fraCommentWarning->palette();
    warningColours.setColor(QPalette::Window, QColor(255, 244, 206));
    warningColours.setColor(QPalette::WindowText, QColor(160, 0, 0));
    fraCommentWarning->setPalette(warningColours);
    auto* warningIcon = new QLabel(fraCommentWarning);
    warningIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(QSize(20, 20)));
    lblCommentWarning = ui::named(new QLabel(fraCommentWarning), "lblCommentWarning");
    lblCommentWarning->setTextFormat(Qt::RichText);
    lblCommentWarning->setWordWrap(true);
    lblCommentWarning->setFont(ui::programFont(QStringLiteral("MS Sans Serif"), 8));
    lblCommentWarning->setText(QStringLiteral("<b>") + ui::fromCp1252(commentTooLongMessage().title).toHtmlEscaped() +
                               QStringLiteral("</b>&nbsp;&nbsp; ") +
                               ui::fromCp1252(commentTooLongMessage().text).toHtmlEscaped());
    auto* warningRow = new QHBoxLayout(fraCommentWarning);
    warningRow->setContentsMargins(6, 1, 6, 1);
    warningRow->addWidget(warningIcon, 0, Qt::AlignVCenter);
    warningRow->addWidget(lblCommentWarning, 1);
    fraCommentWarning->hide();

    lblFreeFormComment = ui::named(new QLabel(this), "lblFreeFormComment");
    lblFreeFormComment->setAttribute(Qt::WA_TranslucentBackground);
    lblFreeFormComment->setCursor(Qt::PointingHandCursor);
    lblFreeFormComment->setToolTip(QStringLiteral("Click to write a free form comment for this student"));
    lblFreeFormComment->setAccessibleName(QStringLiteral("Write a free form comment for this student"));
    lblFreeFormComment->raise();
    ui::onEvent(lblFreeFormComment, QEvent::MouseButtonRelease, [this](QEvent* e) {
        auto* mouse = static_cast<QMouseEvent*>(e);
        if (mouse->button() == Qt::LeftButton && lblFreeFormComment->rect().contains(mouse->position().toPoint()))
            emit freeFormClicked();
    });

    connect(this, &ui::ReadingPanel::activated, this, &DetailsPanel::freeFormClicked);

    setFixedHeight(panelHeight());
    ui::onEvent(this, QEvent::Resize, [this](QEvent*) { placeLines(); });
    placeLines();
}

void DetailsPanel::showDetails(const StudentDetails& details, const std::vector<std::string>& reading)
{
    QStringList lines;
    for (const std::string& line : reading)
        lines << ui::fromCp1252(line);
    setReadingLines(lines);
    commentTooLong_ = details.tooLong;
    const bool warningAppears = details.tooLong && fraCommentWarning->isHidden();
    fraCommentWarning->setVisible(details.tooLong);
    // A screen reader says the warning as it comes up (not again while it stays up for the
    // next over-long student): an alert is what asks for the teacher's attention at once.
    if (warningAppears && QAccessible::isActive()) {
        QAccessibleEvent alert(lblCommentWarning, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
    for (size_t i = 0; i < details.lines.size() && i < lines_.size(); ++i)
        lines_[i]->setText(ui::fromCp1252(details.lines[i]));
    if (details.remainder.size() >= detailRemainderCut)
        commentRest_ = details.remainder;
}

void DetailsPanel::clear()
{
    for (QLabel* line : lines_)
        line->clear();
    setReadingLines({});
}

// The five detail lines, then room for the two lines of the over-long comment warning.
int DetailsPanel::panelHeight() const
{
    const int line = lines_[0]->fontMetrics().lineSpacing() + 2;
    const int warning = lblCommentWarning->fontMetrics().lineSpacing() * warningLineCount + 4;
    return frameWidth() * 2 + detailMarginY * 3 + line * static_cast<int>(lines_.size()) + warning;
}

// The five detail lines stand one under the other with the warning below them, and the free-form
// comment's click area covers the whole panel. They are placed here rather than by a layout: a
// layout would have a detail line's new text (every move to another student) lay the whole main
// window out again and repaint much of it; and the warning coming and going moves nothing else.
void DetailsPanel::placeLines()
{
    const QRect inside = contentsRect().adjusted(detailMarginX, detailMarginY, -detailMarginX, -detailMarginY);
    const int line = lines_[0]->fontMetrics().lineSpacing() + 2;
    int top = inside.top();
    for (QLabel* label : lines_) {
        label->setGeometry(inside.left(), top, inside.width(), line);
        top += line;
    }
    top += detailMarginY;
    fraCommentWarning->setGeometry(inside.left() - 2, top, inside.width() + 4, inside.bottom() + 1 - top);
    lblFreeFormComment->setGeometry(rect());
}

} // namespace tq
