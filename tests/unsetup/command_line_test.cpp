#include "unsetup/command_line.h"

#include "test_support.h"

#include <gtest/gtest.h>

namespace ky::unsetup {
namespace {

using namespace testing_support;

struct FormCase {
    std::vector<const char*> arguments;
    Form form;
};

class CommandLineForm : public testing::TestWithParam<FormCase> {};

// Options do not count towards the forms, wherever they stand.
TEST_P(CommandLineForm, FollowsFromTheNumberOfPlainArguments) {
    QStringList arguments;
    for (const char* argument : GetParam().arguments) arguments.append(str(argument));
    const auto line = readCommandLine(arguments);
    ASSERT_TRUE(line) << line.error().toStdString();
    EXPECT_EQ(line->form, GetParam().form);
}

INSTANTIATE_TEST_SUITE_P(Cases, CommandLineForm,
    testing::Values(FormCase{{"unsetup"}, Form::User},
                    FormCase{{"unsetup", "--yes", "--quiet"}, Form::User},
                    FormCase{{"unsetup", "a", "b"}, Form::User},
                    FormCase{{"unsetup", "/opt/lab/"}, Form::Unregister},
                    FormCase{{"unsetup", "--dry-run", "/opt/lab/"}, Form::Unregister},
                    FormCase{{"/tmp/DelX", "42", "/opt/lab/unsetup", "/opt/lab/"}, Form::TemporaryCopy},
                    FormCase{{"/tmp/DelX", "42", "/opt/lab/unsetup", "/opt/lab/", "extra"}, Form::TemporaryCopy}));

TEST(CommandLine, ReadsTheOptionsAndHandsThemOn) {
    const auto line = readCommandLine({str("unsetup"), str("--yes"), str("--shared=remove"), str("--quiet")});
    ASSERT_TRUE(line);
    EXPECT_TRUE(line->options.yes);
    EXPECT_TRUE(line->options.quiet);
    EXPECT_FALSE(line->options.dryRun);
    EXPECT_EQ(line->options.shared, SharedFilePolicy::Remove);
    const auto again = readCommandLine(QStringList{str("copy")} + optionArguments(line->options));
    ASSERT_TRUE(again);
    EXPECT_EQ(optionArguments(again->options), optionArguments(line->options));
}

TEST(CommandLine, RefusesUnknownOptions) {
    EXPECT_FALSE(readCommandLine({str("unsetup"), str("--shared=sometimes")}));
    EXPECT_FALSE(readCommandLine({str("unsetup"), str("--force")}));
}

}  // namespace
}  // namespace ky::unsetup
