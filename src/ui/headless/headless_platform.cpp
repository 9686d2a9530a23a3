#include "ui/headless/headless_platform.h"

#include <cmath>

#include "ui/headless/bitmap_font.h"
#include "ui/window.h"

namespace tintara::ui {

void HeadlessDialogs::record(ShownDialog dialog) {
    shown.push_back(dialog);
    if (onShow) onShow(shown.back());
}

Answer HeadlessDialogs::messageBox(const std::string& prompt, MessageButtons buttons, MessageIcon icon,
                                   const std::string& title) {
    record({ShownDialog::Kind::Message, prompt, title, buttons, icon, {}});
    if (!messageAnswers_.empty()) {
        Answer a = messageAnswers_.front();
        messageAnswers_.pop_front();
        return a;
    }
    return (buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel) ? Answer::Yes : Answer::OK;
}

std::optional<std::string> HeadlessDialogs::inputBox(const std::string& prompt, const std::string& title,
                                                     const std::string& defaultText) {
    record({ShownDialog::Kind::Input, prompt, title, MessageButtons::OKCancel, MessageIcon::None, defaultText});
    if (inputAnswers_.empty()) return std::nullopt;
    auto a = inputAnswers_.front();
    inputAnswers_.pop_front();
    return a;
}

std::optional<std::string> HeadlessDialogs::openFile(const std::string& filter, const std::string& title) {
    record({ShownDialog::Kind::OpenFile, {}, title, MessageButtons::OKCancel, MessageIcon::None, filter});
    if (fileAnswers_.empty()) return std::nullopt;
    auto a = fileAnswers_.front();
    fileAnswers_.pop_front();
    return a;
}

std::vector<std::string> HeadlessDialogs::messages() const {
    std::vector<std::string> out;
    for (const auto& d : shown)
        if (d.kind == ShownDialog::Kind::Message) out.push_back(d.prompt);
    return out;
}

double HeadlessClock::secondsSinceMidnight() {
    const double now = seconds_;
    if (step_ > 0) advance(step_);
    return now;
}

void HeadlessClock::advance(double seconds) { seconds_ = std::fmod(seconds_ + seconds, 86400.0); }

void HeadlessEvents::doEvents() {
    ++count_;
    if (onEachPass) onEachPass();
    // Actions queued by the actions themselves wait for the next pass.
    auto now = std::move(pending_);
    pending_.clear();
    for (auto& action : now) action();
}

PrintOutcome HeadlessPrinter::printWindow(Window& window) {
    if (!failWith.empty()) return {false, failWith, pdfFile};
    printed.push_back(window.name());
    return {true, {}, pdfFile};
}

void HeadlessText::drawText(Surface& surface, double x, double y, const std::string& text, const Font& font,
                            Rgb color) {
    BitmapFont::draw(surface, x, y, textCharacters(text), font, color);
}

int HeadlessText::textWidth(const std::string& text, const Font& font) {
    return BitmapFont::width(textCharacters(text), font);
}

int HeadlessText::textHeight(const Font& font) { return BitmapFont::height(font); }

std::optional<Image> HeadlessPictures::loadPicture(const std::string& path, std::string& error) {
    asked.push_back(path);
    if (auto failure = failures_.find(path); failure != failures_.end()) {
        error = failure->second;
        return std::nullopt;
    }
    if (auto file = files_.find(path); file != files_.end()) return file->second;
    error = "The picture " + path + " cannot be found";
    return std::nullopt;
}

std::optional<Image> HeadlessPictures::clipboardPicture(std::string& error) {
    if (clipboard && !clipboard->empty()) return clipboard;
    error = "The clipboard holds no picture";
    return std::nullopt;
}

bool AbsentSerialPort::open(std::string& error) {
    error = "Serial port " + std::to_string(port_) + " is not available";
    return false;
}

HeadlessPlatform::HeadlessPlatform() : HeadlessPlatform(absentSerial_) {}

HeadlessPlatform::HeadlessPlatform(SerialPort& serial)
    : platform_{dialogs, clock, events, beeper, printer, serial, text, pictures} {}

}  // namespace tintara::ui
