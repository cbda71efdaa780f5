#include "dispatcher.h"

#include "block_applier.h"
#include "device_frame.h"
#include "hex_text.h"
#include "send_scheduler.h"
#include "status_poller.h"

namespace ampdesk {

namespace {

constexpr std::string_view kSync = "A5A5A5";
// Header bytes 4..9 start at character 8; Kind is at 8, Command at 12.
constexpr std::size_t kKindPos = 8;
constexpr std::size_t kCommandPos = 12;

// A buffer that is still only the start of the sync bytes waits for the rest;
// any other buffer must begin with them.
bool startsWellFormed(const std::string& buffer) {
    if (buffer.size() < kSync.size()) return kSync.substr(0, buffer.size()) == buffer;
    return buffer.compare(0, kSync.size(), kSync) == 0;
}

}  // namespace

Dispatcher::Dispatcher(ProtocolContext& context, BlockApplier& blocks, StatusPoller& poller,
                       SendScheduler& sender)
    : m_ctx(context), m_blocks(blocks), m_poller(poller), m_sender(sender) {
    auto& t = m_ctx.timers;
    t.trunon1->setHandler([this] {
        m_ctx.timers.trunon1->stop();
        m_ctx.operations.runInitialDataCopy();
    });
    t.FSaveDialog3->setHandler([this] {
        m_ctx.timers.FSaveDialog3->stop();
        m_ctx.operations.saveCollectedLines(ProtocolOperations::SaveKind::SingleGroup);
    });
    t.FSaveDialog4->setHandler([this] {
        m_ctx.timers.FSaveDialog4->stop();
        m_ctx.operations.saveCollectedLines(ProtocolOperations::SaveKind::EightGroups);
    });
}

void Dispatcher::Dispatch() {
    auto& buffer = m_ctx.link.RxHexBuffer;
    // Any received byte is a sign of life.
    m_ctx.timers.chcon->stop();
    m_ctx.timers.intimer->stop();
    if (buffer.size() >= kOverflow) buffer.clear();
    if (!startsWellFormed(buffer)) buffer.clear();
    settingsStep();
    if (statusStep()) return;
    ackSteps();
    storedGroupStep();
    if (blockStep()) return;
    namesStep();
}

bool Dispatcher::headerIs(std::size_t pos, std::string_view text) const {
    const auto& buffer = m_ctx.link.RxHexBuffer;
    return buffer.size() >= pos + text.size() && buffer.compare(pos, text.size(), text) == 0;
}

void Dispatcher::consume(std::size_t count) {
    auto& buffer = m_ctx.link.RxHexBuffer;
    if (buffer.size() <= count)
        buffer.clear();
    else
        buffer.erase(0, count);
}

void Dispatcher::startPollingAndScan() {
    m_ctx.timers.Timer1->start();
    m_ctx.timers.sendTimer->start();
}

void Dispatcher::settingsStep() {
    if (!headerIs(kKindPos, "520021000008") || m_ctx.link.RxHexBuffer.size() < kShortAnswer) return;
    m_poller.HandleSettings();
    consume(kShortAnswer);
}

bool Dispatcher::statusStep() {
    if (!headerIs(kKindPos, "52002B000008") || m_ctx.link.RxHexBuffer.size() < kShortAnswer)
        return false;
    m_poller.HandleStatus();
    consume(kShortAnswer);
    return true;
}

void Dispatcher::ackSteps() {
    auto& f = m_ctx.flags;
    if (headerIs(kKindPos, "510021000000") && m_ctx.link.RxHexBuffer.size() >= kAck) {
        if (f.IdChangeAckPending) {
            f.IdChangeAckPending = false;
            m_ctx.timers.Timer2->start();
        }
        consume(kAck);
    }
    if (headerIs(kKindPos, "510000000000") && m_ctx.link.RxHexBuffer.size() >= kAck) {
        if (f.PresetSaveAckPending) {
            f.PresetSaveAckPending = false;
            m_ctx.timers.Timer11->start();
        }
        consume(kAck);
    }
}

void Dispatcher::storedGroupStep() {
    auto& f = m_ctx.flags;
    const auto& buffer = m_ctx.link.RxHexBuffer;
    if (buffer.size() < kBlockAnswer || !headerIs(kKindPos, "52") || !headerIs(kCommandPos, "29") ||
        !f.Collecting)
        return;
    m_ctx.data.RzMemo1.push_back(buffer.substr(0, kBlockAnswer));
    consume(kBlockAnswer);
    if (++f.CollectedBlocks < kStoredGroups) return;
    m_ctx.timers.Timer9->stop();
    m_ctx.view.hideProgressBox();
    m_ctx.view.UnlockPanels();
    f.CollectedBlocks = 0;
    f.Collecting = false;
    if (m_ctx.edition == Edition::A)
        m_ctx.timers.FSaveDialog4->start();
    else
        m_ctx.operations.saveCollectedLines(ProtocolOperations::SaveKind::EightGroups);
    startPollingAndScan();
}

bool Dispatcher::blockStep() {
    auto& f = m_ctx.flags;
    auto& t = m_ctx.timers;
    auto& link = m_ctx.link;
    auto& buffer = link.RxHexBuffer;
    if (!headerIs(kKindPos, "52") || !headerIs(kCommandPos, "28") || buffer.size() < kBlockAnswer)
        return false;
    t.chcon112->stop();
    if (f.InitialData) {
        // Held for the broadcast copy; initial data wins over everything else.
        f.InitialData = false;
        m_ctx.data.HeldBlockText = buffer;
        t.trunon1->start();
        return true;
    }
    if (f.SingleSavePending) {
        f.SingleSavePending = false;
        std::string line = buffer.substr(0, kBlockAnswer);
        buffer.clear();
        if (m_ctx.edition == Edition::A) {
            m_ctx.data.RzMemo1.assign(1, std::move(line));
            t.FSaveDialog3->start();
        } else {
            m_ctx.operations.saveSingleLineOnConfirm(line);
        }
        startPollingAndScan();
        return true;
    }
    m_blocks.ApplyLiveBlock();
    m_ctx.view.disableConnectionLists();
    if (f.PresetLoadPending) {
        f.PresetLoadPending = false;
        m_sender.MarkSettingsRequest();
        t.Timer22->stop();
        m_ctx.view.hideProgressBox();
        m_ctx.view.UnlockPanels();
        startPollingAndScan();
        return true;
    }
    buffer.clear();
    link.TxBytes.clear();
    sendFrame(link, DeviceFrame::namesRequest(m_ctx.ids.DeviceId));
    return false;
}

void Dispatcher::namesStep() {
    auto& buffer = m_ctx.link.RxHexBuffer;
    if (!headerIs(kKindPos, "520026") || buffer.size() < kNamesAnswer) return;
    m_ctx.timers.chcon188->stop();
    auto& names = m_ctx.data.PresetNames;
    for (std::size_t i = 0; i < names.size(); ++i) {
        names[i].assign(20, '\0');
        for (std::size_t c = 0; c < 20; ++c) {
            const std::size_t pos = 2 * (DeviceFrame::kHeaderSize + 20 * i + c);
            auto value = hexByte(std::string_view(buffer).substr(pos, 2));
            names[i][c] = static_cast<char>(value ? *value : 0);
        }
    }
    m_ctx.view.refillPresetLists(LoadListEntries(names));
    buffer.clear();
    m_sender.MarkSettingsRequest();
    m_ctx.timers.sendTimer->start();
    m_ctx.timers.Timer1->start();
}

std::vector<std::string> Dispatcher::LoadListEntries(const std::array<std::string, 20>& names) {
    std::vector<std::string> entries;
    for (int i = 0; i < 8; ++i) {
        const std::string& name = names[i];
        std::string prefix = (i <= 3 ? "Usr" : "Pre") + std::to_string(i) + ":";
        entries.push_back(prefix + name.substr(0, name.find('\0')));
    }
    return entries;
}

}  // namespace ampdesk
