#pragma once

#include <QString>
#include <array>

#include "edition.h"

namespace ampdesk {

// One text of the window in both editions.
struct EditionText {
    const char* a;
    const char* b;

    QString in(Edition edition) const { return QString::fromUtf8(edition == Edition::A ? a : b); }
};

// Every window text that differs between the editions, the two columns side
// by side. Texts are kept exactly, blanks included: the device and the users
// know them that way.
namespace texts {

// clang-format off
//                                        edition A                 edition B
inline constexpr EditionText kStatusStart{"断开",                   "未连接"};
inline constexpr EditionText kButton3Start{"断开",                  "未连接"};
inline constexpr EditionText kForm4Caption{"BTL模式",               "BTL Mode"};
inline constexpr EditionText kBtlItem{"关于BTL",                    "关于桥接"};
inline constexpr EditionText kExchangeWait{"请稍候，做数据交换。",  "请稍候，正在做数据交换."};

// Panel titles by section: outputs 1, 2, 3, then the master.
inline constexpr std::array<EditionText, 4> kEqTitle{{
    {"高音--EQ",     "高--EQ"},
    {"中音-EQ",      "中--EQ "},
    {"低音-EQ",      "低--EQ "},
    {"主控--EQ",     "主控 EQ "},
}};
inline constexpr std::array<EditionText, 4> kCrossoverTitle{{
    {"高音-滤波器",  "高--高低通 "},
    {"中音滤波器",   "中--高低通"},
    {"低音滤波器",   "低--高低通"},
    {"主控-滤波器",  "主控\\高低通"},
}};
inline constexpr std::array<EditionText, 3> kGainTitle{{
    {"高音--增益",   "高--增益  "},
    {"中音-增益",    "中--增益 "},
    {"低音-增益",    "低--增益 "},
}};
inline constexpr std::array<EditionText, 4> kDelayTitle{{
    {"高音---延迟",  "高--延迟   "},
    {"中音--延迟",   "中--延迟  "},
    {"低音--延迟",   "低 --延迟 "},
    {"主控---延迟",  "主控\\延迟  "},
}};
inline constexpr std::array<EditionText, 3> kLimiterTitle{{
    {"高音---限幅器", "高--限幅器   "},
    {"中音--限幅器",  "中--限幅器  "},
    {"低音--限幅器",  "低--限幅器  "},
}};

// The strip: row names (master, outputs 1, 2, 3) and button captions.
inline constexpr std::array<EditionText, 4> kRowName{{
    {" 主控",        " 主控 "},
    {" 高音",        " 1/路 "},
    {" 中音",        " 2/路   "},
    {" 低音",        " 3/路 "},
}};
inline constexpr EditionText kMute{"哑",                            "静音"};
inline constexpr std::array<EditionText, 3> kEqButton{{
    {"EQ/HPF/LPF",   "EQ/高低通"},
    {"EQ/HPF/LPF",   "EQ\\高低通"},
    {"EQ/HPF/LPF",   "EQ/高低通"},
}};
inline constexpr EditionText kMasterEq{"主控 EQ",                   "主控EQ"};
inline constexpr EditionText kBridge{"线下模式",                    "桥接"};
inline constexpr EditionText kBridgeHint{"",                        "可在帮助里查看成BTL图例"};
inline constexpr EditionText kBassCompensation{"低音补偿",          "补偿"};
inline constexpr EditionText kMasterPolarityStart{"Pol(+)",         "+"};
inline constexpr EditionText kVolumeStart{"靜音",                   "静音"};

// The band table.
inline constexpr std::array<EditionText, 4> kBandHeading{{
    {"  频率",       "  频率 "},
    {"  Q 值",       "   Q 值   "},
    {"  增益     ",  "       增益     "},
    {"  类型     ",  "     类型     "},
}};
inline constexpr EditionText kBandReset{"滤波器复位",               "0 dB"};

// The delay texts shown before any delay has been displayed.
inline constexpr std::array<EditionText, 3> kDelayStart{{
    {"0.000 Ms",     "0.00 Ms"},
    {"0.000 Mt",     "0.00 Mm"},
    {"0.000 Ft",     "0.00 Ft"},
}};

// File box.
inline constexpr EditionText kSaveOneGroup{"保存一组到电脑",        "保存 1 组到电脑"};
inline constexpr EditionText kSaveEightGroups{"保存8组到电脑",      "保存 8 组到电脑"};

// Connection bar: the preset lists as designed (replaced by the name reply),
// the ID-assignment label.
inline constexpr std::array<EditionText, 8> kPresetEntry{{
    {"用户0:",       "自设0:"},
    {"用户1:",       "自设1:"},
    {"用户2:",       "自设2:"},
    {"用户3:",       "自设3:"},
    {"预设4:",       "预设4:"},
    {"预设5:",       "预设5:"},
    {"预设6:",       "预设6:"},
    {"预设7:",       "预设7:"},
}};
inline constexpr EditionText kIdBoxLabel{"设置设备ID :",            "设置 ID :"};

// Initial-data box.
inline constexpr EditionText kInitialDataTitle{"最初数据加载模式:", "初始数据加载模式:"};
inline constexpr EditionText kInitialDataSource{"指定一个初始数据设备ID:", "指定初始数据的一个设备ID:"};
// clang-format on

}  // namespace texts
}  // namespace ampdesk
