#include "protocol_texts.h"

#include <array>

namespace ampdesk {

namespace {

struct TextPair {
    ProtocolText id;
    std::string a;
    std::string b;
};

// Edition A and edition B side by side, exactly as shown.
const std::array<TextPair, 10>& table() {
    static const std::array<TextPair, 10> texts = {{
        {ProtocolText::LinkLost, "中断。", "连接已中断"},
        {ProtocolText::ConnectTimeout, "连接超时，请正确该用户的设备ID。",
         "连接超时.请确保该设备ID是正确的。               "},
        {ProtocolText::IdChanged, "设备ID更改", "设备ID更改为       "},
        {ProtocolText::PresetSaved, "成功保存。", "成功保存。        "},
        {ProtocolText::LastGroupUser, "The last load group:Usr", "最后一个加载组:自设    "},
        {ProtocolText::LastGroupPreset, "The last load group:Pre", "最后一个加载组:预设    "},
        {ProtocolText::MasterPolarityPlus, "相位 +", "+"},
        {ProtocolText::MasterPolarityMinus, "相位 -", "-"},
        {ProtocolText::MasterPolarityPlusFile, "Pol(+)", "+"},
        {ProtocolText::MasterPolarityMinusFile, "Pol(-)", "-"},
    }};
    return texts;
}

}  // namespace

const std::string& protocolText(ProtocolText id, Edition edition) {
    for (const auto& entry : table())
        if (entry.id == id) return edition == Edition::A ? entry.a : entry.b;
    static const std::string none;
    return none;
}

}  // namespace ampdesk
