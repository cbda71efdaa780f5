#include "protocol_engine.h"

namespace ampdesk {

ProtocolEngine::ProtocolEngine(Scheduler& scheduler, SerialLink& link, Dialogs& dialogs,
                               Edition edition, ProtocolView& view, ProtocolOperations& operations)
    : m_ctx(scheduler, link, dialogs, edition, view, operations),
      m_sender(m_ctx),
      m_poller(m_ctx, m_sender),
      m_blocks(m_ctx, m_sender),
      m_dispatcher(m_ctx, m_blocks, m_poller, m_sender) {
    m_ctx.link.setDispatcher([this] { m_dispatcher.Dispatch(); });
}

ProtocolEngine::~ProtocolEngine() {
    m_ctx.link.setDispatcher({});
}

}  // namespace ampdesk
