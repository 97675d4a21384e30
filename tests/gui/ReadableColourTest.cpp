// The program's own colours kept readable whatever the palette: the colour rule itself, and the
// class grid painting an initial value's red and a picked-up code's cell by it under a dark palette.
#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/CommentCodePicker.h"
#include "gui/widgets/ReadableColour.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QTest>
#include <gtest/gtest.h>

using namespace tq;
using namespace tq::ui;

namespace {

struct ColourCase {
    const char* name;
    QColor colour;
    QColor background;
    double ratio = readableContrast; // a focus ring's colour needs visibleContrast
};

class ReadableColour : public ::testing::TestWithParam<ColourCase> {};

TEST_P(ReadableColour, ReadsOnItsBackgroundAndKeepsItsHue)
{
    const auto& [name, colour, background, ratio] = GetParam();
    const QColor shown = readableOn(colour, background, ratio);
    EXPECT_GE(contrastRatio(shown, background), ratio) << shown.name().toStdString();
    if (contrastRatio(colour, background) >= ratio) {
        EXPECT_EQ(shown, colour);
    } else if (colour.hsvHue() >= 0) { // a colour, not a grey: it stays the colour it was
        EXPECT_NEAR(shown.hsvHue(), colour.hsvHue(), 2) << shown.name().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Colours, ReadableColour,
    ::testing::Values(ColourCase{"RedOnWhite", QColor(255, 0, 0), Qt::white},
                      ColourCase{"RedOnDarkBase", QColor(255, 0, 0), QColor(35, 35, 35)},
                      ColourCase{"WhiteOnPendingBlue", Qt::white, CommentCodePicker::pendingColour()},
                      ColourCase{"BlackOnDarkButton", Qt::black, QColor(53, 53, 53)},
                      ColourCase{"TitleBlueOnDarkWindow", QColor(0x2b, 0x5c, 0x9e), QColor(53, 53, 53)},
                      ColourCase{"DarkRedOnWarningYellow", QColor(160, 0, 0), QColor(255, 244, 206)},
                      ColourCase{"BlackOnWhite", Qt::black, Qt::white},
                      ColourCase{"GreyOnMiddleGrey", QColor(128, 128, 128), QColor(118, 118, 118)},
                      ColourCase{"HighlightRingOnPaleHighlight", QColor(48, 140, 198), QColor(186, 217, 236),
                                 visibleContrast},
                      ColourCase{"HighlightRingOnDarkButton", QColor(42, 130, 218), QColor(53, 53, 53), visibleContrast}),
    [](const ::testing::TestParamInfo<ColourCase>& info) { return std::string(info.param.name); });

TEST(ReadableColourIn, LeavesThePalettesOwnPairsAsThePaletteHasThem)
{
    QPalette palette;
    palette.setColor(QPalette::Highlight, QColor(48, 140, 198));
    palette.setColor(QPalette::HighlightedText, Qt::white); // 3.7 : 1, as the palette's maker chose
    EXPECT_EQ(readableIn(palette, Qt::white, QColor(48, 140, 198)), QColor(Qt::white));
    EXPECT_EQ(readableIn(palette, Qt::red, QColor(48, 140, 198)), readableOn(Qt::red, QColor(48, 140, 198)));
}

// The colour of the cell's text as painted: of the pixels in the cell, the one that stands out
// most from its background (where the text's strokes cover whole pixels).
QColor paintedText(const QImage& image, const QRect& cell, const QColor& background)
{
    QColor found = background;
    for (int y = cell.top() + 2; y < cell.bottom() - 1; ++y)
        for (int x = cell.left() + 2; x < cell.right() - 1; ++x)
            if (contrastRatio(image.pixelColor(x, y), background) > contrastRatio(found, background))
                found = image.pixelColor(x, y);
    return found;
}

TEST(ClassGridColours, AnInitialValueAndAPickedUpCodeReadUnderADarkPalette)
{
    ClassGrid grid(3);
    QPalette dark = grid.palette();
    dark.setColor(QPalette::Base, QColor(35, 35, 35));
    dark.setColor(QPalette::Text, Qt::white);
    grid.setPalette(dark);
    grid.resize(300, 120);
    grid.setRows(0);
    grid.addRow("MRK\tCM1\tCM2");
    grid.addRow("85\t0704\t1017");
    grid.setFixedRows(1);
    grid.setCellForeground(1, 1, QColor(255, 0, 0)); // an initial value
    grid.setCellBackground(1, 2, CommentCodePicker::pendingColour()); // a picked-up code
    grid.setCurrent(1, 0);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    const QImage image = grid.grab().toImage();

    // Each text is painted in its colour made readable on its cell, not in the colour as set
    // (red, or the palette's white text on the pending blue).
    for (const int col : {1, 2}) {
        const QColor background = grid.cellBackground(1, col);
        const QColor wanted = readableOn(grid.cellForeground(1, col), background);
        ASSERT_NE(wanted, grid.cellForeground(1, col)) << "column " << col;
        const QColor text = paintedText(image, grid.cellRect(1, col), background);
        for (const auto channel : {&QColor::red, &QColor::green, &QColor::blue})
            EXPECT_NEAR((text.*channel)(), (wanted.*channel)(), 8) << "column " << col << ": " << text.name().toStdString()
                                                                  << " for " << wanted.name().toStdString();
    }
}

// The current cell's ring while the keyboard is in the grid, on the student's pale row: 2 pixels
// wide on each side, each pixel standing out from the cell and from the cells above and below.
TEST(ClassGridColours, TheCurrentCellsRingIsTwoPixelsWideAndStandsOut)
{
    ClassGrid grid(3);
    grid.resize(300, 120);
    grid.setRows(0);
    for (const char* row : {"MRK\tCM1\tCM2", "85\t0704\t1017", "72\t0101\t0102", "64\t0202\t0203"})
        grid.addRow(QString::fromLatin1(row));
    grid.setFixedRows(1);
    grid.setMarkedRow(2);
    grid.setCurrent(2, 1);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    QApplication::setActiveWindow(&grid);
    grid.setFocus();
    ASSERT_TRUE(grid.hasFocus());
    const QImage image = grid.grab().toImage();
    const QRect cell = grid.cellRect(2, 1);
    const QColor inside = grid.cellBackground(2, 1);
    const QColor around = grid.palette().color(QPalette::Base);
    const QPoint middle = cell.center();
    for (const QPoint at : {QPoint(cell.left(), middle.y()), QPoint(cell.left() + 1, middle.y()),
                            QPoint(cell.right(), middle.y()), QPoint(cell.right() - 1, middle.y()),
                            QPoint(middle.x(), cell.top()), QPoint(middle.x(), cell.top() + 1),
                            QPoint(middle.x(), cell.bottom()), QPoint(middle.x(), cell.bottom() - 1)}) {
        const QColor ring = image.pixelColor(at);
        EXPECT_GE(contrastRatio(ring, inside), visibleContrast) << at.x() << "," << at.y() << ": " << ring.name().toStdString();
        EXPECT_GE(contrastRatio(ring, around), visibleContrast) << at.x() << "," << at.y() << ": " << ring.name().toStdString();
    }
}

} // namespace
