// The school's set-up file, written by hand by an administrator: whatever it holds, the school's
// name is one line of at most 80 characters of display text, the data folder a name a file
// system can hold, and a later line still decides a key.
#include "FuzzSupport.h"
#include "core/program/SetupFile.h"

#include <string_view>

using namespace tq;

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const SchoolSetup setup = parseSetup(bytes);
    const std::string& school = setup.school;
    fuzz::check(school.size() <= maxSchoolNameLength, "the school's name is at most 80 characters");
    for (const char c : school)
        fuzz::check(static_cast<unsigned char>(c) >= 0x20 && c != '\x7F', "the school's name holds no control character");
    fuzz::check(school.empty() || (!isBlank(school.front()) && !isBlank(school.back())),
                "the school's name has no blanks around it");
    const std::string& folder = setup.dataFolder;
    fuzz::check(folder.find('\0') == std::string::npos, "the data folder holds no NUL");
    fuzz::check(folder.size() <= 1 || folder.back() != '/', "the data folder does not end in a slash");

    // A line added at the end decides its key and leaves the other one as it was.
    const SchoolSetup later = parseSetup(bytes + "\nSchool=Lakeshore\n");
    fuzz::check(later.school == "Lakeshore", "the later line counts");
    fuzz::check(later.dataFolder == setup.dataFolder, "a school line leaves the data folder alone");
    return 0;
}
