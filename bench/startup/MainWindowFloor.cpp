// The floor of start-up to the main window: a bare Qt program that shows the main window as the
// program first paints it (the same menus, picture buttons and their icons, labels, buttons, an
// empty grid of the same size, the favourites list with the same caption and lines, the details
// panel), in the same fonts and sizes, with none of the program's work: no phrase library, no
// favourites file, no rules. The list's texts are the only data; the benchmark's data generator
// wrote them once into the file named by the first argument (mainWindowFloorText in
// bench/BenchData.h). Under TQ_QUIT_AFTER_START=1 it ends once painted, as the program does.
#include "app/QuitAfterStart.h"
#include "app/QuitOnceShown.h"
#include "bench/startup/FloorFonts.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStyleOptionViewItem>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using tq::bench::fixedFont;
using tq::bench::sansFont;

int twips(int t, const QWidget* w, bool x) { return qRound(double(t) * (x ? w->logicalDpiX() : w->logicalDpiY()) / 1440); }

void addMenus(QMenuBar* bar)
{
    struct Item { const char* caption; const char* key; };
    const auto menu = [bar](const char* title, std::initializer_list<Item> items) {
        QMenu* m = bar->addMenu(QString::fromLatin1(title));
        for (const Item& item : items) {
            if (!*item.caption) {
                m->addSeparator();
                continue;
            }
            QAction* a = m->addAction(QString::fromLatin1(item.caption));
            if (item.key)
                a->setShortcut(QKeySequence(QString::fromLatin1(item.key)));
        }
        return m;
    };
    menu("&File", {{"&Open Favourites", "Ctrl+O"}, {"", nullptr}, {"New Class File From Trillium", "Ctrl+N"},
                   {"Open Existing Class File", nullptr}, {"&Save Class File", "Ctrl+S"}, {"", nullptr},
                   {"&Update Class File", nullptr}, {"", nullptr}, {"&Print", "Ctrl+P"},
                   {"Print Pre&view", nullptr}, {"", nullptr}, {"E&xit", nullptr}});
    menu("E&dit", {{"&Undo", "Ctrl+U"}, {"&Free Form Comment...", "F2"}});
    menu("&View", {{"Show Course Codes", nullptr}, {"Comments or &Learning Skills", "Ctrl+L"},
                   {"Class Su&mmary", nullptr}});
    menu("&Sort", {{"Sort &Names (alphabetically)", nullptr}, {"Sort &Marks (descending)", nullptr}});
    menu("&Mode", {{"&Initial Values Setup", "Ctrl+I"}, {"Comment S&election", "Ctrl+E"},
                   {"Mark / Comment Entry", nullptr}});
    menu("&eFile", {{"&Convert Class File to Trillium Format for Mark Submission", "Ctrl+T"}});
    bar->addAction(QStringLiteral("&Help"));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QStringList texts;
    if (argc > 1) {
        QFile file(QString::fromLocal8Bit(argv[1]));
        if (file.open(QIODevice::ReadOnly))
            texts = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    const QString caption = texts.isEmpty() ? QString() : texts.takeFirst();

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Tallyquill v3.1 (Linux edition) ~ Mark / Phrase Entry"));
    addMenus(window.menuBar());

    auto* central = new QWidget(&window);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(8, 4, 8, 8);
    auto* tools = new QHBoxLayout;
    // Save, Print and Undo wait for a class and for something to undo.
    for (const char* icon : {"new", "open", "save", "print", "openFavourites", "undo"}) {
        auto* button = new QToolButton(central);
        button->setEnabled(icon[0] == 'n' || icon[0] == 'o');
        button->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon))));
        button->setIconSize(QSize(24, 24));
        button->setAutoRaise(true);
        tools->addWidget(button);
    }
    QFont heading = sansFont(10);
    heading.setBold(true);
    tools->addSpacing(24);
    for (const char* widest : {"MMMMMMMMMMMM", "000 Students"}) {
        auto* label = new QLabel(central);
        label->setFont(heading);
        label->setMinimumWidth(QFontMetrics(heading).horizontalAdvance(QString::fromLatin1(widest)));
        tools->addWidget(label);
        tools->addSpacing(16);
    }
    tools->addStretch(1);
    outer->addLayout(tools);

    auto* middle = new QHBoxLayout;
    auto* grid = new QTableWidget(central);
    grid->setFont(sansFont(8.25));
    grid->setFixedWidth(twips(8200, &window, true));
    grid->setMinimumHeight(twips(6900, &window, false));
    grid->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    QPalette gridColours = grid->palette();
    gridColours.setColor(QPalette::Base, gridColours.color(QPalette::Button));
    grid->setPalette(gridColours);
    middle->addWidget(grid);
    auto* panel = new QWidget(central);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* listCaption = new QLabel(caption, panel);
    listCaption->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    column->addWidget(listCaption);
    auto* list = new QListWidget(panel);
    list->setFont(sansFont(10));
    // Rows of one size, as wide as the longest line, which alone is measured (Qt sizes a list of
    // uniform rows by its last): the list scrolls sideways as the program's does and cuts no line
    // short.
    list->setUniformItemSizes(true);
    list->addItems(texts);
    if (!texts.isEmpty()) {
        qsizetype longest = 0;
        for (qsizetype i = 1; i < texts.size(); ++i)
            if (texts[i].size() > texts[longest].size())
                longest = i;
        QStyleOptionViewItem option;
        option.initFrom(list);
        option.font = list->font();
        option.fontMetrics = QFontMetrics(option.font);
        list->item(list->count() - 1)->setSizeHint(list->itemDelegate()->sizeHint(option, list->model()->index(int(longest), 0)));
    }
    list->setMinimumSize(twips(6900, &window, true),
                         twips(6900, &window, false) - listCaption->sizeHint().height());
    column->addWidget(list, 1);
    middle->addWidget(panel, 1);
    outer->addLayout(middle, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QPushButton(QStringLiteral("Comments/Skills"), central));
    auto* initialValues = new QCheckBox(QStringLiteral("Initial Values"), central);
    initialValues->setChecked(true);
    buttons->addWidget(initialValues);
    buttons->addStretch(1);
    buttons->addWidget(new QPushButton(QStringLiteral("Add a Comment: Switch to Comment Selection Mode "), central));
    outer->addLayout(buttons);

    auto* details = new QFrame(central);
    details->setFrameShape(QFrame::Box);
    const QFontMetrics detailLine(fixedFont(8));
    details->setFixedHeight(details->frameWidth() * 2 + 12 + (detailLine.lineSpacing() + 2) * 5 +
                            QFontMetrics(sansFont(8)).lineSpacing() * 2 + 4);
    outer->addWidget(details);
    window.setCentralWidget(central);
    window.statusBar()->addWidget(new QLabel(window.statusBar()), 1);

    window.show();
    window.adjustSize();
    if (tq::quitAfterStartFromEnvironment())
        tq::quitOnceShown(&window);
    return QApplication::exec();
}
