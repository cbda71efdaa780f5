#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "color_button.h"
#include "control_factory.h"
#include "edition_texts.h"
#include "form_builders.h"
#include "picture_box.h"
#include "tform1.h"

namespace ampdesk {

using namespace controls;

void buildConnectionBar(TForm1& form, QWidget* client) {
    const Edition ed = form.edition();
    auto* box = group(client, "GroupBox2", {}, form.layout().groupBox2);
    form.GroupBox2 = box;

    // Port, device ID, connect button and icon on the left; broadcast mode
    // folds the bar down to this part (width 215).
    form.portLabel = label(box, "portLabel", QStringLiteral("COM :     "), QPoint(10, 16));
    form.RzComboBox1 = list(box, "RzComboBox1", {}, QRect(66, 12, 76, 21));
    form.RzLabel10 = label(box, "RzLabel10", QStringLiteral("设备ID:"), QPoint(10, 37));
    QStringList ids;
    for (int id = 1; id <= 255; ++id) ids << QString::number(id);
    form.RzComboBox6 = list(box, "RzComboBox6", ids, QRect(66, 33, 76, 21));
    form.RzComboBox6->setCurrentIndex(0);
    form.Button3 = button(box, "Button3", texts::kButton3Start.in(ed), QRect(10, 55, 104, 28));
    form.Image15 = picture(box, "Image15", form.pictures().iconDisconnected, QPoint(118, 54));
    form.RzComboBox7 = list(box, "RzComboBox7", {}, QRect(10, 12, 60, 21));
    form.RzComboBox7->hide();
    form.RzComboBox8 = list(box, "RzComboBox8", {}, QRect(10, 12, 60, 21));
    form.RzComboBox8->hide();

    form.RzGroupBox10 = group(box, "RzGroupBox10", {}, QRect(150, 8, 60, 80));
    form.RzButton8 = colorButton(form.RzGroupBox10, "RzButton8", QStringLiteral("广播\n模式"),
                                 QRect(6, 10, 48, 62));

    // ID assignment.
    form.RzGroupBox15 = group(box, "RzGroupBox15", {}, QRect(216, 8, 116, 80));
    form.idAssignLabel =
        label(form.RzGroupBox15, "idAssignLabel", texts::kIdBoxLabel.in(ed), QPoint(8, 12));
    form.RzEdit2 = edit(form.RzGroupBox15, "RzEdit2", QStringLiteral("1"), QRect(8, 36, 50, 22));
    form.Button1 =
        button(form.RzGroupBox15, "Button1", QStringLiteral("确定"), QRect(62, 35, 46, 24));

    // Presets: load row and save row.
    const int presetWidth = form.layout().groupBox2.width() - 338 - 6;
    form.RzGroupBox4 = group(box, "RzGroupBox4", {}, QRect(338, 8, presetWidth, 80));
    QWidget* presets = form.RzGroupBox4;
    QStringList loadEntries;
    for (const EditionText& t : texts::kPresetEntry) loadEntries << t.in(ed);
    // Edition A can save only into the four user groups.
    const QStringList saveEntries = ed == Edition::A ? loadEntries.mid(0, 4) : loadEntries;
    form.presetLoadLabel =
        label(presets, "presetLoadLabel", QStringLiteral("加载： "), QPoint(8, 16));
    form.RzComboBox10 = list(presets, "RzComboBox10", loadEntries, QRect(52, 12, 128, 22));
    form.RzButton9 = colorButton(presets, "RzButton9", QStringLiteral("加载"),
                                 QRect(presetWidth - 66, 11, 58, 25));
    form.presetSaveLabel =
        label(presets, "presetSaveLabel", QStringLiteral("保存:"), QPoint(8, 48));
    form.RzComboBox11 = list(presets, "RzComboBox11", saveEntries, QRect(52, 44, 64, 22));
    form.RzEdit1 = edit(presets, "RzEdit1", {}, QRect(120, 44, 60, 22));
    form.RzEdit1->setMaxLength(19);
    form.RzButton10 = colorButton(presets, "RzButton10", QStringLiteral("保存"),
                                  QRect(presetWidth - 66, 43, 58, 25));
    form.RzLabel14 = label(presets, "RzLabel14", QStringLiteral("最后加载组:    "), QPoint(190, 2));
    form.RzLabel14->hide();
}

void buildFileBox(TForm1& form, QWidget* client) {
    const Edition ed = form.edition();
    const EditionLayout& lay = form.layout();
    auto* box = group(client, "GroupBox3", {}, lay.groupBox3);
    form.GroupBox3 = box;

    struct Pair {
        const char* first;
        QString firstText;
        const char* second;
        QString secondText;
    };
    const Pair pairs[3] = {
        {"Button8", QStringLiteral("搜索设备 ID"), "Button9", QStringLiteral("搜索结果")},
        {"Button6", texts::kSaveOneGroup.in(ed), "Button7", QStringLiteral("加载 1 组到设备")},
        {"Button4", texts::kSaveEightGroups.in(ed), "Button5", QStringLiteral("加载 8 组到设备")},
    };
    QPushButton* made[6];
    if (lay.fileButtonsInColumn) {
        for (int i = 0; i < 3; ++i) {
            made[2 * i] =
                button(box, pairs[i].first, pairs[i].firstText, QRect(8, 10 + 56 * i, 106, 24));
            made[2 * i + 1] =
                button(box, pairs[i].second, pairs[i].secondText, QRect(8, 38 + 56 * i, 106, 24));
        }
        // Temperature display under the buttons.
        form.temperatureBox = group(box, "temperatureBox", {}, lay.fileTemperatureBox);
        label(form.temperatureBox, "temperatureCaption", QStringLiteral("温度:"), QPoint(6, 6));
        label(form.temperatureBox, "attenuationCaption", QStringLiteral("衰减 dB :"),
              QPoint(6, 24));
        form.RzLabel29 =
            label(form.temperatureBox, "RzLabel29", QStringLiteral("--"), QRect(62, 6, 48, 16));
        form.RzLabel32 =
            label(form.temperatureBox, "RzLabel32", QStringLiteral("--"), QRect(62, 24, 48, 16));
        form.temperatureValue = form.RzLabel29;
        form.attenuationValue = form.RzLabel32;
    } else {
        const int boxWidth = (lay.groupBox3.width() - 16) / 3;
        static const char* const boxNames[3] = {"searchBox", "singleFileBox", "eightFileBox"};
        for (int i = 0; i < 3; ++i) {
            auto* sub =
                group(box, boxNames[i], {},
                      QRect(4 + i * (boxWidth + 4), 6, boxWidth, lay.groupBox3.height() - 10));
            made[2 * i] =
                button(sub, pairs[i].first, pairs[i].firstText, QRect(10, 9, boxWidth - 20, 26));
            made[2 * i + 1] =
                button(sub, pairs[i].second, pairs[i].secondText, QRect(10, 38, boxWidth - 20, 26));
        }
    }
    form.Button8 = made[0];
    form.Button9 = made[1];
    form.Button6 = made[2];
    form.Button7 = made[3];
    form.Button4 = made[4];
    form.Button5 = made[5];
}

}  // namespace ampdesk
