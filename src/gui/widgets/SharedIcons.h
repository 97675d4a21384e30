#pragma once
// Icons made once for the whole run. An SVG icon is read when it is made and drawn afresh at
// each size for every icon object; a window that is opened again and again (Comment
// Selection) takes its icons from here, so each is read and drawn once.
#include <QIcon>
#include <QString>

namespace tq::ui {

QIcon sharedIcon(const QString& path);

} // namespace tq::ui
