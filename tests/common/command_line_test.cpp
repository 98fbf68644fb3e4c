#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/command_line.h"

namespace tarnwick {
namespace {

InfoOptionsResult Parse(std::vector<const char*> arguments) {
    arguments.insert(arguments.begin(), "/usr/bin/Tarnwick");
    return InfoOptions(static_cast<int>(arguments.size()), arguments.data(), "Tarnwick",
                       "Monitor of processor and memory usage.");
}

TEST(InfoOptionsTest, OnlyHelpAndVersionEndTheProgram) {
    const struct {
        std::vector<const char*> arguments;
        bool exit;
        const char* starts;
    } cases[] = {
        {{}, false, ""},
        {{"--help"}, true, "Usage: Tarnwick"},
        {{"-h"}, true, "Usage: Tarnwick"},
        {{"--version"}, true, "Tarnwick 3.5."},
        {{"-v"}, true, "Tarnwick 3.5."},
        // Help wins over the version; both among other words still count.
        {{"--version", "--help"}, true, "Usage: Tarnwick"},
        {{"about", "--version"}, true, "Tarnwick 3.5."},
        // Anything else is the program's to ignore: words, unknown options, Qt's own options.
        {{"skineditor"}, false, ""},
        {{"--frobnicate", "-x"}, false, ""},
        {{"-platform", "offscreen"}, false, ""},
        {{"--", "--help"}, false, ""},
    };
    for (const auto& c : cases) {
        const InfoOptionsResult result = Parse(c.arguments);
        const std::string shown = c.arguments.empty() ? "(none)" : c.arguments.front();
        EXPECT_EQ(result.exit, c.exit) << shown;
        EXPECT_EQ(result.output.rfind(c.starts, 0), 0u) << shown << ": " << result.output;
    }
}

TEST(InfoOptionsTest, HelpNamesBothOptionsAndTheManPage) {
    const std::string help = Parse({"--help"}).output;
    EXPECT_NE(help.find("--version"), std::string::npos);
    EXPECT_NE(help.find("Monitor of processor and memory usage."), std::string::npos);
    EXPECT_NE(help.find("Tarnwick(1)"), std::string::npos);
}

TEST(InfoOptionsTest, TheUsageLineShowsTheWordsAfterTheOptions) {
    const auto usage = [](const std::string& words) {
        const char* arguments[] = {"TarnwickCfg", "--help"};
        const std::string help =
            InfoOptions(2, arguments, "TarnwickCfg", "Settings.", words).output;
        return help.substr(0, help.find('\n'));
    };
    EXPECT_EQ(usage(""), "Usage: TarnwickCfg [--help | --version]");
    EXPECT_EQ(usage("[about | skineditor]"),
              "Usage: TarnwickCfg [--help | --version] [about | skineditor]");
}

}  // namespace
}  // namespace tarnwick
