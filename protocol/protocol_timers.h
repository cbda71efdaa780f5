#pragma once

#include <memory>

#include "edition.h"
#include "scheduler.h"

namespace ampdesk {

// The window timers that the protocol starts or stops, created once under
// their own names and all off at start. The protocol installs the handlers of
// the timers it owns (polling, watchdog, send scheduler, message timers,
// chcon, and the deferred steps trunon1, FSaveDialog3, FSaveDialog4). The
// others (chcon112, chcon188, Timer9, Timer10, Timer22) belong to the
// connection, preset and file operations, which install their handlers with
// setHandler; until then each one only stops itself.
struct ProtocolTimers {
    ProtocolTimers(Scheduler& scheduler, Edition edition);

    // Polling and watchdog.
    std::unique_ptr<Timer> Timer1;   // 500 ms poll
    std::unique_ptr<Timer> intimer;  // 2000 ms watchdog, one-shot
    std::unique_ptr<Timer> chcon;    // 800 ms: no byte after a connect request
    std::unique_ptr<Timer> Timer2;   // 10 ms: ID-change message
    std::unique_ptr<Timer> Timer11;  // 10 ms: preset-saved message
    // Send scheduler.
    std::unique_ptr<Timer> sendTimer;  // 10 ms scan
    std::unique_ptr<Timer> Timer7;     // 200 ms send
    std::unique_ptr<Timer> Timer4;     // 300 ms restart
    // Started here, reactions elsewhere.
    std::unique_ptr<Timer> trunon1;       // 10 ms: initial-data copy
    std::unique_ptr<Timer> FSaveDialog3;  // 10 ms: single-group save dialog (edition A)
    std::unique_ptr<Timer> FSaveDialog4;  // 10 ms: eight-group save dialog (edition A)
    std::unique_ptr<Timer> Timer10;       // 1000 ms: next stored group of an eight-group load
    // Stopped here, owned elsewhere.
    std::unique_ptr<Timer> chcon112;  // 1500 ms: parameter block missing
    std::unique_ptr<Timer> chcon188;  // 2500 ms: preset names missing
    std::unique_ptr<Timer> Timer9;    // 16000 ms: eight-group save time-out
    std::unique_ptr<Timer> Timer22;   // preset-load time-out: 12000 ms (edition B 10000 ms)
};

}  // namespace ampdesk
