// Files written whole: the new content goes to a temporary file beside the
// output and takes the output's name only once it is all on the disk, so that a
// failure part-way never leaves half a file under the output's name and the
// previous content stays.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace tintara::datafiles {

// Every byte of a whole file passes here before it goes to the disk. The
// program has none; tests put one in to make a write fail part-way, as a full
// disk would.
class WriteSeam {
public:
    virtual ~WriteSeam() = default;
    // `count` bytes of `output` are about to be written, after `written` bytes
    // already were. False makes that write fail; `why` says why.
    virtual bool allow(const std::filesystem::path& output, std::uint64_t written, std::size_t count,
                       std::string& why) = 0;
};

// The text goes to a temporary file beside the output; commit() puts it in the
// output's place in one rename. Until then, and after any failure, a file of
// the output's name keeps what it held. A WholeFile dropped before commit()
// removes its temporary file.
class WholeFile {
public:
    explicit WholeFile(std::filesystem::path output, WriteSeam* seam = nullptr);
    ~WholeFile();
    WholeFile(const WholeFile&) = delete;
    WholeFile& operator=(const WholeFile&) = delete;

    // Creates the temporary file. False, with error(), when the output's name
    // is taken by a folder or the folder cannot take a new file.
    bool open();
    // False, with error(), when the text could not be written; every later
    // write and the commit then fail too.
    bool write(std::string_view text);
    // Closes the temporary file and renames it over the output.
    bool commit();

    const std::filesystem::path& output() const { return output_; }
    // Why the last step failed, naming the file.
    const std::string& error() const { return error_; }

private:
    bool fail(std::string message);
    void discard();

    std::filesystem::path output_, temporary_;
    WriteSeam* seam_;
    std::FILE* file_ = nullptr;
    std::uint64_t written_ = 0;
    bool failed_ = false;
    bool committed_ = false;
    std::string error_;
};

// Replaces the file's content (creating it when missing) through a WholeFile.
// False with a message naming the file when it cannot be written; the old
// content then stays.
bool replaceFile(const std::filesystem::path& file, std::string_view content, std::string& error,
                 WriteSeam* seam = nullptr);

}  // namespace tintara::datafiles
