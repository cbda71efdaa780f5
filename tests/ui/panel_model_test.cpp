#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

#include "block_text.h"
#include "color_button.h"
#include "eq_graph.h"
#include "picture_box.h"
#include "protocol_engine.h"
#include "tform4.h"
#include "window_fixture.h"

namespace ampdesk::test {
namespace {

const QColor kOpen(255, 255, 128);
const QColor kNormal(224, 224, 224);

// Counts the times a widget is hidden.
class HideCounter : public QObject {
public:
    explicit HideCounter(QWidget* w) { w->installEventFilter(this); }
    int hides = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Hide) ++hides;
        return false;
    }
};

class PanelsB : public ::testing::Test {
protected:
    PanelsB() { f.finishStartup(); }
    WindowFixture f{Edition::B};
    TForm1& w = *f.form;

    QPoint belowRightOf(QWidget* button) const {
        return w.GroupBox1->pos() + button->geometry().bottomRight() + QPoint(1, 1);
    }
};

TEST_F(PanelsB, AnotherOutputsGainButtonMovesTheGainPanel) {
    w.RzButton45->click();
    EXPECT_EQ(w.PanelKind, kPanelGain);
    EXPECT_EQ(w.CurrentSection, 0);
    EXPECT_FALSE(w.RzGroupBox5->isHidden());
    EXPECT_EQ(w.RzGroupBox5->pos(), belowRightOf(w.RzButton45));
    EXPECT_EQ(w.RzButton45->color(), kOpen);
    EXPECT_EQ(w.RzLabel2->text(), QStringLiteral("高--增益  "));

    w.RzButton51->click();
    EXPECT_EQ(w.PanelKind, kPanelGain);
    EXPECT_EQ(w.CurrentSection, 1);
    EXPECT_FALSE(w.RzGroupBox5->isHidden());
    EXPECT_EQ(w.RzGroupBox5->pos(), belowRightOf(w.RzButton51));
    EXPECT_EQ(w.RzButton45->color(), kNormal);
    EXPECT_EQ(w.RzButton51->color(), kOpen);
    EXPECT_EQ(w.RzLabel2->text(), QStringLiteral("中--增益 "));
}

TEST_F(PanelsB, EqButtonTwiceKeepsTheFrameOpen) {
    HideCounter counter(w.RzGroupBox8);
    w.RzButton41->click();
    w.RzButton41->click();
    EXPECT_FALSE(w.RzGroupBox8->isHidden());
    EXPECT_EQ(counter.hides, 0);
    EXPECT_EQ(w.PanelKind, kPanelEq);
    EXPECT_EQ(w.CurrentSection, 0);
    EXPECT_EQ(w.RzButton41->color(), kOpen);
    EXPECT_EQ(w.SwitchingEq, 0);
}

TEST_F(PanelsB, AnotherOutputsEqButtonSwitchesWithoutHiding) {
    w.state().band(6 + 2).FreqIndex = 200;  // output 2, band 3
    w.RzButton41->click();
    HideCounter counter(w.RzGroupBox8);
    w.RzButton47->click();
    EXPECT_EQ(counter.hides, 0);
    EXPECT_FALSE(w.RzGroupBox8->isHidden());
    EXPECT_EQ(w.CurrentSection, 1);
    EXPECT_EQ(w.RzButton41->color(), kNormal);
    EXPECT_EQ(w.RzButton47->color(), kOpen);
    EXPECT_EQ(w.SwitchingEq, 0);
    // The band table shows output 2's bands.
    EXPECT_EQ(w.RzEdit96->text(), QStringLiteral("6350"));
    EXPECT_EQ(w.RzLabel19->text(), QStringLiteral("中--EQ "));
}

TEST_F(PanelsB, EqCloseBoxHidesTheFrame) {
    w.RzButton4->click();
    w.SpeedButton22->click();
    EXPECT_TRUE(w.RzGroupBox8->isHidden());
    EXPECT_EQ(w.PanelKind, kPanelNone);
    EXPECT_EQ(w.CurrentSection, kSectionNone);
    EXPECT_EQ(w.RzButton4->color(), kNormal);
}

