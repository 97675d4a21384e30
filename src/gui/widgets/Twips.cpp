#include "gui/widgets/Twips.h"

#include <QWidget>
#include <QtMath>

namespace tq::ui {
namespace {

constexpr int fallbackDpi = 96;

int dpiX(const QWidget* widget) { return widget ? widget->logicalDpiX() : fallbackDpi; }
int dpiY(const QWidget* widget) { return widget ? widget->logicalDpiY() : fallbackDpi; }

} // namespace

int twipsToPixelsX(int twips, const QWidget* widget)
{
    return qRound(static_cast<double>(twips) * dpiX(widget) / twipsPerInch);
}

int twipsToPixelsY(int twips, const QWidget* widget)
{
    return qRound(static_cast<double>(twips) * dpiY(widget) / twipsPerInch);
}

int pixelsToTwipsX(int pixels, const QWidget* widget)
{
    return qRound(static_cast<double>(pixels) * twipsPerInch / dpiX(widget));
}

int pixelsToTwipsY(int pixels, const QWidget* widget)
{
    return qRound(static_cast<double>(pixels) * twipsPerInch / dpiY(widget));
}

} // namespace tq::ui
