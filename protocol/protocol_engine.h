#pragma once

#include <memory>

#include "block_applier.h"
#include "dispatcher.h"
#include "protocol_context.h"
#include "send_scheduler.h"
#include "status_poller.h"

namespace ampdesk {

// The device protocol as one object: device state, block codec, receive
// dispatcher, send scheduler, polling and watchdog, sharing one context.
// Construct it after the link; it installs itself as the link's dispatcher.
// The view and the operations must outlive it.
class ProtocolEngine {
public:
    ProtocolEngine(Scheduler& scheduler, SerialLink& link, Dialogs& dialogs, Edition edition,
                   ProtocolView& view, ProtocolOperations& operations);
    ~ProtocolEngine();
    ProtocolEngine(const ProtocolEngine&) = delete;
    ProtocolEngine& operator=(const ProtocolEngine&) = delete;

    Edition edition() const { return m_ctx.edition; }
    SerialLink& link() { return m_ctx.link; }

    DeviceState& state() { return m_ctx.state; }
    ConnectionIds& ids() { return m_ctx.ids; }
    OperationFlags& flags() { return m_ctx.flags; }
    TransferData& data() { return m_ctx.data; }
    ProtocolTimers& timers() { return m_ctx.timers; }

    SendScheduler& sender() { return m_sender; }
    StatusPoller& poller() { return m_poller; }
    BlockApplier& blocks() { return m_blocks; }
    Dispatcher& dispatcher() { return m_dispatcher; }

    // Shorthands for the calls used most.
    void Dispatch() { m_dispatcher.Dispatch(); }
    void ApplyLiveBlock() { m_blocks.ApplyLiveBlock(); }
    void ApplyBlockText() { m_blocks.ApplyBlockText(); }
    void MarkSection(int messageType) { m_sender.MarkSection(messageType); }
    void MarkBand(int flatBand) { m_sender.MarkBand(flatBand); }
    void MarkSettingsRequest() { m_sender.MarkSettingsRequest(); }
    void ClearQueue() { m_sender.ClearQueue(); }

private:
    ProtocolContext m_ctx;
    SendScheduler m_sender;
    StatusPoller m_poller;
    BlockApplier m_blocks;
    Dispatcher m_dispatcher;
};

}  // namespace ampdesk
