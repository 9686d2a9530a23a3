// The instrument table: the list's order, and each entry found by its name and
// by its enumerator.
#include "instruments/instrument.h"

#include <gtest/gtest.h>

namespace tintara::instruments {
namespace {

TEST(InstrumentTable, ListOrderAndLookUps) {
    const char* listed[] = {"Import", "CE7000", "CE7000A", "CE2180", "XTH", "Ci5/Ci7", "Spectrolino", "SpectroEye"};
    for (std::size_t i = 0; i < instrumentCount; ++i) {
        const InstrumentDescription& entry = instrumentTable()[i];
        EXPECT_EQ(entry.listName, listed[i]);
        EXPECT_EQ(&describe(entry.instrument), &entry);
        EXPECT_EQ(findInstrument(listed[i]), &entry);
        EXPECT_EQ(entry.serial.has_value(), i != 0) << listed[i];
    }
    for (const char* other : {"Inst", "Instrument", "", "ce7000", "XTH "}) EXPECT_EQ(findInstrument(other), nullptr);
}

}  // namespace
}  // namespace tintara::instruments
