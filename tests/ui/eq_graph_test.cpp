#include <QCheckBox>
#include <QLineEdit>

#include "block_text.h"
#include "color_button.h"
#include "eq_graph.h"
#include "eq_scales.h"
#include "mouse.h"
#include "number_text.h"
#include "picture_box.h"
#include "protocol_engine.h"
#include "window_fixture.h"

namespace ampdesk::test {
namespace {

const QRgb kFill = qRgb(20, 20, 20);
const QRgb kGrid = qRgb(64, 64, 64);
const QRgb kFrame = qRgb(128, 128, 128);
const QRgb kRed = qRgb(255, 0, 0);

// Edition A: the master section's EQ is open from the start.
class GraphA : public ::testing::Test {
protected:
    WindowFixture f{Edition::A};
    TForm1& w = *f.form;
    EqGraph& graph = w.graph();
    QWidget* image = w.Image5;

    QRgb plotPixel(int x, int y) const { return graph.plot().pixel(x, y) | 0xFF000000u; }
    BandMarker& marker(int flatBand) {
        return graph.BandMarkers()[static_cast<std::size_t>(flatBand)];
    }
    // Recomputes master band b (0..5) with new table values.
    void setMasterBand(int b, int freqIndex, int peakGain) {
        EqBand& band = w.state().band(18 + b);
        band.FreqIndex = freqIndex;
        band.PeakGain = peakGain;
        graph.CurrentBand = 18 + b;
        graph.RecomputeBand(band.BandType);
    }
    // The column where the total is drawn at each x, from the stored curves.
    int totalRow(int x) const {
        const auto& c = w.graph().curves();
        const auto e = static_cast<std::size_t>(curveElement(x));
        double total = c.HighPassCurve[3][e] + c.LowPassCurve[3][e];
        for (int b = 18; b < 24; ++b) total += c.BandCurve[static_cast<std::size_t>(b)][e];
        return DbToY(total);
    }
};

TEST_F(GraphA, GridRowsFrameAndEdgeLines) {
    const QImage& bg = graph.PlotBackground();
    ASSERT_EQ(bg.size(), QSize(720, 249));
    auto px = [&](int x, int y) { return bg.pixel(x, y) | 0xFF000000u; };
    for (int y : {40, 63, 86, 109, 133, 156, 179, 202}) {
        EXPECT_EQ(px(70, y), kGrid) << "row " << y;
        EXPECT_EQ(px(70, y - 1), kFill) << "above row " << y;
        EXPECT_EQ(px(70, y + 1), kFill) << "below row " << y;
    }
    // The frame from (41, 17) to (714, 225).
    EXPECT_EQ(px(41, 17), kFrame);
    EXPECT_EQ(px(714, 17), kFrame);
    EXPECT_EQ(px(714, 225), kFrame);
    EXPECT_EQ(px(41, 120), kFrame);
    EXPECT_EQ(px(714, 120), kFrame);
    EXPECT_EQ(px(300, 225), kFrame);
    EXPECT_EQ(px(40, 120), kFill);
    EXPECT_EQ(px(715, 120), kFill);
    // Level rows stop at the frame, which keeps its colour.
    EXPECT_EQ(px(714, 86), kFrame);
    // Edge lines at 101 and 681, the frequency lines between them.
    EXPECT_EQ(px(101, 120), kGrid);
    EXPECT_EQ(px(681, 120), kGrid);
    EXPECT_EQ(px(681, 18), kGrid);
    EXPECT_EQ(px(681, 224), kGrid);
    EXPECT_EQ(px(681, 17), kFrame);
    int columns = 0;
    for (int x = 42; x < 714; ++x) columns += px(x, 120) == kGrid ? 1 : 0;
    // 27 frequencies, 20 Hz on the left edge line, and the right edge line.
    EXPECT_EQ(columns, 28);
    EXPECT_EQ(px(101 + 1, 120), kFill);
    // Outside the frame only labels.
    EXPECT_EQ(px(30, 120), kFill);
}

TEST_F(GraphA, LabelsSitOnTheirOwnBackground) {
    const QImage& bg = graph.PlotBackground();
    const QRgb labelBg = qRgb(4, 2, 4);
    // The top-left corners of "+15dB", "-30dB", "20Hz" and "20KHz".
    for (QPoint p : {QPoint(4, 10), QPoint(6, 218), QPoint(90, 226), QPoint(666, 226)})
        EXPECT_EQ(bg.pixel(p) | 0xFF000000u, labelBg) << p.x() << "," << p.y();
    // Light text inside the "0dB" label box.
    bool light = false;
    for (int x = 12; x < 34; ++x)
        for (int y = 79; y < 92; ++y) light = light || qGray(bg.pixel(x, y)) > 160;
    EXPECT_TRUE(light);
}

TEST_F(GraphA, FlatTotalOnTheZeroRowBendsAtTheLowPassOffPosition) {
    // Columns clear of the handles, which sit on the 0 dB row too.
    auto clear = [&](int x) {
        for (int b = 18; b < 24; ++b)
            if (std::abs(x - marker(b).x) <= 4) return false;
        return true;
    };
    // Before any curve is computed the total is the 0 dB row.
    for (int x = 42; x <= 713; ++x) {
        if (clear(x)) {
            ASSERT_EQ(plotPixel(x, 86), kRed) << x;
        }
    }
    // Both filters off, alignment 0; bands at 0 dB.
    w.graph().recomputeCrossover(3, FilterSide::HighPass);
    w.graph().recomputeCrossover(3, FilterSide::LowPass);
    for (int x = 42; x <= 700; ++x) {
        ASSERT_EQ(totalRow(x), 86) << x;
        if (clear(x)) {
            ASSERT_EQ(plotPixel(x, 86), kRed) << x;
        }
    }
    EXPECT_EQ(totalRow(713), 88);
    EXPECT_EQ(plotPixel(713, 88), kRed);
    EXPECT_NE(plotPixel(713, 86), kRed);
}

TEST_F(GraphA, HandlesAreDrawnInTheBandColours) {
    for (int b = 0; b < 6; ++b) {
        const BandMarker& m = marker(18 + b);
        EXPECT_EQ(plotPixel(m.x - 4, m.y - 4),
                  EqGraph::kBandColors[static_cast<std::size_t>(b)] | 0xFF000000u);
        EXPECT_EQ(plotPixel(m.x + 3, m.y + 3),
                  EqGraph::kBandColors[static_cast<std::size_t>(b)] | 0xFF000000u);
        EXPECT_NE(plotPixel(m.x + 4, m.y + 4),
                  EqGraph::kBandColors[static_cast<std::size_t>(b)] | 0xFF000000u);
    }
}

TEST_F(GraphA, TwoHandlesOnOneSpotSelectTheLowerBand) {
    setMasterBand(3, 40, 150);  // bands 2 and 4 on one spot
    setMasterBand(1, 40, 150);
    ASSERT_EQ(marker(21), marker(19));
    press(image, QPoint(marker(19).x + 3, marker(19).y - 3));
    EXPECT_TRUE(graph.DragActive);
    EXPECT_EQ(graph.CurrentBand, 19);
    release(image, QPoint(0, 0));
    EXPECT_FALSE(graph.DragActive);
}

TEST_F(GraphA, PressOutsideEveryHandleStartsNoDrag) {
    const BandMarker m = marker(18);
    press(image, QPoint(m.x + 8, m.y));  // bounds are exclusive
    EXPECT_FALSE(graph.DragActive);
    moveTo(image, QPoint(300, 60));
    EXPECT_EQ(marker(18), m);
}

TEST_F(GraphA, DragSnapsToTheTablesAndUpdatesTheFields) {
    const BandMarker start = marker(20);  // band 3: 102 Hz
    press(image, QPoint(start.x, start.y));
    ASSERT_EQ(graph.CurrentBand, 20);
    moveTo(image, QPoint(430, 60));
    const EqBand& band = w.state().band(20);
    EXPECT_EQ(band.FreqIndex, XToFreqIndex(430));
    EXPECT_EQ(band.PeakGain, YToGainIndex(60));
    EXPECT_EQ(band.ShelfGain, 120);
    EXPECT_EQ(band.QIndex, 4);
    // The handle settles on the snapped values.
    EXPECT_EQ(marker(20).x, FreqToX(FrequencyTable[band.FreqIndex]));
    EXPECT_EQ(marker(20).y, DbToY(EqGainTable[band.PeakGain]));
    EXPECT_EQ(w.RzEdit96->text(),
              QString::fromStdString(FormatTableValue(FrequencyTable[band.FreqIndex])));
    EXPECT_EQ(w.RzEdit108->text(),
              QString::fromStdString(FormatTableValue(EqGainTable[band.PeakGain])));
    EXPECT_EQ(w.RzEdit94->text(), QStringLiteral("19.7"));  // other rows untouched
    // The curve follows: a peak above the 0 dB row near the handle.
    EXPECT_LT(totalRow(marker(20).x), 86);
    EXPECT_EQ(plotPixel(marker(20).x, marker(20).y), EqGraph::kBandColors[2] | 0xFF000000u);
}

TEST_F(GraphA, ShelfBandsDragTheirShelfGain) {
    EqBand& band = w.state().band(22);
    band.BandType = 2;
    graph.CurrentBand = 22;
    graph.RecomputeBand(2);
    press(image, QPoint(marker(22).x, marker(22).y));
    moveTo(image, QPoint(marker(22).x, 150));
    EXPECT_EQ(band.ShelfGain, YToGainIndex(150));
    EXPECT_EQ(band.PeakGain, 120);
}

TEST_F(GraphA, AboveTheTopLimitYIsKeptWhileXFollows) {
    press(image, QPoint(marker(19).x, marker(19).y));
    const int yBefore = marker(19).y;
    moveTo(image, QPoint(300, 20));
    EXPECT_EQ(w.state().band(19).FreqIndex, XToFreqIndex(300));
    EXPECT_EQ(w.state().band(19).PeakGain, YToGainIndex(yBefore));
    // Outside both limits neither axis follows: the handle snaps again from
    // where it sits.
    const BandMarker kept = marker(19);
    moveTo(image, QPoint(700, 230));
    EXPECT_EQ(w.state().band(19).FreqIndex, XToFreqIndex(kept.x));
    EXPECT_EQ(w.state().band(19).PeakGain, YToGainIndex(kept.y));
    // At the limits themselves the pointer is followed.
    moveTo(image, QPoint(689, 198));
    EXPECT_EQ(w.state().band(19).FreqIndex, XToFreqIndex(689));
    EXPECT_EQ(w.state().band(19).PeakGain, YToGainIndex(198));
}

TEST_F(GraphA, TwelveDecibelBandSitsAboveTheDragLimit) {
    setMasterBand(1, 100, 180);
    ASSERT_EQ(marker(19).y, 30);
    press(image, QPoint(marker(19).x, 30));
    ASSERT_EQ(graph.CurrentBand, 19);
    moveTo(image, QPoint(marker(19).x, 32));
    EXPECT_EQ(w.state().band(19).PeakGain, 180);
    EXPECT_EQ(marker(19).y, 30);
    moveTo(image, QPoint(marker(19).x, 33));
    EXPECT_EQ(w.state().band(19).PeakGain, 179);
    EXPECT_EQ(w.RzEdit107->text(), QStringLiteral("11.8"));
}

TEST_F(GraphA, ADragKeepsItsBandWhenAParameterBlockArrives) {
    press(image, QPoint(marker(20).x, marker(20).y));  // band 3
    ASSERT_TRUE(graph.DragActive);
    // The block renews every band's curve on the way in.
    f.link.RxHexBuffer = blockTextOf(DeviceState{});
    w.engine().ApplyLiveBlock();
    moveTo(image, QPoint(600, 150));
    EXPECT_EQ(graph.CurrentBand, 20);
    EXPECT_EQ(w.state().band(20).FreqIndex, XToFreqIndex(600));
    EXPECT_EQ(w.state().band(23).FreqIndex, 136);  // band 6 stays where the block put it
    EXPECT_EQ(w.state().band(23).PeakGain, 120);
}

TEST_F(GraphA, MovesWithoutAPressChangeNothing) {
    const EqBand before = w.state().band(18);
    moveTo(image, QPoint(400, 100));
    EXPECT_EQ(w.state().band(18).FreqIndex, before.FreqIndex);
    EXPECT_FALSE(graph.DragActive);
}

TEST_F(GraphA, BypassBoxFlattensItsBandAtOnceAndUncheckingBringsItBack) {
    setMasterBand(2, 120, 150);           // band 3: +6 dB at 630 Hz
    const int peakX = marker(20).x + 12;  // beside the handle
    const int peakRow = totalRow(peakX);
    ASSERT_LT(peakRow, 80);
    ASSERT_EQ(plotPixel(peakX, peakRow), kRed);

    w.RzCheckBox3->click();
    EXPECT_EQ(totalRow(peakX), 86);
    EXPECT_EQ(plotPixel(peakX, 86), kRed);
    EXPECT_NE(plotPixel(peakX, peakRow), kRed);
    for (int x = 42; x <= 713; ++x)
        ASSERT_EQ(graph.curves().BandCurve[20][static_cast<std::size_t>(curveElement(x))], 0.0);
    // The handle keeps showing the stored gain.
    EXPECT_EQ(marker(20).y, DbToY(EqGainTable[150]));

    w.RzCheckBox3->click();
    EXPECT_EQ(totalRow(peakX), peakRow);
    EXPECT_EQ(plotPixel(peakX, peakRow), kRed);
}

TEST_F(GraphA, BypassAppliesToWhicheverBandIsDrawnNextUntilRecomputed) {
    setMasterBand(0, 60, 150);
    w.RzCheckBox1->setChecked(true);  // no handler: nothing recomputed yet
    // Another band's edit redraws the section; row 1's band is drawn flat.
    setMasterBand(4, 112, 120);
    for (int x = 42; x <= 713; x += 13)
        EXPECT_EQ(graph.curves().BandCurve[18][static_cast<std::size_t>(curveElement(x))], 0.0);
    w.RzCheckBox1->setChecked(false);
    setMasterBand(4, 112, 120);
    // Still flat: only recomputing band 1 brings its curve back.
    EXPECT_EQ(graph.curves().BandCurve[18][static_cast<std::size_t>(curveElement(marker(18).x))],
              0.0);
    setMasterBand(0, 60, 150);
    EXPECT_GT(graph.curves().BandCurve[18][static_cast<std::size_t>(curveElement(marker(18).x))],
              5.0);
}

TEST_F(GraphA, PressMovesTheFocusToTheFirstFrequencyField) {
    f.showActive();
    w.RzEdit206->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(w.RzEdit206->hasFocus());
    press(image, QPoint(5, 5));
    QApplication::processEvents();
    EXPECT_TRUE(w.RzEdit94->hasFocus());
}

TEST_F(GraphA, DraggingWhileConnectedMarksTheBandMessage) {
    f.backend.addDevice("/dev/ttyFAKE0");
    f.link.setPortResolver([](int) { return std::optional<std::string>("/dev/ttyFAKE0"); });
    f.link.CurrentPort = 1;
    f.link.Open();
    ASSERT_TRUE(f.link.PortOpen());
    press(image, QPoint(marker(23).x, marker(23).y));
    moveTo(image, QPoint(500, 120));
    EXPECT_TRUE(w.engine().sender().pending(35));
    EXPECT_FALSE(w.engine().sender().pending(34));
}

TEST(GraphB, DragsTheOpenOutputsBands) {
    WindowFixture f(Edition::B);
    f.finishStartup();
    TForm1& w = *f.form;
    w.RzButton47->click();  // output 2
    EqGraph& graph = w.graph();
    const BandMarker m = graph.BandMarkers()[6 + 4];
    press(w.Image5, QPoint(m.x, m.y));
    EXPECT_EQ(graph.CurrentBand, 10);
    moveTo(w.Image5, QPoint(600, 150));
    EXPECT_EQ(w.state().band(10).FreqIndex, XToFreqIndex(600));
    EXPECT_EQ(w.state().band(22).FreqIndex, 112);  // the master's band 5 untouched
}

}  // namespace
}  // namespace ampdesk::test
