#include "core/markbook/ZipXmlPart.h"

namespace tq {

ZipXmlRead readZipXmlPart(const ZipArchive& zip, const std::string& name, XmlHandler& handler, SheetBudget& budget,
                          const std::string& kind)
{
    const SheetReadLimits& limits = budget.limits();
    XmlStream xml(handler);
    const std::size_t maxBytes = std::min(limits.maxPartBytes, limits.maxUnpackedBytes - budget.unpackedBytes);
    std::size_t unpacked = 0;
    const ZipArchive::ReadResult read = zip.read(name, maxBytes, [&](std::string_view piece) {
        unpacked += piece.size();
        return xml.feed(piece, false);
    });
    budget.unpackedBytes += unpacked;
    const std::string damaged = "The " + kind + " is damaged: " + name;
    switch (read.status) {
    case ZipArchive::ReadStatus::Missing:
        return {true, {}};
    case ZipArchive::ReadStatus::TooLarge:
        return {false, "The " + kind + " is too large to read: " + name + " unpacks to more than " +
                           std::to_string(maxBytes >> 20) + " MB."};
    case ZipArchive::ReadStatus::Damaged:
        return {false, damaged + " cannot be unpacked (" + read.detail + ")."};
    case ZipArchive::ReadStatus::Read:
    case ZipArchive::ReadStatus::Stopped:
        break;
    }
    if (read.status == ZipArchive::ReadStatus::Read)
        xml.feed({}, true);
    if (!handler.stopReason().empty())
        return {false, handler.stopReason()};
    if (!xml.error().empty())
        return {false, damaged + " is not well-formed XML (" + xml.error() + ")."};
    return {};
}

std::string notAZipMessage(const ZipArchive& zip, const std::string& kind)
{
    if (zip.isNotZip())
        return "The file is not an " + kind + ": it is not a zip archive.";
    return "The file is not a readable " + kind + ": its zip archive is damaged (" + zip.openError() + ").";
}

} // namespace tq
