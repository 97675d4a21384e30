#include "gui/entry/frmFreeFormCommentEntry.h"

#include "core/classdata/CsvText.h"
#include "core/entry/FreeFormComment.h"
#include "core/phrases/Composition.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/Dialogs.h"
#include "gui/widgets/NamedControls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tq {

namespace {
QLabel* note(QDialog* parent, const char* name, const char* text)
{
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}
} // namespace

frmFreeFormCommentEntry::frmFreeFormCommentEntry(ui::Dialogs& dialogs, const QString& offeredText, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("frmFreeFormCommentEntry"));
    setWindowTitle(QStringLiteral("Free Form Comment Entry"));
    setModal(true);

    txtComment = new QPlainTextEdit(this);
    txtComment->setObjectName(QStringLiteral("txtComment"));
    txtComment->setTabChangesFocus(true);
    lblLength = new QLabel(this);
    lblLength->setObjectName(QStringLiteral("lblLength"));
    lblLength->setAlignment(Qt::AlignRight | Qt::AlignTop);
    cmdOkay = new QPushButton(QStringLiteral("Okay: Take the Above Text as the Free Form Comment"), this);
    cmdOkay->setObjectName(QStringLiteral("cmdOkay"));
    cmdCancel = new QPushButton(QStringLiteral("Cancel: Return to the Normal Coded Comment Mode"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    // Enter writes into the comment; it must not press a button.
    cmdOkay->setAutoDefault(false);
    cmdCancel->setAutoDefault(false);

    Label1 = note(this, "Label1", "You can edit and change the comment here.");
    Label2 = note(this, "Label2",
                  "Note of caution: Using the codes is \"safe\" in the sense that the comments are grammatically "
                  "correct and spell checked (mostly). Here you can write ANYTHING. There is no checking: no spell "
                  "check, no grammar check, no 'does it make sense' check.  ");
    Label3 = note(this, "Label3",
                  "Be careful that you don't write something that on a sober second thought you'd wish you hadn't "
                  "written. The creators of TQ will not be held libel for the things you might write :-)");
    Label4 = note(this, "Label4",
                  "Once you change the comment and hit \"Okay\" all your existing comment codes for this student "
                  "disappear. (You can't have both at the same time, some coded comments and some free form "
                  "comments). It's all one or the other. ");
    Label5 = note(this, "Label5",
                  "If you do decide to return to the original coded comments for this student hit the Cancel button.");
    Label6 = note(this, "Label6",
                  "Note: Only letters A through Z, numbers 0 through 9 and standard sentence punctuation are valid.  "
                  "Invalid characters like carriage returns, hard returns and shifted characters like ^ will be "
                  "removed.");
    ui::captionControl(Label1, txtComment);
    buildLayout();

    connect(txtComment, &QPlainTextEdit::textChanged, this, [this] { txtComment_Change(); });
    connect(cmdOkay, &QPushButton::clicked, this, [this] { cmdOkay_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });

    // The result stays empty unless Okay closes the dialog.
    freeFormText_.clear();
    txtComment->setPlainText(offeredText);
    txtComment_Change(); // the length shows from the start, and an over-long text is cut at once
    txtComment->moveCursor(QTextCursor::End);
    txtComment->setFocus();
}

void frmFreeFormCommentEntry::buildLayout()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(8);
    layout->addWidget(Label1);
    txtComment->setMinimumSize(QSize(560, txtComment->fontMetrics().lineSpacing() * 8));
    layout->addWidget(txtComment, 1);
    auto* underText = new QHBoxLayout;
    underText->addWidget(Label6, 1);
    underText->addSpacing(16);
    underText->addWidget(lblLength);
    lblLength->setMinimumWidth(lblLength->fontMetrics().horizontalAdvance(QStringLiteral("Length: 460/460")));
    layout->addLayout(underText);
    layout->addSpacing(4);
    for (QLabel* label : {Label2, Label3, Label4, Label5})
        layout->addWidget(label);
    layout->addSpacing(4);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdOkay);
    buttons->addStretch(1);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons);
}

void frmFreeFormCommentEntry::txtComment_Change()
{
    const QString text = txtComment->toPlainText();
    if (static_cast<size_t>(text.size()) > trilliumCommentLimit) {
        const QSignalBlocker quiet(txtComment);
        txtComment->setPlainText(text.left(static_cast<qsizetype>(trilliumCommentLimit)));
        txtComment->moveCursor(QTextCursor::End);
    }
    lblLength->setText(QString::fromStdString(freeFormLengthText(static_cast<size_t>(txtComment->toPlainText().size()))));
}

void frmFreeFormCommentEntry::cmdOkay_Click()
{
    const QString text = txtComment->toPlainText();
    if (trimSpaces(ui::toCp1252(text)).empty() &&
        !dialogs_.question(this, QString::fromLatin1(blankCommentQuestion), QString::fromLatin1(blankCommentTitle)))
        return;
    freeFormText_ = text;
    accept();
}

void frmFreeFormCommentEntry::cmdCancel_Click()
{
    freeFormText_.clear();
    reject();
}

} // namespace tq
