#pragma once
// Names as a teacher reads them, before they are compared: the same letters typed on another
// computer or pasted from a word processor give the same text. Unicode composition (NFC) puts an
// accent typed as a letter and a combining mark together; typographic apostrophes and quotes
// become ' and the dashes become -.
#include <string>
#include <string_view>

namespace tq {

// UTF-8 in, UTF-8 out. Text that is not well-formed UTF-8 comes back unchanged.
std::string foldedNameText(std::string_view utf8);

} // namespace tq
