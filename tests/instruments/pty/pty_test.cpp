// Measurements over a real pseudo-terminal: the simulator plays the
// instrument on the master side, the dialogue talks to the slave side through
// QSerialPort, with the real clock and Qt's event loop.
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include <QCoreApplication>
#include <QTime>
#include <gtest/gtest.h>

#include "instruments/dialogue.h"
#include "ui/headless/headless_platform.h"
#include "ui/qt/qt_serial_port.h"

namespace tintara::instruments {
namespace {

class RealClock : public ui::Clock {
public:
    double secondsSinceMidnight() override { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }
    ui::DateTime now() override { return {}; }
};

class QtEvents : public ui::EventPump {
public:
    void doEvents() override { QCoreApplication::processEvents(); }
};

// The simulator as a child process, ended when the test ends.
class Simulator {
public:
    explicit Simulator(const char* kind) {
        int out[2];
        if (::pipe(out) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::close(out[0]);
            ::close(out[1]);
            ::execl(SIMULATOR_PATH, SIMULATOR_PATH, kind, "30", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(out[1]);
        slavePath_ = firstLine(out[0]);
        ::close(out[0]);
    }
    ~Simulator() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    const std::string& slavePath() const { return slavePath_; }

private:
    // The slave path, or nothing when the simulator says nothing within 10 s.
    static std::string firstLine(int fd) {
        std::string line;
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (std::chrono::steady_clock::now() < end) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 100) <= 0) continue;
            char c = 0;
            if (::read(fd, &c, 1) != 1) break;
            if (c == '\n') return line;
            line += c;
        }
        return {};
    }

    pid_t pid_ = -1;
    std::string slavePath_;
};

struct PtyRun {
    ui::qt::QtSerialPort port;
    ui::HeadlessDialogs dialogs;
    RealClock clock;
    QtEvents events;
    std::string line;
    DialogueContext context{port, dialogs, clock, events, 1, [this](const std::string& t) { line = t; }, {}};
    MeasureState state;
    Reflectance refl{};
};

void expectSimulatedCurve(const Reflectance& refl) {
    for (std::size_t i = 1; i <= 40; ++i) EXPECT_FLOAT_EQ(refl[i], static_cast<float>(20.0 + 1.5 * i)) << i;
}

TEST(PseudoTerminal, Ce7000Measurement) {
    Simulator simulator("ce7000");
    ASSERT_FALSE(simulator.slavePath().empty());
    ::setenv("TINTARA_PORT1", simulator.slavePath().c_str(), 1);
    PtyRun run;
    ASSERT_EQ(measure("CE7000", run.context, run.state, run.refl), MeasureEnd::Tail)
        << ::testing::PrintToString(run.dialogs.messages());
    expectSimulatedCurve(run.refl);
    EXPECT_TRUE(run.dialogs.messages().empty());
    EXPECT_FALSE(run.port.isOpen());
}

TEST(PseudoTerminal, Ci5Ci7MeasurementsAskingForRtsCts) {
    Simulator simulator("ci5");
    ASSERT_FALSE(simulator.slavePath().empty());
    ::setenv("TINTARA_PORT2", simulator.slavePath().c_str(), 1);
    PtyRun run;
    run.context.commPort = 2;
    ASSERT_EQ(measure("Ci5/Ci7", run.context, run.state, run.refl), MeasureEnd::Tail) << run.line;
    expectSimulatedCurve(run.refl);
    EXPECT_TRUE(run.state.sceConfigured);
    run.refl.fill(0);
    ASSERT_EQ(measure("Ci5/Ci7", run.context, run.state, run.refl), MeasureEnd::Tail) << run.line;
    expectSimulatedCurve(run.refl);
    EXPECT_FALSE(run.port.isOpen());
}

TEST(PseudoTerminal, PortThatDoesNotExist) {
    ::setenv("TINTARA_PORT3", "/nonexistent/tty", 1);
    PtyRun run;
    run.context.commPort = 3;
    EXPECT_EQ(measure("CE2180", run.context, run.state, run.refl), MeasureEnd::EarlyExit);
    ASSERT_EQ(run.dialogs.messages().size(), 1u);
    EXPECT_EQ(run.dialogs.messages()[0].rfind("Cannot open serial port 3 (/nonexistent/tty): ", 0), 0u)
        << run.dialogs.messages()[0];
}

TEST(QtSerialSettings, ParsesTheInstrumentStrings) {
    using P = ui::qt::QtSerialPort;
    const auto ce = P::parseSettings("9600,N,8,1");
    ASSERT_TRUE(ce);
    EXPECT_EQ(ce->baudRate, 9600);
    EXPECT_EQ(ce->parity, QSerialPort::NoParity);
    EXPECT_EQ(ce->dataBits, QSerialPort::Data8);
    EXPECT_EQ(ce->stopBits, QSerialPort::OneStop);
    EXPECT_EQ(P::parseSettings("38400,N,8,1")->baudRate, 38400);
    EXPECT_EQ(P::parseSettings("9600,n,8,1")->parity, QSerialPort::NoParity);
    EXPECT_EQ(P::parseSettings("1200,e,7,2")->parity, QSerialPort::EvenParity);
    EXPECT_EQ(P::parseSettings("1200,e,7,2")->stopBits, QSerialPort::TwoStop);
    EXPECT_EQ(P::parseSettings("1200,M,7,1.5")->stopBits, QSerialPort::OneAndHalfStop);
    EXPECT_FALSE(P::parseSettings("9600,X,8,1"));
    EXPECT_FALSE(P::parseSettings("9600,N,9,1"));
    EXPECT_FALSE(P::parseSettings("fast,N,8,1"));
    EXPECT_FALSE(P::parseSettings("9600,N,8"));

    ::setenv("TINTARA_PORT4", "/dev/ttyUSB7", 1);
    EXPECT_EQ(P::devicePath(4), "/dev/ttyUSB7");
    ::unsetenv("TINTARA_PORT4");
#ifdef __linux__
    EXPECT_EQ(P::devicePath(4), "/dev/ttyS3");
#endif
}

}  // namespace
}  // namespace tintara::instruments

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
