#pragma once

#include "protocol_context.h"

namespace ampdesk {

class SendScheduler;

// Status polling and the link watchdog: Timer1 polls every 500 ms and arms
// intimer, which every received batch stops; a silent line thus ends the
// connection 2 s after the first unanswered poll (not in broadcast). Also
// the handling of status and settings answers, the connect time-out chcon
// and the two message timers Timer2 and Timer11.
class StatusPoller {
public:
    StatusPoller(ProtocolContext& context, SendScheduler& sender);
    StatusPoller(const StatusPoller&) = delete;
    StatusPoller& operator=(const StatusPoller&) = delete;

    // A status answer at the start of RxHexBuffer (at least 40 characters):
    // marks a search hit, shows temperature and attenuation. Consumes nothing.
    void HandleStatus();
    // A settings answer at the start of RxHexBuffer: stores the device
    // settings and shows them. Consumes nothing.
    void HandleSettings();

    // "The last load group:Usr0         " and the like.
    static std::string LastLoadedGroupText(int group, Edition edition);

private:
    void pollTick();
    void watchdogExpired();
    void connectTimedOut();
    void idChangeMessage();
    void saveMessage();
    int payloadByte(int k) const;

    ProtocolContext& m_ctx;
    SendScheduler& m_sender;
};

}  // namespace ampdesk
