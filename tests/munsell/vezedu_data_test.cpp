// The shipped renotation table file and its generator.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <iterator>
#include <sstream>
#include <string>

#include "munsell/renotation_table.h"
#include "munsell/shipped_table.h"
#include "vezedu_layout.h"

namespace tintara::munsell {
namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(VezeduData, CommittedFileIsTheGeneratorOutput) {
    std::ifstream csv(TINTARA_SOURCE_DIR "/data/munsell-renotation.csv", std::ios::binary);
    ASSERT_TRUE(csv) << "data/munsell-renotation.csv cannot be read";
    const tools::VezeduText laid = tools::layOutVezedu(csv);
    ASSERT_TRUE(laid.ok) << laid.error;
    EXPECT_TRUE(laid.text == readFile(TINTARA_SOURCE_DIR "/data/Vezedu.dat"))
        << "data/Vezedu.dat is out of date: run make_vezedu data/munsell-renotation.csv "
           "data/Vezedu.dat";
}

// Published samples at value 5 (x, y under C): 10RP 5/2 .3332 .3131, 2.5R 5/10
// .4533 .3058, 10R 5/2 .3465 .3278, 2.5YR 5/10 .5175 .3844, 5PB 5/32 .0970 .0620.
TEST(VezeduData, ShippedTableHoldsThePublishedSamples) {
    const RenotationTable& t = testing::shippedTable();
    EXPECT_EQ(t.x(5, 0, 1), 3332);
    EXPECT_EQ(t.y(5, 0, 1), 3131);
    EXPECT_EQ(t.x(5, 1, 5), 4533);
    EXPECT_EQ(t.y(5, 1, 5), 3058);
    EXPECT_EQ(t.x(5, 4, 1), 3465);
    EXPECT_EQ(t.y(5, 4, 1), 3278);
    EXPECT_EQ(t.x(5, 5, 5), 5175);
    EXPECT_EQ(t.y(5, 5, 5), 3844);
    EXPECT_EQ(t.x(5, 30, 16), 970);
    EXPECT_EQ(t.y(5, 30, 16), 620);
    EXPECT_EQ(t.x(5, 30, 17), 0);  // 5PB 5/34 lies beyond the loaded chromas
    for (int h = 0; h < loadedHues; ++h) EXPECT_EQ(t.x(0, h, 1), 0) << h;  // no value 0 data
}

TEST(VezeduData, GeneratorPlacesRowsOnTheGrid) {
    std::istringstream csv(
        "# comment\n"
        "hue,value,chroma,x,y,Y,real\r\n"
        "10RP,5,2,0.3332,0.3131,19.77,1\n"
        "2.5R,5,4,0.1,0.2,19.77,1\n"
        "7.5RP,10,32,0.1235,-0.0042,102.57,0\n"
        "5R,5,34,0.5,0.5,19.77,0\n"
        "5R,0.2,2,0.5,0.5,0.237,0\n");
    const tools::VezeduText laid = tools::layOutVezedu(csv);
    ASSERT_TRUE(laid.ok) << laid.error;
    std::istringstream text(laid.text);
    std::string line;
    int count = 0;
    while (std::getline(text, line)) ++count;
    EXPECT_EQ(count, 440);

    std::istringstream file(laid.text);
    auto table = std::make_unique<RenotationTable>();
    ASSERT_TRUE(loadRenotationTable(file, *table).ok);
    EXPECT_EQ(table->x(5, 0, 1), 3332);
    EXPECT_EQ(table->y(5, 0, 1), 3131);
    EXPECT_EQ(table->x(5, 1, 2), 1000);
    EXPECT_EQ(table->y(5, 1, 2), 2000);
    EXPECT_EQ(table->x(10, 39, 16), 1235);
    EXPECT_EQ(table->y(10, 39, 16), -42);
    EXPECT_EQ(table->x(5, 2, 1), 0);  // value 0.2 and chroma 34 are left out

    std::istringstream offGrid("hue,value,chroma,x,y,Y,real\n3R,5,2,0.3,0.3,19.77,1\n");
    EXPECT_EQ(tools::layOutVezedu(offGrid).error, "line 2: hue not on the 2.5 grid");
}

}  // namespace
}  // namespace tintara::munsell
