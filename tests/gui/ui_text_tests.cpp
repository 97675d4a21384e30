// Code page, file filters, twips and font stand-ins.
#include "gui/widgets/Codepage.h"
#include "gui/widgets/Dialogs.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/Twips.h"

#include <QFontInfo>
#include <QWidget>
#include <gtest/gtest.h>

#include "ui_QtPrinting.h"

using namespace tq::ui;

TEST(UiCodepage, EveryByteSurvivesTheRoundTrip)
{
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes.push_back(static_cast<char>(b));
    const QString text = fromCp1252(bytes);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(toCp1252(text), bytes);
    // One character per byte: no two bytes may share a character.
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(text.indexOf(text[b]), b) << "byte " << b;
}

TEST(UiCodepage, MapsTheWindowsCharacters)
{
    const QString text = fromCp1252("\x80\x91\x92\x9F\x81\x9D\xE9\xA0");
    EXPECT_EQ(text, QString::fromUtf8("\u20AC\u2018\u2019\u0178\u0081\u009D\u00E9\u00A0"));

    EXPECT_EQ(toCp1252(QString::fromUtf8("Caf\u00E9 \u20AC5 \u201Cok\u201D \u2014")), "Caf\xE9 \x80" "5 \x93ok\x94 \x97");
    // Not in the code page: a C1 control with no byte of its own, a snowman, an emoji (one '?').
    EXPECT_EQ(toCp1252(QString::fromUtf8("\u0080|\u2603|\U0001F600")), "?|?|?");
    // Those are the characters that would not survive; a '?' typed as such does.
    EXPECT_EQ(charactersOutsideCp1252(QString::fromUtf8("\u0080|\u2603|\U0001F600|?|\u20AC")),
              QString::fromUtf8("\u0080\u2603\U0001F600"));
    EXPECT_EQ(charactersOutsideCp1252(QString::fromUtf8("Caf\u00E9 \u201Cok\u201D")), "");
}

TEST(UiDialogs, FileFilterInQtForm)
{
    EXPECT_EQ(qtFileFilter("Tallyquill Classes (*.tqc)|*.tqc"), "Tallyquill Classes (*.tqc)");
    EXPECT_EQ(qtFileFilter("Favourites|*.tqf"), "Favourites (*.tqf)");
    EXPECT_EQ(qtFileFilter("Classes (*.tqc)|*.tqc|All Files (*.*)|*.*"), "Classes (*.tqc);;All Files (*.*)");
    EXPECT_EQ(qtFileFilter("Text|*.txt;*.csv"), "Text (*.txt *.csv)");
    EXPECT_EQ(qtFileFilter("Text (*.txt;*.csv)|*.txt;*.csv"), "Text (*.txt;*.csv) (*.txt *.csv)");
    EXPECT_EQ(qtFileFilter(""), "");
}

TEST(UiTwips, ConvertWithTheWidgetsDpi)
{
    QWidget widget;
    const int dpi = widget.logicalDpiX();
    EXPECT_EQ(twipsToPixelsX(1440, &widget), dpi);
    EXPECT_EQ(twipsToPixelsY(720, &widget), widget.logicalDpiY() / 2);
    EXPECT_EQ(pixelsToTwipsX(dpi, &widget), 1440);
    // Without a widget: 96 DPI, 15 twips to the pixel, rounded to the nearest pixel.
    EXPECT_EQ(twipsToPixelsX(525, nullptr), 35);
    EXPECT_EQ(twipsToPixelsX(470, nullptr), 31);
    EXPECT_EQ(pixelsToTwipsY(16, nullptr), 240);
}

TEST(UiFonts, ProgramFontNamesResolveToInstalledStandIns)
{
    const QFont courier = programFont("Courier New", 9);
    EXPECT_EQ(QFontInfo(courier).family(), "Liberation Mono");
    EXPECT_TRUE(QFontInfo(courier).fixedPitch());
    EXPECT_DOUBLE_EQ(courier.pointSizeF(), 9.0);

    EXPECT_EQ(QFontInfo(programFont("Arial", 14)).family(), "Liberation Sans");
    EXPECT_EQ(QFontInfo(programFont("MS Sans Serif", 8.25)).family(), "Liberation Sans");
    EXPECT_DOUBLE_EQ(programFont("MS Sans Serif", 8.25).pointSizeF(), 8.25);
    EXPECT_EQ(QFontInfo(programFont("Times New Roman", 12)).family(), "Liberation Serif");
    EXPECT_FALSE(QFontInfo(programFont("Times New Roman", 12)).fixedPitch());
    EXPECT_GE(QFontInfo(programFont("Bauhaus 93", 20)).weight(), QFont::Bold);
}
