#include "core/markbook/ZipPacking.h"

#include <zip.h>

namespace tq {

std::string zipOfParts(const std::vector<ZipPart>& parts)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* archive = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_error_fini(&error);
    if (archive == nullptr)
        return {};
    zip_t* zip = zip_open_from_source(archive, ZIP_TRUNCATE, nullptr);
    if (zip == nullptr) {
        zip_source_free(archive);
        return {};
    }
    zip_source_keep(archive); // read back after the archive is closed
    std::string bytes;
    {
        bool added = true;
        for (const auto& [name, data] : parts) {
            zip_source_t* part = zip_source_buffer(zip, data.data(), data.size(), 0);
            if (part == nullptr || zip_file_add(zip, name.c_str(), part, ZIP_FL_OVERWRITE) < 0) {
                zip_source_free(part);
                added = false;
            }
        }
        if (!added || zip_close(zip) < 0) {
            zip_discard(zip);
        } else if (zip_source_open(archive) == 0) {
            zip_stat_t stat;
            if (zip_source_stat(archive, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE)) {
                bytes.resize(stat.size);
                if (zip_source_read(archive, bytes.data(), stat.size) != static_cast<zip_int64_t>(stat.size))
                    bytes.clear();
            }
            zip_source_close(archive);
        }
    }
    zip_source_free(archive);
    return bytes;
}

} // namespace tq
