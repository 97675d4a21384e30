#include "gui/widgets/ReadableColour.h"

#include <QPalette>

#include <algorithm>
#include <cmath>

namespace tq::ui {

namespace {
double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c)
{
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

QColor mixed(const QColor& from, const QColor& to, double share)
{
    const auto channel = [share](float a, float b) { return a + (b - a) * static_cast<float>(share); };
    return QColor::fromRgbF(channel(from.redF(), to.redF()), channel(from.greenF(), to.greenF()),
                            channel(from.blueF(), to.blueF()));
}
} // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor& colour, const QColor& background, double ratio)
{
    if (contrastRatio(colour, background) >= ratio)
        return colour;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    const QColor end = contrastRatio(white, background) > contrastRatio(black, background) ? white : black;
    if (contrastRatio(end, background) < ratio)
        return end;
    // The least mix that reads. Along the way to the end colour the contrast may first fall (when
    // the way crosses the background's luminance) but then only grows: below the first share that
    // reads, none does.
    double low = 0.0;
    double high = 1.0;
    for (int step = 0; step < 16; ++step) {
        const double middle = (low + high) / 2;
        (contrastRatio(mixed(colour, end, middle), background) >= ratio ? high : low) = middle;
    }
    return mixed(colour, end, high).toRgb();
}

QColor focusRingColour(const QPalette& palette, const QColor& inside, const QColor& outside)
{
    // Made to stand out from the one it stands out from less first; mixed toward the same end
    // for both when they are alike, it then stands out from the other as well, or is as near as
    // the two allow.
    // A little over the ratio: painted, the colour is rounded to whole steps of 1/255.
    constexpr double aimed = visibleContrast + 0.1;
    const QColor highlight = palette.color(QPalette::Highlight);
    const bool insideFirst = contrastRatio(highlight, inside) < contrastRatio(highlight, outside);
    const QColor first = readableOn(highlight, insideFirst ? inside : outside, aimed);
    return readableOn(first, insideFirst ? outside : inside, aimed);
}

QColor readableIn(const QPalette& palette, const QColor& colour, const QColor& background)
{
    static constexpr std::pair<QPalette::ColorRole, QPalette::ColorRole> pairs[] = {
        {QPalette::Base, QPalette::Text},
        {QPalette::Button, QPalette::ButtonText},
        {QPalette::Highlight, QPalette::HighlightedText},
        {QPalette::Window, QPalette::WindowText},
    };
    for (const auto& [back, text] : pairs)
        if (background == palette.color(back) && colour == palette.color(text))
            return colour;
    return readableOn(colour, background);
}

} // namespace tq::ui
