#pragma once
// The Trillium import file (".trc", the "eFile"): one line of 24 comma fields per student, in
// class order, ended by CR LF, with no header.
#include "core/base/Message.h"
#include "core/base/TextFile.h"
#include "core/classdata/StudentRecord.h"
#include "core/phrases/PhraseLibrary.h"

#include <string>

namespace tq {

inline constexpr const char* exportFilter = "Trillium Export (*.trc)|*.trc";

// Field 19: the free-form comment as stored, or the five composed phrases joined, without tags.
std::string exportComment(const StudentRecord& s, const PhraseLibrary& library);
// One student's line, without its line end.
std::string exportLine(const StudentRecord& s, const PhraseLibrary& library);
// The whole file's bytes.
std::string exportFileText(const ClassList& students, const PhraseLibrary& library);

// Writes the eFile to `path`, replacing an existing file only once the new one is whole; on a
// failure nothing is left open and the old file, if any, is unchanged.
bool writeExportFile(const std::string& path, const ClassList& students, const PhraseLibrary& library,
                     const ByteWriterFactory& makeWriter = {});

Message exportPromptMessage();        // TQ15, before the save dialog
Message exportDoneMessage();          // the congratulations after the file is written
Message exportFailedMessage();       // the file could not be written

} // namespace tq
