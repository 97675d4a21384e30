#pragma once
// The fonts of the program's windows, asked for as the program asks for them (it names Windows
// fonts and takes the nearest installed ones, src/gui/widgets/Fonts.cpp), for the floors.
#include <QFont>
#include <QStringList>

namespace tq::bench {

inline QFont floorFont(const QStringList& families, QFont::StyleHint hint, qreal points)
{
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    if (hint == QFont::TypeWriter)
        font.setFixedPitch(true);
    font.setPointSizeF(points);
    return font;
}

// "MS Sans Serif" and "Arial".
inline QFont sansFont(qreal points)
{
    return floorFont({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}, QFont::SansSerif, points);
}

// "Courier New".
inline QFont fixedFont(qreal points)
{
    return floorFont({QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")}, QFont::TypeWriter, points);
}

} // namespace tq::bench
