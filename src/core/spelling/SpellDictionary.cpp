#include "core/spelling/SpellDictionary.h"

#include "core/base/Cp1252.h"
#include "core/base/TextFile.h"
#include "core/spelling/CommentWords.h"

#include <hunspell/hunspell.hxx>

#include <algorithm>

namespace tq {

namespace {
// Hunspell itself gives up on longer words; asking it for suggestions on them only costs time.
constexpr size_t longestWordAsked = 60;

bool isAscii(std::string_view s)
{
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Bytes that Windows-1252 and ISO 8859-1 read alike: all but the row 0x80 to 0x9F.
bool isLatin1Alike(std::string_view s)
{
    return std::none_of(s.begin(), s.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b >= 0x80 && b <= 0x9F;
    });
}

} // namespace

bool isDictionaryName(std::string_view name)
{
    return !name.empty() && name.size() <= 64 && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
    });
}

std::unique_ptr<SpellDictionary> SpellDictionary::open(const std::string& folder, const std::string& name)
{
    if (!isDictionaryName(name))
        return nullptr;
    const std::string aff = folder + "/" + name + ".aff", dic = folder + "/" + name + ".dic";
    if (!fileExists(aff) || !fileExists(dic))
        return nullptr;
    return std::unique_ptr<SpellDictionary>(
        new SpellDictionary(std::make_unique<Hunspell>(aff.c_str(), dic.c_str()), name));
}

SpellDictionary::SpellDictionary(std::unique_ptr<Hunspell> hunspell, std::string name)
    : hunspell_(std::move(hunspell)), name_(std::move(name))
{
    std::string set = hunspell_->get_dict_encoding();
    std::transform(set.begin(), set.end(), set.begin(), cp1252Upper);
    std::erase(set, '-');
    if (set == "UTF8")
        encoding_ = Encoding::Utf8;
    else if (set == "ISO88591")
        encoding_ = Encoding::Latin1;
}

SpellDictionary::~SpellDictionary() = default;

std::string SpellDictionary::toDictionary(std::string_view word) const
{
    const std::string plain = plainApostrophes(word);
    switch (encoding_) {
    case Encoding::Utf8: return cp1252ToUtf8(plain);
    case Encoding::Latin1: return isLatin1Alike(plain) ? plain : std::string();
    case Encoding::Ascii: break;
    }
    return isAscii(plain) ? plain : std::string();
}

std::string SpellDictionary::fromDictionary(const std::string& word) const
{
    if (encoding_ == Encoding::Utf8) {
        // A character the code page lacks comes back as '?'; such a word is no use here.
        const std::string bytes = utf8ToCp1252(word);
        return cp1252ToUtf8(bytes) == word ? bytes : std::string();
    }
    const bool fits = encoding_ == Encoding::Latin1 ? isLatin1Alike(word) : isAscii(word);
    return fits ? word : std::string();
}

bool SpellDictionary::knows(std::string_view word) const
{
    const std::string asked = toDictionary(word);
    return asked.empty() || hunspell_->spell(asked);
}

std::vector<std::string> SpellDictionary::suggestions(std::string_view word) const
{
    std::vector<std::string> found;
    const std::string asked = toDictionary(word);
    if (asked.empty() || asked.size() > longestWordAsked)
        return found;
    for (const std::string& s : hunspell_->suggest(asked))
        if (std::string bytes = fromDictionary(s); !bytes.empty())
            found.push_back(std::move(bytes));
    return found;
}

} // namespace tq
