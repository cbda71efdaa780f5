#pragma once

#include "connection_ids.h"
#include "device_state.h"
#include "dialogs.h"
#include "edition.h"
#include "operation_flags.h"
#include "protocol_operations.h"
#include "protocol_timers.h"
#include "protocol_view.h"
#include "scheduler.h"
#include "serial_link.h"

namespace ampdesk {

// What the parts of the protocol share: the services they run on and the
// state they read and write. Owned by ProtocolEngine.
struct ProtocolContext {
    ProtocolContext(Scheduler& scheduler, SerialLink& link, Dialogs& dialogs, Edition edition,
                    ProtocolView& view, ProtocolOperations& operations)
        : scheduler(scheduler),
          link(link),
          dialogs(dialogs),
          edition(edition),
          view(view),
          operations(operations),
          timers(scheduler, edition) {}

    Scheduler& scheduler;
    SerialLink& link;
    Dialogs& dialogs;
    const Edition edition;
    ProtocolView& view;
    ProtocolOperations& operations;

    DeviceState state;
    ConnectionIds ids;
    OperationFlags flags;
    TransferData data;
    ProtocolTimers timers;
};

}  // namespace ampdesk
