// Text from files as UTF-8: files written by this program hold UTF-8, older
// ones single-byte Latin-1 text; a text that is not valid UTF-8 is read as the
// latter.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tintara::textio {

// The code points of valid UTF-8 (no overlong forms, surrogates or code points
// past U+10FFFF); nothing when the bytes are not UTF-8.
std::optional<std::u32string> decodeUtf8(std::string_view text);

// Whether the bytes are valid UTF-8.
bool isUtf8(std::string_view text);

// The characters of a text: its code points when it is UTF-8, otherwise each
// byte taken as a Latin-1 character.
std::u32string charactersOfFileText(std::string_view text);

// The text in UTF-8: as it stands when it is UTF-8 already, otherwise each
// byte taken as a Latin-1 character.
std::string utf8FromFileText(std::string_view text);

}  // namespace tintara::textio
