#include "send_scheduler.h"

#include "block_codec.h"
#include "device_frame.h"

namespace ampdesk {

namespace {

struct SectionAddress {
    int block = -1;
    int section = 0;
};

SectionAddress addressOf(int type) {
    if (type >= 1 && type <= 9) return {(type - 1) / 3, (type - 1) % 3};
    if (type >= 10 && type <= 27) return {(type - 10) / 6, 3 + (type - 10) % 6};
    if (type == SendScheduler::kMasterMain) return {3, 0};
    if (type >= 30 && type <= 35) return {5 + type - 30, 0};
    if (type == SendScheduler::kMasterCrossover) return {4, 0};
    return {};
}

const std::vector<std::uint8_t> kNoSlot;

}  // namespace

SendScheduler::SendScheduler(ProtocolContext& context) : m_ctx(context) {
    auto& t = m_ctx.timers;
    t.sendTimer->setHandler([this] { scanTick(); });
    t.Timer7->setHandler([this] { sendTick(); });
    t.Timer4->setHandler([this] { restartTick(); });
}

int SendScheduler::messageTypeOfBand(int flatBand) {
    if (flatBand >= 0 && flatBand < 18) return 10 + flatBand;
    if (flatBand >= 18 && flatBand < kFlatBandCount) return 30 + flatBand - 18;
    return 0;
}

int SendScheduler::messageTypeOfCrossover(int channel) {
    if (channel >= 0 && channel < 3) return 3 * channel + 2;
    if (channel == kMasterChannel) return kMasterCrossover;
    return 0;
}

void SendScheduler::MarkSection(int type) {
    if (type < 1 || type > kMasterCrossover) return;
    auto& link = m_ctx.link;
    if (!link.PortOpen()) return;
    if (type == kSettingsWrite) link.RxHexBuffer.clear();
    m_slots[type] = buildSlot(type);
    m_flags[type] = true;
    if (type == kSettingsWrite && !m_ctx.ids.broadcast() && m_ctx.ids.ShownId >= 1 &&
        m_ctx.ids.ShownId <= 255) {
        m_ctx.ids.DeviceId = static_cast<std::uint8_t>(m_ctx.ids.ShownId - 1);
        m_ctx.view.selectDeviceIdEntry(m_ctx.ids.DeviceId);
    }
}

void SendScheduler::MarkOutputSection(int output, OutputSection section) {
    if (output < 0 || output > 2) return;
    MarkSection(3 * output + static_cast<int>(section) + 1);
}

void SendScheduler::MarkBand(int flatBand) {
    MarkSection(messageTypeOfBand(flatBand));
}

void SendScheduler::MarkCrossover(int channel) {
    MarkSection(messageTypeOfCrossover(channel));
}

void SendScheduler::MarkSettingsRequest() {
    m_flags[kSettingsRequest] = true;
}

void SendScheduler::ClearQueue() {
    m_flags.fill(false);
}

bool SendScheduler::pending(int type) const {
    return type >= 1 && type <= kQueueSize && m_flags[type];
}

const std::vector<std::uint8_t>& SendScheduler::slot(int type) const {
    if (type < 1 || type > kMasterCrossover) return kNoSlot;
    return m_slots[type];
}

std::vector<std::uint8_t> SendScheduler::buildSlot(int type) const {
    const auto& s = m_ctx.state;
    const std::uint8_t id = m_ctx.ids.DeviceId;
    if (type == kSettingsWrite) {
        const std::array<std::uint8_t, 8> payload = {static_cast<std::uint8_t>(s.LastLoadedGroup),
                                                     s.SettingsByte1,
                                                     s.SettingsByte2,
                                                     static_cast<std::uint8_t>(m_ctx.ids.ShownId),
                                                     0,
                                                     static_cast<std::uint8_t>(s.TempSettingIndex),
                                                     0,
                                                     0};
        return DeviceFrame::settingsWrite(id, payload).bytes();
    }
    const auto a = addressOf(type);
    const auto payload = BlockCodec::EncodeSection(s, a.block, a.section);
    return DeviceFrame::sectionWrite(id, static_cast<std::uint8_t>(a.block),
                                     static_cast<std::uint8_t>(a.section), payload)
        .bytes();
}

std::vector<std::uint8_t> SendScheduler::frameFor(int type) const {
    if (type >= 1 && type <= kMasterCrossover) return m_slots[type];
    // The settings request always goes to the address in use now.
    if (type == kSettingsRequest) return DeviceFrame::settingsRequest(m_ctx.ids.DeviceId).bytes();
    return {};
}

void SendScheduler::scanTick() {
    if (!m_ctx.link.PortOpen()) return;
    for (int type = 1; type <= kQueueSize; ++type) {
        if (!m_flags[type]) continue;
        m_currentType = type;
        m_flags[type] = false;
        auto& t = m_ctx.timers;
        t.sendTimer->stop();
        t.Timer1->stop();
        t.intimer->stop();
        t.Timer7->start();
        return;
    }
}

void SendScheduler::sendTick() {
    auto& link = m_ctx.link;
    auto& t = m_ctx.timers;
    if (!link.PortOpen()) {
        // Suspended for a block refresh: try again on the next tick. Closed
        // since the message was taken: drop it rather than send it to
        // whatever port and address the next connection uses.
        if (!link.suspended()) {
            t.Timer7->stop();
            m_currentType = 0;
        }
        return;
    }
    t.Timer7->stop();
    // sendBytes replaces TxBytes; an unknown type leaves it empty and writes nothing.
    const auto frame = frameFor(m_currentType);
    sendBytes(link, frame);
    // Broadcast: every amplifier on the line gets it twice.
    if (m_ctx.ids.broadcast()) sendBytes(link, frame);
    countResetProgress();
    m_currentType = 0;
    t.Timer4->start();
}

void SendScheduler::countResetProgress() {
    auto& f = m_ctx.flags;
    if (!f.ResetProgress) return;
    ++f.ResetProgressCounter;
    m_ctx.view.setProgressBar(16 * f.ResetProgressCounter);
    if (f.ResetProgressCounter < 6) return;
    f.ResetProgress = false;
    m_ctx.view.hideProgressBox();
    if (m_ctx.edition == Edition::A)
        m_ctx.view.enableGroups(
            {"RzGroupBox8", "GroupBox1", "GroupBox2", "GroupBox3", "RzGroupBox12"});
    else
        m_ctx.view.enableGroups({"RzGroupBox8", "GroupBox1", "GroupBox2", "GroupBox3"});
}

void SendScheduler::restartTick() {
    auto& t = m_ctx.timers;
    t.Timer4->stop();
    t.Timer1->start();
    t.sendTimer->start();
}

void SendScheduler::WriteBlockHeader(int target) {
    const bool inUse = target == kSettingsInUse;
    if (!inUse && (target < 1 || target > 20)) return;
    const std::uint8_t header[DeviceFrame::kHeaderSize] = {
        DeviceFrame::kSync,
        DeviceFrame::kSync,
        DeviceFrame::kSync,
        m_ctx.ids.DeviceId,
        DeviceFrame::kWrite,
        static_cast<std::uint8_t>(inUse ? 0 : target),
        inUse ? DeviceFrame::kCmdBlock : DeviceFrame::kCmdStoredGroup,
        0x00,
        0x01,
        0x40};
    sendBytes(m_ctx.link, header);
}

bool SendScheduler::WriteBlockPayload(int target) {
    const bool inUse = target == kSettingsInUse;
    if (!inUse && (target < 1 || target > 20)) return false;
    if (!m_ctx.link.PortOpen()) return false;
    const auto payload = BlockCodec::PayloadOf(m_ctx.data.HeldBlockText);
    if (!payload) return false;
    // The header bytes A1, command, 01, 40 fold into 0xC8 (0x28) or 0xC9 (0x29).
    std::uint8_t check = m_ctx.ids.DeviceId;
    check ^= inUse ? 0xC8 : static_cast<std::uint8_t>(target ^ 0xC9);
    std::vector<std::uint8_t> bytes(payload->begin(), payload->end());
    for (auto b : *payload) check ^= b;
    bytes.push_back(check);
    bytes.push_back(DeviceFrame::kEnd);
    sendBytes(m_ctx.link, bytes);
    if (!inUse && target < 20) m_ctx.timers.Timer10->start();
    return true;
}

void SendScheduler::WriteBlock(int target, int pauseMs) {
    WriteBlockHeader(target);
    m_ctx.scheduler.pumpWait(pauseMs);
    WriteBlockPayload(target);
}

}  // namespace ampdesk
