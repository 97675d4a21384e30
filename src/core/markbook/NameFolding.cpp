#include "core/markbook/NameFolding.h"

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

#include <algorithm>

namespace tq {

namespace {
// ’ ‘ ʼ ′ and the dashes ‐ ‑ – — as the keyboard's own ' and -.
UChar plainPunctuation(UChar c)
{
    switch (c) {
    case 0x2019: case 0x2018: case 0x02BC: case 0x2032: return u'\'';
    case 0x2010: case 0x2011: case 0x2013: case 0x2014: return u'-';
    default: return c;
    }
}
} // namespace

std::string foldedNameText(std::string_view utf8)
{
    if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return std::string(utf8); // plain ASCII: nothing to compose or fold
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    const icu::UnicodeString text = icu::UnicodeString::fromUTF8(icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
    if (U_FAILURE(status) || text.indexOf(static_cast<UChar>(0xFFFD)) >= 0)
        return std::string(utf8);
    icu::UnicodeString composed = nfc->normalize(text, status);
    if (U_FAILURE(status))
        return std::string(utf8);
    for (int32_t i = 0; i < composed.length(); ++i)
        if (const UChar c = composed.charAt(i); plainPunctuation(c) != c)
            composed.setCharAt(i, plainPunctuation(c));
    std::string folded;
    composed.toUTF8String(folded);
    return folded;
}

} // namespace tq
