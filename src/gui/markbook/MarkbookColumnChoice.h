#pragma once
// The import window's choices: which sheet, whether its first row is a heading, how rows find
// their students (and by which columns), and which column holds the marks. Starts at what the
// core proposes; every change is reported with `changed`.
#include "core/markbook/ImportPlan.h"

#include <QWidget>

class QCheckBox;
class QComboBox;

namespace tq {

class MarkbookColumnChoice : public QWidget {
    Q_OBJECT

public:
    explicit MarkbookColumnChoice(QWidget* parent = nullptr);

    // The sheets to choose from (several only in a workbook), and the first chosen.
    void setSheets(const std::vector<SheetTable>& sheets);
    int sheetIndex() const;
    // Shows the columns of `sheet` with `choice` chosen. `marksDown` offers matching nobody:
    // the marks then go down the class from the current student.
    void showChoice(const SheetTable& sheet, const MarkbookChoice& choice, bool marksDown);
    MarkbookChoice choice() const;

signals:
    void sheetChanged();
    void changed();

private:
    void fillColumns(QComboBox* box, const SheetTable& sheet, bool heading);
    void showKeyKind();

    QComboBox* cmbSheet = nullptr;
    QCheckBox* chkHeading = nullptr;
    QComboBox* cmbMatchBy = nullptr;
    QComboBox* cmbKeyColumn = nullptr;
    QComboBox* cmbFirstNameColumn = nullptr;
    QComboBox* cmbMarkColumn = nullptr;
    const SheetTable* sheet_ = nullptr;
    bool filling_ = false;
};

} // namespace tq
