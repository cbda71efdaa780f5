#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

#include "color_button.h"
#include "control_factory.h"
#include "edition_texts.h"
#include "form_builders.h"
#include "level_scales.h"
#include "picture_box.h"
#include "spin_buttons.h"
#include "tform1.h"

namespace ampdesk {

using namespace controls;

namespace {

// Light text for labels drawn on the dark panel pictures.
void lightText(QLabel* l) {
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, QColor(240, 240, 240));
    l->setPalette(pal);
}

QProgressBar* progressBar(QWidget* parent, const char* name, QRect geometry) {
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setGeometry(geometry);
    bar->setRange(0, 100);
    bar->setValue(0);
    return bar;
}

}  // namespace

void buildFloatingPanels(TForm1& form, QWidget* client) {
    const Edition ed = form.edition();
    const EditionLayout& lay = form.layout();

    // Gain panel: the fader picture with the title, close box and gain field on it.
    form.RzGroupBox5 = group(client, "RzGroupBox5", {}, QRect(0, 0, 167, 254));
    form.Image2 =
        picture(form.RzGroupBox5, "Image2", form.pictures().faderBackground, QPoint(2, 2));
    form.RzLabel2 =
        label(form.RzGroupBox5, "RzLabel2", texts::kGainTitle[0].in(ed), QRect(8, 3, 120, 16));
    lightText(form.RzLabel2);
    form.SpeedButton17 = closeBox(form.RzGroupBox5, "SpeedButton17", QRect(145, 4, 14, 14));
    form.RzEdit17 =
        edit(form.RzGroupBox5, "RzEdit17", QStringLiteral("-8.0 dB"), QRect(24, 222, 88, 22));
    form.SpinButton1 = spin(form.RzGroupBox5, "SpinButton1", QRect(118, 220, 16, 26));

    // Delay panel (edition A keeps its delay editor in the editors area).
    form.RzGroupBox6 = group(client, "RzGroupBox6", {}, QRect(0, 0, 168, 223));
    form.delayBackground =
        picture(form.RzGroupBox6, "delayBackground", form.pictures().delayBackground, QPoint(2, 2));
    form.RzLabel4 =
        label(form.RzGroupBox6, "RzLabel4", texts::kDelayTitle[0].in(ed), QRect(8, 3, 120, 16));
    lightText(form.RzLabel4);
    form.SpeedButton18 = closeBox(form.RzGroupBox6, "SpeedButton18", QRect(146, 4, 14, 14));
    if (ed == Edition::B) {
        QWidget* panel = form.RzGroupBox6;
        form.RzEdit18 =
            edit(panel, "RzEdit18", texts::kDelayStart[0].in(ed), QRect(22, 44, 124, 21));
        form.ScrollBar1 = new QScrollBar(Qt::Horizontal, panel);
        form.ScrollBar1->setObjectName("ScrollBar1");
        form.ScrollBar1->setGeometry(10, 84, 148, 17);
        form.RzLabel3 =
            label(panel, "RzLabel3", texts::kDelayStart[1].in(ed), QRect(24, 124, 120, 16));
        form.RzLabel20 =
            label(panel, "RzLabel20", texts::kDelayStart[2].in(ed), QRect(24, 160, 120, 16));
        lightText(form.RzLabel3);
        lightText(form.RzLabel20);
    }
    form.ScrollBar1->setRange(0, kDelayCodeMax);
    form.ScrollBar1->setSingleStep(1);
    form.ScrollBar1->setPageStep(1);

    // Limiter panel.
    form.RzGroupBox7 = group(client, "RzGroupBox7", {}, QRect(0, 0, 176, 120));
    QWidget* lim = form.RzGroupBox7;
    form.RzLabel5 = label(lim, "RzLabel5", texts::kLimiterTitle[0].in(ed), QRect(8, 6, 130, 16));
    form.SpeedButton21 = closeBox(lim, "SpeedButton21", QRect(156, 4, 14, 14));
    label(lim, "thresholdCaption", QStringLiteral("阈值"), QPoint(8, 32));
    form.RzComboBox2 = list(lim, "RzComboBox2", textList(ThresholdTexts()), QRect(72, 28, 96, 21));
    label(lim, "attackCaption", QStringLiteral("启动时间"), QPoint(8, 60));
    form.RzComboBox3 = list(lim, "RzComboBox3", textList(AttackTexts()), QRect(72, 56, 96, 21));
    label(lim, "releaseCaption", QStringLiteral("恢复时间"), QPoint(8, 88));
    form.RzComboBox5 = list(lim, "RzComboBox5", textList(ReleaseTexts()), QRect(72, 84, 96, 21));
    form.RzComboBox4 =
        list(lim, "RzComboBox4",
             {"0.5 ms/dB", "1 ms/dB", "2 ms/dB", "5 ms/dB", "10 ms/dB", "20 ms/dB", "50 ms/dB"},
             QRect(72, 84, 96, 21));
    form.RzComboBox4->hide();

    // Temperature setting (edition B).
    if (!lay.rzGroupBox13.isEmpty()) {
        form.RzGroupBox13 =
            group(client, "RzGroupBox13", QStringLiteral("温度设定 "), lay.rzGroupBox13);
        label(form.RzGroupBox13, "tempSettingLabel", QStringLiteral("温度设定 "), QPoint(10, 26));
        form.RzComboBox9 = list(form.RzGroupBox13, "RzComboBox9",
                                textList(TemperatureListTexts(ed)), QRect(86, 22, 100, 21));
        form.RzComboBox9->setCurrentIndex(kTemperatureIndexMax);
        form.SpeedButton4 = closeBox(form.RzGroupBox13, "SpeedButton4",
                                     QRect(lay.rzGroupBox13.width() - 18, 4, 14, 14));
    }

    // Search results: in place of edition A's editors area, under edition B's strip.
    form.RzGroupBox2 = group(client, "RzGroupBox2", {}, lay.rzGroupBox2);
    QWidget* res = form.RzGroupBox2;
    const int w = lay.rzGroupBox2.width();
    const int h = lay.rzGroupBox2.height();
    form.RzLabel6 = label(res, "RzLabel6", QStringLiteral("搜索结果:无 "), QPoint(10, 12));
    form.Memo1 = new QPlainTextEdit(res);
    form.Memo1->setObjectName("Memo1");
    form.Memo1->setReadOnly(true);
    form.Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    form.Memo1->setGeometry(10, 34, w - 20, h - (ed == Edition::A ? 76 : 44));
    form.SpeedButton1 = closeBox(res, "SpeedButton1", QRect(w - 22, 4, 16, 14));
    if (ed == Edition::A)
        form.RzButton11 =
            colorButton(res, "RzButton11", QStringLiteral("关闭"), QRect(w - 90, h - 36, 80, 28));
}

