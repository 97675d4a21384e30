#include "core/base/FileNames.h"

#include <gtest/gtest.h>

namespace tq {

TEST(RequiredExtension, EveryNameEndsAsTheReaderWantsIt)
{
    EXPECT_EQ(withRequiredExtension("/home/t/ENG2D101", ".tqc"), "/home/t/ENG2D101.tqc");
    EXPECT_EQ(withRequiredExtension("/home/t/ENG2D1.01", ".tqc"), "/home/t/ENG2D1.01.tqc");
    EXPECT_EQ(withRequiredExtension("/home/t.d/ENG", ".tqc"), "/home/t.d/ENG.tqc");
    EXPECT_EQ(withRequiredExtension("/home/t/ENG.tqc", ".tqc"), "/home/t/ENG.tqc");
    EXPECT_EQ(withRequiredExtension("/home/t/ENG.TQC", ".tqc"), "/home/t/ENG.tqc");
    EXPECT_EQ(withRequiredExtension("/home/t/ENG.TqF", ".tqf"), "/home/t/ENG.tqf");
    EXPECT_EQ(withRequiredExtension("/home/t/ENG.txt", ".tqc"), "/home/t/ENG.txt.tqc");
    EXPECT_EQ(withRequiredExtension("ENG", ".trc"), "ENG.trc");
    // A name that is only the extension is a hidden file without a name: it gets the extension.
    EXPECT_EQ(withRequiredExtension("/home/t/.tqc", ".tqc"), "/home/t/.tqc.tqc");
    EXPECT_EQ(withRequiredExtension("", ".tqc"), "");
    EXPECT_EQ(withRequiredExtension("/home/t/", ".tqc"), "/home/t/");
}

} // namespace tq
