// The renotation table as shipped in data/Vezedu.dat, loaded once for all
// tests, and conversions to and from Munsell notation on it.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <optional>

#include "munsell/cie_to_munsell.h"
#include "munsell/munsell_to_cie.h"
#include "munsell/renotation_corners.h"

namespace tintara::munsell::testkit {

inline const RenotationTable& shippedTable() {
    static const std::unique_ptr<RenotationTable> table = [] {
        std::ifstream in(TINTARA_SOURCE_DIR "/data/Vezedu.dat", std::ios::binary);
        auto loaded = loadRenotationTable(in);
        return loaded.table ? std::move(loaded.table) : std::make_unique<RenotationTable>();
    }();
    return *table;
}

inline const RenotationCorners& shippedCorners() {
    static const RenotationCorners corners(shippedTable());
    return corners;
}

// munsellToXyz on the shipped table.
inline std::optional<colorimetry::XyzXy> forward(float H, float V, float C,
                                                 colorimetry::Condition condition = colorimetry::Condition::C2,
                                                 bool pwd = false) {
    return munsellToXyz(shippedTable(), {H, V, C}, condition, pwd);
}

// xyzToMunsell on the float corners; with onTableToo also on the table itself,
// which must give the same answer.
inline std::optional<MunsellMatch> locate(colorimetry::Xyz xyz, bool onTableToo = true) {
    const auto m = xyzToMunsell(shippedCorners(), xyz, false);
    if (!onTableToo) return m;
    const auto n = xyzToMunsell(shippedTable(), xyz, false);
    EXPECT_TRUE(m.has_value() == n.has_value() &&
                (!m || (m->colour.hue == n->colour.hue && m->colour.value == n->colour.value &&
                        m->colour.chroma == n->colour.chroma && m->lowerLevelHeld == n->lowerLevelHeld &&
                        m->upperLevelHeld == n->upperLevelHeld)))
        << xyz.X << " " << xyz.Y << " " << xyz.Z;
    return m;
}

// Munsell to XYZ under C and back; the colour must be in the data.
inline MunsellMatch roundTrip(float H, float V, float C, bool onTableToo = true) {
    const auto f = forward(H, V, C);
    EXPECT_TRUE(f.has_value()) << H << " " << V << "/" << C;
    if (!f) return {};
    const auto m = locate(f->xyz, onTableToo);
    EXPECT_TRUE(m.has_value()) << H << " " << V << "/" << C;
    return m.value_or(MunsellMatch{});
}

}  // namespace tintara::munsell::testkit
