#pragma once
// One XML part of a zipped workbook read through a handler, within the workbook's limits.
#include "core/markbook/SheetLimits.h"
#include "core/markbook/XmlStream.h"
#include "core/markbook/ZipArchive.h"

#include <string>

namespace tq {

struct ZipXmlRead {
    bool missing = false;
    std::string error; // the message for the teacher; empty when read (or missing)
    bool ok() const { return !missing && error.empty(); }
};

// Reads the part `name` of `zip` into `handler`. `kind` names the file in messages ("XLSX
// workbook"). A stop asked by the handler gives its reason as the message.
ZipXmlRead readZipXmlPart(const ZipArchive& zip, const std::string& name, XmlHandler& handler, SheetBudget& budget,
                          const std::string& kind);

// The message for bytes that did not open as a zip archive.
std::string notAZipMessage(const ZipArchive& zip, const std::string& kind);

} // namespace tq
