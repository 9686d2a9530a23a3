#include "textio/fieldreader.h"

#include "textio/numberread.h"

namespace tintara::textio {

namespace {

constexpr int endOfInput = std::char_traits<char>::eof();

bool isBlank(int c) { return c == ' ' || c == '\t'; }
bool isLineEnd(int c) { return c == '\r' || c == '\n'; }

std::string trimmedRight(std::string text) {
    while (!text.empty() && isBlank(text.back())) text.pop_back();
    return text;
}

}  // namespace

int FieldReader::peek() {
    if (!ahead_.empty()) return static_cast<unsigned char>(ahead_.front());
    return in_.peek();
}

int FieldReader::get() {
    if (ahead_.empty()) return in_.get();
    const int c = static_cast<unsigned char>(ahead_.front());
    ahead_.erase(0, 1);
    return c;
}

// CR LF, LF and CR each end a line.
void FieldReader::consumeLineEnd() {
    if (get() == '\r' && peek() == '\n') get();
}

std::optional<std::string> FieldReader::field() {
    // Blank lines between fields hold none, but a comma promises one more.
    const bool promised = afterComma_;
    afterComma_ = false;
    while (isBlank(peek()) || (!promised && isLineEnd(peek()))) get();
    if (peek() == endOfInput) {
        if (promised) return std::string();
        return std::nullopt;
    }

    std::string text;
    const bool quoted = peek() == '"';
    if (quoted) {
        // A quote left open closes at the line end, so one stray quote cannot
        // swallow the rest of the file.
        // A doubled quote inside stands for one quote.
        get();
        for (;;) {
            while (peek() != endOfInput && peek() != '"' && !isLineEnd(peek())) text += char(get());
            if (peek() != '"') break;
            get();
            if (peek() != '"') break;
            text += char(get());
        }
    }
    // Up to the delimiter: the field itself, or what trails a closing quote.
    std::string rest;
    while (peek() != endOfInput && peek() != ',' && !isLineEnd(peek())) rest += char(get());
    if (peek() == ',') {
        get();
        afterComma_ = true;
    } else if (isLineEnd(peek())) {
        consumeLineEnd();
    }
    return quoted ? text : trimmedRight(rest);
}

std::optional<double> FieldReader::number() {
    const auto text = field();
    if (!text) return std::nullopt;
    return parseNumber(*text);
}

std::optional<std::string> FieldReader::line() {
    afterComma_ = false;
    if (peek() == endOfInput) return std::nullopt;
    std::string text;
    while (peek() != endOfInput && !isLineEnd(peek())) text += char(get());
    if (isLineEnd(peek())) consumeLineEnd();
    return text;
}

void FieldReader::skipLine() { line(); }

bool FieldReader::atEnd() {
    for (std::size_t i = 0;; ++i) {
        if (i == ahead_.size()) {
            const int c = in_.get();
            if (c == endOfInput) {
                return true;
            }
            ahead_ += char(c);
        }
        if (!isBlank(static_cast<unsigned char>(ahead_[i])) && !isLineEnd(ahead_[i])) return false;
    }
}

}  // namespace tintara::textio
