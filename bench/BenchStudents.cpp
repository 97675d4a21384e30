// The generated master file and class: 3,000 students over 2,000 class codes, and the class of
// 501 made from the three sections that hold 167 students each.
#include "bench/BenchData.h"

#include "core/base/Message.h"
#include "core/base/TextFile.h"
#include "core/classdata/ClassSort.h"
#include "core/phrases/Composition.h"

#include <algorithm>
#include <numeric>

namespace tq::bench {

namespace {
// Some names carry Windows-1252 letters, as the school's names do.
const std::vector<std::string> firstNames{
    "Layla", "Noah", "Amira", "Liam", "No\xE9mie", "Ethan", "Sofia", "Lucas", "Hana", "Mateo", "Chlo\xE9",
    "Arjun", "Zo\xEB", "Kwame", "Ana", "Oliver", "Priya", "Benjamin", "Ga\xEBlle", "Mohammed", "Isabella",
    "Jiwoo", "Fran\xE7ois", "Emma", "Tariq", "Ava", "Sebastian", "Mia", "Rowan", "Yusuf", "Charlotte", "Nadia",
    "Felix", "Aaliyah", "Hugo", "Jos\xE9", "Ines", "Samuel", "Leah", "Ren\xE9"};
const std::vector<std::string> lastNames{
    "Ahmed", "Anderson", "Arsenault", "B\xE9langer", "Brown", "Campbell", "Chen", "C\xF4t\xE9", "Davies",
    "Dubois", "Fischer", "Gagnon", "Garc\xED" "a", "Grewal", "Hassan", "Ibrahim", "Johnson", "Kim", "Kowalski",
    "Lam", "Lefebvre", "MacDonald", "Martin", "Mensah", "Nguyen", "O'Brien", "Okafor", "Patel", "Petrov",
    "Roy", "Santos", "Singh", "Smith", "Tremblay", "Wilson", "Yamamoto", "Zhang", "de Souza", "van Dijk",
    "\"Smith, Jr.\""};
const std::vector<std::string> subjects{"ADA", "AMU", "AVI", "BAF", "BTT", "CGC", "CHC", "CHV", "ENG", "FSF",
                                        "GLC", "HFN", "HRE", "ICS", "MCR", "MHF", "MPM", "PPL", "SBI", "SCH",
                                        "SNC", "SPH", "TEJ", "TGJ", "TIJ"};
const std::string levels = "DPOU";
const std::vector<std::string> excludedCodes{"LUNCH1", "LUNCH2", "SH1A", "ZSTUDY", "ZLIB"};
const std::string freeFormWords =
    "works hard in class and takes pride in the quality of assignments, shows growing confidence when "
    "presenting ideas to the class; has improved steadily over the term. continues to develop strong "
    "organization skills and should keep reviewing notes before each test! it has been a pleasure to teach ";

// The 2,000 class codes of the school: 25 subjects, grades 1 to 4, four levels, five sections.
// Each is nine characters long, so that no code lies inside another one.
std::vector<std::string> schoolClassCodes()
{
    std::vector<std::string> codes;
    for (const std::string& subject : subjects)
        for (char grade = '1'; grade <= '4'; ++grade)
            for (const char level : levels)
                for (int section = 1; section <= 5; ++section)
                    codes.push_back(subject + grade + level + "1-0" + std::to_string(section));
    return codes;
}

struct MasterStudent {
    std::string lastName, firstName, gender, number, homeroom;
    std::vector<std::string> codes;
};

// The students in master-file order. Large-class students are the first 501 of a fixed shuffle.
std::vector<MasterStudent> schoolStudents(uint64_t origin)
{
    Sequence seq(origin ^ 0x5717u);
    std::vector<std::string> others;
    for (const std::string& code : schoolClassCodes())
        if (std::find(largeClassCodes.begin(), largeClassCodes.end(), code) == largeClassCodes.end())
            others.push_back(code);
    std::vector<int> order(masterStudentCount);
    std::iota(order.begin(), order.end(), 0);
    for (int i = masterStudentCount - 1; i > 0; --i)
        std::swap(order[static_cast<size_t>(i)], order[static_cast<size_t>(seq.between(0, i))]);

    std::vector<MasterStudent> students(masterStudentCount);
    for (int i = 0; i < masterStudentCount; ++i) {
        MasterStudent& s = students[static_cast<size_t>(i)];
        s.lastName = seq.pick(lastNames);
        s.firstName = seq.pick(firstNames);
        s.gender = seq.chance(50) ? "M" : "F";
        s.number = std::to_string(310000000 + i * 1013);
        s.homeroom = std::to_string(seq.between(9, 12)) + static_cast<char>('A' + seq.between(0, 5));
        // Every code is somebody's: student i takes code i first.
        s.codes.push_back(others[static_cast<size_t>(i) % others.size()]);
        for (int n = seq.between(5, 7); n > 0; --n)
            s.codes.push_back(seq.pick(others));
        if (seq.chance(90))
            s.codes.push_back(seq.pick(excludedCodes));
    }
    for (int k = 0; k < largeClassSize; ++k) {
        std::vector<std::string>& codes = students[static_cast<size_t>(order[static_cast<size_t>(k)])].codes;
        codes.insert(codes.begin() + seq.between(0, static_cast<int>(codes.size())), largeClassCodes[k % 3]);
    }
    return students;
}

std::string quotedIfComma(const std::string& s)
{
    return s.find(',') == std::string::npos || s.front() == '"' ? s : "\"" + s + "\"";
}

std::string libraryCode(Sequence& seq)
{
    std::string code = std::to_string(seq.between(0, libraryPhrases - 1));
    return std::string(4 - code.size(), '0') + code;
}

std::string skillRating(Sequence& seq)
{
    static const std::vector<std::string> ratings{"1", "2", "2", "3", "3", "3", "3", "4", "4", "4"};
    return seq.pick(ratings);
}

std::string yesSometimes(Sequence& seq, int percent) { return seq.chance(percent) ? "Y" : ""; }

// Marks, codes, skills, flags and now and then a free-form comment. The five codes are chosen so
// that the composed comment stays within the Trillium limit, except for one student in twenty.
void fillEntries(StudentRecord& s, Sequence& seq, const PhraseLibrary& library)
{
    s.mark = seq.chance(2) ? "I" : std::to_string(seq.between(35, 100)) + (seq.chance(4) ? ".5" : "");
    const bool overLimit = seq.chance(5);
    for (int attempt = 0; attempt < 50; ++attempt) {
        for (int k = 1; k <= commentCount; ++k)
            s.comment(k) = libraryCode(seq);
        if ((composeComments(s, library).totalLength > trilliumCommentLimit) == overLimit)
            break;
    }
    for (int k = 1; k <= skillCount; ++k)
        s.skill(k) = skillRating(seq);
    s.iep = yesSometimes(seq, 10);
    s.esl = yesSometimes(seq, 8);
    s.eld = yesSometimes(seq, 3);
    s.interview = yesSometimes(seq, 15);
    if (seq.chance(5)) {
        s.hasFreeForm = true;
        const size_t start = static_cast<size_t>(seq.between(0, 60));
        s.freeFormComment = freeFormWords.substr(start, static_cast<size_t>(seq.between(150, 260)));
    }
}

std::string unquoted(const std::string& s)
{
    return s.front() == '"' ? s.substr(1, s.size() - 2) : s;
}
} // namespace

std::string masterFileText(uint64_t origin)
{
    std::string text = std::string("Last Name,First Name,Gender,Student Number,Birth Date,Grade,Status,Homeroom,"
                                   "Counsellor,Entry Date,Photo Consent,Locker,Bus Route,Board,Class Codes") +
                       crlf;
    Sequence seq(origin ^ 0xB1D7u);
    int locker = 100;
    for (const MasterStudent& s : schoolStudents(origin)) {
        std::string codes;
        for (const std::string& code : s.codes)
            codes += (codes.empty() ? "" : " ") + code;
        const std::string grade = s.homeroom.substr(0, s.homeroom.size() - 1);
        text += quotedIfComma(s.lastName) + "," + s.firstName + "," + s.gender + "," + s.number + "," +
                std::to_string(seq.between(2006, 2010)) + "-0" + std::to_string(seq.between(1, 9)) + "-1" +
                std::to_string(seq.between(0, 9)) + "," + grade + ",A," + s.homeroom + ",ABR,2024-09-03," +
                (seq.chance(80) ? "Y" : "N") + ",L" + std::to_string(locker++) + ",R" +
                std::to_string(seq.between(1, 9)) + ",B12," + codes + crlf;
    }
    return text;
}

ClassList largeClass(uint64_t origin)
{
    const PhraseLibrary library = parsePhraseLibraryText(phraseLibraryText(origin)).library;
    Sequence seq(origin ^ 0xC1A5u);
    // Students who joined a section since the class was made are in the master file only; as
    // many who left it are in the class only. An update swaps them.
    constexpr int changedStudents = 4;
    ClassList students;
    int joined = 0;
    for (const MasterStudent& m : schoolStudents(origin)) {
        for (const std::string& code : largeClassCodes) {
            if (std::find(m.codes.begin(), m.codes.end(), code) == m.codes.end())
                continue;
            if (joined < changedStudents && seq.chance(5)) {
                ++joined;
                continue;
            }
            students.push_back(newStudentRecord(code, m.number, unquoted(m.lastName), m.firstName, m.gender, m.homeroom));
        }
    }
    for (int k = 0; static_cast<int>(students.size()) < largeClassSize; ++k)
        students.push_back(newStudentRecord(largeClassCodes[static_cast<size_t>(k) % 3],
                                            std::to_string(399000000 + k * 7), seq.pick(lastNames),
                                            seq.pick(firstNames), "F", "12C"));
    for (StudentRecord& s : students) {
        s.lastName = unquoted(s.lastName);
        fillEntries(s, seq, library);
    }
    sortByName(students);
    return students;
}

} // namespace tq::bench
