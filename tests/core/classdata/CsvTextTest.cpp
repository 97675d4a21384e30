#include "core/classdata/CsvText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tq;

TEST(NextCsvField, TakesPlainAndQuotedFieldsOffTheLine)
{
    std::string_view line = "Doe,\"Smith, Jr.\",x,\"a\"\"b\",";
    EXPECT_EQ(nextCsvField(line), "Doe");
    EXPECT_EQ(nextCsvField(line), "Smith, Jr.");
    EXPECT_EQ(nextCsvField(line), "x");
    EXPECT_EQ(nextCsvField(line), "a"); // no escaping: a doubled quote ends the field
    EXPECT_EQ(line, "b\",");
    EXPECT_EQ(nextCsvField(line), "b\"");
    EXPECT_EQ(nextCsvField(line), "");
    EXPECT_EQ(line, "");
    EXPECT_EQ(nextCsvField(line), ""); // an exhausted line gives empty fields
}

TEST(NextCsvField, AnUnterminatedQuoteIsAnErrorAndLeavesTheLine)
{
    std::string_view line = "\"open,field";
    EXPECT_FALSE(nextCsvField(line));
    EXPECT_EQ(line, "\"open,field");
    std::string_view last = "\"closed\"";
    EXPECT_EQ(nextCsvField(last), "closed");
    EXPECT_EQ(last, "");
}

TEST(CountChar, CountsEveryOccurrence)
{
    EXPECT_EQ(countChar(",a,,b,", ','), 4);
    EXPECT_EQ(countChar("", ','), 0);
}

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfATextLikeAMark)
{
    EXPECT_EQ(leadingNumber("85"), 85.0);
    EXPECT_EQ(leadingNumber("  85.5abc"), 85.5);
    EXPECT_EQ(leadingNumber("-3.2.1"), -3.2);
    EXPECT_EQ(leadingNumber("I"), 0.0);
    EXPECT_EQ(leadingNumber(""), 0.0);
    EXPECT_EQ(leadingNumber("+"), 0.0);
    EXPECT_EQ(leadingNumber(".5"), 0.5);
    // Beyond a double's range: a mark of 400 digits is still the largest, not 0.
    EXPECT_GT(leadingNumber(std::string(400, '9')), 1e300);
    EXPECT_LT(leadingNumber("-" + std::string(400, '9')), -1e300);
    EXPECT_EQ(leadingNumber("0." + std::string(400, '0') + "1"), 0.0);
}

TEST(CsvField, QuotedOnlyWhenItHoldsACommaAndReadBackWhole)
{
    EXPECT_EQ(csvField("Smith"), "Smith");
    EXPECT_EQ(csvField(""), "");
    EXPECT_EQ(csvField("Smith, Jr."), "\"Smith, Jr.\"");
    std::string_view line = "\"Smith, Jr.\",next";
    EXPECT_EQ(nextCsvField(line), "Smith, Jr.");
    EXPECT_EQ(line, "next");
}

TEST(ParseShortInteger, WholeSixteenBitNumbersOnly)
{
    EXPECT_EQ(parseShortInteger(" 7 "), 7);
    EXPECT_EQ(parseShortInteger("-40"), -40);
    EXPECT_EQ(parseShortInteger("32767"), 32767);
    EXPECT_FALSE(parseShortInteger("32768"));
    EXPECT_FALSE(parseShortInteger(""));
    EXPECT_FALSE(parseShortInteger("7x"));
    EXPECT_FALSE(parseShortInteger("x"));
}

TEST(SkipCsvFields, LeavesExactlyWhatTakingTheFieldsOneByOneLeaves)
{
    // Commas on both sides of every 8-byte boundary, quoted fields (with commas inside), lines
    // that run out of fields, and a quote that never closes.
    const std::vector<std::string> lines = {
        "",
        "a",
        ",,,,,,,,,,,,,,,,,,,,",
        "Doe,Jo,F,123456789,x,x,x,10A,x,x,x,x,x,x,ENG2D1-01 MPM2D1-02,tail",
        "abcdefg,hijklmn,opqrstu,vwxyz12,3456789,",
        "\"Smith, Jr.\",Al,F,1,x,x,x,10A,x,x,x,x,x,x,SNC2D1-01",
        "a,b,\"c,d\"e,f,g",
        "a,b,\"never closed,c,d",
        "12345678,12345678,12345678,",
    };
    for (const std::string& line : lines) {
        for (size_t count = 0; count <= 17; ++count) {
            std::string_view taken = line;
            bool ok = true;
            for (size_t i = 0; i < count && ok; ++i)
                ok = nextCsvField(taken).has_value();
            const std::optional<std::string_view> skipped = skipCsvFields(line, count);
            ASSERT_EQ(skipped.has_value(), ok) << line << " / " << count;
            if (ok) {
                EXPECT_EQ(*skipped, taken) << line << " / " << count;
            }
        }
    }
}
