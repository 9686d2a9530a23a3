// Reads comma-separated text the way every input file of the program is read.
#pragma once

#include <istream>
#include <optional>
#include <string>

namespace tintara::textio {

// A field ends at a comma or at the end of a line; blanks around a field are
// dropped; a field in double quotes may hold commas and keeps its inner blanks,
// two quotes in a row inside it stand for one quote, and whatever follows its
// closing quote up to the next comma or line end is dropped. A line end may be CR LF, LF or CR. Fields run on across lines, so a
// record may be split over several of them.
class FieldReader {
public:
    explicit FieldReader(std::istream& in) : in_(in) {}

    // The next field, or nothing at the end of the input.
    std::optional<std::string> field();
    // The next field read as a number (textio::parseNumber); nothing at the end
    // of the input or when the field is not a number (the field is consumed).
    std::optional<double> number();
    // The rest of the current line as it stands, without its line end; nothing
    // at the end of the input.
    std::optional<std::string> line();
    // Drops everything up to and including the next line end.
    void skipLine();
    // True when nothing but blank space and line ends is left.
    bool atEnd();

private:
    // Characters looked at by atEnd() are kept here until they are read, so
    // looking ahead never changes what the next call returns.
    int peek();
    int get();
    void consumeLineEnd();

    std::istream& in_;
    std::string ahead_;
    // The last field ended at a comma: the next one exists even if empty.
    bool afterComma_ = false;
};

}  // namespace tintara::textio
