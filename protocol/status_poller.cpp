#include "status_poller.h"

#include "device_frame.h"
#include "hex_text.h"
#include "level_scales.h"
#include "protocol_texts.h"
#include "send_scheduler.h"

namespace ampdesk {

StatusPoller::StatusPoller(ProtocolContext& context, SendScheduler& sender)
    : m_ctx(context), m_sender(sender) {
    auto& t = m_ctx.timers;
    t.Timer1->setHandler([this] { pollTick(); });
    t.intimer->setHandler([this] { watchdogExpired(); });
    t.chcon->setHandler([this] { connectTimedOut(); });
    t.Timer2->setHandler([this] { idChangeMessage(); });
    t.Timer11->setHandler([this] { saveMessage(); });
}

void StatusPoller::pollTick() {
    auto& link = m_ctx.link;
    if (!link.PortOpen()) return;
    // Whatever part of an answer is still waiting is dropped here.
    link.RxHexBuffer.clear();
    link.TxBytes.clear();
    sendFrame(link, DeviceFrame::statusRequest(m_ctx.ids.DeviceId));
    // Already running: the watchdog keeps counting from the first unanswered poll.
    m_ctx.timers.intimer->start();
}

void StatusPoller::watchdogExpired() {
    m_ctx.timers.intimer->stop();
    // In broadcast nobody answers polls.
    if (m_ctx.ids.broadcast()) return;
    m_ctx.operations.disconnectAsButton3();
    m_ctx.dialogs.showMessage(protocolText(ProtocolText::LinkLost, m_ctx.edition));
}

void StatusPoller::connectTimedOut() {
    auto& t = m_ctx.timers;
    t.chcon->stop();
    t.chcon112->stop();
    t.chcon188->stop();
    m_ctx.operations.disconnectAsButton3();
    m_ctx.dialogs.showMessage(protocolText(ProtocolText::ConnectTimeout, m_ctx.edition));
}

void StatusPoller::idChangeMessage() {
    m_ctx.timers.Timer2->stop();
    m_ctx.dialogs.showMessage(protocolText(ProtocolText::IdChanged, m_ctx.edition) +
                              std::to_string(m_ctx.ids.ShownId));
}

void StatusPoller::saveMessage() {
    m_ctx.timers.Timer11->stop();
    // Read the settings again: they carry the new last loaded group.
    m_sender.MarkSettingsRequest();
    m_ctx.dialogs.showMessage(protocolText(ProtocolText::PresetSaved, m_ctx.edition));
}

int StatusPoller::payloadByte(int k) const {
    const auto& text = m_ctx.link.RxHexBuffer;
    const std::size_t pos = 2 * (DeviceFrame::kHeaderSize + k);
    if (pos + 2 > text.size()) return 0;
    auto value = hexByte(std::string_view(text).substr(pos, 2));
    return value ? *value : 0;
}

void StatusPoller::HandleStatus() {
    auto& f = m_ctx.flags;
    // Only a real port number and probe fit the table; a port of -1 (after a
    // disconnect) or 0 (after a failed open) never marks a hit.
    const int port = m_ctx.link.CurrentPort;
    if (f.SearchRunning && port >= 1 && SearchHitTable::inRange(port, f.ProbeId))
        f.SearchHits.set(port, f.ProbeId);
    // The one big-endian value of the amplifier's payloads; the conversion
    // limits it to 5118.
    const auto reading = static_cast<std::uint16_t>(payloadByte(2) * 256 + payloadByte(3));
    m_ctx.state.TemperatureIndex = SensorToTemperatureIndex(reading);
    m_ctx.view.setTemperatureText(TemperatureText(m_ctx.state.TemperatureIndex));
    m_ctx.state.Attenuation = payloadByte(4);
    m_ctx.view.setAttenuationText(std::to_string(m_ctx.state.Attenuation) + " dB");
}

void StatusPoller::HandleSettings() {
    auto& s = m_ctx.state;
    s.LastLoadedGroup = payloadByte(0);
    s.SettingsByte1 = static_cast<std::uint8_t>(payloadByte(1));
    s.SettingsByte2 = static_cast<std::uint8_t>(payloadByte(2));
    s.TempSettingIndex = payloadByte(5);
    m_ctx.view.selectTempSetting(s.TempSettingIndex);
    m_ctx.view.setLastLoadedGroupText(LastLoadedGroupText(s.LastLoadedGroup, m_ctx.edition));
}

std::string StatusPoller::LastLoadedGroupText(int group, Edition edition) {
    const auto prefix = group <= 4 ? ProtocolText::LastGroupUser : ProtocolText::LastGroupPreset;
    return protocolText(prefix, edition) + std::to_string(group - 1) + std::string(9, ' ');
}

}  // namespace ampdesk
