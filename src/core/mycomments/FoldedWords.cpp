#include "core/mycomments/FoldedWords.h"

#include "core/base/Cp1252.h"

namespace tq {

namespace {
struct FoldedChar {
    char32_t folded = 0; // the same for the small and the capital letter
    size_t length = 1;
    bool partOfWord = false; // a letter or a digit
};

FoldedChar foldedAt(std::string_view text, size_t at)
{
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte < 0x80) {
        const char c = cp1252Lower(static_cast<char>(byte));
        return {static_cast<unsigned char>(c), 1, isCp1252Letter(c) || (c >= '0' && c <= '9')};
    }
    const auto [code, length] = decodeUtf8(text.substr(at));
    if (length == 0)
        return {char32_t{0x220000} + byte, 1, false}; // a stray byte matches only itself
    if (const char inCodePage = cp1252ByteFor(code); inCodePage != '?') {
        const char c = cp1252Lower(inCodePage);
        return {static_cast<unsigned char>(c), length, isCp1252Letter(c)};
    }
    // Beyond the code page: taken for a letter, so that a name is never found inside a word.
    return {0x110000 + code, length, true};
}
} // namespace

size_t characterLengthAt(std::string_view text, size_t at) { return foldedAt(text, at).length; }

bool isWordCharacterAt(std::string_view text, size_t at) { return foldedAt(text, at).partOfWord; }

bool wordMayStartAt(std::string_view text, size_t at)
{
    if (at == 0)
        return true;
    size_t before = at - 1;
    while (before > 0 && (static_cast<unsigned char>(text[before]) & 0xC0) == 0x80)
        --before;
    return !isWordCharacterAt(text, before);
}

size_t wholeWordAt(std::string_view text, size_t at, std::string_view word)
{
    if (word.empty())
        return 0;
    size_t t = at;
    for (size_t w = 0; w < word.size();) {
        if (t >= text.size())
            return 0;
        const FoldedChar a = foldedAt(text, t);
        const FoldedChar b = foldedAt(word, w);
        if (a.folded != b.folded)
            return 0;
        t += a.length;
        w += b.length;
    }
    if (t < text.size() && foldedAt(text, t).partOfWord)
        return 0;
    return t - at;
}

} // namespace tq
