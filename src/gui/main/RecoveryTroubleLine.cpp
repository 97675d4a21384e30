#include "gui/main/RecoveryTroubleLine.h"

#include "gui/widgets/NamedControls.h"

#include <QLabel>
#include <QStatusBar>

namespace tq {

RecoveryTroubleLine::RecoveryTroubleLine(QStatusBar& bar) : QObject(&bar)
{
    lblRecoveryTrouble = ui::named(new QLabel(&bar), "lblRecoveryTrouble");
    lblRecoveryTrouble->setAccessibleName(QStringLiteral("Recovery copies"));
    lblRecoveryTrouble->setTextFormat(Qt::PlainText);
    QPalette warning = lblRecoveryTrouble->palette();
    warning.setColor(QPalette::WindowText, QColor(0xA0, 0x10, 0x10)); // a dark red that reads on the bar
    lblRecoveryTrouble->setPalette(warning);
    lblRecoveryTrouble->hide();
    bar.addPermanentWidget(lblRecoveryTrouble);
}

void RecoveryTroubleLine::show(const std::string& text)
{
    // Made bold only when there is something to say: the status bar measures its widgets, hidden
    // ones too, and a bold face loaded at every start for a line seldom shown costs start-up time.
    if (!text.empty() && !lblRecoveryTrouble->font().bold()) {
        QFont bold = lblRecoveryTrouble->font();
        bold.setBold(true);
        lblRecoveryTrouble->setFont(bold);
    }
    lblRecoveryTrouble->setText(QString::fromUtf8(text));
    lblRecoveryTrouble->setVisible(!text.empty());
}

} // namespace tq
