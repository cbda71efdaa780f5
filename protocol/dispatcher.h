#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "protocol_context.h"

namespace ampdesk {

class BlockApplier;
class SendScheduler;
class StatusPoller;

// Recognises the amplifier's answers at the start of RxHexBuffer by header
// text and length, consumes them and routes them by the operation flags.
// Check bytes, end bytes and device IDs of answers are never examined.
class Dispatcher {
public:
    // Characters of the answers (two per byte).
    static constexpr std::size_t kShortAnswer = 40;  // status, settings
    static constexpr std::size_t kAck = 24;
    static constexpr std::size_t kBlockAnswer = 664;
    static constexpr std::size_t kNamesAnswer = 824;
    static constexpr std::size_t kOverflow = 1000;
    static constexpr int kStoredGroups = 20;

    Dispatcher(ProtocolContext& context, BlockApplier& blocks, StatusPoller& poller,
               SendScheduler& sender);
    Dispatcher(const Dispatcher&) = delete;
    Dispatcher& operator=(const Dispatcher&) = delete;

    // One pass over RxHexBuffer; runs once per received batch.
    void Dispatch();

    // The load-list entries of the 20 names: "Usr0:".."Usr3:", "Pre4:".."Pre7:"
    // followed by names 1..8, each shown up to its first zero byte.
    static std::vector<std::string> LoadListEntries(const std::array<std::string, 20>& names);

private:
    // The steps in pass order; those returning bool end the pass on true.
    void settingsStep();
    bool statusStep();
    void ackSteps();
    void storedGroupStep();
    bool blockStep();
    void namesStep();

    bool headerIs(std::size_t pos, std::string_view text) const;
    void consume(std::size_t count);
    void startPollingAndScan();

    ProtocolContext& m_ctx;
    BlockApplier& m_blocks;
    StatusPoller& m_poller;
    SendScheduler& m_sender;
};

}  // namespace ampdesk
