// The headless backend: platform services that answer from a script, a clock
// set by hand and an event pump that runs queued actions, so that the window
// logic can be driven exactly as a person would drive it, without a display.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/services.h"

namespace tintara::ui {

struct ShownDialog {
    enum class Kind { Message, Input, OpenFile } kind = Kind::Message;
    std::string prompt, title;
    MessageButtons buttons = MessageButtons::OK;
    MessageIcon icon = MessageIcon::None;
    std::string defaultText;  // the input box's default, or the file dialog's filter
};

class HeadlessDialogs : public Dialogs {
public:
    Answer messageBox(const std::string& prompt, MessageButtons buttons, MessageIcon icon,
                      const std::string& title) override;
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    std::optional<std::string> openFile(const std::string& filter, const std::string& title) override;

    // Scripted answers, used in order. Without one, a message box takes its
    // first button (OK or Yes), an input box and a file dialog are cancelled.
    void answerMessage(Answer answer) { messageAnswers_.push_back(answer); }
    void answerInput(std::optional<std::string> answer) { inputAnswers_.push_back(std::move(answer)); }
    void answerFile(std::optional<std::string> path) { fileAnswers_.push_back(std::move(path)); }

    std::vector<ShownDialog> shown;
    std::function<void(const ShownDialog&)> onShow;

    // The prompts of the message boxes shown so far.
    std::vector<std::string> messages() const;

private:
    void record(ShownDialog dialog);
    std::deque<Answer> messageAnswers_;
    std::deque<std::optional<std::string>> inputAnswers_;
    std::deque<std::optional<std::string>> fileAnswers_;
};

// A clock set by hand. It can move on by a fixed step at every reading, so that
// a wait with a time limit comes to its end without real time passing.
class HeadlessClock : public Clock {
public:
    double secondsSinceMidnight() override;
    DateTime now() override { return date_; }

    void set(double secondsSinceMidnight) { seconds_ = secondsSinceMidnight; }
    void setDate(DateTime date) { date_ = date; }
    void advanceOnRead(double step) { step_ = step; }
    void advance(double seconds);

private:
    double seconds_ = 12 * 3600.0;
    double step_ = 0;
    DateTime date_{2026, 12, 6, 9, 30, 0};
};

// Runs, at each doEvents, whatever a test queued: a person pressing a button
// while a long operation lets events run.
class HeadlessEvents : public EventPump {
public:
    void doEvents() override;
    void queue(std::function<void()> action) { pending_.push_back(std::move(action)); }
    int count() const { return count_; }
    std::function<void()> onEachPass;

private:
    std::deque<std::function<void()>> pending_;
    int count_ = 0;
};

class HeadlessBeeper : public Beeper {
public:
    void beep() override { ++beeps; }
    int beeps = 0;
};

class HeadlessPrinter : public Printer {
public:
    PrintOutcome printWindow(Window& window) override;
    std::vector<std::string> printed;  // names of the windows printed
    std::string failWith;              // when set, printing (or writing pdfFile) fails with this reason
    std::string pdfFile;               // when set, a machine without a printer: the image goes there
};

// Text in the bitmap font of bitmap_font.h, the same on every machine.
class HeadlessText : public TextRenderer {
public:
    void drawText(Surface& surface, double x, double y, const std::string& text, const Font& font, Rgb color) override;
    int textWidth(const std::string& text, const Font& font) override;
    int textHeight(const Font& font) override;
};

// Pictures from a script: a test hands over the pictures its files hold and
// what the clipboard holds, and sets the screen size.
class HeadlessPictures : public PictureSource {
public:
    std::optional<Image> loadPicture(const std::string& path, std::string& error) override;
    std::optional<Image> clipboardPicture(std::string& error) override;
    ScreenSize screenSize() override { return screen; }

    void addFile(const std::string& path, Image picture) { files_[path] = std::move(picture); }
    // Reading the file fails with this message.
    void failFile(const std::string& path, std::string message) { failures_[path] = std::move(message); }

    std::optional<Image> clipboard;
    ScreenSize screen{1280, 1024};
    std::vector<std::string> asked;  // the files asked for, in order

private:
    std::map<std::string, Image> files_;
    std::map<std::string, std::string> failures_;
};

// A serial port with nothing behind it.
class AbsentSerialPort : public SerialPort {
public:
    void setPortNumber(int number) override { port_ = number; }
    void setSettings(const std::string&) override {}
    void setHandshaking(Handshaking) override {}
    void setRts(bool) override {}
    bool open(std::string& error) override;
    void close() override {}
    bool isOpen() const override { return false; }
    void send(std::string_view) override {}
    std::string readAll() override { return {}; }
    int bytesWaiting() override { return 0; }

private:
    int port_ = 1;
};

// Owns one of each headless service and hands them out as a Platform. The
// serial port can be replaced by a scripted one.
class HeadlessPlatform {
public:
    HeadlessPlatform();
    explicit HeadlessPlatform(SerialPort& serial);

    HeadlessDialogs dialogs;
    HeadlessClock clock;
    HeadlessEvents events;
    HeadlessBeeper beeper;
    HeadlessPrinter printer;
    HeadlessText text;
    HeadlessPictures pictures;

    Platform& platform() { return platform_; }

private:
    AbsentSerialPort absentSerial_;
    Platform platform_;
};

}  // namespace tintara::ui
