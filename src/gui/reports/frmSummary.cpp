#include "gui/reports/frmSummary.h"

#include "core/program/ProgramState.h"
#include "core/reports/ClassSummaryReport.h"
#include "gui/reports/MarkChart.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/CurrentItem.h"
#include "gui/widgets/FocusRing.h"
#include "gui/widgets/NamedControls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace tq {

namespace {

QLabel* caption(QWidget* parent, const QString& words)
{
    auto* label = new QLabel(words, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A figure's value, read out under its caption's words. Its size is fixed, as wide as the widest
// figure: a new value then repaints the label alone, without laying out the window again. Tab
// stops at it, and a screen reader reads it with its caption: "Students: 28".
const char* const figureWords = "figureWords";

QLabel* figure(QWidget* parent, const char* name, const QString& words)
{
    QLabel* label = ui::named(new QLabel(QStringLiteral("100.0"), parent), name, words);
    label->setTextFormat(Qt::PlainText);
    label->setFixedSize(label->sizeHint());
    label->setProperty(figureWords, words);
    label->setFocusPolicy(Qt::StrongFocus);
    ui::showFocusRing(label);
    return label;
}

void showFigure(QLabel* label, const QString& value)
{
    label->setText(value);
    const QString name = label->property(figureWords).toString() + QStringLiteral(": ") + value;
    if (label->accessibleName() != name) // a screen reader is told of a change, and only of one
        label->setAccessibleName(name);
}

QListWidget* namesList(QWidget* parent, const char* name, const QString& words)
{
    QListWidget* list = ui::named(new QListWidget(parent), name, words);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    list->setMinimumHeight(list->fontMetrics().lineSpacing() * 6);
    ui::keepCurrentItem(*list);
    return list;
}

void fillNames(QListWidget* list, const std::vector<std::string>& names)
{
    QStringList items;
    items.reserve(static_cast<qsizetype>(names.size()));
    for (const std::string& name : names)
        items << ui::fromCp1252(name);
    list->clear();
    list->addItems(items);
}

} // namespace

frmSummary::frmSummary(const ProgramState& state, ui::Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("frmSummary"));
    setWindowTitle(QStringLiteral("Class Summary"));
    setAccessibleName(windowTitle());
    buildControls();
    buildLayout();
    followTimer_ = new QTimer(this);
    followTimer_->setSingleShot(true);
    followTimer_->setTimerType(Qt::PreciseTimer);
    connect(followTimer_, &QTimer::timeout, this, [this] { showClass(); });
}

void frmSummary::buildControls()
{
    lblCourses = ui::named(new QLabel(this), "lblCourses", QStringLiteral("Class"));
    lblCourses->setTextFormat(Qt::PlainText);
    QFont heading = lblCourses->font();
    heading.setBold(true);
    lblCourses->setFont(heading);

    picChart = ui::named(new ui::MarkChart(this), "picChart", QStringLiteral("Chart of the marks by band"));

    lblStudents = figure(this, "lblStudents", QStringLiteral("Students"));
    lblMarked = figure(this, "lblMarked", QStringLiteral("Marked"));
    lblIncomplete = figure(this, "lblIncomplete", QStringLiteral("Incomplete (I)"));
    lblUnmarked = figure(this, "lblUnmarked", QStringLiteral("Unmarked"));
    lblMean = figure(this, "lblMean", QStringLiteral("Mean"));
    lblMedian = figure(this, "lblMedian", QStringLiteral("Median"));
    lblLowest = figure(this, "lblLowest", QStringLiteral("Lowest"));
    lblHighest = figure(this, "lblHighest", QStringLiteral("Highest"));
    lblOther = figure(this, "lblOther", QStringLiteral("Other marks"));

    lstUnmarked = namesList(this, "lstUnmarked", QStringLiteral("Students with no mark"));
    lstIncomplete = namesList(this, "lstIncomplete", QStringLiteral("Students with I"));
    lblUnmarkedNames = ui::named(caption(this, QString()), "lblUnmarkedNames");
    lblUnmarkedNames->setBuddy(lstUnmarked);
    lblIncompleteNames = ui::named(caption(this, QString()), "lblIncompleteNames");
    lblIncompleteNames->setBuddy(lstIncomplete);

    cmdPrint = ui::named(new QPushButton(QStringLiteral("&Print..."), this), "cmdPrint", QStringLiteral("Print"));
    cmdPreview = ui::named(new QPushButton(QStringLiteral("Print Pre&view"), this), "cmdPreview",
                           QStringLiteral("Print Preview"));
    cmdClose = ui::named(new QPushButton(QStringLiteral("&Close"), this), "cmdClose", QStringLiteral("Close"));
    connect(cmdPrint, &QPushButton::clicked, this, [this] { printSummary(); });
    connect(cmdPreview, &QPushButton::clicked, this, [this] { previewSummary(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { close(); });

    // The figures in the order they are read, left to right along each row.
    QWidget* previous = picChart;
    for (QWidget* figure : std::initializer_list<QWidget*>{lblStudents, lblMarked, lblIncomplete, lblUnmarked, lblMean,
                                                           lblMedian, lblLowest, lblHighest, lblOther}) {
        setTabOrder(previous, figure);
        previous = figure;
    }
    setTabOrder(previous, lstUnmarked);
    setTabOrder(lstUnmarked, lstIncomplete);
    setTabOrder(lstIncomplete, cmdPrint);
    setTabOrder(cmdPrint, cmdPreview);
    setTabOrder(cmdPreview, cmdClose);
}

void frmSummary::buildLayout()
{
    // The figures in two rows of four, captions left of their values; "other" below, only when
    // the class has such marks.
    auto* figures = new QGridLayout;
    figures->setHorizontalSpacing(8);
    const std::pair<QString, QLabel*> cells[] = {
        {QStringLiteral("Students:"), lblStudents},     {QStringLiteral("Marked:"), lblMarked},
        {QStringLiteral("Incomplete (I):"), lblIncomplete}, {QStringLiteral("Unmarked:"), lblUnmarked},
        {QStringLiteral("Mean:"), lblMean},             {QStringLiteral("Median:"), lblMedian},
        {QStringLiteral("Lowest:"), lblLowest},         {QStringLiteral("Highest:"), lblHighest}};
    for (int i = 0; i < 8; ++i) {
        figures->addWidget(caption(this, cells[i].first), i / 4, (i % 4) * 2);
        figures->addWidget(cells[i].second, i / 4, (i % 4) * 2 + 1);
    }
    lblOtherCaption = caption(this, QStringLiteral("Other marks:"));
    figures->addWidget(lblOtherCaption, 2, 0);
    figures->addWidget(lblOther, 2, 1);
    for (int c = 1; c < 8; c += 2)
        figures->setColumnStretch(c, 1);

    auto* names = new QGridLayout;
    names->addWidget(lblUnmarkedNames, 0, 0);
    names->addWidget(lstUnmarked, 1, 0);
    names->addWidget(lblIncompleteNames, 0, 1);
    names->addWidget(lstIncomplete, 1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdPreview);
    buttons->addWidget(cmdClose);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(10);
    layout->addWidget(lblCourses);
    layout->addWidget(picChart, 3);
    layout->addLayout(figures);
    layout->addLayout(names, 2);
    layout->addLayout(buttons);
    resize(sizeHint().expandedTo(QSize(560, 600)));
}

void frmSummary::refresh()
{
    if (!isVisible() || followTimer_->isActive())
        return;
    followTimer_->start(delayBeforeNext(lastShown_, std::chrono::steady_clock::now(), followInterval_));
}

void frmSummary::showClass()
{
    followTimer_->stop();
    lastShown_ = std::chrono::steady_clock::now();
    ClassSummary summary = summarizeClass(state_.students);
    if (everShown_ && summary == shown_)
        return;
    showFigures(summary);
    showNames(summary);
    picChart->setMarks(summary.marks);
    shown_ = std::move(summary);
    everShown_ = true;
}

void frmSummary::showFigures(const ClassSummary& s)
{
    // A label given the text it has already does nothing, so only what changed is repainted.
    lblCourses->setText(s.students ? ui::fromCp1252(courseList(s)) : QStringLiteral("No class open"));
    showFigure(lblStudents, QString::number(s.students));
    showFigure(lblMarked, QString::number(s.marked));
    showFigure(lblIncomplete, QString::number(s.incomplete));
    showFigure(lblUnmarked, QString::number(s.unmarked));
    showFigure(lblMean, ui::fromCp1252(tenthsText(s.marks.meanTenths)));
    showFigure(lblMedian, ui::fromCp1252(tenthsText(s.marks.medianTenths)));
    showFigure(lblLowest, ui::fromCp1252(markText(s.lowest)));
    showFigure(lblHighest, ui::fromCp1252(markText(s.highest)));
    showFigure(lblOther, QString::number(s.other));
    lblOtherCaption->setVisible(s.other > 0);
    lblOther->setVisible(s.other > 0);
}

void frmSummary::showNames(const ClassSummary& s)
{
    lblUnmarkedNames->setText(QStringLiteral("&No mark (%1)").arg(s.unmarked));
    lblIncompleteNames->setText(QStringLiteral("&Incomplete, \"I\" (%1)").arg(s.incomplete));
    if (!everShown_ || s.unmarkedNames != shown_.unmarkedNames)
        fillNames(lstUnmarked, s.unmarkedNames);
    if (!everShown_ || s.incompleteNames != shown_.incompleteNames)
        fillNames(lstIncomplete, s.incompleteNames);
}

void frmSummary::showBeside(const QWidget* anchor)
{
    if (!isVisible() && anchor) {
        const QRect beside = anchor->frameGeometry();
        constexpr int gap = 8;
        QPoint at(beside.right() + 1 + gap, beside.top());
        if (const QScreen* screen = anchor->screen()) {
            const QRect room = screen->availableGeometry();
            resize(size().boundedTo(room.size())); // no larger than a small screen
            if (at.x() + width() > room.right())
                at.setX(beside.left() - gap - width());
            at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() - width())));
            at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() - height())));
        }
        move(at);
    }
    show();
    raise();
    activateWindow();
}

void frmSummary::showEvent(QShowEvent* event)
{
    showClass(); // before the first paint, which then shows the class as it is
    QWidget::showEvent(event);
}

void frmSummary::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace tq
