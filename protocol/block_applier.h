#pragma once

#include "protocol_context.h"

namespace ampdesk {

class SendScheduler;

// Applies a whole parameter block to DeviceState and the views. The block is
// the BlockText at the start of RxHexBuffer; afterwards the SendQueue and
// RxHexBuffer are empty, so nothing the refresh marked is echoed back.
class BlockApplier {
public:
    BlockApplier(ProtocolContext& context, SendScheduler& sender);
    BlockApplier(const BlockApplier&) = delete;
    BlockApplier& operator=(const BlockApplier&) = delete;

    // A block the amplifier sent as the answer of a read (connect, preset load).
    void ApplyLiveBlock();
    // A block from a PC file or a staged block that has just been written to
    // the amplifier; the caller has copied it into RxHexBuffer. PortOpen
    // reads false meanwhile, so refreshed editors queue no section writes.
    void ApplyBlockText();

private:
    enum class Origin { Live, Text };
    void decodeAndRefresh(Origin origin);
    void refreshViews(Origin origin);

    ProtocolContext& m_ctx;
    SendScheduler& m_sender;
};

}  // namespace ampdesk
