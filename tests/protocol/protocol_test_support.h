#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "device_frame.h"
#include "fake_serial_backend.h"
#include "hex_text.h"
#include "protocol_engine.h"
#include "scripted_dialogs.h"
#include "serial_link.h"
#include "virtual_clock.h"

namespace ampdesk::test {

using Bytes = std::vector<std::uint8_t>;

inline Bytes hex(const char* text) {
    std::string compact;
    for (const char* p = text; *p; ++p)
        if (*p != ' ') compact.push_back(*p);
    return *fromHex(compact);
}

// The factory block: every output on at 0 dB, filters off, EQ flat, master at
// full volume, sections 35..39 zero.
inline Bytes workedExampleBlock() {
    Bytes block;
    auto add = [&](const char* section) {
        auto b = hex(section);
        block.insert(block.end(), b.begin(), b.end());
    };
    for (int out = 0; out < 3; ++out) {
        add("C8 01 00 00 00 00 00 00");
        add("00 00 00 00 F3 00 00 00");
        add("13 00 00 00 00 00 00 00");
        for (int band = 0; band < 6; ++band) add("00 00 78 00 78 00 04 00");
    }
    add("00 00 2D 01 00 00 00 00");
    add("00 00 00 00 F3 00 00 00");
    for (int band = 0; band < 6; ++band) add("00 00 78 00 78 00 04 00");
    for (int s = 35; s < 40; ++s) add("00 00 00 00 00 00 00 00");
    return block;
}

// Answers of the amplifier.
inline Bytes answer(std::uint8_t kind, std::uint8_t group, std::uint8_t command, Bytes payload = {},
                    std::uint8_t id = 0) {
    DeviceFrame f;
    f.DeviceId = id;
    f.Kind = kind;
    f.Group = group;
    f.Command = command;
    f.Payload = std::move(payload);
    return f.bytes();
}
inline Bytes blockAnswer(const Bytes& block) {
    return answer(0x52, 0, 0x28, block);
}
inline Bytes storedGroupAnswer(int group, const Bytes& block) {
    return answer(0x52, static_cast<std::uint8_t>(group), 0x29, block);
}
// Status: payload bytes 2..3 the reading (big-endian), byte 4 the attenuation.
inline Bytes statusAnswer(int reading = 0x0800, int attenuation = 0) {
    return answer(
        0x52, 0, 0x2B,
        {0, 0, static_cast<std::uint8_t>(reading >> 8), static_cast<std::uint8_t>(reading & 0xFF),
         static_cast<std::uint8_t>(attenuation), 0, 0, 0});
}
inline Bytes settingsAnswer(Bytes payload = {3, 0x11, 0x22, 0, 0, 7, 0, 0}) {
    return answer(0x52, 0, 0x21, std::move(payload));
}
inline Bytes idChangeAck() {
    return answer(0x51, 0, 0x21);
}
inline Bytes saveAck() {
    return answer(0x51, 0, 0x00);
}
inline Bytes namesAnswer(const std::vector<std::string>& names) {
    Bytes payload(400, 0);
    for (std::size_t i = 0; i < names.size() && i < 20; ++i)
        for (std::size_t c = 0; c < names[i].size() && c < 20; ++c)
            payload[20 * i + c] = static_cast<std::uint8_t>(names[i][c]);
    return answer(0x52, 0, 0x26, payload);
}
// The parameter name of suites that run in both editions.
inline std::string editionName(const ::testing::TestParamInfo<Edition>& info) {
    return info.param == Edition::A ? "A" : "B";
}

inline Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Records every call of the view and the operations as one line of text,
// with the virtual time, so tests can assert order and timing.
class RecordingView : public ProtocolView, public ProtocolOperations {
public:
    explicit RecordingView(const VirtualClock& clock) : m_clock(clock) {}