TEST_F(PanelsB, OpeningAPanelClosesTheOpenOne) {
    struct Case {
        ColorButton* opener;
        QWidget* panel;
        ColorButton* next;
        QToolButton* closer;
    };
    const Case cases[] = {
        {w.RzButton44, w.RzGroupBox6, w.RzButton41, w.SpeedButton18},
        {w.RzButton55, w.RzGroupBox7, w.RzButton57, w.SpeedButton21},
        {w.RzButton5, w.RzGroupBox6, w.RzButton11, w.SpeedButton18},
        {w.RzButton11, w.RzGroupBox13, w.RzButton50, w.SpeedButton4},
        {w.RzButton53, w.RzGroupBox8, w.RzButton49, w.SpeedButton22},
    };
    for (const Case& c : cases) {
        c.opener->click();
        ASSERT_FALSE(c.panel->isHidden()) << c.opener->objectName().toStdString();
        c.next->click();
        EXPECT_TRUE(c.panel->isHidden()) << c.opener->objectName().toStdString();
        EXPECT_EQ(c.opener->color(), kNormal);
        EXPECT_EQ(c.next->color(), kOpen);
        c.closer->click();  // any close box closes whatever is open
        EXPECT_EQ(w.PanelKind, kPanelNone);
        EXPECT_EQ(c.next->color(), kNormal);
    }
}

TEST_F(PanelsB, CloseBoxesCloseTheirPanel) {
    w.RzButton43->click();
    w.SpeedButton21->click();
    EXPECT_TRUE(w.RzGroupBox7->isHidden());
    EXPECT_EQ(w.RzButton43->color(), kNormal);
    w.RzButton11->click();
    EXPECT_EQ(w.RzGroupBox13->pos(), QPoint(7, 232));
    EXPECT_EQ(w.PanelKind, kPanelTemperature);
    EXPECT_EQ(w.CurrentSection, 0);
    w.SpeedButton4->click();
    EXPECT_TRUE(w.RzGroupBox13->isHidden());
    EXPECT_EQ(w.RzButton11->color(), kNormal);
    EXPECT_EQ(w.CurrentSection, kSectionNone);
}

TEST_F(PanelsB, PanelsShowTheStateOfTheirOutput) {
    w.state().Outputs[2].Gain = 80;
    w.state().Outputs[1].Delay = 412;
    w.state().Outputs[0].Limiter = {19, 6, 3};
    w.state().Master.Delay = 1;

    w.RzButton57->click();
    EXPECT_EQ(w.RzEdit17->text(), QStringLiteral("-12.0 dB"));
    EXPECT_EQ(w.KnobTop[2], 147 - 5);
    EXPECT_EQ(w.Image2->canvas().copy(73, 142, 12, 13), w.pictures().knob);
    EXPECT_NE(w.Image2->canvas().copy(73, 56, 12, 13), w.pictures().knob);  // moved away

    w.RzButton50->click();
    EXPECT_EQ(w.ScrollBar1->value(), 412);
    EXPECT_EQ(w.RzEdit18->text(), QStringLiteral("8.652 Ms"));
    EXPECT_EQ(w.RzLabel3->text(), QStringLiteral("2.980 Mm"));
    EXPECT_EQ(w.RzLabel20->text(), QStringLiteral("9.777 Ft"));
    EXPECT_EQ(w.LoadingControls, 0);
    EXPECT_EQ(w.RzLabel4->text(), QStringLiteral("中--延迟  "));

    w.RzButton5->click();
    EXPECT_EQ(w.RzEdit18->text(), QStringLiteral("0.021 Ms"));
    EXPECT_EQ(w.RzLabel4->text(), QStringLiteral("主控\\延迟  "));
    EXPECT_EQ(w.CurrentSection, kSectionMaster);

    w.RzButton43->click();
    EXPECT_EQ(w.RzComboBox2->currentText(), QStringLiteral("0dBu"));
    EXPECT_EQ(w.RzComboBox3->currentText(), QStringLiteral("50 ms"));
    EXPECT_EQ(w.RzComboBox5->currentText(), QStringLiteral("700ms"));
    EXPECT_EQ(w.RzLabel5->text(), QStringLiteral("高--限幅器   "));
}

