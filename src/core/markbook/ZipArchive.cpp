#include "core/markbook/ZipArchive.h"

#include <zip.h>

#include <array>
#include <memory>

namespace tq {

ZipArchive::ZipArchive(const std::string& bytes)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (source != nullptr) {
        zip_ = zip_open_from_source(source, ZIP_RDONLY, &error);
        if (zip_ == nullptr)
            zip_source_free(source);
    }
    if (zip_ == nullptr) {
        notZip_ = zip_error_code_zip(&error) == ZIP_ER_NOZIP;
        openError_ = zip_error_strerror(&error);
    }
    zip_error_fini(&error);
}

ZipArchive::~ZipArchive()
{
    if (zip_ != nullptr)
        zip_discard(zip_);
}

bool ZipArchive::has(const std::string& name) const
{
    return zip_ != nullptr && zip_name_locate(zip_, name.c_str(), ZIP_FL_NOCASE) >= 0;
}

ZipArchive::ReadResult ZipArchive::read(const std::string& name, std::size_t maxBytes,
                                        const std::function<bool(std::string_view)>& sink) const
{
    if (zip_ == nullptr)
        return {ReadStatus::Missing, {}};
    const zip_int64_t index = zip_name_locate(zip_, name.c_str(), ZIP_FL_NOCASE);
    if (index < 0)
        return {ReadStatus::Missing, {}};
    const auto close = [](zip_file_t* f) { zip_fclose(f); };
    std::unique_ptr<zip_file_t, decltype(close)> file(zip_fopen_index(zip_, static_cast<zip_uint64_t>(index), 0),
                                                       close);
    if (!file)
        return {ReadStatus::Damaged, zip_error_strerror(zip_get_error(zip_))};
    std::array<char, 1 << 16> buffer;
    std::size_t total = 0;
    for (;;) {
        const zip_int64_t n = zip_fread(file.get(), buffer.data(), buffer.size());
        if (n < 0)
            return {ReadStatus::Damaged, zip_error_strerror(zip_file_get_error(file.get()))};
        if (n == 0)
            return {};
        total += static_cast<std::size_t>(n);
        if (total > maxBytes)
            return {ReadStatus::TooLarge, {}};
        if (!sink(std::string_view(buffer.data(), static_cast<std::size_t>(n))))
            return {ReadStatus::Stopped, {}};
    }
}

} // namespace tq
