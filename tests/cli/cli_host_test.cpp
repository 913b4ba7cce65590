// The CLI's Host: what the core shows reaches standard error line by line, and every question is
// answered so that the command goes on.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_host.h"

namespace pixmora::cli {
namespace {

TEST(CliHost, MessagesGoToTheErrorStreamOneLineEachAndQuestionsGoOn) {
    std::ostringstream err;
    CliHost host(err, "/opt/pixmora");
    EXPECT_EQ(host.Message("a\rb\r\nc\nd", "t", MsgIcon::Information, MsgButtons::Ok),
              MsgAnswer::Ok);
    EXPECT_EQ(host.Message("ask\r", "t", MsgIcon::None, MsgButtons::YesNoCancel), MsgAnswer::Yes);
    EXPECT_EQ(host.Message("", "t", MsgIcon::None, MsgButtons::YesNo), MsgAnswer::Yes);
    EXPECT_EQ(err.str(), "a\nb\nc\nd\nask\n\n");
    EXPECT_EQ(host.ProgramDir(), "/opt/pixmora");
    EXPECT_FALSE(host.OpenFile({}));
}

}  // namespace
}  // namespace pixmora::cli
