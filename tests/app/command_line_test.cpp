#include "app/program/command_line.h"

#include <gtest/gtest.h>

namespace wendax {
namespace {

using Names = std::vector<std::string>;

TEST(CommandLine, EveryPlainArgumentIsAFileInOrder) {
    const TCommandLine line = ParseCommandLine({"b.txt", "a.txt", "b.txt"});
    EXPECT_EQ(line.Action, saRun);
    EXPECT_EQ(line.FileNames, (Names{"b.txt", "a.txt", "b.txt"}));
}

TEST(CommandLine, NoArgumentsRunsWithoutFiles) {
    const TCommandLine line = ParseCommandLine({});
    EXPECT_EQ(line.Action, saRun);
    EXPECT_TRUE(line.FileNames.empty());
}

TEST(CommandLine, HelpAndVersionAreAnsweredWhereverTheyStand) {
    EXPECT_EQ(ParseCommandLine({"a.txt", "--help"}).Action, saHelp);
    EXPECT_EQ(ParseCommandLine({"--version", "a.txt"}).Action, saVersion);
}

TEST(CommandLine, TheFirstOfHelpAndVersionDecides) {
    EXPECT_EQ(ParseCommandLine({"--version", "--help"}).Action, saVersion);
    EXPECT_EQ(ParseCommandLine({"--help", "--version"}).Action, saHelp);
}

TEST(CommandLine, DoubleDashMakesEverythingAfterItAFileName) {
    const TCommandLine line = ParseCommandLine({"a", "--", "--help", "--", "-x"});
    EXPECT_EQ(line.Action, saRun);
    EXPECT_EQ(line.FileNames, (Names{"a", "--help", "--", "-x"}));
}

TEST(CommandLine, UnknownDashedArgumentsAreFileNames) {
    EXPECT_EQ(ParseCommandLine({"-x", "--verbose", "-"}).FileNames,
              (Names{"-x", "--verbose", "-"}));
}

TEST(CommandLine, HelpNamesTheOptionsAndVersionTheProgram) {
    const std::string usage = UsageText("wendax");
    EXPECT_NE(usage.find("Usage: wendax"), std::string::npos);
    EXPECT_NE(usage.find("--help"), std::string::npos);
    EXPECT_NE(usage.find("--version"), std::string::npos);
    EXPECT_EQ(VersionText(), std::string("Wendax 32 ") + WENDAX_VERSION + "\n");
}

}  // namespace
}  // namespace wendax
