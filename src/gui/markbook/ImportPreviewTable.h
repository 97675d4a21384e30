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

} // namespace tq
