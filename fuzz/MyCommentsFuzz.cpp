// The teacher's comments file on any bytes, as an editor or another machine may leave it: every
// comment read is one line of UTF-8 that the file's text gives back unchanged, and each turned
// back into placeholders, and written for a student again, stays UTF-8.
#include "FuzzSupport.h"
#include "core/base/Cp1252.h"
#include "core/mycomments/BackToPlaceholders.h"
#include "core/mycomments/MyCommentExpansion.h"
#include "core/mycomments/MyCommentsFile.h"

using namespace tq;

namespace {
StudentRecord student(const char* first, const char* gender)
{
    StudentRecord s;
    s.firstName = first;
    s.gender = gender;
    return s;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const StudentRecord students[] = {student("Zo\xEB", "F"), student("Sam", "M"), student("Alex", " x"),
                                              student("", "")};
    const MyComments read = parseMyComments(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const std::string& comment : read.comments) {
        fuzz::check(!comment.empty() && comment.find_first_of("\r\n") == std::string::npos, "a comment is one line");
        fuzz::check(isWellFormedUtf8(comment), "a comment is UTF-8");
        for (const StudentRecord& s : students) {
            const std::string kept = backToPlaceholders(comment, s);
            fuzz::check(isWellFormedUtf8(kept), "placeholders keep the text UTF-8");
            fuzz::check(isWellFormedUtf8(expandMyComment(kept, s, studentNamedIn(comment, s))),
                        "a comment written for a student is UTF-8");
        }
    }
    fuzz::check(parseMyComments(myCommentsFileText(read.comments)).comments == read.comments,
                "the file's text reads back as the same comments");
    return 0;
}
