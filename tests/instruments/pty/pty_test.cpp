// Measurements over a real pseudo-terminal: the simulator plays the
// instrument on the master side, the dialogue talks to the slave side through
// QSerialPort, with the program's own clock and Qt's event loop.
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>
#include <QCoreApplication>

#include "instruments/dialogue.h"
#include "ui/headless/headless_platform.h"
#include "ui/qt/qt_clock.h"
#include "ui/qt/qt_event_pump.h"
#include "ui/qt/qt_serial_port.h"

namespace tintara::instruments {
namespace {

// The simulator as a child process, ended when the test ends. It prints the
// path of the terminal's slave side first; nothing is taken after 10 s of silence.
class Simulator {
public:
    explicit Simulator(const char* kind, const char* pace) {
        int out[2];
        if (::pipe(out) != 0 || (pid_ = ::fork()) < 0) return;
        if (pid_ == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::execl(SIMULATOR_PATH, SIMULATOR_PATH, kind, "30", pace, static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(out[1]);
        pollfd p{out[0], POLLIN, 0};
        char c = 0;
        while (::poll(&p, 1, 10000) > 0 && ::read(out[0], &c, 1) == 1 && c != '\n') slavePath += c;
        if (c != '\n') slavePath.clear();
        ::close(out[0]);
    }
    ~Simulator() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    std::string slavePath;

private:
    pid_t pid_ = -1;
};

// The simulators' curves: 21.5, 23, ... 80 percent, or 50 percent at 380..730
// nm from a SpectroEye (whose four end wavelengths keep their 0).
double simulatedCurve(std::size_t i) { return 20.0 + 1.5 * double(i); }
double spectroEyeCurve(std::size_t i) { return i >= 3 && i <= 38 ? 50.0 : 0.0; }

// Measures `times` over port `number` with the simulator of `kind` behind it,
// answering a byte every `pace` milliseconds.
void measureThroughSimulator(const char* kind, const std::string& instName, int number, int times,
                             double (*curve)(std::size_t) = simulatedCurve, const char* pace = "0") {
    Simulator simulator(kind, pace);
    ASSERT_FALSE(simulator.slavePath.empty());
    ::setenv(("TINTARA_PORT" + std::to_string(number)).c_str(), simulator.slavePath.c_str(), 1);
    ui::qt::QtSerialPort port;
    ui::HeadlessDialogs dialogs;
    ui::qt::QtClock clock;
    ui::qt::QtEventPump events;
    std::string line;
    DialogueContext context{port, dialogs, clock, events, number, [&](const std::string& t) { line = t; }, {}};
    MeasureState state;
    for (int run = 0; run < times; ++run) {
        Reflectance refl{};
        ASSERT_EQ(measure(instName, context, state, refl), MeasureEnd::NewReading)
            << line << ::testing::PrintToString(dialogs.messages());
        for (std::size_t i = 1; i <= 40; ++i) EXPECT_FLOAT_EQ(refl[i], static_cast<float>(curve(i))) << i;
    }
    EXPECT_FALSE(port.isOpen());
}

TEST(PseudoTerminal, Ce7000Ci5Ci7AndSpectroEyeMeasurements) {
    measureThroughSimulator("ce7000", "CE7000", 1, 1);
    measureThroughSimulator("ci5", "Ci5/Ci7", 2, 2);  // the second without the mode command
    measureThroughSimulator("spectroeye", "SpectroEye", 3, 1, spectroEyeCurve);
}

// A byte every 5 ms: however the terminal hands the bytes over, each reply is
// read whole, "<00>" at the start of the data included.
TEST(PseudoTerminal, SlowCi5Ci7Measurement) { measureThroughSimulator("ci5", "Ci5/Ci7", 4, 1, simulatedCurve, "5"); }

}  // namespace
}  // namespace tintara::instruments

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
