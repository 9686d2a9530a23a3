// Print style and write style: the two ways the program writes text files.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tintara::textio {

inline constexpr std::string_view lineEnd = "\r\n";

// Print style builds a line item by item with no separator of its own: text goes
// out as it stands, a number with a blank in its sign position and one blank
// after it (12 prints as " 12 ", -2.5 as "-2.5 "). In zone mode every item
// starts at the next 14-column print zone (columns 1, 15, 29, ...), and an item
// that reaches into a zone pushes the next one to the zone after it. An empty
// item still takes its zone, so the items after it keep their columns.
class PrintLine {
public:
    PrintLine& text(std::string_view item);
    PrintLine& number(float item);
    // A count or a component, printed like a number but exact at any size.
    PrintLine& whole(long long item);
    PrintLine& zoneText(std::string_view item);
    PrintLine& zoneNumber(float item);
    // The line so far, ended by CR LF.
    std::string finish() const;
    const std::string& content() const { return line_; }

private:
    void toNextZone();
    std::string line_;
    bool zoneTaken_ = false;  // an empty zone item stands at the line's end
};

// Write style: fields separated by commas, text in double quotes, numbers bare,
// the line ended by CR LF. A double quote inside a text field is doubled, so the
// field reads back whole (FieldReader takes "" inside quotes as one quote).
using WriteField = std::variant<std::string, float>;
std::string writeLine(const std::vector<WriteField>& fields);

// A field of a plain CSV table for other programs: quoted only when it holds a
// comma, a quote or a line end, with inner quotes doubled.
std::string csvField(std::string_view text);

}  // namespace tintara::textio
