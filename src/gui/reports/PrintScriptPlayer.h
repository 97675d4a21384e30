#pragma once
// Sends a printout made by the report code to a line printer: paper, a PDF file or a preview.
#include "core/reports/PrintScript.h"
#include "gui/widgets/LinePrinter.h"

namespace tq {

// Plays every operation in order and stops at the first the printer refuses. True when the
// whole printout went through. `paintPicture` draws the printout's pictures.
bool playPrintScript(const PrintScript& script, ui::LinePrinter& printer,
                     const ui::LinePrinter::PaintPicture& paintPicture = {});

} // namespace tq
