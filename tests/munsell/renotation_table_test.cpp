// Reading Vezedu.dat, and the shipped file against its generator.
#include "munsell/renotation_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <utility>
#include <vector>

#include "vezedu_layout.h"

namespace tintara::munsell {
namespace {

// Place of a sample in the file. Its x there, chroma 0 included, is the
// place and y 20000 less the place; after the last pair come three numbers
// that are ignored.
int place(int v, int h, int c) { return (v * loadedHues + h) * loadedChromas + c; }
int yAt(int place) { return 20000 - place; }

std::vector<std::string> fileNumbers() {
    std::vector<std::string> numbers;
    for (int i = 0; i < place(tableValues, 0, 0); ++i) {
        numbers.insert(numbers.end(), {std::to_string(i), std::to_string(yAt(i))});
    }
    numbers.insert(numbers.end(), {"7", "99999", "junk"});
    return numbers;
}

// Loads the numbers separated by `separator`, with a line end after every `perLine`.
LoadedTable load(const std::vector<std::string>& numbers, const char* separator = ",", int perLine = 34,
                 const char* lineEnd = "\n") {
    std::string text;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        text += numbers[i] + ((i + 1) % perLine == 0 ? lineEnd : separator);
    }
    std::istringstream in(text);
    return loadRenotationTable(in);
}

TEST(RenotationTable, CompletesTheTableWhateverTheLayout) {
    const LoadedTable result = load(fileNumbers(), ",", 34, "\r\n");
    ASSERT_TRUE(result.table) << result.error;
    const RenotationTable* table = result.table.get();
    EXPECT_EQ(result.notice, "Vezedu.dat holds 14,963 numbers; the first 14,960 were used");
    for (int v = 0; v < tableValues; ++v) {
        for (int h = 0; h < tableHues; ++h) {
            for (int c = 0; c < tableChromas; ++c) {
                // Chroma 0 is the C white, hue 40 repeats hue 0, hue 41 and
                // chroma 17 on stay empty.
                int x = place(v, h % loadedHues, c), y = yAt(x);
                if (h == tableHues - 1 || c >= loadedChromas) x = y = 0;
                if (h < tableHues - 1 && c == 0) x = 3101, y = 3163;
                ASSERT_EQ(table->x(v, h, c), x) << v << " " << h << " " << c;
                ASSERT_EQ(table->y(v, h, c), y) << v << " " << h << " " << c;
            }
        }
    }
    // Pairs split across lines; two pairs to a line, separated by blanks only.
    for (const auto& [separator, perLine] : {std::pair{", ", 3}, std::pair{" ", 4}}) {
        const LoadedTable other = load(fileNumbers(), separator, perLine);
        ASSERT_TRUE(other.table);
        EXPECT_EQ(std::memcmp(other.table.get(), table, sizeof(RenotationTable)), 0) << perLine;
    }
}

TEST(RenotationTable, RejectsBadFilesNamingTheSample) {
    const struct {
        int field;
        const char* replacement;
        const char* message;
    } cases[] = {
        {2 * place(3, 12, 5), nullptr,  // the file ends before this field
         "Vezedu.dat ends early: value 3, hue index 12, chroma index 5 (x) is missing"},
        {2 * place(3, 12, 5) + 1, "22001",
         "Vezedu.dat: 22001 at value 3, hue index 12, chroma index 5 (y) is outside -3000..22000"},
        {2 * place(10, 39, 16), "-3001",
         "Vezedu.dat: -3001 at value 10, hue index 39, chroma index 16 (x) is outside -3000..22000"},
        {2 * place(0, 0, 0), "99999999999999999999999999",
         "Vezedu.dat: 999999999999999999999999 at value 0, hue index 0, chroma index 0 (x) is outside -3000..22000"},
        {2 * place(7, 2, 0), "3101.5",
         "Vezedu.dat: \"3101.5\" at value 7, hue index 2, chroma index 0 (x) is not a whole "
         "number"},
    };
    for (const auto& k : cases) {
        std::vector<std::string> numbers = fileNumbers();
        if (k.replacement) numbers[k.field] = k.replacement;
        if (!k.replacement) numbers.resize(k.field);
        const LoadedTable result = load(numbers);
        EXPECT_FALSE(result.table);
        EXPECT_EQ(result.error, k.message);
    }
}

// The limits themselves are entries; exactly 14,960 numbers load without a
// notice, one more with one; a file over 1 MiB is not read.
TEST(RenotationTable, LimitsAndCountsOnBothSides) {
    std::vector<std::string> numbers = fileNumbers();
    numbers.resize(renotationNumbers);
    numbers[5] = "-3000";
    numbers[7] = "22000";
    LoadedTable result = load(numbers);
    ASSERT_TRUE(result.table) << result.error;
    EXPECT_TRUE(result.notice.empty() && result.table->y(0, 0, 2) == -3000 && result.table->y(0, 0, 3) == 22000);
    numbers.push_back("0");
    result = load(numbers);
    EXPECT_EQ(result.notice, "Vezedu.dat holds 14,961 numbers; the first 14,960 were used");

    numbers.pop_back();
    std::string text;
    for (const auto& n : numbers) text += n + ",";
    for (const auto& [size, ok] : {std::pair{renotationFileLimit, true}, {renotationFileLimit + 1, false}}) {
        std::istringstream in(text + std::string(size - text.size(), ' '));
        result = loadRenotationTable(in);
        EXPECT_EQ(bool(result.table), ok) << size;
        EXPECT_EQ(result.error, ok ? "" : "Vezedu.dat is larger than 1048576 bytes");
    }
}

// The data hold no value 0: the generator repeats value 1 there, which the
// conversions below value 1 pin on the shipped table; the shipped table is
// what the generator makes of the published data.
TEST(VezeduData, CommittedFileIsTheGeneratorOutput) {
    std::ifstream csv(TINTARA_SOURCE_DIR "/data/munsell-renotation.csv", std::ios::binary);
    const tools::VezeduText laid = tools::layOutVezedu(csv);
    ASSERT_TRUE(laid.ok) << laid.error;
    std::ifstream dat(TINTARA_SOURCE_DIR "/data/Vezedu.dat", std::ios::binary);
    EXPECT_TRUE(laid.text == std::string(std::istreambuf_iterator<char>(dat), {}))
        << "data/Vezedu.dat is out of date: run make_vezedu on data/munsell-renotation.csv";
}

}  // namespace
}  // namespace tintara::munsell
