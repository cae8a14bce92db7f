#include "cli/Cli.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace g20seq::host;

TEST(Cli, HelpUsageAndUnknownCommands) {
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"--help"}, out, err), ExitOk);
    EXPECT_NE(out.str().find("usage: g20seq"), std::string::npos);
    EXPECT_TRUE(err.str().empty());

    std::ostringstream out2, err2;
    EXPECT_EQ(RunCli({}, out2, err2), ExitUsage);
    EXPECT_TRUE(out2.str().empty());

    std::ostringstream out3, err3;
    EXPECT_EQ(RunCli({"frobnicate"}, out3, err3), ExitUsage);
    EXPECT_NE(err3.str().find("unknown command 'frobnicate'"), std::string::npos);
}
