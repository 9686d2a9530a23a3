// An instrument that answers at a pace: each reply comes in parts, and the
// bytes of a part come one at a time, evenly spread over the part's seconds,
// the last of them at its end. Time is the headless clock's.
#pragma once

#include <cstddef>
#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/serial_port.h"
#include "ui/headless/headless_platform.h"

namespace tintara::instruments::testkit {

struct Part {
    std::string bytes;
    double seconds = 0;  // from the end of the part before, or from the command
};

class PacedInstrument : public platform::SerialPort {
public:
    explicit PacedInstrument(ui::HeadlessClock& clock) : clock_(&clock) {}

    // The next answer to `command`; the last answer given is repeated.
    void answer(const std::string& command, std::vector<Part> parts) { replies_[command].push_back(std::move(parts)); }

    void setPortNumber(int) override {}
    void setSettings(const std::string&) override {}
    void setHandshaking(platform::Handshaking) override {}
    void setRts(bool) override {}
    bool open(std::string&) override { return open_ = true; }
    void close() override {
        open_ = false;
        due_.clear();
    }
    bool isOpen() const override { return open_; }
    void send(std::string_view bytes) override {
        sent.emplace_back(bytes);
        const auto found = replies_.find(std::string(bytes));
        if (found == replies_.end()) return;
        std::deque<std::vector<Part>>& answers = found->second;
        double at = peek();
        for (const Part& part : answers.front()) {
            for (std::size_t k = 0; k < part.bytes.size(); ++k)
                schedule(at + part.seconds * double(k + 1) / double(part.bytes.size()), part.bytes[k]);
            at += part.seconds;
        }
        if (answers.size() > 1) answers.pop_front();
    }
    std::string readAll() override {
        std::string out;
        const double now = peek();
        while (!due_.empty() && due_.front().first <= now) {
            out += due_.front().second;
            due_.pop_front();
        }
        return out;
    }
    int bytesWaiting() override {
        const double now = peek();
        int count = 0;
        for (const auto& [at, byte] : due_) count += at <= now ? 1 : 0;
        return count;
    }

    std::vector<std::string> sent;

private:
    // A late answer to an earlier command may still be coming: bytes come in
    // the order of their times.
    void schedule(double at, char byte) {
        auto later = due_.begin();
        while (later != due_.end() && later->first <= at) ++later;
        due_.emplace(later, at, byte);
    }
    // The clock's time, without moving it on.
    double peek() {
        const double now = clock_->secondsSinceMidnight();
        clock_->set(now);
        return now;
    }

    ui::HeadlessClock* clock_;
    std::map<std::string, std::deque<std::vector<Part>>> replies_;
    std::deque<std::pair<double, char>> due_;
    bool open_ = false;
};

}  // namespace tintara::instruments::testkit
