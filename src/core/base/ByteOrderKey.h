#pragma once
// Texts compared eight bytes at a time, for the searches and sorts over codes that begin alike.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tq {

// The eight bytes of `text` from position `from` as one number that orders as the bytes do
// (zero beyond the text's end): two texts whose numbers differ compare the same way; equal
// numbers leave the rest of the bytes to decide.
inline uint64_t byteOrderKey(std::string_view text, size_t from = 0)
{
    uint64_t key = 0;
    for (size_t i = from; i < from + 8; ++i)
        key = (key << 8) | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0u);
    return key;
}

} // namespace tq
