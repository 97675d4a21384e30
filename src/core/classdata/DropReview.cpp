#include "core/classdata/DropReview.h"

#include "core/base/Message.h"
#include "core/classdata/ClassUpdate.h"
#include "core/classdata/CsvText.h"

#include <algorithm>

namespace tq {

bool hasEntries(const StudentRecord& s)
{
    bool any = !trimSpaces(s.mark).empty() || s.hasFreeForm;
    for (int k = 1; k <= commentCount; ++k)
        any = any || !trimSpaces(s.comment(k)).empty();
    return any;
}

DropReview reviewDrops(const ClassList& before, const ClassList& after, std::vector<StudentRecord> dropped)
{
    DropReview review;
    review.overHalf = dropped.size() * 2 > before.size();
    review.anyEntries = std::any_of(dropped.begin(), dropped.end(), hasEntries);
    for (const std::string& code : classCourseCodes(before))
        if (std::none_of(after.begin(), after.end(), [&](const StudentRecord& s) { return s.courseCode == code; }))
            review.emptiedCodes.push_back(code);
    review.dropped = std::move(dropped);
    return review;
}

namespace {
std::string entriesOf(const StudentRecord& s)
{
    std::string codes;
    for (int k = 1; k <= commentCount; ++k)
        if (!trimSpaces(s.comment(k)).empty())
            codes += (codes.empty() ? "" : " ") + s.comment(k);
    std::vector<std::string> parts;
    if (!trimSpaces(s.mark).empty())
        parts.push_back("mark " + s.mark);
    if (!codes.empty())
        parts.push_back("comments " + codes);
    if (s.hasFreeForm)
        parts.push_back("a free-form comment");
    if (parts.empty())
        return "nothing entered";
    std::string text = parts.front();
    for (size_t i = 1; i < parts.size(); ++i)
        text += ", " + parts[i];
    return text;
}

std::string whyIncomplete(const DropReview& review)
{
    std::string why = review.overHalf ? "more than half of the class" : "every student of ";
    if (!review.overHalf)
        for (size_t i = 0; i < review.emptiedCodes.size(); ++i)
            why += (i == 0 ? "" : ", ") + review.emptiedCodes[i];
    return "The master class list looks incomplete: the update would drop " + why + ".";
}
} // namespace

std::string dropQuestion(const DropReview& review)
{
    std::string text;
    if (review.looksIncomplete())
        text += whyIncomplete(review) + crlf + crlf;
    const size_t n = review.dropped.size();
    text += (n == 1 ? std::string("This student is") : "These " + std::to_string(n) + " students are") +
            " no longer in the master class list and would be dropped:" + crlf;
    for (const StudentRecord& s : review.dropped)
        text += s.lastName + ", " + s.firstName + " (" + s.courseCode + "): " + entriesOf(s) + crlf;
    text += crlf;
    text += review.anyEntries ? "What was entered for them leaves the class with them. Drop them?" : "Drop them?";
    return text;
}

std::string dropSecondQuestion(const DropReview& review)
{
    return whyIncomplete(review) + crlf + "The file may still be being copied. Drop " +
           std::to_string(review.dropped.size()) + (review.dropped.size() == 1 ? " student" : " students") +
           " all the same?";
}

} // namespace tq
