#pragma once

#include "response_curve.h"

// The magnitude response of one parametric EQ band, computed from the band's
// marker on the plot (not from its table values), so that the curve is what
// the drawn handle shows.
namespace ampdesk {

enum class BandType { Peq = 0, LowShelf = 1, HighShelf = 2 };

// A band's handle on the plot, in plot pixels.
struct BandMarker {
    int x = 0;
    int y = 0;
    friend bool operator==(const BandMarker&, const BandMarker&) = default;
};

// Start marker of band 0..5 of any section: 19.7 .. 1000 Hz on the 0 dB row.
BandMarker DefaultBandMarker(int band);
// Where a band with these table indices sits: FreqToX of its frequency and
// DbToY of its active gain.
BandMarker PlaceBandMarker(int freqIndex, int activeGainIndex);

// Gain the curve is computed with: the marker row's level cut to tenths. A band
// at -3.2 dB sits on row 101 and draws with -3.1.
double MarkerGainDb(int y);

// Fills the curve of one band (columns 42..713; other elements untouched).
// qIndex matters to the peaking shape only. A type outside 0..2 draws flat.
void ComputeBandCurve(BandType type, BandMarker marker, int qIndex, CurveRow& row);

// The section sums behind a band curve, for callers that want to evaluate the
// band at other angles; type and marker as above.
SectionSums BandSectionSums(BandType type, BandMarker marker, int qIndex);

}  // namespace ampdesk
