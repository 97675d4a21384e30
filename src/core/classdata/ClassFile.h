#pragma once
// The class file (.tqc): one line per student, 27 comma fields, no header.
#include "core/base/Message.h"
#include "core/base/TextFile.h"
#include "core/classdata/StudentRecord.h"

#include <array>
#include <string>
#include <string_view>
#include <variant>

namespace tq {

// Learning-skill and flag values as the class file and the eFile write them.
std::string_view skillCodeToLetter(std::string_view code);
std::string_view skillLetterToCode(std::string_view letter);

// The default file name for a class: the letters and digits of its course code.
std::string classFileBaseName(const std::string& courseCode);

// One student as a class-file line, without its line end.
std::string classFileLine(const StudentRecord& s);
// The whole class file's bytes.
std::string classFileText(const ClassList& students);

// Writes the class to `path`, replacing the file only once the new one is whole.
bool saveClassFile(const std::string& path, const ClassList& students,
                   const ByteWriterFactory& makeWriter = {});

// The first 26 comma fields of a class-file line; the free-form comment is what follows them.
using ClassLineFields = std::array<std::string_view, 26>;
// Copies a line's fields into the record (all but the free-form flag, field 26, which the reader
// checks and converts). Nothing is checked here.
void fillStudentRecord(StudentRecord& s, const ClassLineFields& fields, std::string_view freeFormText);

// Reads a class file. On success the students; otherwise the message to show (TQ7 or TQ8).
std::variant<ClassList, Message> readClassFile(const std::string& path);
// The students of a class file's text (as readTextFile gives it); TQ8 when any line is not a
// student line, when there are none, or more than the class can hold.
std::variant<ClassList, Message> parseClassFileText(std::string_view text);

Message invalidClassFileTypeMessage(); // TQ7
Message invalidClassFileMessage();     // TQ8

} // namespace tq
