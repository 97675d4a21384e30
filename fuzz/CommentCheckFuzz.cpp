// The comment checks and the teacher's word list on any bytes: a comment pasted from anywhere, a
// word list edited by hand. Every finding must lie inside the comment and be the word it names;
// the words of a list are single lines; the dictionary (when installed) is asked in its own
// encoding whatever the bytes.
#include "FuzzSupport.h"
#include "core/spelling/CommentChecker.h"
#include "core/spelling/SpellDictionary.h"
#include "core/spelling/TeacherWords.h"

#include <memory>

using namespace tq;

namespace {
StudentRecord student(const char* first, const char* gender)
{
    StudentRecord s;
    s.firstName = first;
    s.lastName = "M\xFCller";
    s.gender = gender;
    return s;
}

const ClassList& students()
{
    static const ClassList c{student("Zo\xEB", "F"), student("Sam", "M"), student("Mary Anne", "F"),
                             student("Jean-Luc", "M"), student("", "")};
    return c;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::unique_ptr<SpellDictionary> dictionary =
        SpellDictionary::open(systemDictionaryFolder, defaultDictionaryName);
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const std::vector<std::string> words = teacherWordsOf(bytes);
    for (const std::string& w : words)
        fuzz::check(!w.empty() && w.find_first_of("\r\n") == std::string::npos, "a listed word is one line");

    CommentChecker checker = CommentChecker::forClass(dictionary.get(), PhraseLibrary(), students(), words);
    const StudentRecord& about = students()[size % students().size()];
    for (const CommentFinding& f : checker.findings(bytes, about)) {
        fuzz::check(f.where.offset + f.where.length <= bytes.size(), "a finding lies inside the comment");
        fuzz::check(bytes.substr(f.where.offset, f.where.length) == f.word, "a finding names its own word");
        fuzz::check(!f.word.empty(), "a finding names a word");
    }
    return 0;
}
