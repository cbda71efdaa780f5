#include "protocol_timers.h"

namespace ampdesk {

namespace {
// A timer whose owner has not installed a handler yet behaves as a one-shot.
std::unique_ptr<Timer> oneShot(Scheduler& scheduler, const char* name, int ms) {
    auto timer = scheduler.createTimer(name, ms);
    Timer* raw = timer.get();
    timer->setHandler([raw] { raw->stop(); });
    return timer;
}
}  // namespace

ProtocolTimers::ProtocolTimers(Scheduler& s, Edition edition)
    : Timer1(s.createTimer("Timer1", 500)),
      intimer(s.createTimer("intimer", 2000)),
      chcon(s.createTimer("chcon", 800)),
      Timer2(s.createTimer("Timer2", 10)),
      Timer11(s.createTimer("Timer11", 10)),
      sendTimer(s.createTimer("sendTimer", 10)),
      Timer7(s.createTimer("Timer7", 200)),
      Timer4(s.createTimer("Timer4", 300)),
      trunon1(s.createTimer("trunon1", 10)),
      FSaveDialog3(s.createTimer("FSaveDialog3", 10)),
      FSaveDialog4(s.createTimer("FSaveDialog4", 10)),
      Timer10(oneShot(s, "Timer10", 1000)),
      chcon112(oneShot(s, "chcon112", 1500)),
      chcon188(oneShot(s, "chcon188", 2500)),
      Timer9(oneShot(s, "Timer9", 16000)),
      Timer22(oneShot(s, "Timer22", edition == Edition::A ? 12000 : 10000)) {}

}  // namespace ampdesk
