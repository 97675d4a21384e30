#include "gui/widgets/ElidedLabel.h"

#include "gui/widgets/NamedControls.h"

#include <QFontMetrics>
#include <QResizeEvent>

namespace tq::ui {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void ElidedLabel::setFullText(const QString& text)
{
    full_ = text;
    setToolTip(text);
    setAccessibleName(text);
    if (buddy())
        captionControl(this, buddy());
    showFitting();
}

QSize ElidedLabel::minimumSizeHint() const
{
    return QSize(0, QLabel::minimumSizeHint().height());
}

void ElidedLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    showFitting();
}

void ElidedLabel::showFitting()
{
    const QString shown = fontMetrics().elidedText(full_, Qt::ElideMiddle, contentsRect().width());
    if (shown != text())
        setText(shown);
}

} // namespace tq::ui
