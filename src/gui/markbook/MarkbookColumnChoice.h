#pragma once
// The import window's choices: which sheet, which row holds its headings, how rows find their
// students (and by which columns), and which column holds the marks. Starts at what the core
// proposes; every change is reported with `changed` (a new heading row with `headingRowChanged`:
// the columns are proposed again below it).
#include "core/markbook/ImportPlan.h"

#include <QWidget>

class QComboBox;
class QSpinBox;

namespace tq {

class MarkbookColumnChoice : public QWidget {
    Q_OBJECT

public:
    explicit MarkbookColumnChoice(QWidget* parent = nullptr);

    // The sheets to choose from (several only in a workbook), and `chosen` chosen.
    void setSheets(const std::vector<SheetTable>& sheets, int chosen = 0);
    int sheetIndex() const;
    // Shows the columns of `sheet` with `choice` chosen. `marksDown` offers matching nobody:
    // the marks then go down the class from the current student.
    void showChoice(const SheetTable& sheet, const MarkbookChoice& choice, bool marksDown);
    MarkbookChoice choice() const;
    int headingRow() const;
    bool offersMarksDown() const;

signals:
    void sheetChanged();
    void headingRowChanged();
    void changed();

private:
    void fillColumns(QComboBox* box, const SheetTable& sheet, const SheetRow* heading);
    void showKeyKind();

    QComboBox* cmbSheet = nullptr;
    QSpinBox* spnHeadingRow = nullptr;
    QComboBox* cmbMatchBy = nullptr;
    QComboBox* cmbKeyColumn = nullptr;
    QComboBox* cmbFirstNameColumn = nullptr;
    QComboBox* cmbMarkColumn = nullptr;
    const SheetTable* sheet_ = nullptr;
    bool filling_ = false;
};

} // namespace tq
