#pragma once
// The teacher's own word list: words the teacher has added ("Add to my words") that the spelling
// check then accepts. One word a line, kept in the program's folder among the user's data beside
// the recovery copies, never in the teacher's own folders. A teacher may edit it by hand: it is
// read as UTF-8 (with or without a byte-order mark) or, when it is not well-formed UTF-8, as
// Windows-1252.
#include "core/base/TextFile.h"

#include <string>
#include <string_view>
#include <vector>

namespace tq {

inline constexpr const char* teacherWordsFileName = "words.txt";
// Only the beginning of a larger file is read, and nothing is added to it.
inline constexpr size_t maxTeacherWordsBytes = 1024 * 1024;

// The word list of the running user; empty when HOME is not set.
std::string teacherWordsFileOfUser();

// The words of a list's bytes, in Windows-1252: one a line, blanks around it dropped, empty lines
// skipped.
std::vector<std::string> teacherWordsOf(std::string_view bytes);

// The words of the list at `path`; none when there is no list (or no path).
std::vector<std::string> readTeacherWords(const std::string& path);

// Adds `word` (Windows-1252) at the end of the list, which is made, with its folder, when there is
// none; a word already listed is not added again. The list is written whole to a new file that
// then takes the old one's place, in the list's own encoding (UTF-8 for a new list). False when it
// could not be written or the list is too large to be read whole; the old list is unchanged then.
bool addTeacherWord(const std::string& path, std::string_view word, const ByteWriterFactory& makeWriter = {});

} // namespace tq