void buildProgressBoxes(TForm1& form, QWidget* client) {
    const Edition ed = form.edition();
    const EditionLayout& lay = form.layout();

    form.RzGroupBox3 = group(client, "RzGroupBox3", {}, lay.rzGroupBox3);
    form.RzLabel9 =
        label(form.RzGroupBox3, "RzLabel9", QStringLiteral("检查可用的设备ID"), QPoint(16, 12));
    form.RzProgressBar2 = progressBar(form.RzGroupBox3, "RzProgressBar2", QRect(16, 36, 348, 20));
    form.Button2 =
        button(form.RzGroupBox3, "Button2", QStringLiteral("取消"), QRect(288, 62, 76, 26));

    form.RzGroupBox1 = group(client, "RzGroupBox1", {}, lay.rzGroupBox1);
    form.exchangeLabel =
        label(form.RzGroupBox1, "exchangeLabel", texts::kExchangeWait.in(ed), QPoint(16, 10));
    form.RzProgressBar1 = progressBar(form.RzGroupBox1, "RzProgressBar1", QRect(16, 34, 288, 18));

    form.RzGroupBox16 = group(client, "RzGroupBox16", {}, lay.rzGroupBox16);
    QWidget* init = form.RzGroupBox16;
    form.initialDataTitle =
        label(init, "initialDataTitle", texts::kInitialDataTitle.in(ed), QPoint(8, 8));
    label(init, "initialDataStep1", QStringLiteral("1."), QPoint(8, 36));
    label(init, "initialDataSource", texts::kInitialDataSource.in(ed), QPoint(22, 36));
    form.RzEdit3 = edit(init, "RzEdit3", QStringLiteral("1"), QRect(200, 32, 46, 22));
    form.Button10 = button(init, "Button10", QStringLiteral("确定"), QRect(252, 31, 64, 25));
    label(init, "initialDataStep2", QStringLiteral("2."), QPoint(8, 76));
    form.Button11 = button(init, "Button11", QStringLiteral("从计算机到一组作为初始数据"),
                           QRect(22, 70, 240, 28));
    form.SpeedButton3 =
        closeBox(init, "SpeedButton3", QRect(lay.rzGroupBox16.width() - 20, 4, 14, 14));

    form.RzMemo1 = new QPlainTextEdit(client);
    form.RzMemo1->setObjectName("RzMemo1");
    form.RzMemo1->setGeometry(0, 0, 40, 20);
    form.RzMemo1->hide();
}

}  // namespace ampdesk
