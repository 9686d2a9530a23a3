// Reading "zol.cfg": its two lines, however they end. The port kept to 1..4
// is pinned at both ends by the main window's start-up tests.
#include "instruments/config_file.h"

#include <gtest/gtest.h>

namespace tintara::instruments {
namespace {

TEST(ConfigFile, TwoLinesHoweverTheyEnd) {
    using namespace std::literals;
    const struct {
        std::string_view text;
        std::optional<InstrumentConfig> config;
    } cases[] = {
        {"CE7000\r\n 2 \r\n", InstrumentConfig{"CE7000", 2}},
        {"CE7000\r 2 \r", InstrumentConfig{"CE7000", 2}},  // CR alone ends a line
        {"XTH\n3", InstrumentConfig{"XTH", 3}},
        {" Ci5/Ci7 , more\r\n 4 \r\n", InstrumentConfig{"Ci5/Ci7", 4}},
        {"\r\n 1 \r\n", InstrumentConfig{"", 1}},
        {"XTH\r\n", std::nullopt},
        {"XTH\r\n 2.5 \r\n", std::nullopt},
        {"XTH\r\n 32768 \r\n", std::nullopt},
        // A CR inside the first line ends it: the second line is no number.
        {"Impor\x0e:\x00 \r\xcf\n0"sv, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.text));
        const auto config = readConfig(c.text);
        ASSERT_EQ(config.has_value(), c.config.has_value());
        if (!config) continue;
        EXPECT_EQ(config->instName, c.config->instName);
        EXPECT_EQ(config->commPort, c.config->commPort);
    }
}

}  // namespace
}  // namespace tintara::instruments
