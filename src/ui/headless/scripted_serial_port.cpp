#include "ui/headless/scripted_serial_port.h"

namespace tintara::ui {

ScriptedSerialPort::Rule& ScriptedSerialPort::on(std::string when, std::string reply, Match match) {
    Rule& rule = rules_.emplace_back();
    rule.when = std::move(when);
    rule.match = match;
    rule.reply = std::move(reply);
    return rule;
}

void ScriptedSerialPort::deliver(std::string bytes) {
    Delivery delivery;
    delivery.bytes = std::move(bytes);
    pending_.push_back(std::move(delivery));
}

bool ScriptedSerialPort::open(std::string& error) {
    if (openFailure_) {
        error = *openFailure_;
        return false;
    }
    ++opens;
    open_ = true;
    input_.clear();
    return true;
}

void ScriptedSerialPort::close() {
    ++closes;
    open_ = false;
    input_.clear();
    pending_.clear();
}

bool ScriptedSerialPort::matches(const Rule& rule, std::string_view bytes) {
    switch (rule.match) {
    case Match::Exact: return bytes == rule.when;
    case Match::StartsWith: return bytes.starts_with(rule.when);
    case Match::Contains: return bytes.find(rule.when) != std::string_view::npos;
    }
    return false;
}

void ScriptedSerialPort::send(std::string_view bytes) {
    if (!open_) return;  // a closed port sends nothing
    sent.emplace_back(bytes);
    for (Rule& rule : rules_) {
        if (rule.remaining == 0 || !matches(rule, bytes)) continue;
        if (rule.remaining > 0) --rule.remaining;
        Delivery delivery{rule.reply, rule.delayPollCount, rule.delaySecondsAt, 0, rule.chunkSize};
        if (delivery.dueAfter && clock_) delivery.sentAt = peekClock();
        pending_.push_back(delivery);
        for (const auto& [bytes, afterPolls] : rule.laterParts) {
            delivery.bytes = bytes;
            delivery.pollsLeft = afterPolls;
            pending_.push_back(delivery);
        }
        return;
    }
}

double ScriptedSerialPort::peekClock() {
    const double now = clock_->secondsSinceMidnight();
    clock_->set(now);
    return now;
}

bool ScriptedSerialPort::isDue(Delivery& delivery) {
    if (delivery.pollsLeft > 0) {
        --delivery.pollsLeft;
        return false;
    }
    if (!delivery.dueAfter || !clock_) return true;
    double elapsed = peekClock() - delivery.sentAt;
    if (elapsed < 0) elapsed += 86400.0;
    return elapsed >= *delivery.dueAfter;
}

// Replies come out one after the other, as they would over one line.
void ScriptedSerialPort::poll() {
    ++polls;
    if (pending_.empty() || !isDue(pending_.front())) return;
    Delivery& front = pending_.front();
    const std::size_t count = front.chunk == 0 ? front.bytes.size() : std::min(front.chunk, front.bytes.size());
    if (open_) input_ += front.bytes.substr(0, count);
    front.bytes.erase(0, count);
    if (front.bytes.empty()) pending_.pop_front();
}

std::string ScriptedSerialPort::readAll() {
    poll();
    std::string out;
    out.swap(input_);
    return out;
}

int ScriptedSerialPort::bytesWaiting() {
    poll();
    return static_cast<int>(input_.size());
}

}  // namespace tintara::ui
