#pragma once
// The import window's tables: read-only, chosen by rows, Tab leaving them for the next control.
#include <QStringList>

#include <string>
#include <vector>

class QTableWidget;

namespace tq {

void setUpReadOnlyTable(QTableWidget& table, const QStringList& headings);
void setTableRow(QTableWidget& table, int row, const QStringList& cells, bool bold = false);
// What a screen reader says for each cell of a row set already, instead of the cell's text alone.
void setSpokenRow(QTableWidget& table, int row, const std::vector<std::string>& spoken);
// A sheet's row number as shown, "" for none (0).
QString shownRowNumber(int row);

} // namespace tq
