#include "ui/NamedControls.h"

#include "ui/SharedIcons.h"

#include <QToolButton>

namespace tq::ui {

QToolButton* pictureButton(QWidget* parent, const char* name, const char* tip, const char* iconPath)
{
    auto* button = named(new QToolButton(parent), name);
    button->setToolTip(QString::fromLatin1(tip));
    button->setIcon(sharedIcon(QString::fromLatin1(iconPath)));
    button->setIconSize(QSize(24, 24));
    button->setAutoRaise(true);
    return button;
}

} // namespace tq::ui
