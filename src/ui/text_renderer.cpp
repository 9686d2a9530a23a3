#include "ui/text_renderer.h"

#include "textio/utf8_text.h"

namespace tintara::ui {

std::u32string textCharacters(const std::string& text) { return textio::charactersOfFileText(text); }

}  // namespace tintara::ui
