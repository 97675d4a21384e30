#pragma once
// The rows and students an import leaves out, each with its reason: refused values, ambiguous
// rows, rows matching no student, lines beyond the last student, and students with no row.
#include "core/markbook/ImportPlan.h"

#include <QTableWidget>

namespace tq {

class ImportProblemTable : public QTableWidget {
    Q_OBJECT

public:
    explicit ImportProblemTable(QWidget* parent = nullptr);
    void showPlan(const ImportPlan& plan, const ClassList& students);
};

} // namespace tq
