// Writes the renotation table file from the published renotation data:
//   make_vezedu data/munsell-renotation.csv data/Vezedu.dat
#include <cstdio>
#include <fstream>
#include <iostream>

#include "vezedu_layout.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_vezedu RENOTATION.csv Vezedu.dat\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "make_vezedu: cannot read " << argv[1] << '\n';
        return 1;
    }
    const tintara::tools::VezeduText laid = tintara::tools::layOutVezedu(in);
    if (!laid.ok) {
        std::cerr << "make_vezedu: " << argv[1] << ", " << laid.error << '\n';
        return 1;
    }
    // Written beside the target and renamed, so a failed write leaves the old file.
    const std::string partial = std::string(argv[2]) + ".part";
    std::ofstream out(partial, std::ios::binary);
    out << laid.text;
    out.close();
    if (!out || std::rename(partial.c_str(), argv[2]) != 0) {
        std::remove(partial.c_str());
        std::cerr << "make_vezedu: cannot write " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
