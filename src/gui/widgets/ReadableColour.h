#pragma once
// The colours the program gives text of its own (an initial value's red, the start-up window's
// blue) were chosen for a light window; under a dark or high-contrast palette they can sink into
// their background. These keep such a colour readable on whatever background it stands.
#include <QColor>

class QPalette;

namespace tq::ui {

// How far two colours stand apart, from 1 (the same) to 21 (black on white), measured on their
// relative luminance as accessibility guidelines measure text against its background.
double contrastRatio(const QColor& a, const QColor& b);

// What text needs to be read with ease.
inline constexpr double readableContrast = 4.5;
// What a focus ring or another mark that is no text needs to be seen at once.
inline constexpr double visibleContrast = 3.0;

// `colour` itself when it stands out from `background` by `ratio`; otherwise `colour` mixed
// toward black or white (whichever stands further from the background) just far enough to, or
// all the way when even that falls short.
QColor readableOn(const QColor& colour, const QColor& background, double ratio = readableContrast);

// The colour of a focus ring drawn between `inside` and `outside`: the palette's highlight, made
// to stand out from both by visibleContrast.
QColor focusRingColour(const QPalette& palette, const QColor& inside, const QColor& outside);

// Text of `colour` on `background` as the program shows it under `palette`: one of the palette's
// own pairs of background and text (base, button, highlight, window) as the palette has it, for
// whoever made the palette chose them to go together; any other colour readableOn its background.
QColor readableIn(const QPalette& palette, const QColor& colour, const QColor& background);

} // namespace tq::ui
