// The floor of start-up to the start-up window: a bare Qt program that shows the same dialog as
// the program's start-up window first paints it (its two pictures, the name, version and credits
// lines in the same fonts, the rule and the two buttons), with none of the program's work: no
// phrase library read behind it, no set-up file, no rules. Under TQ_QUIT_AFTER_START=1 it ends
// once painted, as the program does.
#include "app/QuitAfterStart.h"
#include "app/QuitOnceShown.h"
#include "bench/startup/FloorFonts.h"

#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* picture(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setPixmap(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name))).pixmap(QSize(112, 112)));
    label->setFixedSize(112, 112);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QLabel* line(const QString& text, bool bold, bool italic, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    QFont font = tq::bench::sansFont(10);
    font.setBold(bold);
    font.setItalic(italic);
    label->setFont(font);
    return label;
}

QPushButton* wideButton(const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setFont(tq::bench::fixedFont(10));
    button->setMinimumHeight(38);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return button;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Tallyquill v3.1 (Linux edition)"));

    auto* name = new QLabel(QStringLiteral("Tallyquill"), &dialog);
    QFont display =
        tq::bench::floorFont({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")}, QFont::Decorative, 34);
    display.setWeight(QFont::Black);
    name->setFont(display);
    name->setAlignment(Qt::AlignCenter);
    QPalette title = name->palette();
    title.setColor(QPalette::WindowText, QColor(0x2b, 0x5c, 0x9e));
    name->setPalette(title);

    auto* header = new QHBoxLayout;
    header->setSpacing(16);
    header->addWidget(picture("splashQuill", &dialog), 0, Qt::AlignVCenter);
    header->addWidget(name, 1);
    header->addWidget(picture("splashBook", &dialog), 0, Qt::AlignVCenter);

    auto* rule = new QFrame(&dialog);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    QPushButton* open = wideButton(QStringLiteral("Open An Existing Favourite Phrase File"), &dialog);
    open->setDefault(true);

    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(32, 28, 32, 28);
    layout->setSpacing(10);
    layout->addLayout(header);
    layout->addSpacing(8);
    layout->addWidget(line(QStringLiteral("Version 3.1 (Linux edition)"), true, false, &dialog));
    layout->addWidget(line(QStringLiteral("by the Tallyquill developers"), false, true, &dialog));
    layout->addSpacing(12);
    layout->addWidget(rule);
    layout->addSpacing(12);
    layout->addWidget(open);
    layout->addWidget(wideButton(QStringLiteral("Proceed Without Opening An Existing Favourite File"), &dialog));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    if (tq::quitAfterStartFromEnvironment())
        tq::quitOnceShown(&dialog);
    dialog.exec();
    return 0;
}
