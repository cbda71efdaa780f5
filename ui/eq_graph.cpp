#include "eq_graph.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "crossover_response.h"
#include "eq_scales.h"
#include "number_text.h"
#include "picture_box.h"
#include "protocol_engine.h"
#include "tform1.h"

namespace ampdesk {

namespace {

const QColor kFillColor(20, 20, 20);
const QColor kFrameColor(128, 128, 128);
const QColor kGridColor(64, 64, 64);
const QColor kLabelBackground(4, 2, 4);
const QColor kTotalColor(255, 0, 0);

struct GridLabel {
    const char* text;
    int x;
    int y;
};

// clang-format off
constexpr GridLabel kGridLabels[] = {
    {"+15dB", 4, 10},  {"+10dB", 4, 33},  {"+5dB", 8, 56},   {"0dB", 12, 79},    {"-5dB", 9, 102},
    {"-10dB", 6, 126}, {"-15dB", 6, 149}, {"-20dB", 6, 172}, {"-25dB", 6, 195},  {"-30dB", 6, 218},
    {"20Hz", 90, 226}, {"50Hz", 166, 226}, {"100Hz", 222, 226}, {"200Hz", 280, 226}, {"500Hz", 357, 226},
    {"1KHz", 417, 226}, {"2KHz", 475, 226}, {"5KHz", 552, 226}, {"10KHz", 607, 226}, {"20KHz", 666, 226},
};
// clang-format on

// Arial 8 as the grid labels are set: an 11-pixel em on a 96-dpi screen.
QFont labelFont() {
    QFont f("Arial");
    f.setPixelSize(11);
    return f;
}

// A line from (x0, y) up to but not including (x1, y), as a pen's line-to
// draws it; likewise vertically.
void hLine(QPainter& p, int x0, int x1, int y) {
    p.drawLine(x0, y, x1 - 1, y);
}
void vLine(QPainter& p, int x, int y0, int y1) {
    p.drawLine(x, y0, x, y1 - 1);
}

// Plot rows far outside the picture are drawn clipped; keep them in int range.
int totalToY(double total) {
    if (std::isnan(total)) total = 0.0;
    return DbToY(std::clamp(total, -1.0e6, 1.0e6));
}

}  // namespace

const std::array<QRgb, 6> EqGraph::kBandColors = {qRgb(255, 252, 0), qRgb(255, 0, 0),
                                                  qRgb(0, 252, 255), qRgb(0, 252, 0),
                                                  qRgb(255, 0, 255), qRgb(0, 0, 255)};

EqGraph::EqGraph(TForm1& form) : m_form(form) {
    for (int b = 0; b < 24; ++b) m_markers[static_cast<std::size_t>(b)] = DefaultBandMarker(b % 6);
}

QImage& EqGraph::canvas() {
    return m_form.Image5->canvas();
}

const QImage& EqGraph::plot() const {
    return m_form.Image5->canvas();
}

void EqGraph::update() {
    m_form.Image5->update();
}

void EqGraph::DrawPlotGrid(int width, int height) {
    const int w = width;
    const int h = height;
    m_background = QImage(w, h, QImage::Format_RGB32);
    QPainter p(&m_background);

    m_background.fill(kFillColor);

    p.setPen(kFrameColor);
    p.drawRect(41, 17, (w - 6) - 41, (h - 24) - 17);

    p.setPen(kGridColor);
    for (int j = 1; j <= 8; ++j) hLine(p, 42, w - 6, GridRowY(j, h));

    // 20 .. 100 Hz in tens, 200 .. 1000 Hz in hundreds, 2 .. 10 kHz in thousands.
    for (int decade = 10; decade <= 1000; decade *= 10) {
        for (int k = 2; k <= 10; ++k) vLine(p, GridColumnX(decade * k, w), 18, h - 24);
    }
    vLine(p, plotLeftMargin(w) + 41, 18, h - 24);
    vLine(p, w - plotRightMargin(w) - 6, 18, h - 24);

    // Labels on an opaque background the size of the text.
    const QFont font = labelFont();
    const QFontMetrics metrics(font);
    p.setFont(font);
    p.setPen(QColor(255, 255, 255));
    for (const GridLabel& label : kGridLabels) {
        const QString text = QString::fromLatin1(label.text);
        const QRect box(label.x, label.y, metrics.horizontalAdvance(text), metrics.height());
        p.fillRect(box, kLabelBackground);
        p.drawText(label.x, label.y + metrics.ascent(), text);
    }
}

void EqGraph::ClearPlot() {
    canvas() = m_background;
    update();
}

void EqGraph::DrawSectionTotal(bool applyBypass) {
    const int s = m_form.CurrentSection;
    if (s < 0 || s > kSectionMaster) return;
    if (applyBypass && m_form.edition() == Edition::A) {
        // A ticked bypass box flattens the stored curve of its band of the
        // section drawn; it stays flat until the band is computed again.
        for (int b = 0; b < 6; ++b) {
            const QCheckBox* box = m_form.bandRows[static_cast<std::size_t>(b)].bypass;
            if (box && box->isChecked())
                FlattenCurve(m_curves.BandCurve[static_cast<std::size_t>(s * 6 + b)]);
        }
    }

    const CurveRow* rows[8];
    for (int b = 0; b < 6; ++b) rows[b] = &m_curves.BandCurve[static_cast<std::size_t>(s * 6 + b)];
    rows[6] = &m_curves.HighPassCurve[static_cast<std::size_t>(s)];
    rows[7] = &m_curves.LowPassCurve[static_cast<std::size_t>(s)];

    std::array<QPoint, kCurveColumns> points;
    for (int x = kFirstCurveColumn; x <= kLastCurveColumn; ++x) {
        const auto e = static_cast<std::size_t>(curveElement(x));
        double total = 0.0;
        for (const CurveRow* row : rows) total += (*row)[e];
        points[static_cast<std::size_t>(x - kFirstCurveColumn)] = QPoint(x, totalToY(total));
    }
    QPainter p(&canvas());
    p.setPen(kTotalColor);
    p.drawPolyline(points.data(), static_cast<int>(points.size()));
    update();
}

void EqGraph::DrawBandMarkers(int section) {
    if (section < 0 || section > kSectionMaster) return;
    QPainter p(&canvas());
    for (int b = 0; b < 6; ++b) {
        const BandMarker& m = m_markers[static_cast<std::size_t>(section * 6 + b)];
        p.fillRect(QRect(m.x - 4, m.y - 4, 8, 8), QColor(kBandColors[static_cast<std::size_t>(b)]));
    }
    const QFont font = labelFont();
    const QFontMetrics metrics(font);
    p.setFont(font);
    p.setPen(QColor(255, 255, 255));
    for (int b = 0; b < 6; ++b) {
        const BandMarker& m = m_markers[static_cast<std::size_t>(section * 6 + b)];
        // Above the handle in the upper half of the plot, below it in the lower.
        const int top = m.y < 117 ? m.y - 18 : m.y + 4;
        p.drawText(m.x - 2, top + metrics.ascent(), QString::number(b + 1));
    }
    update();
}

void EqGraph::redrawSection() {
    ClearPlot();
    DrawSectionTotal(false);
    DrawBandMarkers(m_form.CurrentSection);
}

void EqGraph::RecomputeBand(int type) {
    const int flat = std::clamp(CurrentBand, 0, 23);
    const EqBand& band = m_form.state().band(flat);
    BandMarker& marker = m_markers[static_cast<std::size_t>(flat)];
    marker = PlaceBandMarker(band.FreqIndex, type == 0 ? band.PeakGain : band.ShelfGain);
    ClearPlot();
    ComputeBandCurve(static_cast<BandType>(type), marker, band.QIndex,
                     m_curves.BandCurve[static_cast<std::size_t>(flat)]);
    DrawSectionTotal();
    DrawBandMarkers(m_form.CurrentSection);
}

void EqGraph::recomputeCrossover(int channel, FilterSide side) {
    if (channel < 0 || channel > kSectionMaster) return;
    const auto c = static_cast<std::size_t>(channel);
    const DeviceState& state = m_form.state();
    ClearPlot();
    if (side == FilterSide::HighPass)
        ComputeHighPassCurve(state.hpf(channel).FreqIndex, state.hpf(channel).Alignment,
                             m_curves.HighPassCurve[c]);
    else
        ComputeLowPassCurve(state.lpf(channel).FreqIndex, state.lpf(channel).Alignment,
                            m_curves.LowPassCurve[c]);
    DrawSectionTotal();
    DrawBandMarkers(m_form.CurrentSection);
}

void EqGraph::Image5MouseDown(int x, int y) {
    // Leaving the field being edited commits it before the drag starts.
    m_form.RzEdit94->setFocus(Qt::MouseFocusReason);
    const int s = m_form.CurrentSection;
    if (s < 0 || s > kSectionMaster) return;
    for (int b = 0; b < 6; ++b) {
        const BandMarker& m = m_markers[static_cast<std::size_t>(s * 6 + b)];
        if (m.x - 8 < x && x < m.x + 8 && m.y - 8 < y && y < m.y + 8) {
            CurrentBand = s * 6 + b;
            DragActive = true;
            return;
        }
    }
}

void EqGraph::Image5MouseMove(int x, int y) {
    if (!DragActive) return;
    BandMarker& marker = m_markers[static_cast<std::size_t>(CurrentBand)];
    // Each axis follows the pointer only inside its limits.
    if (x >= kDragLeft && x <= kDragRight) marker.x = x;
    if (y >= kDragTop && y <= kDragBottom) marker.y = y;

    EqBand& band = m_form.state().band(CurrentBand);
    band.FreqIndex = std::min(XToFreqIndex(marker.x), kFreqIndexMax);
    int& gain = band.BandType == 0 ? band.PeakGain : band.ShelfGain;
    gain = std::min(YToGainIndex(marker.y), kEqGainIndexMax);

    const BandRow& row = m_form.bandRows[static_cast<std::size_t>(CurrentBand % 6)];
    row.freq->setText(QString::fromStdString(
        FormatTableValue(FrequencyTable[static_cast<std::size_t>(band.FreqIndex)])));
    row.gain->setText(
        QString::fromStdString(FormatTableValue(EqGainTable[static_cast<std::size_t>(gain)])));

    // Clears the plot and draws it afresh with the handle on its snapped values.
    RecomputeBand(band.BandType);
    m_form.engine().MarkBand(CurrentBand);
}

void EqGraph::Image5MouseUp() {
    DragActive = false;
}

}  // namespace ampdesk
