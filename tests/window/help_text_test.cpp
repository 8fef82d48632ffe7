// The help text in the language chosen: its English twin when there is one,
// else the Russian file; nothing without either.
#include "window/help_text.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace kelvara {
namespace {

TEST(HelpText, TheEnglishTwinInEnglishElseTheRussianFile) {
    testing::TempDir dir;
    EXPECT_FALSE(ReadHelpText(dir.path()));
    testing::WriteUtf16(dir / "ReadMe.txt", u"Помощь");
    EXPECT_EQ(ReadHelpText(dir.path()), Text(u"Помощь"));
    SetLanguage(Language::English);
    // No English file yet: the Russian one is shown rather than nothing.
    EXPECT_EQ(ReadHelpText(dir.path()), Text(u"Помощь"));
    testing::WriteUtf16(dir / "ReadMe.en.txt", u"Help");
    EXPECT_EQ(ReadHelpText(dir.path()), Text(u"Help"));
    SetLanguage(Language::Russian);
    EXPECT_EQ(ReadHelpText(dir.path()), Text(u"Помощь"));
}

}  // namespace
}  // namespace kelvara
