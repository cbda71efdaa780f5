#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace ampdesk {

// Which (port, wire ID) pairs answered during a device-ID search.
class SearchHitTable {
public:
    static constexpr int kSize = 256;

    SearchHitTable() : m_hits(kSize * kSize, 0) {}

    static bool inRange(int port, int id) {
        return port >= 0 && port < kSize && id >= 0 && id < kSize;
    }
    // Out-of-range coordinates are ignored.
    void set(int port, int id) {
        if (inRange(port, id)) m_hits[index(port, id)] = 1;
    }
    bool get(int port, int id) const { return inRange(port, id) && m_hits[index(port, id)] != 0; }
    void clear() { m_hits.assign(m_hits.size(), 0); }
    // Clears ports [0, ports) x IDs [0, ids).
    void clear(int ports, int ids) {
        for (int p = 0; p < ports && p < kSize; ++p)
            for (int i = 0; i < ids && i < kSize; ++i) m_hits[index(p, i)] = 0;
    }

private:
    static std::size_t index(int port, int id) {
        return static_cast<std::size_t>(port) * kSize + id;
    }
    std::vector<std::uint8_t> m_hits;
};

// Flags and counters that operations set before their request so that the
// dispatcher and the send scheduler route the answer. Each belongs to the
// operation named; they are kept together so that every operation can reach
// them.
struct OperationFlags {
    bool IdChangeAckPending = false;    // ID assignment
    bool PresetSaveAckPending = false;  // preset save
    bool Collecting = false;            // eight-group save: stored groups are collected
    int CollectedBlocks = 0;            // 0..20
    bool InitialData = false;           // the next block is held, not applied
    bool SingleSavePending = false;     // the next block goes to a file, not applied
    bool PresetLoadPending = false;     // the next block answers a preset load
    bool SearchRunning = false;         // status answers mark SearchHits
    int ProbeId = 0;                    // wire ID of the last probe
    SearchHitTable SearchHits;
    bool ResetProgress = false;  // band reset: the send scheduler counts its messages
    int ResetProgressCounter = 0;
};

// Texts held for transfers.
struct TransferData {
    // A BlockText kept for a later whole-block write.
    std::string HeldBlockText;
    // The 20 group names, 20 characters each (one per byte received; zero
    // bytes are kept).
    std::array<std::string, 20> PresetNames;
    // The lines on their way to and from a PC file (the window's hidden memo).
    std::vector<std::string> RzMemo1;
};

}  // namespace ampdesk
