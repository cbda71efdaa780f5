#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSlider>
#include <QToolButton>

#include "color_button.h"
#include "control_factory.h"
#include "crossover_response.h"
#include "edition_texts.h"
#include "form_builders.h"
#include "level_scales.h"
#include "picture_box.h"
#include "spin_buttons.h"
#include "tform1.h"

namespace ampdesk {

using namespace controls;

namespace {

constexpr int kFieldHeight = 21;
constexpr int kSpinWidth = 16;

// The six band rows with their headings and the reset button.
void buildBandTable(TForm1& form, QWidget* table) {
    const Edition ed = form.edition();
    const EditionLayout& lay = form.layout();

    for (int k = 0; k < 4; ++k) {
        form.bandHeadings[k] = label(table, "", texts::kBandHeading[k].in(ed),
                                     QPoint(lay.bandColumn[k], lay.bandHeadingTop));
        form.bandHeadings[k]->setObjectName(QStringLiteral("bandHeading%1").arg(k + 1));
    }
    if (lay.bypassLeft > 0)
        form.bypassHeading = label(table, "bypassHeading", QStringLiteral("滤波器"),
                                   QPoint(lay.bandLabelLeft - 6, lay.bandHeadingTop));

    struct RowNames {
        const char* label;
        const char* freq;
        const char* freqSpin;
        const char* q;
        const char* qSpin;
        const char* gain;
        const char* gainSpin;
        const char* type;
        const char* bypass;
        const char* designFreq;
    };
    static const RowNames rows[6] = {
        {"RzLabel93", "RzEdit94", "RzSpinButtons82", "RzEdit99", "RzSpinButtons75", "RzEdit106",
         "RzSpinButtons70", "RzComboBox66", "RzCheckBox1", "19.7"},
        {"RzLabel94", "RzEdit95", "RzSpinButtons83", "RzEdit102", "RzSpinButtons78", "RzEdit107",
         "RzSpinButtons71", "RzComboBox67", "RzCheckBox2", "50"},
        {"RzLabel100", "RzEdit96", "RzSpinButtons84", "RzEdit103", "RzSpinButtons79", "RzEdit108",
         "RzSpinButtons72", "RzComboBox72", "RzCheckBox3", "100"},
        {"RzLabel101", "RzEdit97", "RzSpinButtons85", "RzEdit104", "RzSpinButtons80", "RzEdit109",
         "RzSpinButtons73", "RzComboBox73", "RzCheckBox4", "198"},
        {"RzLabel102", "RzEdit98", "RzSpinButtons86", "RzEdit105", "RzSpinButtons81", "RzEdit110",
         "RzSpinButtons74", "RzComboBox74", "RzCheckBox5", "500"},
        {"RzLabel103", "RzEdit111", "RzSpinButtons87", "RzEdit112", "RzSpinButtons88", "RzEdit113",
         "RzSpinButtons89", "RzComboBox75", "RzCheckBox6", "1000"},
    };
    for (int r = 0; r < 6; ++r) {
        const RowNames& n = rows[r];
        const int top = lay.bandRow[r];
        BandRow& row = form.bandRows[r];
        row.label = label(table, n.label, QStringLiteral(" %1 ").arg(r + 1),
                          QRect(lay.bandLabelLeft, top, lay.bandLabelWidth, kFieldHeight));
        row.label->setAlignment(Qt::AlignCenter);
        row.freq = edit(table, n.freq, QString::fromLatin1(n.designFreq),
                        QRect(lay.bandColumn[0], top, lay.bandFieldWidth[0], kFieldHeight));
        row.freqSpin =
            spin(table, n.freqSpin, QRect(lay.bandSpin[0], top, kSpinWidth, kFieldHeight));
        row.q = edit(table, n.q, QStringLiteral("1.00"),
                     QRect(lay.bandColumn[1], top, lay.bandFieldWidth[1], kFieldHeight));
        row.qSpin = spin(table, n.qSpin, QRect(lay.bandSpin[1], top, kSpinWidth, kFieldHeight));
        row.gain = edit(table, n.gain, QStringLiteral("0"),
                        QRect(lay.bandColumn[2], top, lay.bandFieldWidth[2], kFieldHeight));
        row.gainSpin =
            spin(table, n.gainSpin, QRect(lay.bandSpin[2], top, kSpinWidth, kFieldHeight));
        row.type = list(table, n.type, {"PEQ", "LS", "HS"},
                        QRect(lay.bandColumn[3], top, lay.bandFieldWidth[3], kFieldHeight));
        row.bypass = nullptr;
        if (lay.bypassLeft > 0)
            row.bypass = checkBox(table, n.bypass, QStringLiteral("旁路"),
                                  QRect(lay.bypassLeft, top, 62, kFieldHeight));
    }
    const auto& br = form.bandRows;
    form.RzLabel93 = br[0].label;
    form.RzLabel94 = br[1].label;
    form.RzLabel100 = br[2].label;
    form.RzLabel101 = br[3].label;
    form.RzLabel102 = br[4].label;
    form.RzLabel103 = br[5].label;
    form.RzEdit94 = br[0].freq;
    form.RzEdit95 = br[1].freq;
    form.RzEdit96 = br[2].freq;
    form.RzEdit97 = br[3].freq;
    form.RzEdit98 = br[4].freq;
    form.RzEdit111 = br[5].freq;
    form.RzEdit99 = br[0].q;
    form.RzEdit102 = br[1].q;
    form.RzEdit103 = br[2].q;
    form.RzEdit104 = br[3].q;
    form.RzEdit105 = br[4].q;
    form.RzEdit112 = br[5].q;
    form.RzEdit106 = br[0].gain;
    form.RzEdit107 = br[1].gain;
    form.RzEdit108 = br[2].gain;
    form.RzEdit109 = br[3].gain;
    form.RzEdit110 = br[4].gain;
    form.RzEdit113 = br[5].gain;
    form.RzSpinButtons82 = br[0].freqSpin;
    form.RzSpinButtons83 = br[1].freqSpin;
    form.RzSpinButtons84 = br[2].freqSpin;
    form.RzSpinButtons85 = br[3].freqSpin;
    form.RzSpinButtons86 = br[4].freqSpin;
    form.RzSpinButtons87 = br[5].freqSpin;
    form.RzSpinButtons75 = br[0].qSpin;
    form.RzSpinButtons78 = br[1].qSpin;
    form.RzSpinButtons79 = br[2].qSpin;
    form.RzSpinButtons80 = br[3].qSpin;
    form.RzSpinButtons81 = br[4].qSpin;
    form.RzSpinButtons88 = br[5].qSpin;
    form.RzSpinButtons70 = br[0].gainSpin;
    form.RzSpinButtons71 = br[1].gainSpin;
    form.RzSpinButtons72 = br[2].gainSpin;
    form.RzSpinButtons73 = br[3].gainSpin;
    form.RzSpinButtons74 = br[4].gainSpin;
    form.RzSpinButtons89 = br[5].gainSpin;
    form.RzComboBox66 = br[0].type;
    form.RzComboBox67 = br[1].type;
    form.RzComboBox72 = br[2].type;
    form.RzComboBox73 = br[3].type;
    form.RzComboBox74 = br[4].type;
    form.RzComboBox75 = br[5].type;
    form.RzCheckBox1 = br[0].bypass;
    form.RzCheckBox2 = br[1].bypass;
    form.RzCheckBox3 = br[2].bypass;
    form.RzCheckBox4 = br[3].bypass;
    form.RzCheckBox5 = br[4].bypass;
    form.RzCheckBox6 = br[5].bypass;

    form.RzButton97 = colorButton(table, "RzButton97", texts::kBandReset.in(ed), lay.resetButton);
    if (ed == Edition::B) form.RzButton97->setColor(QColor(0, 192, 0));
    if (!lay.bassCompensationInTable.isEmpty())
        form.RzButton98 = colorButton(table, "RzButton98", texts::kBassCompensation.in(ed),
                                      lay.bassCompensationInTable);
}

void buildCrossoverBox(TForm1& form, QWidget* parent) {
    const Edition ed = form.edition();
    const EditionLayout& lay = form.layout();
    auto* box = group(parent, "RzGroupBox35", QStringLiteral("高通 / 低通"), lay.crossoverBox);
    form.RzGroupBox35 = box;
    form.RzLabel18 =
        label(box, "RzLabel18", texts::kCrossoverTitle[kSectionMaster].in(ed), lay.rzLabel18);
    const int top = lay.crossoverTop;
    const int listWidth = lay.crossoverBox.width() - 16;
    label(box, "highPassLabel", QStringLiteral("高通"), QPoint(8, top + 3));
    form.RzEdit205 =
        edit(box, "RzEdit205", QStringLiteral("19.7"), QRect(40, top, 64, kFieldHeight));
    form.RzSpinButtons181 =
        spin(box, "RzSpinButtons181", QRect(104, top, kSpinWidth, kFieldHeight));
    label(box, "highPassUnit", QStringLiteral("Hz"), QPoint(124, top + 3));
    form.RzComboBox69 = list(box, "RzComboBox69", textList(AlignmentTexts()),
                             QRect(8, top + 24, listWidth, kFieldHeight));
    label(box, "lowPassLabel", QStringLiteral("低通"), QPoint(8, top + 56));
    form.RzEdit206 =
        edit(box, "RzEdit206", QStringLiteral("21900"), QRect(40, top + 53, 64, kFieldHeight));
    form.RzSpinButtons182 =
        spin(box, "RzSpinButtons182", QRect(104, top + 53, kSpinWidth, kFieldHeight));
    label(box, "lowPassUnit", QStringLiteral("Hz"), QPoint(124, top + 56));
    form.RzComboBox71 = list(box, "RzComboBox71", textList(AlignmentTexts()),
                             QRect(8, top + 77, listWidth, kFieldHeight));
}

// Edition A's fixed boxes: delay, signal (polarity and volume), temperature.
void buildEditionABoxes(TForm1& form, QWidget* area) {
    const Edition ed = form.edition();
    const EditionLayout& lay = form.layout();

    form.delayBox = group(area, "delayBox", QStringLiteral("延迟"), lay.delayBox);
    form.RzEdit18 = edit(form.delayBox, "RzEdit18", texts::kDelayStart[0].in(ed),
                         QRect(8, 20, 110, kFieldHeight));
    form.ScrollBar1 = new QScrollBar(Qt::Horizontal, form.delayBox);
    form.ScrollBar1->setObjectName("ScrollBar1");
    form.ScrollBar1->setGeometry(8, 46, lay.delayBox.width() - 16, 17);
    form.RzLabel3 =
        label(form.delayBox, "RzLabel3", texts::kDelayStart[1].in(ed), QRect(8, 68, 110, 16));
    form.RzLabel20 =
        label(form.delayBox, "RzLabel20", texts::kDelayStart[2].in(ed), QRect(8, 88, 110, 16));

    form.signalBox = group(area, "signalBox", QStringLiteral("信号"), lay.signalBox);
    form.RzButton6 = colorButton(form.signalBox, "RzButton6", texts::kMasterPolarityStart.in(ed),
                                 QRect(8, 18, lay.signalBox.width() - 16, 24));
    form.TrackBar1 = new QSlider(Qt::Vertical, form.signalBox);
    form.TrackBar1->setObjectName("TrackBar1");
    form.TrackBar1->setGeometry(12, 48, 26, 124);
    form.TrackBar1->setRange(0, 301);
    // Position 0 at the top: the bottom (301) is mute.
    form.TrackBar1->setInvertedAppearance(true);
    form.TrackBar1->setInvertedControls(true);
    form.TrackBar1->setValue(301);
    label(form.signalBox, "volumeTopLabel", QStringLiteral("0 dB"), QPoint(42, 50));
    form.volumeLabel =
        label(form.signalBox, "volumeLabel", QStringLiteral("电平"), QPoint(42, 104));
    label(form.signalBox, "volumeBottomLabel", QStringLiteral("-60 dB"), QPoint(42, 158));
    form.Label1 =
        label(form.signalBox, "Label1", texts::kVolumeStart.in(ed), QRect(72, 104, 48, 16));

    form.temperatureBox = group(area, "temperatureBox", QStringLiteral("温度"), lay.temperatureBox);
    label(form.temperatureBox, "temperatureCaption", QStringLiteral("温度:"), QPoint(8, 22));
    label(form.temperatureBox, "attenuationCaption", QStringLiteral("衰减 dB :"), QPoint(8, 46));
    form.RzLabel35 =
        label(form.temperatureBox, "RzLabel35", QStringLiteral("--"), QRect(64, 22, 54, 16));
    form.RzLabel37 =
        label(form.temperatureBox, "RzLabel37", QStringLiteral("--"), QRect(64, 46, 54, 16));
    form.temperatureValue = form.RzLabel35;
    form.attenuationValue = form.RzLabel37;
    form.RzComboBox9 = list(form.temperatureBox, "RzComboBox9", textList(TemperatureListTexts(ed)),
                            QRect(8, 20, 100, kFieldHeight));
    form.RzComboBox9->setCurrentIndex(kTemperatureIndexMax);
    form.RzComboBox9->hide();
}

}  // namespace

void buildEqFrame(TForm1& form, QWidget* client) {
    const Edition ed = form.edition();
    const EditionLayout& lay = form.layout();

    form.RzGroupBox8 = group(client, "RzGroupBox8", {}, lay.rzGroupBox8);
    QWidget* frame = form.RzGroupBox8;

    QWidget* areaParent = lay.editorsInEqFrame ? frame : client;
    form.RzGroupBox12 = group(areaParent, "RzGroupBox12", {}, lay.rzGroupBox12);
    QWidget* area = form.RzGroupBox12;

    if (lay.bandTableBox.isEmpty()) {
        form.bandTableBox = form.RzGroupBox12;
    } else {
        form.bandTableBox =
            group(area, "bandTableBox", QStringLiteral("参数均衡"), lay.bandTableBox);
    }
    buildBandTable(form, form.bandTableBox);
    buildCrossoverBox(form, area);
    if (ed == Edition::A) buildEditionABoxes(form, area);

    form.Image5 = new PictureBox(frame);
    form.Image5->setObjectName("Image5");
    form.Image5->move(lay.image5.topLeft());
    form.Image5->setCanvasSize(lay.image5.width(), lay.image5.height());

    // Edition B shows the EQ title at the top left of the band table.
    QWidget* titleParent = lay.editorsInEqFrame ? area : frame;
    form.RzLabel19 =
        label(titleParent, "RzLabel19", texts::kEqTitle[kSectionMaster].in(ed), lay.rzLabel19);
    form.SpeedButton22 = closeBox(frame, "SpeedButton22", lay.speedButton22);
    form.SpeedButton22->raise();
}

}  // namespace ampdesk
