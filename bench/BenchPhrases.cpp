// The generated phrase library: 10,000 phrases with codes 0000 to 9999 in ascending order, in
// sections that open with a skipped heading line, of the lengths a school's phrases have (one
// short clause to two long sentences), with every placeholder, inner commas, some texts written
// as quoted sentences, and category markers.
#include "bench/BenchData.h"

#include "core/base/Message.h"

#include <cstdio>

namespace tq::bench {

namespace {
const std::vector<std::string> openers{"@ ", "@ ", "@ ", "% ", "$ ", "# ", "With support, @ ", "This term @ ",
                                       "When encouraged, @ "};
const std::vector<std::string> verbs{
    "consistently completes", "demonstrates", "is developing", "shows a strong understanding of",
    "needs to review", "communicates", "applies", "has made steady progress in", "is encouraged to practise",
    "takes responsibility for", "organizes", "contributes thoughtfully to", "would benefit from reviewing",
    "works independently on", "seeks assistance with", "uses class time well to complete"};
const std::vector<std::string> objects{
    "# assignments", "the key concepts of the course", "# written work", "assigned readings and homework",
    "problem-solving strategies", "lab reports and investigations", "ideas clearly in discussions",
    "feedback from peers and the teacher", "# notes before tests", "group projects", "the skills taught in class",
    "creative and critical thinking", "the steps of the inquiry process", "# time and materials",
    "vocabulary and grammar", "connections between new and prior learning"};
const std::vector<std::string> tails{
    "", "", "", ", and should continue to do so", " with accuracy and confidence", ", which supports # success",
    " in a timely manner", ", and * parents can help at home", " as a responsible ~ and classmate",
    " when working with others", ", though * work is not always complete", " on a regular basis",
    " and sets goals for improvement, with clear next steps"};
const std::vector<std::string> seconds{
    "@ is a positive member of the class", "% effort is evident in every unit",
    "Regular review will help * reach # potential", "@ should ask for help as soon as it is needed",
    "# participation enriches class discussions", "Completing all practice work will improve # results"};
const std::string markers = "123456789!^&()=+:-?ABCDEFGHIJKLMNOPQRSTUVWXYZ<>{}[]\\/";
const std::vector<std::string> sectionTitles{"Learning Skills", "Achievement", "Next Steps", "Mathematics",
                                             "English", "Science", "The Arts", "Health and Physical Education",
                                             "Languages", "Technology", "Social Studies", "Guidance"};

std::string phraseTextFor(Sequence& seq)
{
    std::string text = seq.pick(openers) + seq.pick(verbs) + " " + seq.pick(objects) + seq.pick(tails);
    if (seq.chance(25))
        text += ". " + seq.pick(seconds); // a second sentence: the longest phrases
    if (seq.chance(8))
        return "\"" + text + ".\"";     // a whole sentence in quotes, as spreadsheets write them
    return text;
}

std::string categoriesFor(Sequence& seq)
{
    std::string c;
    for (int n = seq.between(2, 8); n > 0; --n)
        c += markers[static_cast<size_t>(seq.between(0, static_cast<int>(markers.size()) - 1))];
    return c;
}
} // namespace

std::string phraseLibraryText(uint64_t origin)
{
    Sequence seq(origin ^ 0x9A7Eu);
    std::string text = std::string("Code,Comment,Categories") + crlf;
    char code[8];
    for (int i = 0; i < libraryPhrases; ++i) {
        std::snprintf(code, sizeof code, "%04d", i);
        if (i % 250 == 0) // a section heading; the loader skips it and it takes no slot
            text += std::string(code) + "," + seq.pick(sectionTitles) + " - part " + std::to_string(i / 250 + 1) +
                    " #" + crlf;
        text += std::string(code) + "," + phraseTextFor(seq) + "," + categoriesFor(seq) + crlf;
    }
    return text;
}

} // namespace tq::bench
