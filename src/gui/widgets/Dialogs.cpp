#include "gui/widgets/Dialogs.h"

#include "core/classdata/DropReview.h"

#include "core/base/FileNames.h"
#include "core/base/Message.h"
#include "gui/widgets/Codepage.h"

#include <QFile>

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

QString requiredExtension(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    if (parts.size() < 2)
        return QString();
    const QString first = parts[1].split(QLatin1Char(';'), Qt::SkipEmptyParts).value(0).trimmed();
    const QString extension = first.mid(1);
    if (!first.startsWith(QLatin1String("*.")) || extension.size() < 2 || extension.contains(QLatin1Char('*')) ||
        extension.contains(QLatin1Char('?')))
        return QString();
    return extension;
}

QString pathWithRequiredExtension(const QString& path, const QString& filter)
{
    const QString extension = requiredExtension(filter);
    if (path.isEmpty() || extension.isEmpty())
        return path;
    const std::string named = withRequiredExtension(QFile::encodeName(path).toStdString(),
                                                    QFile::encodeName(extension).toStdString());
    return QFile::decodeName(named.c_str());
}

void showMessage(Dialogs& dialogs, QWidget* parent, const Message& m)
{
    const Dialogs::Icon icon = m.icon == Message::Icon::Exclamation ? Dialogs::Icon::Exclamation : Dialogs::Icon::None;
    dialogs.message(parent, fromCp1252(m.text), fromCp1252(m.title), icon);
}

bool confirmDrops(Dialogs& dialogs, QWidget* parent, const DropReview& review)
{
    const QString title = fromCp1252(dropQuestionTitle);
    const QString first = fromCp1252(dropQuestion(review));
    const bool yes = review.anyEntries || review.looksIncomplete() ? dialogs.questionDefaultNo(parent, first, title)
                                                                    : dialogs.question(parent, first, title);
    return yes && (!review.looksIncomplete() ||
                   dialogs.questionDefaultNo(parent, fromCp1252(dropSecondQuestion(review)), title));
}

} // namespace tq::ui
