#pragma once
// The program names its fonts as the teacher's school computers know them ("Courier New",
// "MS Sans Serif", "Arial", "Arial Narrow", "Times New Roman", "Bauhaus 93"); this picks the installed face
// that stands in for each. Courier New is always fixed pitch, so printed columns line up.
#include <QFont>
#include <QString>

namespace tq::ui {

QFont programFont(const QString& name, qreal pointSize);

} // namespace tq::ui
