#pragma once
// The import's preview, a table a screen reader reads cell by cell: every student of the class
// with the old mark, the new one (as it was rounded), the markbook row it comes from and the
// initial values it gives. Rows whose mark changes are shown in bold.
#include "core/markbook/ImportPlan.h"

#include <QTableWidget>

namespace tq {

class ImportPreviewTable : public QTableWidget {
    Q_OBJECT

public:
    explicit ImportPreviewTable(QWidget* parent = nullptr);
    void showPlan(const ImportPlan& plan, const ClassList& students);
};

// The rows and students the import leaves out, each with its reason: rows matching no student,
// ambiguous rows, refused values, lines beyond the last student, and students with no row.
class ImportProblemTable : public QTableWidget {
    Q_OBJECT

public:
    explicit ImportProblemTable(QWidget* parent = nullptr);
    void showPlan(const ImportPlan& plan, const ClassList& students);
};

// The sheet's first rows as they are, under column letters.
class SheetRowsTable : public QTableWidget {
    Q_OBJECT

public:
    static constexpr int rowsShown = 12;
    explicit SheetRowsTable(QWidget* parent = nullptr);
    void showSheet(const SheetTable& sheet);
};

} // namespace tq
