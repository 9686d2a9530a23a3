// A disk that fills up: a write seam for the files the main window writes whole.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "datafiles/whole_file.h"

namespace tintara::testkit {

// Fails every write that would take an output past `limit` bytes.
class FullDisk : public datafiles::WriteSeam {
public:
    explicit FullDisk(std::uint64_t limit) : limit_(limit) {}
    bool allow(const std::filesystem::path&, std::uint64_t written, std::size_t count, std::string& why) override {
        if (written + count <= limit_) return true;
        why = "No space left on device";
        return false;
    }

private:
    std::uint64_t limit_;
};

}  // namespace tintara::testkit
