#pragma once
// The class grid's custom mouse pointer: a rubber stamp, shown while a left click would stamp the
// picked-up comment code into the cell under the mouse.
#include <QCursor>
#include <QPoint>

namespace tq {

// Registers the program's pictures (":/icons/...": tool buttons, start-up pictures, the stamp).
// They live in a static library, so something must pull them in before the first use; calling
// this more than once is harmless.
void loadIconResources();

// The stamp picture is 32 by 32 pixels; the pointer's hot spot is the middle of the stamp's
// rubber face, at the bottom of the picture.
inline constexpr int stampCursorSize = 32;
inline constexpr QPoint stampCursorHotSpot{16, 30};

// The stamp rendered at 32 by 32 pixels on a transparent background, as a pointer.
QCursor stampCursor();

} // namespace tq