    struct Call {
        std::int64_t at;
        std::string what;
    };
    std::vector<Call> calls;
    // Runs inside each view call (to act as an editor refreshed by it).
    std::function<void(const std::string&)> onCall;

    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& c : calls) out.push_back(c.what);
        return out;
    }
    // Calls whose text starts with prefix.
    std::vector<std::string> named(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const auto& c : calls)
            if (c.what.rfind(prefix, 0) == 0) out.push_back(c.what);
        return out;
    }
    bool has(const std::string& prefix) const { return !named(prefix).empty(); }
    void clear() { calls.clear(); }

    void untickBandBypassBoxes() override { record("untick"); }
    void setMasterVolumeSlider(int position, const std::string& caption) override {
        record("slider " + std::to_string(position) + " " + caption);
    }
    void setOutputPolarityCaption(int output, const std::string& caption) override {
        record("polarity " + std::to_string(output) + " " + caption);
    }
    void setOutputMuteColour(int output, Rgb c) override {
        record("mute " + std::to_string(output) + " " + rgb(c));
    }
    void setBassCompensationColour(Rgb c) override { record("bass " + rgb(c)); }
    void showBridgeMode(bool bridged) override { record(bridged ? "bridge on" : "bridge off"); }
    void setMasterPolarityCaption(const std::string& caption) override {
        record("masterPolarity " + caption);
    }
    void recomputeCrossoverCurve(int channel, FilterSide side) override {
        record("crossover " + std::to_string(channel) +
               (side == FilterSide::HighPass ? " HP" : " LP"));
    }
    void recomputeBandCurve(int flatBand) override { record("band " + std::to_string(flatBand)); }
    void selectMasterEqPanel() override { record("masterEqPanel"); }
    void selectMasterDelayPanel() override { record("masterDelayPanel"); }
    void setTemperatureText(const std::string& text) override { record("temperature " + text); }
    void setAttenuationText(const std::string& text) override { record("attenuation " + text); }
    void selectTempSetting(int index) override { record("tempSetting " + std::to_string(index)); }
    void setLastLoadedGroupText(const std::string& text) override { record("lastGroup " + text); }
    void selectDeviceIdEntry(int index) override {
        record("deviceIdList " + std::to_string(index));
    }
    void disableConnectionLists() override { record("disableLists"); }
    void refillPresetLists(const std::vector<std::string>& entries) override {
        std::string all;
        for (const auto& e : entries) all += (all.empty() ? "" : "|") + e;
        record("presetLists " + all);
    }
    void hideProgressBox() override { record("hideProgress"); }
    void setProgressBar(int percent) override { record("progress " + std::to_string(percent)); }
    void enableGroups(const std::vector<std::string>& names) override {
        std::string all;
        for (const auto& n : names) all += (all.empty() ? "" : ",") + n;
        record("enable " + all);
    }
    void UnlockPanels() override { record("unlock"); }

    void disconnectAsButton3() override {
        record("disconnect");
        if (onDisconnect) onDisconnect();
    }
    void saveCollectedLines(SaveKind kind) override {
        record(kind == SaveKind::SingleGroup ? "saveLines single" : "saveLines eight");
    }
    void saveSingleLineOnConfirm(const std::string& line) override {
        record("saveLine " + std::to_string(line.size()));
    }
    void runInitialDataCopy() override { record("initialDataCopy"); }

    std::function<void()> onDisconnect;

private:
    static std::string rgb(Rgb c) {
        return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
    }
    void record(std::string what) {
        calls.push_back({m_clock.now(), what});
        if (onCall) onCall(what);
    }
    const VirtualClock& m_clock;
};

// The protocol on the virtual clock with a fake port, connected to COM1.
class ProtocolFixture {
public:
    explicit ProtocolFixture(Edition edition = Edition::A)
        : engine(clock, link, dialogs, edition, view, view) {
        port.addDevice("/dev/ttyUSB0");
        link.setPortResolver([](int n) -> std::optional<std::string> {
            if (n == 1) return "/dev/ttyUSB0";
            return std::nullopt;
        });
        // What a disconnect does to the protocol's side.
        view.onDisconnect = [this] {
            auto& t = engine.timers();
            t.Timer1->stop();
            t.intimer->stop();
            t.sendTimer->stop();
            link.CurrentPort = -1;
            link.Close();
        };
    }

    void connect() {
        link.CurrentPort = 1;
        link.Open();
        ASSERT_TRUE(link.PortOpen());
        link.StartWatcher();
    }
    // Bytes arriving as one batch; the dispatcher runs after the gather pause.
    void receive(const Bytes& bytes) {
        port.inject(bytes);
        clock.advance(SerialLink::kGatherMs);
    }
    std::string& rx() { return link.RxHexBuffer; }
    std::vector<Bytes> takeWrites() {
        auto w = port.writes();
        port.clearWrites();
        return w;
    }

    VirtualClock clock;
    FakeSerialBackend port;
    SerialLink link{clock, port};
    ScriptedDialogs dialogs;
    RecordingView view{clock};
    ProtocolEngine engine;
};

}  // namespace ampdesk::test
