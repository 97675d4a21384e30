#include "core/export/ExportFile.h"

#include "core/classdata/ClassFile.h"
#include "core/phrases/Composition.h"

#include <iterator>

namespace tq {

std::string exportComment(const StudentRecord& s, const PhraseLibrary& library)
{
    return s.hasFreeForm ? s.freeFormComment : composeComments(s, library).joined();
}

namespace {
std::string languageProgramme(const StudentRecord& s)
{
    if (s.esl == "Y")
        return "ESL";
    if (s.eld == "Y")
        return "ELD";
    return {};
}

// A name holding a comma (such as "Smith, Jr.") is enclosed in double quotes, as Trillium's own
// master list writes it, so that it cannot push the later fields out of place.
std::string nameField(const std::string& value)
{
    return value.find(',') == std::string::npos ? value : '"' + value + '"';
}
} // namespace

std::string exportLine(const StudentRecord& s, const PhraseLibrary& library)
{
    // Nothing else is quoted but the comment, and nothing is escaped or trimmed.
    const std::string fields[] = {
        nameField(s.courseCode),
        nameField(s.lastName),
        nameField(s.firstName),
        s.studentNumber,
        "",
        nameField(s.gender),
        nameField(s.masterColumn8),
        std::string(skillCodeToLetter(s.iep)),
        languageProgramme(s),
        s.mark,
        "0",
        "0",
        std::string(skillCodeToLetter(s.skillIndependentWork)),
        "",
        std::string(skillCodeToLetter(s.skillOrganization)),
        "",
        std::string(skillCodeToLetter(s.skillInitiative)),
        "",
        "\"" + exportComment(s, library) + "\"",
        std::string(skillCodeToLetter(s.skillResponsibility)),
        std::string(skillCodeToLetter(s.skillCollaboration)),
        std::string(skillCodeToLetter(s.skillSelfRegulation)),
        s.interview == "Y" ? "1" : "0",
        "0",
    };
    std::string line = fields[0];
    for (size_t i = 1; i < std::size(fields); ++i)
        line.append(1, ',').append(fields[i]);
    return line;
}

std::string exportFileText(const ClassList& students, const PhraseLibrary& library)
{
    std::string text;
    for (const StudentRecord& s : students) {
        text += exportLine(s, library);
        text += crlf;
    }
    return text;
}

bool writeExportFile(const std::string& path, const ClassList& students, const PhraseLibrary& library,
                     const ByteWriterFactory& makeWriter)
{
    return replaceFileAtomically(path, exportFileText(students, library), makeWriter);
}

Message exportPromptMessage()
{
    return Message{std::string("TQ15: You are now about to be prompted for a folder and file name for this eFile.") +
                   crlf + "Depending on your school's established procedures:" + crlf +
                   "-  select a special 'submit' folder OR " + crlf +
                   "-  save it so you can email it to your designated secretary OR " + crlf +
                   "-  save it to a disc or Flash Drive so you can take it to your designated secretary."};
}

Message exportDoneMessage()
{
    return Message{std::string("CONGRATULATIONS!!! You have saved your .trc file.") + crlf +
                   "Depending on your school's established procedures:" + crlf +
                   "-  you're done :-) YIPPEE!   OR " + crlf +
                   "-  you must now email your Trillium secretary with the .trc file as an attachment OR " + crlf +
                   "-  you must now take your disc or Flash Drive with the .trc file to your Trillium secretary."};
}

Message exportFailedMessage()
{
    return Message{"TQTemp: The eFile could not be written. The file that was there before, if any, is unchanged. "
                   "Please save the eFile in another folder."};
}

} // namespace tq
