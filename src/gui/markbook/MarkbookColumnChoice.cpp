#include "gui/markbook/MarkbookColumnChoice.h"

#include "gui/widgets/DropDownList.h"
#include "gui/widgets/NamedControls.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

namespace tq {

namespace {
// "C: Final Mark", or "C" for a sheet without a heading.
QString columnCaption(const SheetRow* heading, int column)
{
    const QString letters = QString::fromStdString(columnLetters(column));
    if (!heading || cellAt(*heading, column).empty())
        return letters;
    return letters + QStringLiteral(": ") + QString::fromStdString(cellAt(*heading, column));
}

QLabel* captioned(QFormLayout* form, const char* caption, QWidget* control)
{
    auto* label = new QLabel(QString::fromUtf8(caption));
    ui::captionControl(label, control);
    form->addRow(label, control);
    return label;
}
} // namespace

MarkbookColumnChoice::MarkbookColumnChoice(QWidget* parent) : QWidget(parent)
{
    cmbSheet = ui::named(new ui::DropDownList(this), "cmbSheet");
    spnHeadingRow = ui::named(new QSpinBox(this), "spnHeadingRow");
    spnHeadingRow->setSpecialValueText(QStringLiteral("None"));
    cmbMatchBy = ui::named(new ui::DropDownList(this), "cmbMatchBy");
    cmbKeyColumn = ui::named(new ui::DropDownList(this), "cmbKeyColumn");
    cmbFirstNameColumn = ui::named(new ui::DropDownList(this), "cmbFirstNameColumn");
    cmbMarkColumn = ui::named(new ui::DropDownList(this), "cmbMarkColumn");
    cmbMatchBy->addItem(QStringLiteral("Student number"), static_cast<int>(KeyKind::Number));
    cmbMatchBy->addItem(QStringLiteral("Last name and first name"), static_cast<int>(KeyKind::LastFirst));
    cmbMatchBy->addItem(QStringLiteral("Whole name (\"Last, First\" or \"First Last\")"), static_cast<int>(KeyKind::FullName));

    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    captioned(form, "&Sheet:", cmbSheet);
    captioned(form, "&Heading row:", spnHeadingRow);
    captioned(form, "Match students &by:", cmbMatchBy);
    captioned(form, "&Key column:", cmbKeyColumn);
    captioned(form, "&First name column:", cmbFirstNameColumn);
    captioned(form, "&Mark column:", cmbMarkColumn);

    connect(cmbSheet, &QComboBox::currentIndexChanged, this, [this] {
        if (!filling_)
            emit sheetChanged();
    });
    for (QComboBox* box : {cmbMatchBy, cmbKeyColumn, cmbFirstNameColumn, cmbMarkColumn})
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            showKeyKind();
            if (!filling_)
                emit changed();
        });
    connect(spnHeadingRow, &QSpinBox::valueChanged, this, [this] {
        if (!filling_ && sheet_)
            emit headingRowChanged();
    });
}

void MarkbookColumnChoice::setSheets(const std::vector<SheetTable>& sheets, int chosen)
{
    const QSignalBlocker quiet(cmbSheet);
    cmbSheet->clear();
    for (const SheetTable& sheet : sheets)
        cmbSheet->addItem(QString::fromStdString(sheet.name));
    cmbSheet->setCurrentIndex(std::max(chosen, 0));
    cmbSheet->setEnabled(sheets.size() > 1);
}

int MarkbookColumnChoice::sheetIndex() const { return std::max(cmbSheet->currentIndex(), 0); }

void MarkbookColumnChoice::fillColumns(QComboBox* box, const SheetTable& sheet, const SheetRow* heading)
{
    box->clear();
    box->addItem(QStringLiteral("(none)"), -1);
    for (int c = 0; c < columnCount(sheet.rows); ++c)
        box->addItem(columnCaption(heading, c), c);
}

void MarkbookColumnChoice::showChoice(const SheetTable& sheet, const MarkbookChoice& choice, bool marksDown)
{
    filling_ = true;
    sheet_ = &sheet;
    spnHeadingRow->setRange(0, static_cast<int>(std::min<size_t>(sheet.rows.size(), 999'999)));
    spnHeadingRow->setValue(choice.headingRow);
    const int down = cmbMatchBy->findData(static_cast<int>(KeyKind::None));
    if (marksDown && down < 0)
        cmbMatchBy->addItem(QStringLiteral("Nothing: down from the current student"), static_cast<int>(KeyKind::None));
    else if (!marksDown && down >= 0)
        cmbMatchBy->removeItem(down);
    for (QComboBox* box : {cmbKeyColumn, cmbFirstNameColumn, cmbMarkColumn})
        fillColumns(box, sheet, headingOf(sheet, choice.headingRow));
    cmbMatchBy->setCurrentIndex(std::max(cmbMatchBy->findData(static_cast<int>(choice.key.kind)), 0));
    cmbKeyColumn->setCurrentIndex(cmbKeyColumn->findData(choice.key.first));
    cmbFirstNameColumn->setCurrentIndex(cmbFirstNameColumn->findData(choice.key.second));
    cmbMarkColumn->setCurrentIndex(cmbMarkColumn->findData(choice.mark.column));
    showKeyKind();
    filling_ = false;
}

void MarkbookColumnChoice::showKeyKind()
{
    const auto kind = static_cast<KeyKind>(cmbMatchBy->currentData().toInt());
    cmbKeyColumn->setEnabled(kind != KeyKind::None);
    cmbFirstNameColumn->setEnabled(kind == KeyKind::LastFirst);
    cmbKeyColumn->setAccessibleName(kind == KeyKind::LastFirst ? QStringLiteral("Last name column")
                                                               : QStringLiteral("Key column"));
}

int MarkbookColumnChoice::headingRow() const { return spnHeadingRow->value(); }

bool MarkbookColumnChoice::offersMarksDown() const { return cmbMatchBy->findData(static_cast<int>(KeyKind::None)) >= 0; }

MarkbookChoice MarkbookColumnChoice::choice() const
{
    MarkbookChoice c;
    c.headingRow = spnHeadingRow->value();
    c.key.kind = static_cast<KeyKind>(cmbMatchBy->currentData().toInt());
    if (c.key.kind != KeyKind::None)
        c.key.first = cmbKeyColumn->currentData().toInt();
    if (c.key.kind == KeyKind::LastFirst)
        c.key.second = cmbFirstNameColumn->currentData().toInt();
    const SheetRow* heading = sheet_ ? headingOf(*sheet_, c.headingRow) : nullptr;
    c.mark = markSourceFor(heading, cmbMarkColumn->currentData().toInt());
    return c;
}

} // namespace tq
