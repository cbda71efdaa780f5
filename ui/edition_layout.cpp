#include "edition_layout.h"

namespace ampdesk {

namespace {

// clang-format off
const EditionLayout kLayoutA{
    .windowWidth = 750,
    .windowHeight = 787,
    .groupBox1 = {7, 186, 600, 132},
    .groupBox2 = {7, 2, 594, 95},
    .groupBox3 = {7, 98, 594, 82},
    .rzGroupBox8 = {7, 184, 727, 257},
    .rzGroupBox12 = {7, 448, 727, 262},
    .editorsInEqFrame = false,
    .rzGroupBox2 = {7, 448, 727, 262},
    .rzGroupBox3 = {176, 232, 380, 96},
    .rzGroupBox1 = {208, 504, 320, 64},
    .rzGroupBox16 = {208, 448, 330, 120},
    .rzGroupBox13 = {},
    .image5 = {3, 3, 720, 249},
    .speedButton22 = {705, 4, 16, 14},
    .rzLabel19 = {8, 4, 80, 16},
    .rzLabel18 = {8, 4, 80, 16},
    .bandTableBox = {4, 2, 436, 256},
    .bandLabelLeft = 14,
    .bandLabelWidth = 26,
    .bandColumn = {48, 132, 208, 284},
    .bandSpin = {108, 184, 260},
    .bandFieldWidth = {60, 52, 52, 70},
    .bandRow = {40, 63, 86, 109, 132, 155},
    .bandHeadingTop = 20,
    .bypassLeft = 362,
    .resetButton = {48, 196, 120, 28},
    .bassCompensationInTable = {208, 196, 120, 28},
    .crossoverBox = {444, 2, 152, 142},
    .crossoverTop = 18,
    .delayBox = {444, 148, 152, 110},
    .signalBox = {600, 2, 123, 178},
    .temperatureBox = {600, 184, 123, 74},
    .fileButtonsInColumn = false,
    .fileTemperatureBox = {},
};

const EditionLayout kLayoutB{
    .windowWidth = 750,
    .windowHeight = 753,
    .groupBox1 = {7, 98, 600, 132},
    .groupBox2 = {7, 2, 600, 95},
    .groupBox3 = {611, 2, 122, 228},
    .rzGroupBox8 = {7, 232, 727, 445},
    .rzGroupBox12 = {3, 3, 720, 185},
    .editorsInEqFrame = true,
    .rzGroupBox2 = {7, 232, 727, 200},
    .rzGroupBox3 = {176, 232, 380, 96},
    .rzGroupBox1 = {208, 504, 320, 64},
    .rzGroupBox16 = {208, 232, 330, 120},
    .rzGroupBox13 = {7, 232, 210, 60},
    .image5 = {3, 191, 720, 249},
    .speedButton22 = {705, 6, 16, 14},
    .rzLabel19 = {6, 2, 68, 16},
    .rzLabel18 = {8, 18, 120, 16},
    .bandTableBox = {},
    .bandLabelLeft = 46,
    .bandLabelWidth = 26,
    .bandColumn = {76, 160, 244, 328},
    .bandSpin = {136, 218, 306},
    .bandFieldWidth = {60, 58, 62, 72},
    .bandRow = {20, 43, 66, 89, 112, 135},
    .bandHeadingTop = 3,
    .bypassLeft = 0,
    .resetButton = {244, 160, 62, 22},
    .bassCompensationInTable = {},
    .crossoverBox = {430, 8, 180, 168},
    .crossoverTop = 38,
    .delayBox = {},
    .signalBox = {},
    .temperatureBox = {},
    .fileButtonsInColumn = true,
    .fileTemperatureBox = {4, 180, 114, 44},
};
// clang-format on

}  // namespace

const EditionLayout& editionLayout(Edition edition) {
    return edition == Edition::A ? kLayoutA : kLayoutB;
}

}  // namespace ampdesk
