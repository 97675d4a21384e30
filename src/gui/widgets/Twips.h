#pragma once
// Sizes and positions on screen are given in twips, 1440 to the inch; the widget's logical
// DPI turns them into pixels. A null widget counts as 96 DPI.
class QWidget;

namespace tq::ui {

inline constexpr int twipsPerInch = 1440;

int twipsToPixelsX(int twips, const QWidget* widget);
int twipsToPixelsY(int twips, const QWidget* widget);
int pixelsToTwipsX(int pixels, const QWidget* widget);
int pixelsToTwipsY(int pixels, const QWidget* widget);

} // namespace tq::ui
