#pragma once
// A Hunspell dictionary installed on the machine (a .aff and a .dic file of one name), asked in
// the program's Windows-1252 text whatever the dictionary's own encoding.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class Hunspell;

namespace tq {

// Canadian English, from Debian's hunspell-en-ca; the set-up file may name another.
inline constexpr const char* defaultDictionaryName = "en_CA";
// Where Debian's hunspell-* packages put their dictionaries.
inline constexpr const char* systemDictionaryFolder = "/usr/share/hunspell";

// True for a name a dictionary file may have: letters, digits, "_" and "-" ("en_CA", "en-GB"),
// at most 64 characters; never a path.
bool isDictionaryName(std::string_view name);

class SpellDictionary {
public:
    // The dictionary `name` of `folder`; nothing when its two files are not both there, or the
    // name is no dictionary name.
    static std::unique_ptr<SpellDictionary> open(const std::string& folder, const std::string& name);
    ~SpellDictionary();
    SpellDictionary(const SpellDictionary&) = delete;
    SpellDictionary& operator=(const SpellDictionary&) = delete;

    const std::string& name() const { return name_; }

    // True when the dictionary knows the word. A word the dictionary's encoding cannot hold is
    // taken as known: it cannot be judged.
    bool knows(std::string_view word) const;
    // The dictionary's suggestions for a word, best first, those the code page can hold.
    std::vector<std::string> suggestions(std::string_view word) const;

private:
    enum class Encoding { Utf8, Latin1, Ascii };
    SpellDictionary(std::unique_ptr<Hunspell> hunspell, std::string name);
    // The word in the dictionary's encoding; empty when it cannot be written in it.
    std::string toDictionary(std::string_view word) const;
    // A word of the dictionary in Windows-1252; empty when the code page cannot hold it.
    std::string fromDictionary(const std::string& word) const;

    std::unique_ptr<Hunspell> hunspell_;
    std::string name_;
    Encoding encoding_ = Encoding::Ascii;
};

} // namespace tq
