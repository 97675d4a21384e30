#pragma once
// `tallyquill import-marks`: marks from a markbook file into a class file, with the rules and the
// plan the Import Marks window uses, printed instead of shown.
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace tq {

class PhraseLibrary;
struct SheetReadResult;

bool isImportMarksOption(const std::string& arg);
bool importMarksOptionTakesValue(const std::string& arg);
std::string importMarksUsage();

// `operands`: CLASS.tqc, MARKS and the command's options as given. `loadLibrary` gives the phrase
// library when --favourites needs one (false when it cannot be used; it has said why). Returns the
// exit code.
int importMarks(const std::vector<std::string>& operands, std::ostream& out, std::ostream& err,
                const std::function<bool(PhraseLibrary&)>& loadLibrary);
// The same, with the markbook read by `readMarkbook`.
using ReadMarkbook = std::function<SheetReadResult(const std::string&)>;
int importMarks(const std::vector<std::string>& operands, std::ostream& out, std::ostream& err,
                const std::function<bool(PhraseLibrary&)>& loadLibrary, const ReadMarkbook& readMarkbook);

} // namespace tq
