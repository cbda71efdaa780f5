#include "virtual_amplifier.h"

#include <algorithm>

#include "block_codec.h"

namespace ampdesk {

namespace {

using Section = std::array<std::uint8_t, VirtualAmplifier::kSectionSize>;

constexpr Section kOutputMain{0xC8, 0x01, 0, 0, 0, 0, 0, 0};
constexpr Section kCrossover{0x00, 0x00, 0, 0, 0xF3, 0x00, 0, 0};
constexpr Section kLimiter{0x13, 0, 0, 0, 0, 0, 0, 0};
constexpr Section kEqBand{0x00, 0x00, 0x78, 0x00, 0x78, 0x00, 0x04, 0x00};
constexpr Section kMasterMain{0x00, 0x00, 0x2D, 0x01, 0, 0, 0, 0};

// Block numbers as section writes address them: outputs 0..2 with sections
// 0..8, then the master's main section, crossover and bands 1..6.
constexpr int kOutputs = 3;
constexpr int kMasterMainBlock = 3;
constexpr int kMasterCrossoverBlock = 4;
constexpr int kFirstMasterBandBlock = 5;
constexpr std::uint8_t kLastBlock = 0x0A;

void putSection(VirtualAmplifier::Block& block, int blockNumber, int section,
                const Section& bytes) {
    const auto offset = VirtualAmplifier::sectionOffset(static_cast<std::uint8_t>(blockNumber),
                                                        static_cast<std::uint8_t>(section));
    std::copy(bytes.begin(), bytes.end(), block.begin() + static_cast<std::ptrdiff_t>(*offset));
}

}  // namespace

VirtualAmplifier::VirtualAmplifier(int shownId) {
    setShownId(shownId);
    m_live = defaultBlock();
    m_groups.fill(m_live);
}

VirtualAmplifier::Block VirtualAmplifier::defaultBlock() {
    Block b{};
    for (int out = 0; out < kOutputs; ++out) {
        putSection(b, out, 0, kOutputMain);
        putSection(b, out, 1, kCrossover);
        putSection(b, out, 2, kLimiter);
        for (int band = 0; band < kBandsPerChannel; ++band) putSection(b, out, 3 + band, kEqBand);
    }
    putSection(b, kMasterMainBlock, 0, kMasterMain);
    putSection(b, kMasterCrossoverBlock, 0, kCrossover);
    for (int band = 0; band < kBandsPerChannel; ++band)
        putSection(b, kFirstMasterBandBlock + band, 0, kEqBand);
    return b;
}

std::optional<std::size_t> VirtualAmplifier::sectionOffset(std::uint8_t block,
                                                           std::uint8_t section) {
    const int s = BlockCodec::sectionIndex(block, section);
    if (s < 0) return std::nullopt;
    return static_cast<std::size_t>(s) * kSectionSize;
}

void VirtualAmplifier::setShownId(int id) {
    if (id >= 1 && id <= 255) m_shownId = id;
}

const VirtualAmplifier::Block& VirtualAmplifier::storedGroup(int group) const {
    return m_groups[static_cast<std::size_t>(isStoredGroup(group) ? group - 1 : 0)];
}

void VirtualAmplifier::setStoredGroup(int group, const Block& block) {
    if (isStoredGroup(group)) m_groups[static_cast<std::size_t>(group - 1)] = block;
}

const VirtualAmplifier::Name& VirtualAmplifier::groupName(int group) const {
    return m_names[static_cast<std::size_t>(isStoredGroup(group) ? group - 1 : 0)];
}

void VirtualAmplifier::setGroupName(int group, const Name& name) {
    if (isStoredGroup(group)) m_names[static_cast<std::size_t>(group - 1)] = name;
}

DeviceFrame VirtualAmplifier::answer(std::uint8_t kind, std::uint8_t group,
                                     std::uint8_t command) const {
    return {wireId(), kind, group, command, 0, {}};
}

DeviceFrame VirtualAmplifier::statusAnswer() const {
    auto f = answer(DeviceFrame::kData, 0, DeviceFrame::kCmdStatus);
    // The reading is the one big-endian value the amplifier sends.
    f.Payload = {0,
                 0,
                 static_cast<std::uint8_t>(m_temperatureReading >> 8),
                 static_cast<std::uint8_t>(m_temperatureReading & 0xFF),
                 m_attenuation,
                 0,
                 0,
                 0};
    return f;
}

DeviceFrame VirtualAmplifier::settingsAnswer() const {
    auto f = answer(DeviceFrame::kData, 0, DeviceFrame::kCmdSettings);
    f.Payload = {m_lastLoadedGroup,
                 m_settingsBytes[0],
                 m_settingsBytes[1],
                 static_cast<std::uint8_t>(m_shownId),
                 0,
                 m_temperatureSetting,
                 0,
                 0};
    return f;
}

DeviceFrame VirtualAmplifier::namesAnswer() const {
    auto f = answer(DeviceFrame::kData, 0, DeviceFrame::kCmdNames);
    f.Payload.reserve(kGroupCount * kNameSize);
    for (const auto& n : m_names) f.Payload.insert(f.Payload.end(), n.begin(), n.end());
    return f;
}

DeviceFrame VirtualAmplifier::blockAnswer() const {
    auto f = answer(DeviceFrame::kData, 0, DeviceFrame::kCmdBlock);
    f.Payload.assign(m_live.begin(), m_live.end());
    return f;
}

DeviceFrame VirtualAmplifier::storedGroupAnswer(std::uint8_t group) const {
    auto f = answer(DeviceFrame::kData, group, DeviceFrame::kCmdStoredGroup);
    const auto& b = storedGroup(group);
    f.Payload.assign(b.begin(), b.end());
    return f;
}

VirtualAmplifier::Outcome VirtualAmplifier::handle(const DeviceFrame& frame) {
    if (frame.Kind == DeviceFrame::kWrite) return handleWrite(frame);
    if (frame.Kind == DeviceFrame::kRequest) return handleRequest(frame);
    return {};
}

VirtualAmplifier::Outcome VirtualAmplifier::handleRequest(const DeviceFrame& f) {
    switch (f.Command) {
        case DeviceFrame::kCmdStatus:
            return {true, statusAnswer()};
        case DeviceFrame::kCmdSettings:
            return {true, settingsAnswer()};
        case DeviceFrame::kCmdNames:
            return {true, namesAnswer()};
        case DeviceFrame::kCmdBlock:
            if (f.Group == 0) return {true, blockAnswer()};
            if (!isStoredGroup(f.Group)) return {};
            // Recalling a group makes it the block in use.
            m_live = storedGroup(f.Group);
            m_lastLoadedGroup = f.Group;
            return {true, blockAnswer()};
        case DeviceFrame::kCmdStoredGroup:
            if (!isStoredGroup(f.Group)) return {};
            return {true, storedGroupAnswer(f.Group)};
        default:
            return {};
    }
}

VirtualAmplifier::Outcome VirtualAmplifier::handleWrite(const DeviceFrame& f) {
    const auto& p = f.Payload;
    if (f.Command <= kLastBlock) {
        const auto offset = sectionOffset(f.Command, f.Section);
        if (!offset || p.size() != kSectionSize) return {};
        std::copy(p.begin(), p.end(), m_live.begin() + static_cast<std::ptrdiff_t>(*offset));
        return {true, std::nullopt};
    }
    switch (f.Command) {
        case DeviceFrame::kCmdSettings: {
            if (p.size() != 8) return {};
            // Acknowledged from the address it was sent to, before the ID changes.
            Outcome out{true, answer(DeviceFrame::kAck, 0, DeviceFrame::kCmdSettings)};
            m_lastLoadedGroup = p[0];
            m_settingsBytes = {p[1], p[2]};
            m_temperatureSetting = p[5];
            setShownId(p[3]);
            return out;
        }
        case DeviceFrame::kCmdPresetName: {
            if (p.size() != kNameSize || !isStoredGroup(f.Group)) return {};
            Name name{};
            std::copy(p.begin(), p.end(), name.begin());
            setGroupName(f.Group, name);
            setStoredGroup(f.Group, m_live);
            m_lastLoadedGroup = f.Group;
            return {true, answer(DeviceFrame::kAck, 0, 0)};
        }
        case DeviceFrame::kCmdBlock:
            if (p.size() != kBlockSize || f.Group != 0) return {};
            std::copy(p.begin(), p.end(), m_live.begin());
            return {true, std::nullopt};
        case DeviceFrame::kCmdStoredGroup: {
            if (p.size() != kBlockSize || !isStoredGroup(f.Group)) return {};
            Block b{};
            std::copy(p.begin(), p.end(), b.begin());
            setStoredGroup(f.Group, b);
            return {true, std::nullopt};
        }
        default:
            return {};
    }
}

}  // namespace ampdesk
