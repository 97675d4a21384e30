// The phrase library loader: any file must load or be refused with TQ1/TQ2, and every code of a
// loaded library must be one the lookup can be asked about.
#include "FuzzSupport.h"
#include "core/phrases/PhraseLibrary.h"

using namespace tq;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const PhraseLibraryLoad load = parsePhraseLibraryText(fuzz::inputText(data, size));
    fuzz::check(load.library.phraseCount() <= maxPhrases, "at most 10,000 phrases");
    if (load.message) {
        fuzz::check(load.library.phraseCount() == 0, "a refused library holds no phrases");
        fuzz::check(load.message->endsProgram, "TQ1 and TQ2 end the program");
        return 0;
    }
    for (const PhraseRecord& p : load.library.phrases()) {
        fuzz::check(p.code.size() >= 4, "codes are padded to four characters");
        fuzz::check(p.code.empty() || p.code.front() != '"', "a quoted code is refused");
        // The library need not be in order, so a lookup may miss; it must still end and answer.
        const std::string_view text = lookupPhrase(load.library, p.code);
        fuzz::check(text.empty() || text.ends_with(". "), "a found phrase ends in a period and a space");
    }
    return 0;
}
