#include "core/mycomments/BackToPlaceholders.h"
#include "core/mycomments/MyCommentExpansion.h"

#include <gtest/gtest.h>

using namespace tq;

TEST(BackToPlaceholders, TheStudentsNameAndPronounsAndNothingElse)
{
    const struct {
        const char* first;
        const char* gender;
        const char* text;
        const char* kept;
    } rows[] = {
        {"Layla", "F", "Layla improved her essays.", "@ improved # essays."},
        // The possessive, "her" as the object, the child, capitals at the start.
        {"Layla", "F", "Layla's notes help her; we thank her and her parents.", "% notes help *; we thank * and # parents."},
        {"Layla", "F", "She is a proud daughter. HER work shines.", "@ is a proud ~. # work shines."},
        {"Layla", "F", "Layla\xE2\x80\x99s essay", "% essay"},
        // A boy's pronouns; the other gender's are left for the check to find.
        {"Ben", "M", "He told him his plan; she listened, son.", "@ told * # plan; she listened, ~."},
        {"Ben", "m", "He reads her notes.", "He reads # notes."}, // a lower-case m is written "she"
        // A word that holds the name, another student's name, the name in the class file's capitals.
        {"Sam", "M", "Samuel and Sam's sister Samantha met Sam.", "Samuel and % sister Samantha met @."},
        {"FRAN\xC7OIS", "M", "Fran\xC3\xA7ois and Francois", "@ and Francois"},
        {"Layla", "F", "Nadia helped Layla", "Nadia helped @"},
        // X: the name only; no word is a pronoun of the student.
        {"Alex", "X", "Alex's work shows he and she help; her child.", "% work shows he and she help; her child."},
    };
    for (const auto& row : rows) {
        StudentRecord s;
        s.firstName = row.first;
        s.gender = row.gender;
        EXPECT_EQ(backToPlaceholders(row.text, s), row.kept) << row.text;
    }
}

TEST(MyCommentExpansion, UtfEightCommentsTakeTheNameInUtfEightAndPronounsAfterTheName)
{
    StudentRecord s;
    s.firstName = "Zo\xEB";
    s.gender = "F";
    EXPECT_EQ(expandMyComment("@ \xE2\x89\xA5 % goal", s, false), "Zo\xC3\xAB \xE2\x89\xA5 Zo\xC3\xAB's goal");
    EXPECT_EQ(expandMyComment("@ reads.", s, true), "She reads.");
    EXPECT_TRUE(studentNamedIn("Well done, ZO\xC3\x8B.", s));
    EXPECT_FALSE(studentNamedIn("Zoey did well.", s));
}
