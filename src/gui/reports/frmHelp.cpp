#include "gui/reports/frmHelp.h"

#include "core/reports/HelpText.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/ReadingPanel.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStringList>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

namespace tq {

frmHelp::frmHelp(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Help"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    Text1 = new QTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(QStringLiteral("Help"));
    Text1->setAcceptRichText(false);
    Text1->setFont(ui::programFont(QStringLiteral("MS Sans Serif"), 10));
    Text1->setLineWrapMode(QTextEdit::WidgetWidth);
    // Reached with Tab and read line by line with the arrow keys.
    ui::readByCaret(Text1);
    Text1->document()->setDocumentMargin(14);

    Command1 = new QPushButton(QStringLiteral("CLOSE"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setMinimumWidth(110);
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &frmHelp::Command1_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 14);
    layout->setSpacing(12);
    layout->addWidget(Text1);
    layout->addLayout(buttons);

    resize(600, 460);
    printstuff();
    Command1->setFocus();
}

void frmHelp::printstuff()
{
    QStringList lines;
    for (const std::string& line : helpTextLines())
        lines << ui::fromCp1252(line);
    Text1->setPlainText(lines.join(QLatin1Char('\n')));

    // The credits read best centred, the keys under them aligned left.
    const int creditBlocks = static_cast<int>(helpTextLines().size() - helpKeyLines().size());
    QTextCursor cursor(Text1->document());
    cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, creditBlocks - 1);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.mergeBlockFormat(centred);
    Text1->moveCursor(QTextCursor::Start);
}

void frmHelp::Command1_Click()
{
    close();
}

} // namespace tq
