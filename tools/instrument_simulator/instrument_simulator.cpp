// Plays a spectrophotometer on the master side of a pseudo-terminal.
//
//   instrument_simulator ce7000|ci5|spectroeye [seconds [milliseconds]]
//
// prints the path of the terminal's slave side on the first line of its
// output, then answers the instrument's commands until it is terminated or
// `seconds` (default 60) have passed, so that it never outlives a test that
// forgot it. With `milliseconds`, every answer goes out one byte at a time,
// that long apart, as a slow line or a slow instrument would send it.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

#include "simulated_replies.h"

namespace {

using namespace tintara::simulator;

void pause(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

int bytePace = 0;  // milliseconds between the bytes of an answer

bool writeAll(int fd, const std::string& bytes) {
    if (bytePace > 0) {
        for (char byte : bytes) {
            if (::write(fd, &byte, 1) != 1) return false;
            pause(bytePace);
        }
        return true;
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The Color-Eye 7000 takes "R" alone and commands ended by CR. Its
// measurement comes as the 19-byte status first and the data a moment later.
void answerCe7000(int fd, std::string& pending) {
    while (!pending.empty()) {
        if (pending.front() == 'R') {
            pending.erase(0, 1);
            writeAll(fd, "CE7000 V2.10\r\n>");
            continue;
        }
        const auto end = pending.find('\r');
        if (end == std::string::npos) return;
        const std::string command = pending.substr(0, end);
        pending.erase(0, end + 1);
        if (command == "M") {
            const std::string reply = ce7000Measurement();
            writeAll(fd, reply.substr(0, 19));
            pause(50);
            writeAll(fd, reply.substr(19));
        } else {
            writeAll(fd, "?\r\n>");
        }
    }
}

// The Ci5/Ci7 takes commands ended by CR and ends every answer with ">".
void answerCi5(int fd, std::string& pending) {
    for (auto end = pending.find('\r'); end != std::string::npos; end = pending.find('\r')) {
        const std::string command = pending.substr(0, end);
        pending.erase(0, end + 1);
        if (command == "R")
            writeAll(fd, "i1 Ci7 ready\r\n>");
        else if (command == "config -mode=sce")
            writeAll(fd, "<00>\r\n>");
        else if (command == "measure")
            writeAll(fd, ci5Measurement());
        else
            writeAll(fd, "<20> unknown\r\n>");
    }
}

// The SpectroEye takes requests ended by CR LF, each after a run of 255 bytes
// that wakes its interface.
void answerSpectroEye(int fd, std::string& pending) {
    for (auto end = pending.find("\r\n"); end != std::string::npos; end = pending.find("\r\n")) {
        std::string request = pending.substr(0, end);
        pending.erase(0, end + 2);
        request.erase(0, request.find_first_not_of('\xFF'));
        if (request == "; 32")
            writeAll(fd, ": 33 SpectroEye 1.07\r\n");
        else if (request == "; 184 9 0")
            writeAll(fd, spectroEyeMeasurement());
        else
            writeAll(fd, ": 0 unknown\r\n");
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::string kind = argc > 1 ? argv[1] : "";
    if (kind != "ce7000" && kind != "ci5" && kind != "spectroeye") {
        std::fprintf(stderr, "usage: instrument_simulator ce7000|ci5|spectroeye [seconds [milliseconds]]\n");
        return 2;
    }
    ::alarm(argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 60u);
    bytePace = argc > 3 ? std::atoi(argv[3]) : 0;

    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        std::perror("pseudo-terminal");
        return 1;
    }
    const char* slavePath = ::ptsname(master);
    // Holding the slave side open keeps the master readable between the
    // program's opens and closes; raw mode keeps the terminal from echoing
    // or translating line ends before the program sets it up itself.
    const int slave = ::open(slavePath, O_RDWR | O_NOCTTY);
    termios raw{};
    if (slave < 0 || ::tcgetattr(slave, &raw) != 0) {
        std::perror("slave side");
        return 1;
    }
    ::cfmakeraw(&raw);
    ::tcsetattr(slave, TCSANOW, &raw);

    std::printf("%s\n", slavePath);
    std::fflush(stdout);

    std::string pending;
    for (;;) {
        pollfd p{master, POLLIN, 0};
        if (::poll(&p, 1, 1000) < 0) return 1;
        if (!(p.revents & POLLIN)) continue;
        char buffer[512];
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n <= 0) continue;
        pending.append(buffer, static_cast<std::size_t>(n));
        if (kind == "ce7000")
            answerCe7000(master, pending);
        else if (kind == "ci5")
            answerCi5(master, pending);
        else
            answerSpectroEye(master, pending);
    }
}
