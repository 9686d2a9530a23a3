#include "datafiles/whole_file.h"

#include <cerrno>
#include <cstring>
#include <random>
#include <system_error>

namespace tintara::datafiles {

namespace {
// A name no other writer in the folder uses: the output's name, a random
// suffix, ".part".
std::filesystem::path temporaryBeside(const std::filesystem::path& output) {
    std::random_device seed;
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, ".%08x", static_cast<unsigned>(seed()));
    return output.parent_path() / (output.filename().string() + suffix + ".part");
}
}  // namespace

WholeFile::WholeFile(std::filesystem::path output, WriteSeam* seam)
    : output_(std::move(output)), temporary_(temporaryBeside(output_)), seam_(seam) {}

WholeFile::~WholeFile() {
    if (!committed_) discard();
}

bool WholeFile::fail(std::string message) {
    failed_ = true;
    error_ = std::move(message);
    discard();
    return false;
}

void WholeFile::discard() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    std::error_code ec;
    std::filesystem::remove(temporary_, ec);
}

bool WholeFile::open() {
    std::error_code ec;
    if (std::filesystem::is_directory(output_, ec))
        return fail("Cannot write " + output_.string() + ": a folder has that name");
    file_ = std::fopen(temporary_.string().c_str(), "wb");
    if (!file_) return fail("Cannot write " + output_.string() + ": " + std::strerror(errno));
    return true;
}

bool WholeFile::write(std::string_view text) {
    if (failed_ || !file_) return false;
    std::string why;
    if (seam_ && !seam_->allow(output_, written_, text.size(), why))
        return fail("Could not write " + output_.string() + ": " + why);
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size())
        return fail("Could not write " + output_.string() + ": " + std::strerror(errno));
    written_ += text.size();
    return true;
}

bool WholeFile::commit() {
    if (failed_ || !file_) return false;
    // The last buffered bytes may meet a full disk only now.
    const bool flushed = std::fflush(file_) == 0;
    const int flushError = errno;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!flushed || !closed)
        return fail("Could not write " + output_.string() + ": " + std::strerror(flushed ? errno : flushError));
    std::error_code ec;
    std::filesystem::rename(temporary_, output_, ec);
    if (ec) return fail("Cannot replace " + output_.string() + ": " + ec.message());
    committed_ = true;
    return true;
}

bool replaceFile(const std::filesystem::path& file, std::string_view content, std::string& error, WriteSeam* seam) {
    WholeFile out(file, seam);
    if (out.open() && out.write(content) && out.commit()) return true;
    error = out.error();
    return false;
}

}  // namespace tintara::datafiles
