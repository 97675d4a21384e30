#include "gui/widgets/StampCursor.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

namespace tq {
namespace {

TEST(IconsTest, EveryPictureRenders)
{
    loadIconResources();
    for (const char* name : {"new", "open", "save", "print", "openFavourites", "undo", "splashQuill",
                             "splashBook", "stamp"}) {
        const QPixmap pixmap = QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name))).pixmap(48);
        EXPECT_FALSE(pixmap.isNull()) << name;
    }
}

TEST(StampCursorTest, IsA32PixelStampOnATransparentGroundHeldAtItsFace)
{
    const QCursor cursor = stampCursor();
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(16, 30));

    const QImage image = cursor.pixmap().toImage();
    ASSERT_EQ(image.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(31, 31)), 0);
    EXPECT_EQ(qAlpha(image.pixel(0, 31)), 0);
    EXPECT_EQ(qAlpha(image.pixel(16, 6)), 0) << "the handle is a ring, open in the middle";
    EXPECT_EQ(qAlpha(image.pixel(16, 2)), 255) << "the ring itself";
    EXPECT_EQ(qAlpha(image.pixel(16, 29)), 255) << "the stamp's face just above the hot spot";
}

} // namespace
} // namespace tq