TEST(PanelTitles, EqAndCrossoverTitlesPerSection) {
    struct Case {
        Edition edition;
        int section;
        const char* eq;
        const char* crossover;
    };
    const Case cases[] = {
        {Edition::B, 0, "高--EQ", "高--高低通 "},   {Edition::B, 1, "中--EQ ", "中--高低通"},
        {Edition::B, 2, "低--EQ ", "低--高低通"},   {Edition::B, 3, "主控 EQ ", "主控\\高低通"},
        {Edition::A, 0, "高音--EQ", "高音-滤波器"}, {Edition::A, 1, "中音-EQ", "中音滤波器"},
        {Edition::A, 2, "低音-EQ", "低音滤波器"},   {Edition::A, 3, "主控--EQ", "主控-滤波器"},
    };
    for (const Case& c : cases) {
        WindowFixture f(c.edition);
        f.finishStartup();
        f.form->openEqFrame(c.section);
        EXPECT_EQ(f.form->RzLabel19->text(), QString::fromUtf8(c.eq));
        EXPECT_EQ(f.form->RzLabel18->text(), QString::fromUtf8(c.crossover));
        // Edition A keeps both titles hidden.
        EXPECT_EQ(f.form->RzLabel19->isHidden(), c.edition == Edition::A);
        EXPECT_EQ(f.form->RzLabel18->isHidden(), c.edition == Edition::A);
    }
}

class PanelsA : public ::testing::Test {
protected:
    PanelsA() { f.finishStartup(); }
    WindowFixture f{Edition::A};
    TForm1& w = *f.form;
};

TEST_F(PanelsA, MasterEqIsOpenFromTheStart) {
    EXPECT_EQ(w.PanelKind, kPanelEq);
    EXPECT_EQ(w.CurrentSection, kSectionMaster);
    EXPECT_FALSE(w.RzGroupBox8->isHidden());
    EXPECT_EQ(w.RzEdit95->text(), QStringLiteral("51.1"));
    EXPECT_EQ(w.RzEdit102->text(), QStringLiteral("1"));
    EXPECT_EQ(w.RzEdit107->text(), QStringLiteral("0"));
    EXPECT_EQ(w.RzEdit206->text(), QStringLiteral("21900"));
}

TEST_F(PanelsA, EqCloseBoxChangesNothing) {
    w.SpeedButton22->click();
    EXPECT_FALSE(w.RzGroupBox8->isHidden());
    EXPECT_FALSE(w.RzGroupBox12->isHidden());
    EXPECT_EQ(w.PanelKind, kPanelEq);
    EXPECT_EQ(w.CurrentSection, kSectionMaster);
    EXPECT_EQ(w.SwitchingEq, 0);
    EXPECT_EQ(w.RzButton4->color(), kOpen);
}

TEST_F(PanelsA, MasterDelayFillsTheDelayBoxInPlace) {
    w.state().Master.Delay = 412;
    const QPoint before = w.RzGroupBox6->pos();
    w.RzButton5Click();
    EXPECT_EQ(w.PanelKind, kPanelDelay);
    EXPECT_EQ(w.CurrentSection, kSectionMaster);
    EXPECT_EQ(w.RzEdit18->text(), QStringLiteral("8.652 Ms"));
    EXPECT_EQ(w.RzLabel3->text(), QStringLiteral("2.980 Mt"));
    EXPECT_TRUE(w.RzGroupBox6->isHidden());
    EXPECT_EQ(w.RzGroupBox6->pos(), before);
    EXPECT_FALSE(w.RzGroupBox8->isHidden());
}

