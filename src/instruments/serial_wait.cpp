#include "instruments/serial_wait.h"

namespace tintara::instruments {

namespace {

// A ">" ends a reply unless it closes a "<" opened on the same line: the
// Ci5/Ci7 starts its data with a status such as "<00>" and ends it with ">".
std::size_t promptEnd(std::string_view input) {
    bool insideTag = false;
    for (std::size_t i = 0; i < input.size(); ++i) {
        switch (input[i]) {
        case '<': insideTag = true; break;
        case '\r':
        case '\n': insideTag = false; break;
        case '>':
            if (!insideTag) return i + 1;
            insideTag = false;
            break;
        default: break;
        }
    }
    return 0;
}

std::size_t endAfter(std::string_view input, std::string_view terminator) {
    const std::size_t at = input.find(terminator);
    return at == std::string_view::npos ? 0 : at + terminator.size();
}

}  // namespace

std::size_t replyEnd(std::string_view input, Terminator terminator) {
    switch (terminator) {
    case Terminator::Prompt: return promptEnd(input);
    case Terminator::CrLf: return endAfter(input, "\r\n");
    case Terminator::Lf: return endAfter(input, "\n");
    }
    return 0;
}

float clockNow(platform::Clock& clock) { return static_cast<float>(clock.secondsSinceMidnight()); }

float elapsedSince(platform::Clock& clock, float start) {
    float elapsed = static_cast<float>(static_cast<double>(clockNow(clock)) - start);
    if (elapsed < 0) elapsed = static_cast<float>(elapsed + 86400.0);
    return elapsed;
}

std::string quotedReply(std::string_view reply) {
    const std::size_t start = reply.find_first_not_of("\r\n");
    if (start == std::string_view::npos) return {};
    const std::string_view line = reply.substr(start, reply.find_first_of("\r\n", start) - start);
    if (line.size() <= quotedReplyLength) return std::string(line);
    return std::string(line.substr(0, quotedReplyLength)) + "...";
}

}  // namespace tintara::instruments
