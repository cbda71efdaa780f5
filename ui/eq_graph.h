#pragma once

#include <QImage>
#include <array>

#include "band_response.h"
#include "protocol_view.h"
#include "response_curve.h"

namespace ampdesk {

class TForm1;

// The EQ plot Image5: the grid drawn once, the open section's total
// response, and the six band handles that can be dragged. Every change redraws
// the whole plot into the picture's off-screen image, which the picture then
// copies to the screen.
class EqGraph {
public:
    explicit EqGraph(TForm1& form);

    // ---- Drawing ----
    // Builds PlotBackground: the fill, the frame, the level and frequency
    // lines and their labels.
    void DrawPlotGrid(int width, int height);
    // Copies PlotBackground onto the plot.
    void ClearPlot();
    // The total response of CurrentSection in red. Edition A first flattens
    // the stored curves of the bands whose bypass box is ticked, unless
    // applyBypass is false (opening a panel draws without that step).
    void DrawSectionTotal(bool applyBypass = true);
    // The six handles of a section, each 8 x 8 in its band colour, numbered.
    void DrawBandMarkers(int section);
    // ClearPlot, the total as stored, the handles: what opening a section's
    // panel draws.
    void redrawSection();

    // ---- Curves ----
    // Places the handle of CurrentBand on its table values, recomputes the
    // band's curve with the shape of type (0 PEQ, 1 LS, 2 HS) and redraws.
    void RecomputeBand(int type);
    // Recomputes one crossover curve of channel 0..3 from its stored filter
    // and redraws the open section.
    void recomputeCrossover(int channel, FilterSide side);

    // ---- Mouse ----
    void Image5MouseDown(int x, int y);
    void Image5MouseMove(int x, int y);
    void Image5MouseUp();

    const QImage& PlotBackground() const { return m_background; }
    const QImage& plot() const;
    ResponseCurves& curves() { return m_curves; }
    std::array<BandMarker, 24>& BandMarkers() { return m_markers; }

    // The band last edited or being dragged (flat number 0..23).
    int CurrentBand = 0;
    bool DragActive = false;

    // Where a drag may put a handle.
    static constexpr int kDragLeft = 97;
    static constexpr int kDragRight = 689;
    static constexpr int kDragTop = 32;
    static constexpr int kDragBottom = 198;

    static const std::array<QRgb, 6> kBandColors;

private:
    void update();
    QImage& canvas();

    TForm1& m_form;
    QImage m_background;
    ResponseCurves m_curves;
    std::array<BandMarker, 24> m_markers;
};

}  // namespace ampdesk
