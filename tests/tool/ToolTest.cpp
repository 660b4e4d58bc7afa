// The command framework, run in-process against string streams.
#include <gtest/gtest.h>

#include <sstream>

#include "tools/Tool.h"

namespace sahdict::tool {
namespace {

struct ToolRun {
  int rc;
  std::string out, err;
};

ToolRun RunWith(std::vector<std::string> args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out, err;
  Io io{in, out, err};
  const int rc = RunTool(args, io);
  return {rc, out.str(), err.str()};
}

TEST(ToolTest, StdinItemsAreAnsweredOneLineEach) {
  const ToolRun r = RunWith({"canon", "-"}, "ньнь\r\n7\nYO\n");
  EXPECT_EQ(r.rc, kOk);
  EXPECT_EQ(r.out, "ннь\nнь\nYO\n");
}

TEST(ToolTest, BadUsageGoesToStderrWithExitTwo) {
  for (const auto& args : std::vector<std::vector<std::string>>{{}, {"nope"}, {"code"}, {"canon", "a", "b"}}) {
    const ToolRun r = RunWith(args);
    EXPECT_EQ(r.rc, kUsage);
    EXPECT_TRUE(r.out.empty());
    EXPECT_FALSE(r.err.empty());
  }
}

TEST(ToolTest, HelpListsEveryCommandAndVersionIsFixed) {
  const ToolRun help = RunWith({"--help"});
  EXPECT_EQ(help.rc, kOk);
  for (auto group : {TextCommands, DictCommands, PageCommands})
    for (const auto& c : group()) EXPECT_NE(help.out.find("  " + c.name + " "), std::string::npos) << c.name;
  EXPECT_EQ(RunWith({"--version"}).out, "sahdict-tool 1.04 b27\n");
}

TEST(ToolTest, CrLfInResultsIsWrittenAsLf) {
  std::ostringstream out;
  WriteText(out, u"a\r\nb\rc\n");
  EXPECT_EQ(out.str(), "a\nb\rc\n");
}

}  // namespace
}  // namespace sahdict::tool
