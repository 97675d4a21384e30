#pragma once
// Menu items as a screen reader reads them, with their keys: "Save Class File, Ctrl+S". Qt hands
// a screen reader an item's shortcut as the whole of its key binding, which Orca takes for the
// item's path through the menus and does not say; here the binding is given in the three parts
// a screen reader reads ("mnemonic;path;shortcut"), the shortcut last.
#include <QString>

class QAction;

namespace tq::ui {

// Lets every menu item with a shortcut answer so (once per program; later calls do nothing).
void readMenuKeys();

// The key binding a screen reader is given for `action`: ";;Ctrl+S"; "" without a shortcut.
QString menuKeyBinding(const QAction& action);

} // namespace tq::ui
