#pragma once
// The first rows of a markbook sheet as they are, under the spreadsheet's column letters.
#include "core/markbook/SheetTable.h"

#include <QTableWidget>

namespace tq {

class SheetRowsTable : public QTableWidget {
    Q_OBJECT

public:
    static constexpr int rowsShown = 12;
    explicit SheetRowsTable(QWidget* parent = nullptr);
    void showSheet(const SheetTable& sheet);
};

} // namespace tq
