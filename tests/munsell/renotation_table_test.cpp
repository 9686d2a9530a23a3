#include "munsell/renotation_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace tintara::munsell {
namespace {

constexpr int pairCount = tableValues * loadedHues * loadedChromas;

// A recognisable number for every field of the file: x = 1000 v + 20 h + c and
// y its negative, with the chroma-0 pairs written as 0.
std::vector<std::string> fileNumbers() {
    std::vector<std::string> numbers;
    for (int v = 0; v < tableValues; ++v) {
        for (int h = 0; h < loadedHues; ++h) {
            for (int c = 0; c < loadedChromas; ++c) {
                const int x = c == 0 ? 0 : 1000 * v + 20 * h + c;
                numbers.push_back(std::to_string(x));
                numbers.push_back(std::to_string(-x));
            }
        }
    }
    return numbers;
}

int fieldIndex(int v, int h, int c, int component) {
    return ((v * loadedHues + h) * loadedChromas + c) * 2 + component;
}

// Joins the numbers with `separator`, starting a new line every `perLine` numbers.
std::string join(const std::vector<std::string>& numbers, const std::string& separator,
                 int perLine, const std::string& lineEnd) {
    std::string text;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        text += numbers[i];
        text += (i + 1) % perLine == 0 ? lineEnd : separator;
    }
    return text;
}

LoadResult load(const std::string& text, RenotationTable& table) {
    std::istringstream in(text);
    return loadRenotationTable(in, table);
}

TEST(RenotationTable, CompletesTheLoadedTable) {
    auto table = std::make_unique<RenotationTable>();
    const LoadResult result = load(join(fileNumbers(), ",", 34, "\r\n"), *table);
    ASSERT_TRUE(result.ok) << result.error;
    for (int v = 0; v < tableValues; ++v) {
        for (int h = 0; h < loadedHues; ++h) {
            EXPECT_EQ(table->x(v, h, 0), 3101);
            EXPECT_EQ(table->y(v, h, 0), 3163);
            EXPECT_EQ(table->x(v, h, 16), 1000 * v + 20 * h + 16);
            EXPECT_EQ(table->y(v, h, 16), -(1000 * v + 20 * h + 16));
            for (int c = loadedChromas; c < tableChromas; ++c) {
                EXPECT_EQ(table->x(v, h, c), 0);
                EXPECT_EQ(table->y(v, h, c), 0);
            }
        }
        for (int c = 0; c < tableChromas; ++c) {
            EXPECT_EQ(table->x(v, 40, c), table->x(v, 0, c));
            EXPECT_EQ(table->y(v, 40, c), table->y(v, 0, c));
            EXPECT_EQ(table->x(v, 41, c), 0);
            EXPECT_EQ(table->y(v, 41, c), 0);
        }
    }
    EXPECT_EQ(table->x(3, 12, 5), 3245);
}

TEST(RenotationTable, LayoutOfTheNumbersDoesNotMatter) {
    const std::vector<std::string> numbers = fileNumbers();
    auto reference = std::make_unique<RenotationTable>();
    ASSERT_TRUE(load(join(numbers, ",", 34, "\n"), *reference).ok);

    std::vector<std::string> withExtra = numbers;
    withExtra.insert(withExtra.end(), {"7", "99999", "junk"});
    const std::string variants[] = {
        join(numbers, ", ", 3, "\r\n"),  // pairs split across lines
        join(numbers, " ", 4, "\n"),     // two pairs to a line, blanks only
        join(numbers, ",", 1, "\r\n"),   // one number to a line
        join(withExtra, ",", 34, "\n"),  // numbers after the last pair
    };
    for (const std::string& text : variants) {
        auto table = std::make_unique<RenotationTable>();
        const LoadResult result = load(text, *table);
        ASSERT_TRUE(result.ok) << result.error;
        EXPECT_EQ(std::memcmp(table.get(), reference.get(), sizeof(RenotationTable)), 0);
    }
}

TEST(RenotationTable, RejectsBadFilesAndKeepsTheTable) {
    struct Case {
        int field;
        const char* replacement;  // nullptr: the file ends before this field
        const char* message;
    };
    const Case cases[] = {
        {fieldIndex(3, 12, 5, 0), nullptr,
         "Vezedu.dat ends early: value 3, hue index 12, chroma index 5 (x) is missing"},
        {fieldIndex(10, 39, 16, 1), nullptr,
         "Vezedu.dat ends early: value 10, hue index 39, chroma index 16 (y) is missing"},
        {fieldIndex(3, 12, 5, 1), "40000",
         "Vezedu.dat: 40000 at value 3, hue index 12, chroma index 5 (y) does not fit a "
         "16-bit integer"},
        {fieldIndex(0, 0, 1, 0), "-32769",
         "Vezedu.dat: -32769 at value 0, hue index 0, chroma index 1 (x) does not fit a "
         "16-bit integer"},
        {fieldIndex(7, 2, 0, 0), "3101.5",
         "Vezedu.dat: \"3101.5\" at value 7, hue index 2, chroma index 0 (x) is not a whole "
         "number"},
        {fieldIndex(7, 2, 3, 1), "x",
         "Vezedu.dat: \"x\" at value 7, hue index 2, chroma index 3 (y) is not a whole number"},
    };
    for (const Case& k : cases) {
        std::vector<std::string> numbers = fileNumbers();
        if (k.replacement) {
            numbers[k.field] = k.replacement;
        } else {
            numbers.resize(k.field);
        }
        auto table = std::make_unique<RenotationTable>();
        table->entry[5][5][5][0] = 1234;
        const LoadResult result = load(join(numbers, ",", 34, "\n"), *table);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.error, k.message);
        EXPECT_EQ(table->x(5, 5, 5), 1234);
        EXPECT_EQ(table->x(0, 1, 0), 0);
    }

    // The extremes of 16 bits are accepted.
    std::vector<std::string> numbers = fileNumbers();
    numbers[fieldIndex(2, 3, 4, 0)] = "32767";
    numbers[fieldIndex(2, 3, 4, 1)] = "-32768";
    auto table = std::make_unique<RenotationTable>();
    ASSERT_TRUE(load(join(numbers, ",", 34, "\n"), *table).ok);
    EXPECT_EQ(table->x(2, 3, 4), 32767);
    EXPECT_EQ(table->y(2, 3, 4), -32768);
}

}  // namespace
}  // namespace tintara::munsell
