#include "gui/widgets/StampCursor.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QtGlobal>
#include <mutex>

// Q_INIT_RESOURCE declares a global function, so it must be used outside any namespace.
static void registerIconResources()
{
    Q_INIT_RESOURCE(icons);
}

namespace tq {

void loadIconResources()
{
    static std::once_flag once;
    std::call_once(once, registerIconResources);
}

QCursor stampCursor()
{
    loadIconResources();
    QImage image(stampCursorSize, stampCursorSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/icons/stamp.svg"));
    if (renderer.isValid()) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, stampCursorSize, stampCursorSize));
    }
    return QCursor(QPixmap::fromImage(image), stampCursorHotSpot.x(), stampCursorHotSpot.y());
}

} // namespace tq
