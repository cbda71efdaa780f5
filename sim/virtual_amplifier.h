#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "block_codec.h"
#include "device_frame.h"

namespace ampdesk {

// One simulated amplifier: its parameter block in use, 20 stored groups with
// their names, the device settings and the status it reports. It applies the
// frames addressed to it and builds its answers; the line around it decides
// who hears what and when (AmplifierLine).
class VirtualAmplifier {
public:
    static constexpr int kGroupCount = 20;
    using Block = ParameterBlock;
    static constexpr std::size_t kBlockSize = std::tuple_size_v<Block>;
    static constexpr std::size_t kNameSize = 20;
    static constexpr std::size_t kSectionSize = std::tuple_size_v<SectionBytes>;

    using Name = std::array<std::uint8_t, kNameSize>;

    // What a frame did to the amplifier.
    struct Outcome {
        bool accepted = false;              // a command it knows, with a valid address and length
        std::optional<DeviceFrame> answer;  // what it sends back, if anything
    };

    explicit VirtualAmplifier(int shownId = 1);

    // The factory block: every output at 0 dB and on, filters off, limiters
    // at 0 dBu, flat EQ bands, master volume at 0 dB.
    static Block defaultBlock();
    // Offset of the section that a section write addresses (block 0x00..0x0A,
    // section 0..8); nullopt for an address outside the block.
    static std::optional<std::size_t> sectionOffset(std::uint8_t block, std::uint8_t section);

    // Applies a frame addressed to this amplifier (its own ID or broadcast).
    Outcome handle(const DeviceFrame& frame);

    // The ID as the user sees it, 1..255; the wire address is one less.
    int shownId() const { return m_shownId; }
    std::uint8_t wireId() const { return static_cast<std::uint8_t>(m_shownId - 1); }
    // Ignored unless 1..255.
    void setShownId(int id);

    const Block& liveBlock() const { return m_live; }
    void setLiveBlock(const Block& block) { m_live = block; }
    // Stored groups 1..20 (others are ignored; reading them gives group 1).
    const Block& storedGroup(int group) const;
    void setStoredGroup(int group, const Block& block);
    const Name& groupName(int group) const;
    void setGroupName(int group, const Name& name);

    std::uint8_t lastLoadedGroup() const { return m_lastLoadedGroup; }
    void setLastLoadedGroup(std::uint8_t g) { m_lastLoadedGroup = g; }
    // The two settings bytes are ours to define; the program only returns them.
    std::array<std::uint8_t, 2> settingsBytes() const { return m_settingsBytes; }
    void setSettingsBytes(std::array<std::uint8_t, 2> b) { m_settingsBytes = b; }
    std::uint8_t temperatureSetting() const { return m_temperatureSetting; }
    void setTemperatureSetting(std::uint8_t index) { m_temperatureSetting = index; }
    std::uint16_t temperatureReading() const { return m_temperatureReading; }
    void setTemperatureReading(std::uint16_t reading) { m_temperatureReading = reading; }
    std::uint8_t attenuation() const { return m_attenuation; }
    void setAttenuation(std::uint8_t db) { m_attenuation = db; }

    // The answers as this amplifier sends them now.
    DeviceFrame statusAnswer() const;
    DeviceFrame settingsAnswer() const;
    DeviceFrame namesAnswer() const;
    DeviceFrame blockAnswer() const;
    DeviceFrame storedGroupAnswer(std::uint8_t group) const;

private:
    static bool isStoredGroup(int group) { return group >= 1 && group <= kGroupCount; }
    DeviceFrame answer(std::uint8_t kind, std::uint8_t group, std::uint8_t command) const;
    Outcome handleWrite(const DeviceFrame& frame);
    Outcome handleRequest(const DeviceFrame& frame);

    int m_shownId = 1;
    Block m_live{};
    std::array<Block, kGroupCount> m_groups{};
    std::array<Name, kGroupCount> m_names{};
    std::uint8_t m_lastLoadedGroup = 1;
    std::array<std::uint8_t, 2> m_settingsBytes{0x10, 0x01};
    std::uint8_t m_temperatureSetting = 15;     // 40 °C
    std::uint16_t m_temperatureReading = 2627;  // reads 40 °C
    std::uint8_t m_attenuation = 0;
};

}  // namespace ampdesk
