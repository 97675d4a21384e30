#pragma once
// The Windows-1252 code page the program keeps its text in, without Qt: the core needs it to read
// a file that announces itself as UTF-8, the windows to show text and take it back.
#include <string>
#include <string_view>

namespace tq {

// The character of one byte. The five bytes that Windows-1252 leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) stand for the control characters of the same value, so every byte has one.
char32_t cp1252CharOf(unsigned char byte);

// The byte of a character; '?' for a character that Windows-1252 cannot hold.
char cp1252ByteFor(char32_t c);

// UTF-8 text as Windows-1252 bytes. Characters the code page lacks become '?'; a byte that does
// not start a well-formed UTF-8 sequence is kept as it is, so nothing is silently dropped.
std::string utf8ToCp1252(std::string_view text);

// True when every byte of `text` belongs to a well-formed UTF-8 sequence (plain ASCII is).
bool isWellFormedUtf8(std::string_view text);

// Windows-1252 bytes as UTF-8 text, for a file name taken from an 8-bit file.
std::string cp1252ToUtf8(std::string_view bytes);

} // namespace tq
