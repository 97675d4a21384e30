#include "ui/Dialogs.h"

#include "program/Message.h"
#include "ui/Codepage.h"

namespace tq::ui {

QString qtFileFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        QString patterns = i + 1 < parts.size() ? parts[i + 1] : QString();
        patterns = patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' ')).trimmed();
        if (description.isEmpty() && patterns.isEmpty())
            continue;
        if (patterns.isEmpty() || description.endsWith(QLatin1Char('(') + patterns + QLatin1Char(')')))
            filters << description;
        else if (description.isEmpty())
            filters << patterns;
        else
            filters << description + QLatin1String(" (") + patterns + QLatin1Char(')');
    }
    return filters.join(QLatin1String(";;"));
}

void showMessage(Dialogs& dialogs, QWidget* parent, const Message& m)
{
    const Dialogs::Icon icon = m.icon == Message::Icon::Exclamation ? Dialogs::Icon::Exclamation : Dialogs::Icon::None;
    dialogs.message(parent, fromCp1252(m.text), fromCp1252(m.title), icon);
}

} // namespace tq::ui
