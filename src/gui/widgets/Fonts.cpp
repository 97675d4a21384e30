#include "gui/widgets/Fonts.h"

#include <QStringList>

namespace tq::ui {

QFont programFont(const QString& name, qreal pointSize)
{
    QFont font;
    const QString key = name.trimmed().toLower();
    if (key == QLatin1String("courier new")) {
        font.setFamilies({QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    } else if (key == QLatin1String("arial") || key == QLatin1String("ms sans serif")) {
        font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
        font.setStyleHint(QFont::SansSerif);
    } else if (key == QLatin1String("arial narrow")) {
        font.setFamilies({QStringLiteral("Liberation Sans Narrow"), QStringLiteral("DejaVu Sans Condensed"),
                          QStringLiteral("Liberation Sans")});
        font.setStyleHint(QFont::SansSerif);
    } else if (key == QLatin1String("times new roman")) {
        font.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
        font.setStyleHint(QFont::Serif);
    } else if (key == QLatin1String("bauhaus 93")) {
        // A heavy rounded display face; the bold sans is the nearest thing always installed.
        font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
        font.setStyleHint(QFont::Decorative);
        font.setWeight(QFont::Black);
    } else {
        font.setFamily(name);
    }
    if (pointSize > 0)
        font.setPointSizeF(pointSize);
    return font;
}

} // namespace tq::ui