TEST_F(PanelsA, ABlockSelectsTheMasterPanelsAndShowsItsValues) {
    DeviceState s;
    s.Master.Bands[0].FreqIndex = 60;
    s.Master.Bands[1].PeakGain = 145;
    s.Master.Delay = 412;
    s.Master.Volume = 0;
    s.Outputs[1].On = 0;
    s.Outputs[2].Polarity = 1;
    s.Master.Bridge = 1;
    w.RzCheckBox2->setChecked(true);
    f.link.RxHexBuffer = blockTextOf(s);
    w.engine().ApplyLiveBlock();
    EXPECT_EQ(w.CurrentSection, kSectionMaster);
    EXPECT_EQ(w.PanelKind, kPanelDelay);
    EXPECT_EQ(w.RzEdit94->text(), QStringLiteral("111"));
    EXPECT_EQ(w.RzEdit107->text(), QStringLiteral("5"));
    EXPECT_EQ(w.RzEdit18->text(), QStringLiteral("8.652 Ms"));
    EXPECT_FALSE(w.RzCheckBox2->isChecked());
    EXPECT_EQ(w.TrackBar1->value(), 301);
    EXPECT_EQ(w.Label1->text(), QStringLiteral("静音"));
    EXPECT_EQ(w.RzButton52->color(), QColor(255, 0, 0));
    EXPECT_EQ(w.RzButton46->color(), kNormal);
    EXPECT_EQ(w.RzButton3->text(), QStringLiteral("-"));
    EXPECT_EQ(w.RzButton7->color(), QColor(0, 128, 0));
    EXPECT_EQ(w.LoadingControls, 0);
    // The master curve shows band 2's +5 dB.
    const BandMarker& m = w.graph().BandMarkers()[19];
    EXPECT_EQ(m.y, DbToY(5.0));
    EXPECT_GT(w.graph().curves().BandCurve[19][static_cast<std::size_t>(curveElement(m.x))], 4.0);
}

TEST_F(PanelsB, ABlockLeavesTheOpenSectionAndItsPlot) {
    w.RzButton41->click();
    DeviceState s;
    for (int b = 0; b < 6; ++b) s.Master.Bands[b].PeakGain = 170;
    f.link.RxHexBuffer = blockTextOf(s);
    w.engine().ApplyLiveBlock();
    EXPECT_EQ(w.CurrentSection, 0);
    EXPECT_EQ(w.PanelKind, kPanelEq);
    EXPECT_EQ(w.RzButton41->color(), kOpen);
    // Output 1 is flat: the plot still shows the 0 dB row.
    EXPECT_EQ(w.graph().plot().pixel(300, 86) | 0xFF000000u, qRgb(255, 0, 0));
    // The master's curves were renewed all the same.
    EXPECT_GT(w.graph().curves().BandCurve[23][static_cast<std::size_t>(curveElement(430))], 5.0);
}

TEST_F(PanelsB, BridgeDisplayHidesOutputTwosRow) {
    w.showBridgeMode(true);
    for (QWidget* hidden :
         {static_cast<QWidget*>(w.RzButton52), static_cast<QWidget*>(w.RzButton51),
          static_cast<QWidget*>(w.RzButton47), static_cast<QWidget*>(w.RzButton49),
          static_cast<QWidget*>(w.RzButton50), static_cast<QWidget*>(w.RzButton2),
          static_cast<QWidget*>(w.Image7)})
        EXPECT_TRUE(hidden->isHidden()) << hidden->objectName().toStdString();
    EXPECT_EQ(w.Image1->size(), QSize(28, 30));
    EXPECT_EQ(w.RzButton7->color(), QColor(0, 128, 0));
    w.showBridgeMode(false);
    EXPECT_FALSE(w.RzButton47->isHidden());
    EXPECT_EQ(w.Image1->size(), QSize(30, 28));
    EXPECT_EQ(w.RzButton7->color(), kNormal);
}

TEST_F(PanelsB, LockAndUnlockPanels) {
    w.LockPanels();
    EXPECT_FALSE(w.GroupBox1->isEnabled());
    EXPECT_FALSE(w.GroupBox2->isEnabled());
    EXPECT_FALSE(w.GroupBox3->isEnabled());
    EXPECT_FALSE(w.RzGroupBox4->isEnabled());
    EXPECT_TRUE(w.RzGroupBox8->isEnabled());  // not part of edition B's set
    w.UnlockPanels();
    EXPECT_TRUE(w.GroupBox1->isEnabled());
    EXPECT_TRUE(w.RzGroupBox4->isEnabled());
}

TEST_F(PanelsB, BridgeItemShowsThePictureWindowModally) {
    bool wasModal = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        wasModal = modal == w.form4();
        w.form4()->accept();
    });
    w.BTL1->trigger();
    EXPECT_TRUE(wasModal);
    EXPECT_TRUE(w.form4()->isHidden());
}

}  // namespace
}  // namespace ampdesk::test
