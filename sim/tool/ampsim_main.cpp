// ampsim: virtual amplifiers on a pseudo-terminal, for installers and tests
// that have no amplifier at hand. The amplifiers themselves live in the
// ampdesk_sim library; this is only the pseudo-terminal and the event loop.

#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "amplifier_line.h"
#include "block_file.h"
#include "port_list.h"
#include "pty_endpoint.h"
#include "qt_scheduler.h"
#include "sim_options.h"

using namespace ampdesk;

namespace {

// How the programs will show the link in their port list, if at all.
std::string portListName(const std::string& linkPath) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path link = fs::absolute(linkPath, ec);
    const fs::path dir = fs::weakly_canonical(link.parent_path(), ec);
    const int number = PortList::portNumberForDevice(link.filename().string());
    if (dir != "/dev" || number == 0)
        return "not in the programs' port list (use /dev/ttyVA0 ... /dev/ttyVA9 for that)";
    return "shown as " + PortList::portName(number);
}

std::string idList(const std::vector<int>& ids) {
    std::string s;
    for (int id : ids) s += (s.empty() ? "" : ",") + std::to_string(id);
    return s;
}

}  // namespace

int main(int argc, char* argv[]) {
    std::string error;
    const auto options = SimOptions::parse(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::fprintf(stderr, "ampsim: %s\nTry 'ampsim --help'.\n", error.c_str());
        return 2;
    }
    if (options->help) {
        std::fputs(SimOptions::helpText().c_str(), stdout);
        return 0;
    }

    std::optional<VirtualAmplifier::Block> block;
    if (!options->blockFile.empty()) {
        block = readSingleGroupFile(options->blockFile, error);
        if (!block) {
            std::fprintf(stderr, "ampsim: %s\n", error.c_str());
            return 1;
        }
    }

    std::ofstream logFile;
    std::ostream* logStream = &std::cerr;
    if (!options->logFile.empty() && options->logFile != "-") {
        logFile.open(options->logFile, std::ios::app);
        if (!logFile) {
            std::fprintf(stderr, "ampsim: cannot write %s\n", options->logFile.c_str());
            return 1;
        }
        logStream = &logFile;
    }

    // Signals arrive as readable data, handled between events; blocked
    // before Qt starts any thread so that none of them takes the signal.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    for (int s : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&stopSignals, s);
    sigprocmask(SIG_BLOCK, &stopSignals, nullptr);
    const int signalFd = signalfd(-1, &stopSignals, SFD_NONBLOCK | SFD_CLOEXEC);
    if (signalFd < 0) {
        // With the signals blocked and nothing reading them, nothing but
        // SIGKILL would stop us and the link would stay behind.
        std::perror("ampsim: signalfd");
        return 1;
    }
    ::signal(SIGPIPE, SIG_IGN);

    QCoreApplication app(argc, argv);
    QtScheduler scheduler;
    AmplifierLine line(scheduler);
    for (int id : options->ids) {
        auto& amp = line.addAmplifier(id);
        if (block) {
            amp.setLiveBlock(*block);
            for (int g = 1; g <= VirtualAmplifier::kGroupCount; ++g) amp.setStoredGroup(g, *block);
        }
        if (options->temperatureReading) amp.setTemperatureReading(*options->temperatureReading);
        if (options->attenuation) amp.setAttenuation(*options->attenuation);
        if (options->temperatureSetting) amp.setTemperatureSetting(*options->temperatureSetting);
    }
    line.setAnswerDelay(options->delayMs);
    line.setFullSpeed(options->fast);
    line.faults() = options->faults;
    if (!options->quiet)
        line.setLog([logStream](const std::string& text) { *logStream << text << std::endl; });

    PtyEndpoint pty;
    if (!pty.create(options->link, options->force, error)) {
        std::fprintf(stderr, "ampsim: %s\n", error.c_str());
        return 1;
    }

    auto takeInput = [&] {
        const auto bytes = pty.readAll();
        if (!bytes.empty()) line.receive(bytes);
    };
    auto followClients = [&] {
        const auto ev = pty.readClientEvents([&] {
            pty.clientGone();
            line.note("-- port closed");
        });
        if (ev.opened > 0) line.note("-- port opened");
    };
    line.setSink([&](const std::vector<std::uint8_t>& bytes) {
        if (pty.clients() == 0) followClients();
        pty.write(bytes);
    });

    QSocketNotifier masterReady(pty.masterFd(), QSocketNotifier::Read);
    QObject::connect(&masterReady, &QSocketNotifier::activated, &app, [&] {
        followClients();
        takeInput();
    });
    QSocketNotifier clientEvents(pty.watchFd(), QSocketNotifier::Read);
    QObject::connect(&clientEvents, &QSocketNotifier::activated, &app, [&] { followClients(); });
    QSocketNotifier stopRequest(signalFd, QSocketNotifier::Read);
    QObject::connect(&stopRequest, &QSocketNotifier::activated, &app, [&] {
        signalfd_siginfo info{};
        while (::read(signalFd, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
        }
        app.quit();
    });

    std::printf("ampsim: amplifier ID %s on %s -> %s, %s\n", idList(options->ids).c_str(),
                options->link.c_str(), pty.slavePath().c_str(),
                portListName(options->link).c_str());
    std::fflush(stdout);

    app.exec();
    pty.removeLink();
    ::close(signalFd);
    std::printf("ampsim: stopped, %s removed\n", options->link.c_str());
    return 0;
}
