#pragma once
// The Windows-1252 code page the program keeps its text in, without Qt: the core needs it to read
// a file that announces itself as UTF-8, the windows to show text and take it back.
#include <array>
#include <string>
#include <string_view>
#include <utility>

namespace tq {

// Letters and their case in the code page: a-z and A-Z, the accented letters from 0xC0 (but the
// multiplication and division signs), and the seven letters of the 0x80 row (S and Z caron, OE,
// Y diaeresis). Tables, so that a loop over a long text costs a load per byte.
struct Cp1252Letters {
    std::array<unsigned char, 256> upper{};
    std::array<unsigned char, 256> lower{};
    std::array<bool, 256> letter{};
};
extern const Cp1252Letters cp1252Letters;

inline bool isCp1252Letter(char c) { return cp1252Letters.letter[static_cast<unsigned char>(c)]; }
inline char cp1252Upper(char c) { return static_cast<char>(cp1252Letters.upper[static_cast<unsigned char>(c)]); }
inline char cp1252Lower(char c) { return static_cast<char>(cp1252Letters.lower[static_cast<unsigned char>(c)]); }

// The character of one byte. The five bytes that Windows-1252 leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) stand for the control characters of the same value, so every byte has one.
char32_t cp1252CharOf(unsigned char byte);

// The byte of a character; '?' for a character that Windows-1252 cannot hold.
char cp1252ByteFor(char32_t c);

// UTF-8 text as Windows-1252 bytes. Characters the code page lacks become '?'; a byte that does
// not start a well-formed UTF-8 sequence is kept as it is, so nothing is silently dropped.
std::string utf8ToCp1252(std::string_view text);

// The code point of the well-formed UTF-8 sequence at the start of `text` and its length, or a
// length of 0 when there is none (overlong forms and surrogates are not well-formed, nor is an
// ASCII byte: the callers take those as they are).
std::pair<char32_t, size_t> decodeUtf8(std::string_view text);

// True when every byte of `text` belongs to a well-formed UTF-8 sequence (plain ASCII is).
bool isWellFormedUtf8(std::string_view text);

// Windows-1252 bytes as UTF-8 text, for a file name taken from an 8-bit file.
std::string cp1252ToUtf8(std::string_view bytes);

} // namespace tq
