#include <QGroupBox>
#include <QLabel>
#include <QSlider>

#include "color_button.h"
#include "control_factory.h"
#include "edition_texts.h"
#include "form_builders.h"
#include "picture_box.h"
#include "tform1.h"

namespace ampdesk {

using namespace controls;

namespace {

constexpr int kRowTop[4] = {9, 41, 73, 105};  // master, outputs 1..3
constexpr int kButtonHeight = 24;

// Columns of an output row, left to right.
constexpr int kArrowLeft = 50;
constexpr QRect kMuteCol{84, 0, 52, kButtonHeight};
constexpr QRect kGainCol{140, 0, 52, kButtonHeight};
constexpr QRect kEqCol{196, 0, 76, kButtonHeight};
constexpr QRect kLimiterCol{276, 0, 52, kButtonHeight};
constexpr QRect kDelayCol{332, 0, 52, kButtonHeight};
constexpr QRect kPolarityCol{388, 0, 32, kButtonHeight};
constexpr QRect kRightCol{504, 0, 88, kButtonHeight};

QRect inRow(QRect col, int row) {
    return col.translated(0, kRowTop[row] + 1);
}

}  // namespace

void buildStrip(TForm1& form, QWidget* client) {
    const Edition ed = form.edition();
    auto* box = group(client, "GroupBox1", {}, form.layout().groupBox1);
    form.GroupBox1 = box;

    // Master row.
    form.RzLabel13 = label(box, "RzLabel13", texts::kRowName[0].in(ed), QPoint(6, kRowTop[0] + 6));
    form.RzButton4 = colorButton(box, "RzButton4", texts::kMasterEq.in(ed),
                                 QRect(84, kRowTop[0] + 1, 76, kButtonHeight));
    form.RzButton5 = colorButton(box, "RzButton5", QStringLiteral("主控延迟"),
                                 QRect(164, kRowTop[0] + 1, 70, kButtonHeight));
    if (ed == Edition::B) {
        form.RzButton6 = colorButton(box, "RzButton6", QStringLiteral("+"),
                                     QRect(238, kRowTop[0] + 1, 32, kButtonHeight));
        form.volumeLabel =
            label(box, "volumeLabel", QStringLiteral("音量"), QPoint(280, kRowTop[0] + 6));
        form.TrackBar1 = new QSlider(Qt::Horizontal, box);
        form.TrackBar1->setObjectName("TrackBar1");
        form.TrackBar1->setGeometry(310, kRowTop[0] + 2, 196, 24);
        form.TrackBar1->setRange(0, 301);
        form.TrackBar1->setValue(0);
        form.Label1 =
            label(box, "Label1", texts::kVolumeStart.in(ed), QRect(512, kRowTop[0] + 6, 80, 16));
    }

    // Output rows.
    static const char* const names[3] = {"RzLabel1", "RzLabel24", "RzLabel25"};
    static const char* const arrows[3] = {"Image38", "Image1", "Image4"};
    static const char* const lines[3] = {"rowLine1", "Image7", "rowLine3"};
    static const char* const buttons[3][6] = {
        {"RzButton46", "RzButton45", "RzButton41", "RzButton43", "RzButton44", "RzButton1"},
        {"RzButton52", "RzButton51", "RzButton47", "RzButton49", "RzButton50", "RzButton2"},
        {"RzButton58", "RzButton57", "RzButton53", "RzButton55", "RzButton56", "RzButton3"},
    };
    for (int c = 0; c < 3; ++c) {
        const int row = c + 1;
        OutputRow& r = form.outputRows[c];
        // The row line runs behind the buttons, from the arrow to the last one.
        auto* line = picture(box, lines[c], drawRowLine(kPolarityCol.right() - kArrowLeft - 30),
                             QPoint(kArrowLeft + 30, kRowTop[row] + 13));
        r.name = label(box, names[c], texts::kRowName[row].in(ed), QPoint(6, kRowTop[row] + 6));
        r.arrow =
            picture(box, arrows[c], form.pictures().rowArrow, QPoint(kArrowLeft, kRowTop[row]));
        r.mute = colorButton(box, buttons[c][0], texts::kMute.in(ed), inRow(kMuteCol, row));
        r.gain = colorButton(box, buttons[c][1], QStringLiteral("增益"), inRow(kGainCol, row));
        r.eq = colorButton(box, buttons[c][2], texts::kEqButton[c].in(ed), inRow(kEqCol, row));
        r.limiter =
            colorButton(box, buttons[c][3], QStringLiteral("限幅"), inRow(kLimiterCol, row));
        r.delay = colorButton(box, buttons[c][4], QStringLiteral("延迟"), inRow(kDelayCol, row));
        r.polarity = colorButton(box, buttons[c][5], QStringLiteral("+"), inRow(kPolarityCol, row));
        if (c == 0) form.rowLine1 = line;
        if (c == 1) form.Image7 = line;
        if (c == 2) form.rowLine3 = line;
    }
    form.RzLabel1 = form.outputRows[0].name;
    form.RzLabel24 = form.outputRows[1].name;
    form.RzLabel25 = form.outputRows[2].name;
    form.Image38 = form.outputRows[0].arrow;
    form.Image1 = form.outputRows[1].arrow;
    form.Image4 = form.outputRows[2].arrow;
    ColorButton** fields[3][6] = {
        {&form.RzButton46, &form.RzButton45, &form.RzButton41, &form.RzButton43, &form.RzButton44,
         &form.RzButton1},
        {&form.RzButton52, &form.RzButton51, &form.RzButton47, &form.RzButton49, &form.RzButton50,
         &form.RzButton2},
        {&form.RzButton58, &form.RzButton57, &form.RzButton53, &form.RzButton55, &form.RzButton56,
         &form.RzButton3},
    };
    for (int c = 0; c < 3; ++c) {
        const OutputRow& r = form.outputRows[c];
        ColorButton* made[6] = {r.mute, r.gain, r.eq, r.limiter, r.delay, r.polarity};
        for (int k = 0; k < 6; ++k) *fields[c][k] = made[k];
    }

    // Right-hand column: temperature setting (edition B), bridge, compensation
    // (edition B; edition A keeps it in the band table).
    if (ed == Edition::B) {
        form.RzButton11 =
            colorButton(box, "RzButton11", QStringLiteral("温度设定"), inRow(kRightCol, 1));
        form.RzButton98 =
            colorButton(box, "RzButton98", texts::kBassCompensation.in(ed), inRow(kRightCol, 3));
    }
    form.RzButton7 = colorButton(box, "RzButton7", texts::kBridge.in(ed), inRow(kRightCol, 2));
    form.RzButton7->setToolTip(texts::kBridgeHint.in(ed));
}

}  // namespace ampdesk
