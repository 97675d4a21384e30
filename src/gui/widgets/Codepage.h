#pragma once
// The program keeps text as Windows-1252 bytes; these turn such bytes into display text and back.
#include <QString>
#include <string>

namespace tq::ui {

// Every byte maps to one character. The five bytes that Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same value, so that
// any byte string survives a trip to QString and back unchanged.
QString fromCp1252(const std::string& bytes);

// Characters that Windows-1252 cannot hold become '?'.
std::string toCp1252(const QString& text);

// The same, one byte for each UTF-16 unit of `text` (a character beyond it, two '?'), so that a
// place in the bytes is the same place in the text: for marking words of a text box.
std::string toCp1252Units(const QString& text);
// The characters of `text` that Windows-1252 cannot hold, in order: those toCp1252 would turn
// into '?'. Empty when the text survives whole.
QString charactersOutsideCp1252(const QString& text);

} // namespace tq::ui
