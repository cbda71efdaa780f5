#include <QAction>
#include <QComboBox>
#include <QEnterEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QStatusBar>
#include <QToolButton>

#include "color_button.h"
#include "picture_box.h"
#include "spin_buttons.h"
#include "tform4.h"
#include "window_fixture.h"

namespace ampdesk::test {
namespace {

struct GroupCase {
    const char* name;
    QRect rect;        // in the parent's client coordinates
    bool atCreation;   // not hidden right after the window is created
    bool afterReveal;  // not hidden once the start-up is over
};

void checkGroups(Edition edition, const std::vector<GroupCase>& cases) {
    WindowFixture f(edition);
    for (const GroupCase& c : cases) {
        QWidget* w = f.find(c.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->geometry(), c.rect) << c.name;
        EXPECT_EQ(!w->isHidden(), c.atCreation) << c.name << " at creation";
    }
    f.finishStartup();
    for (const GroupCase& c : cases)
        EXPECT_EQ(!f.find(c.name)->isHidden(), c.afterReveal) << c.name << " after reveal";
}

TEST(WindowLayout, EditionAGroupsAtCreationAndAfterStartup) {
    checkGroups(Edition::A, {
                                {"GroupBox2", {7, 2, 594, 95}, false, true},
                                {"GroupBox3", {7, 98, 594, 82}, false, true},
                                {"GroupBox1", {7, 186, 600, 132}, false, false},
                                {"RzGroupBox8", {7, 184, 727, 257}, false, true},
                                {"RzGroupBox12", {7, 448, 727, 262}, false, true},
                                {"RzGroupBox2", {7, 448, 727, 262}, false, false},
                                {"RzGroupBox3", {176, 232, 380, 96}, true, false},
                                {"RzGroupBox1", {208, 504, 320, 64}, false, false},
                                {"RzGroupBox16", {208, 448, 330, 120}, false, false},
                                {"RzGroupBox5", {0, 0, 167, 254}, false, false},
                                {"RzGroupBox6", {0, 0, 168, 223}, false, false},
                                {"RzGroupBox7", {0, 0, 176, 120}, false, false},
                                {"Image5", {3, 3, 720, 249}, true, true},
                            });
}

TEST(WindowLayout, EditionBGroupsAtCreationAndAfterStartup) {
    checkGroups(Edition::B, {
                                {"GroupBox2", {7, 2, 600, 95}, false, true},
                                {"GroupBox3", {611, 2, 122, 228}, false, true},
                                {"GroupBox1", {7, 98, 600, 132}, false, true},
                                {"RzGroupBox8", {7, 232, 727, 445}, false, false},
                                {"RzGroupBox12", {3, 3, 720, 185}, true, true},
                                {"RzGroupBox2", {7, 232, 727, 200}, false, false},
                                {"RzGroupBox3", {176, 232, 380, 96}, true, false},
                                {"RzGroupBox1", {208, 504, 320, 64}, false, false},
                                {"RzGroupBox16", {208, 232, 330, 120}, false, false},
                                {"RzGroupBox13", {7, 232, 210, 60}, false, false},
                                {"RzGroupBox5", {0, 0, 167, 254}, false, false},
                                {"RzGroupBox6", {0, 0, 168, 223}, false, false},
                                {"RzGroupBox7", {0, 0, 176, 120}, false, false},
                                {"Image5", {3, 191, 720, 249}, true, true},
                            });
}

TEST(WindowLayout, EditionBEditorsAreaSitsInTheEqFrame) {
    WindowFixture f(Edition::B);
    EXPECT_EQ(f.form->RzGroupBox12->parentWidget(), f.form->RzGroupBox8);
    WindowFixture a(Edition::A);
    EXPECT_EQ(a.form->RzGroupBox12->parentWidget(), a.form->centralWidget());
    EXPECT_EQ(a.form->RzGroupBox13, nullptr);
}

TEST(WindowLayout, WindowSizeAndStatusBarPerEdition) {
    for (auto [edition, height, status] :
         {std::tuple{Edition::A, 787, "断开"}, std::tuple{Edition::B, 753, "未连接"}}) {
        WindowFixture f(edition);
        EXPECT_EQ(f.form->size(), QSize(750, height));
        EXPECT_EQ(f.form->statusText(), QString::fromUtf8(status));
        EXPECT_EQ(f.form->statusPanel0->width(), 200);
        EXPECT_EQ(f.form->Button3->text(), QString::fromUtf8(status));
        // The menu bar, client area and status bar make up the whole window.
        f.showActive();
        EXPECT_EQ(f.form->menuBar()->height() + f.form->centralWidget()->height() +
                      f.form->StatusBar1->height(),
                  height);
    }
}

TEST(WindowLayout, MenusHiddenUntilStartupEnds) {
    for (Edition edition : {Edition::A, Edition::B}) {
        WindowFixture f(edition);
        TForm1& w = *f.form;
        EXPECT_FALSE(w.N112->menuAction()->isVisible());
        EXPECT_FALSE(w.N6->menuAction()->isVisible());
        f.finishStartup();
        EXPECT_TRUE(w.N112->menuAction()->isVisible());
        EXPECT_TRUE(w.N6->menuAction()->isVisible());
        for (QMenu* never : {w.N1, w.deviceConnectMenu, w.saveRecallMenu, w.searchDevicesMenu})
            EXPECT_FALSE(never->menuAction()->isVisible()) << never->objectName().toStdString();
        EXPECT_EQ(w.N112->title(), QStringLiteral("文件"));
        EXPECT_EQ(w.exitItem->text(), QStringLiteral("退出"));
        EXPECT_EQ(w.N6->title(), QStringLiteral("帮助"));
        EXPECT_EQ(w.versionItem->text(), QStringLiteral("版本"));
        // Edition A carries the bridge item but never shows it.
        EXPECT_EQ(w.BTL1->isVisible(), edition == Edition::B);
        EXPECT_EQ(w.BTL1->text(),
                  edition == Edition::A ? QStringLiteral("关于BTL") : QStringLiteral("关于桥接"));
    }
}

TEST(WindowLayout, StartupSearchBoxAtZeroPercent) {
    WindowFixture f(Edition::B);
    EXPECT_EQ(f.form->RzProgressBar2->value(), 0);
    EXPECT_TRUE(f.shown("RzGroupBox3"));
}

TEST(WindowLayout, EditionBStripRowsAndButtons) {
    WindowFixture f(Edition::B);
    TForm1& w = *f.form;
    struct Row {
        const char* name;
        const char* text;
        int top;
        std::array<const char*, 6> buttons;
    };
    const Row rows[] = {
        {"RzLabel1",
         " 1/路 ",
         41,
         {"RzButton46", "RzButton45", "RzButton41", "RzButton43", "RzButton44", "RzButton1"}},
        {"RzLabel24",
         " 2/路   ",
         73,
         {"RzButton52", "RzButton51", "RzButton47", "RzButton49", "RzButton50", "RzButton2"}},
        {"RzLabel25",
         " 3/路 ",
         105,
         {"RzButton58", "RzButton57", "RzButton53", "RzButton55", "RzButton56", "RzButton3"}},
    };
    const char* captions[6] = {"静音", "增益", "EQ/高低通", "限幅", "延迟", "+"};
    for (const Row& r : rows) {
        auto* label = f.find<QLabel>(r.name);
        EXPECT_EQ(label->text(), QString::fromUtf8(r.text));
        int left = -1;
        for (int k = 0; k < 6; ++k) {
            auto* b = f.find<ColorButton>(r.buttons[k]);
            ASSERT_NE(b, nullptr);
            EXPECT_EQ(b->parentWidget(), w.GroupBox1);
            EXPECT_GT(b->x(), left) << "left to right";
            left = b->x();
            EXPECT_GE(b->y(), r.top);
            EXPECT_LT(b->y(), r.top + 32);
            EXPECT_EQ(b->color(), QColor(224, 224, 224));
            EXPECT_EQ(b->hotTrackColor(), QColor(255, 255, 128));
            const char* caption = (r.top == 73 && k == 2) ? "EQ\\高低通" : captions[k];
            EXPECT_EQ(b->text(), QString::fromUtf8(caption)) << r.buttons[k];
        }
    }
    EXPECT_EQ(w.RzLabel13->text(), QStringLiteral(" 主控 "));
    EXPECT_EQ(w.RzButton4->text(), QStringLiteral("主控EQ"));
    EXPECT_EQ(w.RzButton5->text(), QStringLiteral("主控延迟"));
    EXPECT_EQ(w.RzButton6->text(), QStringLiteral("+"));
    EXPECT_EQ(w.Label1->text(), QStringLiteral("静音"));
    EXPECT_EQ(w.TrackBar1->orientation(), Qt::Horizontal);
    EXPECT_EQ(w.TrackBar1->maximum(), 301);
    EXPECT_EQ(w.TrackBar1->value(), 0);
    EXPECT_EQ(w.RzButton11->text(), QStringLiteral("温度设定"));
    EXPECT_EQ(w.RzButton7->text(), QStringLiteral("桥接"));
    EXPECT_EQ(w.RzButton7->toolTip(), QStringLiteral("可在帮助里查看成BTL图例"));
    EXPECT_EQ(w.RzButton98->text(), QStringLiteral("补偿"));
    EXPECT_EQ(w.RzButton98->parentWidget(), w.GroupBox1);
    for (const char* arrow : {"Image38", "Image1", "Image4"})
        EXPECT_EQ(f.find<QWidget>(arrow)->size(), QSize(30, 28)) << arrow;
    EXPECT_TRUE(f.find<QWidget>("Image7")->isVisibleTo(w.GroupBox1));
}

TEST(WindowLayout, EditionAKeepsMasterControlsInTheEditorsArea) {
    WindowFixture f(Edition::A);
    TForm1& w = *f.form;
    EXPECT_EQ(w.RzLabel13->text(), QStringLiteral(" 主控"));
    EXPECT_EQ(w.RzLabel1->text(), QStringLiteral(" 高音"));
    EXPECT_EQ(w.RzLabel24->text(), QStringLiteral(" 中音"));
    EXPECT_EQ(w.RzLabel25->text(), QStringLiteral(" 低音"));
    EXPECT_EQ(w.RzButton46->text(), QStringLiteral("哑"));
    EXPECT_EQ(w.RzButton47->text(), QStringLiteral("EQ/HPF/LPF"));
    EXPECT_EQ(w.RzButton4->text(), QStringLiteral("主控 EQ"));
    EXPECT_EQ(w.RzButton7->text(), QStringLiteral("线下模式"));
    EXPECT_EQ(w.RzButton98->text(), QStringLiteral("低音补偿"));
    EXPECT_TRUE(w.bandTableBox->isAncestorOf(w.RzButton98));
    EXPECT_EQ(w.bandTableBox->title(), QStringLiteral("参数均衡"));
    EXPECT_TRUE(w.signalBox->isAncestorOf(w.RzButton6));
    EXPECT_TRUE(w.signalBox->isAncestorOf(w.TrackBar1));
    EXPECT_EQ(w.RzButton6->text(), QStringLiteral("Pol(+)"));
    EXPECT_EQ(w.TrackBar1->orientation(), Qt::Vertical);
    EXPECT_EQ(w.TrackBar1->value(), 301);
    EXPECT_EQ(w.Label1->text(), QStringLiteral("靜音"));
    EXPECT_TRUE(w.delayBox->isAncestorOf(w.RzEdit18));
    EXPECT_TRUE(w.delayBox->isAncestorOf(w.ScrollBar1));
    EXPECT_EQ(w.delayBox->title(), QStringLiteral("延迟"));
    EXPECT_EQ(w.RzGroupBox35->title(), QStringLiteral("高通 / 低通"));
    EXPECT_EQ(w.signalBox->title(), QStringLiteral("信号"));
    EXPECT_EQ(w.temperatureBox->title(), QStringLiteral("温度"));
    EXPECT_FALSE(w.RzComboBox9->isVisibleTo(w.temperatureBox));
    EXPECT_EQ(w.RzButton11->text(), QStringLiteral("关闭"));
    EXPECT_TRUE(w.RzGroupBox2->isAncestorOf(w.RzButton11));
}

TEST(WindowLayout, EditionAFontsAndSpinColour) {
    WindowFixture f(Edition::A);
    TForm1& w = *f.form;
    EXPECT_EQ(w.RzEdit94->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(w.RzEdit94->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    EXPECT_EQ(w.RzButton97->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(w.RzLabel93->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(w.RzComboBox66->font().pointSize(), 8);
    EXPECT_EQ(w.RzSpinButtons82->color(), QColor(200, 224, 251));
    EXPECT_EQ(w.SpinButton1->color(), QColor(200, 224, 251));
    WindowFixture b(Edition::B);
    EXPECT_NE(b.form->RzSpinButtons82->color(), QColor(200, 224, 251));
}

TEST(WindowLayout, EditionBBandTableAtItsFixedPositions) {
    WindowFixture f(Edition::B);
    TForm1& w = *f.form;
    const int rows[6] = {20, 43, 66, 89, 112, 135};
    for (int r = 0; r < 6; ++r) {
        const BandRow& row = w.bandRows[r];
        EXPECT_EQ(row.freq->pos(), QPoint(76, rows[r]));
        EXPECT_EQ(row.q->pos(), QPoint(160, rows[r]));
        EXPECT_EQ(row.gain->pos(), QPoint(244, rows[r]));
        EXPECT_EQ(row.type->pos(), QPoint(328, rows[r]));
        EXPECT_EQ(row.freqSpin->pos(), QPoint(136, rows[r]));
        EXPECT_EQ(row.qSpin->pos(), QPoint(218, rows[r]));
        EXPECT_EQ(row.gainSpin->pos(), QPoint(306, rows[r]));
        EXPECT_EQ(row.bypass, nullptr);
        EXPECT_EQ(row.freq->parentWidget(), w.RzGroupBox12);
    }
    EXPECT_EQ(w.RzButton97->text(), QStringLiteral("0 dB"));
}

TEST(WindowLayout, BandLabelsCarryTheBandColours) {
    const QColor colours[6] = {{255, 252, 0}, {255, 0, 0},   {0, 252, 255},
                               {0, 252, 0},   {255, 0, 255}, {0, 0, 255}};
    const char* names[6] = {"RzLabel93",  "RzLabel94",  "RzLabel100",
                            "RzLabel101", "RzLabel102", "RzLabel103"};
    for (Edition edition : {Edition::A, Edition::B}) {
        WindowFixture f(edition);
        for (int r = 0; r < 6; ++r) {
            auto* l = f.find<QLabel>(names[r]);
            EXPECT_EQ(l->text(), QStringLiteral(" %1 ").arg(r + 1));
            EXPECT_TRUE(l->autoFillBackground());
            EXPECT_EQ(l->palette().color(QPalette::Window), colours[r]) << names[r];
        }
    }
}

TEST(WindowLayout, BridgePictureWindow) {
    for (auto [edition, caption] :
         {std::pair{Edition::A, "BTL模式"}, std::pair{Edition::B, "BTL Mode"}}) {
        WindowFixture f(edition);
        TForm4* form4 = f.form->form4();
        ASSERT_NE(form4, nullptr);
        EXPECT_EQ(form4->windowTitle(), QString::fromUtf8(caption));
        EXPECT_EQ(form4->size(), QSize(722, 158));
        EXPECT_EQ(form4->minimumSize(), form4->maximumSize());
        EXPECT_EQ(form4->bridgePicture->size(), QSize(713, 157));
        EXPECT_EQ(form4->bridgePicture->canvas(), f.form->pictures().bridgeDiagram);
        EXPECT_TRUE(form4->isModal());
    }
}

TEST(WindowLayout, DrawnPicturesHaveTheirSizes) {
    WindowFixture f(Edition::B);
    const WindowPictures& p = f.form->pictures();
    EXPECT_EQ(p.faderBackground.size(), QSize(163, 250));
    EXPECT_EQ(p.knob.size(), QSize(12, 13));
    EXPECT_EQ(p.knobPressed.size(), QSize(12, 13));
    EXPECT_NE(p.knob, p.knobPressed);
    EXPECT_EQ(p.iconDisconnected.size(), QSize(25, 25));
    EXPECT_EQ(p.iconConnected.size(), QSize(25, 25));
    EXPECT_EQ(p.rowArrow.size(), QSize(30, 28));
    EXPECT_EQ(p.bridgeArrow.size(), QSize(28, 30));
    EXPECT_EQ(p.delayBackground.size(), QSize(164, 219));
    EXPECT_EQ(p.bridgeDiagram.size(), QSize(713, 157));
    EXPECT_EQ(f.form->Image2->size(), QSize(163, 250));
    // The fader starts with the knob at rest at 73, 56.
    EXPECT_EQ(f.form->Image2->canvas().copy(73, 56, 12, 13), p.knob);
    // The connection icon starts red.
    const QColor centre = f.form->Image15->canvas().pixelColor(5, 12);
    EXPECT_GT(centre.red(), 150);
    EXPECT_LT(centre.green(), 80);
}

TEST(WindowLayout, ConnectionBarAndFileBoxTexts) {
    WindowFixture a(Edition::A);
    EXPECT_EQ(a.form->Button6->text(), QStringLiteral("保存一组到电脑"));
    EXPECT_EQ(a.form->Button4->text(), QStringLiteral("保存8组到电脑"));
    EXPECT_EQ(a.form->RzComboBox10->count(), 8);
    EXPECT_EQ(a.form->RzComboBox10->itemText(0), QStringLiteral("用户0:"));
    EXPECT_EQ(a.form->RzComboBox11->count(), 4);
    EXPECT_EQ(a.form->RzComboBox6->count(), 255);
    EXPECT_EQ(a.form->RzComboBox6->currentText(), QStringLiteral("1"));
    EXPECT_EQ(a.form->RzEdit1->maxLength(), 19);
    WindowFixture b(Edition::B);
    EXPECT_EQ(b.form->Button6->text(), QStringLiteral("保存 1 组到电脑"));
    EXPECT_EQ(b.form->Button4->text(), QStringLiteral("保存 8 组到电脑"));
    EXPECT_EQ(b.form->RzComboBox11->count(), 8);
    EXPECT_EQ(b.form->RzComboBox11->itemText(7), QStringLiteral("预设7:"));
    EXPECT_EQ(b.form->RzComboBox10->itemText(0), QStringLiteral("自设0:"));
    EXPECT_TRUE(b.form->GroupBox3->isAncestorOf(b.form->RzLabel29));
    EXPECT_TRUE(b.form->GroupBox3->isAncestorOf(b.form->RzLabel32));
    // B's file buttons in one column, in this order.
    int top = -1;
    for (QPushButton* button : {b.form->Button8, b.form->Button9, b.form->Button6, b.form->Button7,
                                b.form->Button4, b.form->Button5}) {
        EXPECT_GT(button->y(), top);
        top = button->y();
    }
    EXPECT_EQ(b.form->exchangeLabel->text(), QStringLiteral("请稍候，正在做数据交换."));
    EXPECT_EQ(a.form->exchangeLabel->text(), QStringLiteral("请稍候，做数据交换。"));
}

}  // namespace
}  // namespace ampdesk::test

namespace ampdesk::test {
namespace {

// Every control the rest of the program refers to by name is there, under
// that object name, in both editions (or in the one edition that has it).
TEST(WindowLayout, EveryNamedControlExists) {
    const char* both[] = {"GroupBox1",
                          "GroupBox2",
                          "GroupBox3",
                          "RzGroupBox1",
                          "RzGroupBox2",
                          "RzGroupBox3",
                          "RzGroupBox4",
                          "RzGroupBox5",
                          "RzGroupBox6",
                          "RzGroupBox7",
                          "RzGroupBox8",
                          "RzGroupBox10",
                          "RzGroupBox12",
                          "RzGroupBox15",
                          "RzGroupBox16",
                          "RzGroupBox35",
                          "Button1",
                          "Button2",
                          "Button3",
                          "Button4",
                          "Button5",
                          "Button6",
                          "Button7",
                          "Button8",
                          "Button9",
                          "Button10",
                          "Button11",
                          "RzButton1",
                          "RzButton2",
                          "RzButton3",
                          "RzButton4",
                          "RzButton5",
                          "RzButton6",
                          "RzButton7",
                          "RzButton8",
                          "RzButton9",
                          "RzButton10",
                          "RzButton11",
                          "RzButton41",
                          "RzButton43",
                          "RzButton44",
                          "RzButton45",
                          "RzButton46",
                          "RzButton47",
                          "RzButton49",
                          "RzButton50",
                          "RzButton51",
                          "RzButton52",
                          "RzButton53",
                          "RzButton55",
                          "RzButton56",
                          "RzButton57",
                          "RzButton58",
                          "RzButton97",
                          "RzButton98",
                          "RzComboBox1",
                          "RzComboBox2",
                          "RzComboBox3",
                          "RzComboBox4",
                          "RzComboBox5",
                          "RzComboBox6",
                          "RzComboBox7",
                          "RzComboBox8",
                          "RzComboBox9",
                          "RzComboBox10",
                          "RzComboBox11",
                          "RzComboBox66",
                          "RzComboBox67",
                          "RzComboBox69",
                          "RzComboBox71",
                          "RzComboBox72",
                          "RzComboBox73",
                          "RzComboBox74",
                          "RzComboBox75",
                          "RzEdit1",
                          "RzEdit2",
                          "RzEdit3",
                          "RzEdit17",
                          "RzEdit18",
                          "RzEdit94",
                          "RzEdit95",
                          "RzEdit96",
                          "RzEdit97",
                          "RzEdit98",
                          "RzEdit99",
                          "RzEdit102",
                          "RzEdit103",
                          "RzEdit104",
                          "RzEdit105",
                          "RzEdit106",
                          "RzEdit107",
                          "RzEdit108",
                          "RzEdit109",
                          "RzEdit110",
                          "RzEdit111",
                          "RzEdit112",
                          "RzEdit113",
                          "RzEdit205",
                          "RzEdit206",
                          "RzLabel1",
                          "RzLabel2",
                          "RzLabel3",
                          "RzLabel4",
                          "RzLabel5",
                          "RzLabel6",
                          "RzLabel9",
                          "RzLabel10",
                          "RzLabel13",
                          "RzLabel14",
                          "RzLabel18",
                          "RzLabel19",
                          "RzLabel20",
                          "RzLabel24",
                          "RzLabel25",
                          "RzLabel93",
                          "RzLabel94",
                          "RzLabel100",
                          "RzLabel101",
                          "RzLabel102",
                          "RzLabel103",
                          "RzMemo1",
                          "Memo1",
                          "RzProgressBar1",
                          "RzProgressBar2",
                          "RzSpinButtons70",
                          "RzSpinButtons71",
                          "RzSpinButtons72",
                          "RzSpinButtons73",
                          "RzSpinButtons74",
                          "RzSpinButtons75",
                          "RzSpinButtons78",
                          "RzSpinButtons79",
                          "RzSpinButtons80",
                          "RzSpinButtons81",
                          "RzSpinButtons82",
                          "RzSpinButtons83",
                          "RzSpinButtons84",
                          "RzSpinButtons85",
                          "RzSpinButtons86",
                          "RzSpinButtons87",
                          "RzSpinButtons88",
                          "RzSpinButtons89",
                          "RzSpinButtons181",
                          "RzSpinButtons182",
                          "ScrollBar1",
                          "SpeedButton1",
                          "SpeedButton3",
                          "SpeedButton17",
                          "SpeedButton18",
                          "SpeedButton21",
                          "SpeedButton22",
                          "SpinButton1",
                          "StatusBar1",
                          "TrackBar1",
                          "Label1",
                          "Image1",
                          "Image2",
                          "Image4",
                          "Image5",
                          "Image7",
                          "Image15",
                          "Image38",
                          "N1",
                          "N6",
                          "N112",
                          "BTL1"};
    const char* onlyA[] = {"RzCheckBox1", "RzCheckBox2", "RzCheckBox3", "RzCheckBox4",
                           "RzCheckBox5", "RzCheckBox6", "RzLabel35",   "RzLabel37"};
    const char* onlyB[] = {"RzGroupBox13", "SpeedButton4", "RzLabel29", "RzLabel32"};
    for (Edition edition : {Edition::A, Edition::B}) {
        WindowFixture f(edition);
        auto count = [&](const char* name) {
            return f.form->findChildren<QObject*>(QString::fromLatin1(name)).size();
        };
        for (const char* name : both) EXPECT_EQ(count(name), 1) << name;
        for (const char* name : onlyA)
            EXPECT_EQ(count(name), edition == Edition::A ? 1 : 0) << name;
        for (const char* name : onlyB)
            EXPECT_EQ(count(name), edition == Edition::B ? 1 : 0) << name;
    }
}

// Broadcast mode moves the connect button and the icon up and puts them back
// at these tops; the crossover box carries its title in both editions.
TEST(WindowLayout, ConnectButtonIconAndCrossoverTitleInBothEditions) {
    for (Edition edition : {Edition::A, Edition::B}) {
        WindowFixture f(edition);
        EXPECT_EQ(f.form->Button3->y(), 55);
        EXPECT_EQ(f.form->Image15->y(), 54);
        EXPECT_EQ(f.form->RzGroupBox35->title(), QStringLiteral("高通 / 低通"));
    }
}

TEST(WindowLayout, StripButtonsLightUpUnderThePointer) {
    WindowFixture f(Edition::B);
    ColorButton* mute = f.form->RzButton46;
    mute->setColor(QColor(255, 0, 0));
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(mute, &enter);
    EXPECT_EQ(mute->faceColor(), QColor(255, 255, 128));
    EXPECT_EQ(mute->color(), QColor(255, 0, 0));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(mute, &leave);
    EXPECT_EQ(mute->faceColor(), QColor(255, 0, 0));
}

}  // namespace
}  // namespace ampdesk::test
