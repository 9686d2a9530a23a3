// A serial port with a simulated instrument behind it: replies are scripted as
// rules ("when this arrives, make that available"), and everything the program
// does to the port is recorded for a test to look at.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ui/headless/headless_platform.h"

namespace tintara::ui {

class ScriptedSerialPort : public SerialPort {
public:
    enum class Match { Exact, StartsWith, Contains };

    struct Rule {
        std::string when;
        Match match = Match::Exact;
        std::string reply;
        int delayPollCount = 0;                // polls (reads or counts) before the reply starts
        std::optional<double> delaySecondsAt;  // or clock seconds after the send
        std::size_t chunkSize = 0;             // bytes per poll once it has started; 0: all at once
        int remaining = -1;                    // answers left; -1 without end
        // Further parts of the answer, each after a pause of some polls
        // counted from the end of the part before it.
        std::vector<std::pair<std::string, int>> laterParts;

        Rule& afterPolls(int polls) {
            delayPollCount = polls;
            return *this;
        }
        Rule& afterSeconds(double seconds) {
            delaySecondsAt = seconds;
            return *this;
        }
        Rule& inChunks(std::size_t bytes) {
            chunkSize = bytes;
            return *this;
        }
        Rule& times(int count) {
            remaining = count;
            return *this;
        }
        Rule& once() { return times(1); }
        Rule& followedBy(std::string bytes, int afterPolls = 1) {
            laterParts.emplace_back(std::move(bytes), afterPolls);
            return *this;
        }
    };

    ScriptedSerialPort() = default;
    // With a clock, replies can be timed in clock seconds.
    explicit ScriptedSerialPort(HeadlessClock& clock) : clock_(&clock) {}

    // Rules are tried in the order given; the first that matches and has
    // answers left makes its reply available.
    Rule& on(std::string when, std::string reply, Match match = Match::Exact);
    Rule& onPrefix(std::string when, std::string reply) {
        return on(std::move(when), std::move(reply), Match::StartsWith);
    }
    Rule& onContaining(std::string when, std::string reply) {
        return on(std::move(when), std::move(reply), Match::Contains);
    }
    // Bytes available at once, unasked.
    void deliver(std::string bytes);
    // The next opens fail with this message.
    void failOpen(std::string message) { openFailure_ = std::move(message); }

    void setPortNumber(int number) override { portNumber = number; }
    void setSettings(const std::string& text) override { settings = text; }
    void setHandshaking(Handshaking value) override { handshaking = value; }
    void setRts(bool on) override { rts = on; }
    bool open(std::string& error) override;
    void close() override;
    bool isOpen() const override { return open_; }
    void send(std::string_view bytes) override;
    std::string readAll() override;
    int bytesWaiting() override;

    // What the program did.
    int portNumber = 0;
    std::string settings;
    Handshaking handshaking = Handshaking::None;
    bool rts = false;
    int opens = 0;
    int closes = 0;
    std::vector<std::string> sent;  // each send, in order
    int polls = 0;

private:
    struct Delivery {
        std::string bytes;
        int pollsLeft = 0;
        std::optional<double> dueAfter;  // seconds after sentAt
        double sentAt = 0;
        std::size_t chunk = 0;
    };
    static bool matches(const Rule& rule, std::string_view bytes);
    // Reads the clock without moving it on.
    double peekClock();
    bool isDue(Delivery& delivery);
    void poll();

    HeadlessClock* clock_ = nullptr;
    std::deque<Rule> rules_;
    std::deque<Delivery> pending_;
    std::string input_;
    std::optional<std::string> openFailure_;
    bool open_ = false;
};

}  // namespace tintara::ui
