#include "core/base/Cp1252.h"

#include <array>

namespace tq {

namespace {
// Characters of the bytes 0x80 to 0x9F; the undefined ones keep their own value.
constexpr std::array<char32_t, 32> upperControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,   // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,   // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,   // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,   // 98-9F
};

constexpr Cp1252Letters lettersOfTheCodePage()
{
    Cp1252Letters t{};
    for (size_t i = 0; i < 256; ++i)
        t.upper[i] = t.lower[i] = static_cast<unsigned char>(i);
    const auto pair = [&t](size_t capital, size_t small) {
        t.upper[small] = static_cast<unsigned char>(capital);
        t.lower[capital] = static_cast<unsigned char>(small);
        t.letter[capital] = t.letter[small] = true;
    };
    for (size_t c = 'A'; c <= 'Z'; ++c)
        pair(c, c + 0x20);
    for (size_t c = 0xC0; c <= 0xDE; ++c)
        if (c != 0xD7)
            pair(c, c + 0x20);
    pair(0x8A, 0x9A); // S caron
    pair(0x8C, 0x9C); // OE
    pair(0x8E, 0x9E); // Z caron
    pair(0x9F, 0xFF); // Y diaeresis
    t.letter[0xDF] = true; // sharp s, which has no capital of its own
    return t;
}

bool isContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

} // namespace

constinit const Cp1252Letters cp1252Letters = lettersOfTheCodePage();

std::pair<char32_t, size_t> decodeUtf8(std::string_view text)
{
    if (text.empty())
        return {0, 0};
    const auto b0 = static_cast<unsigned char>(text[0]);
    size_t length = 0;
    char32_t c = 0;
    char32_t lowest = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2, c = b0 & 0x1F, lowest = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3, c = b0 & 0x0F, lowest = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4, c = b0 & 0x07, lowest = 0x10000;
    } else {
        return {0, 0};
    }
    if (text.size() < length)
        return {0, 0};
    for (size_t i = 1; i < length; ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (!isContinuation(b))
            return {0, 0};
        c = (c << 6) | (b & 0x3F);
    }
    if (c < lowest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return {0, 0};
    return {c, length};
}

char32_t cp1252CharOf(unsigned char byte)
{
    return (byte >= 0x80 && byte <= 0x9F) ? upperControls[byte - 0x80] : char32_t{byte};
}

char cp1252ByteFor(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (size_t i = 0; i < upperControls.size(); ++i)
        if (upperControls[i] == c)
            return static_cast<char>(0x80 + i);
    return '?';
}

std::string utf8ToCp1252(std::string_view text)
{
    std::string bytes;
    bytes.reserve(text.size());
    while (!text.empty()) {
        const auto b0 = static_cast<unsigned char>(text[0]);
        if (b0 < 0x80) {
            bytes.push_back(text[0]);
            text.remove_prefix(1);
            continue;
        }
        const auto [c, length] = decodeUtf8(text);
        if (length == 0) {
            bytes.push_back(text[0]);
            text.remove_prefix(1);
        } else {
            bytes.push_back(cp1252ByteFor(c));
            text.remove_prefix(length);
        }
    }
    return bytes;
}

bool isWellFormedUtf8(std::string_view text)
{
    while (!text.empty()) {
        if (static_cast<unsigned char>(text[0]) < 0x80) {
            text.remove_prefix(1);
            continue;
        }
        const size_t length = decodeUtf8(text).second;
        if (length == 0)
            return false;
        text.remove_prefix(length);
    }
    return true;
}

std::string cp1252ToUtf8(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const char32_t c = cp1252CharOf(static_cast<unsigned char>(byte));
        if (c < 0x80) {
            text.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            text.push_back(static_cast<char>(0xC0 | (c >> 6)));
            text.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else { // every character of the code page lies below U+10000
            text.push_back(static_cast<char>(0xE0 | (c >> 12)));
            text.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            text.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return text;
}

} // namespace tq
