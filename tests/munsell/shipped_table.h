// The renotation table as shipped in data/Vezedu.dat, loaded once for all
// tests, and conversions to and from Munsell notation on it.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "munsell/cie_to_munsell.h"
#include "munsell/munsell_to_cie.h"
#include "munsell/renotation_corners.h"

namespace tintara::munsell::testkit {

inline const RenotationTable& shippedTable() {
    static const std::unique_ptr<RenotationTable> table = [] {
        auto t = std::make_unique<RenotationTable>();
        std::ifstream in(TINTARA_SOURCE_DIR "/data/Vezedu.dat", std::ios::binary);
        loadRenotationTable(in, *t);
        return t;
    }();
    return *table;
}

struct Forward {
    bool present;
    float V, X, Y, Z, x, y;
};

// mun2xyz on the shipped table; x and y start at -7 to show when they are left alone.
inline Forward forward(float H, float V, float C, colorimetry::Condition condition = colorimetry::Condition::C2,
                       bool pwd = false) {
    Forward r{false, V, -1, -1, -1, -7, -7};
    r.present = mun2xyz(shippedTable(), H, r.V, C, r.X, r.Y, r.Z, r.x, r.y, condition, pwd);
    return r;
}

// xyy2mun on the float corners; with onTableToo also on the table itself,
// which must give the same answer.
inline MunsellColour locate(float X, float Y, float Z, bool onTableToo = true) {
    static const RenotationCorners corners(shippedTable());
    float y = Y;
    const MunsellColour m = xyy2mun(X, y, Z, corners, false);
    if (!onTableToo) return m;
    const MunsellColour n = xyy2mun(X, y = Y, Z, shippedTable(), false);
    EXPECT_TRUE(m.H == n.H && m.V == n.V && m.C == n.C && m.lowerFound == n.lowerFound && m.upperFound == n.upperFound)
        << X << " " << Y << " " << Z;
    return m;
}

inline MunsellColour roundTrip(float H, float V, float C, bool onTableToo = true) {
    const Forward f = forward(H, V, C);
    EXPECT_TRUE(f.present) << H << " " << V << "/" << C;
    return locate(f.X, f.Y, f.Z, onTableToo);
}

}  // namespace tintara::munsell::testkit
