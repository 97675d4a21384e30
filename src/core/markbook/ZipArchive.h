#pragma once
// A zip archive held in memory (an XLSX or ODS file's bytes), read with libzip: its parts are
// unpacked piece by piece, so a part is never held whole and a zip bomb stops at a limit.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

typedef struct zip zip_t;

namespace tq {

class ZipArchive {
public:
    // Reads the archive's directory from `bytes`, which must outlive the archive.
    explicit ZipArchive(const std::string& bytes);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    // False when the bytes are not a zip archive or its directory is damaged; openError() says which.
    bool isOpen() const { return zip_ != nullptr; }
    bool isNotZip() const { return notZip_; }
    const std::string& openError() const { return openError_; }

    bool has(const std::string& name) const;

    enum class ReadStatus { Read, Missing, TooLarge, Damaged, Stopped };
    struct ReadResult {
        ReadStatus status = ReadStatus::Read;
        std::string detail; // libzip's reason when Damaged
    };
    // Unpacks the part `name` (found regardless of case) and hands its bytes to `sink` in pieces,
    // stopping when the sink returns false or when more than `maxBytes` would be unpacked.
    ReadResult read(const std::string& name, std::size_t maxBytes,
                    const std::function<bool(std::string_view)>& sink) const;

private:
    zip_t* zip_ = nullptr;
    bool notZip_ = false;
    std::string openError_;
};

} // namespace tq
