// The renotation table as shipped in data/Vezedu.dat, loaded once for all tests.
#pragma once

#include <fstream>
#include <memory>

#include "munsell/renotation_table.h"

namespace tintara::munsell::testing {

inline const RenotationTable& shippedTable() {
    static const std::unique_ptr<RenotationTable> table = [] {
        auto t = std::make_unique<RenotationTable>();
        std::ifstream in(TINTARA_SOURCE_DIR "/data/Vezedu.dat", std::ios::binary);
        loadRenotationTable(in, *t);
        return t;
    }();
    return *table;
}

}  // namespace tintara::munsell::testing
