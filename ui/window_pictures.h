#pragma once

#include <QImage>

namespace ampdesk {

// The pictures the window draws with: drawn once by the program at the sizes
// the controls expect.
struct WindowPictures {
    WindowPictures();

    QImage faderBackground;   // 163 x 250: scale +5 dB (y 26) .. -20 dB (y 205)
    QImage knob;              // 12 x 13, at rest
    QImage knobPressed;       // 12 x 13, while dragged
    QImage iconDisconnected;  // 25 x 25: red disc, white cross
    QImage iconConnected;     // 25 x 25: green disc, white tick
    QImage rowArrow;          // 30 x 28: grey, pointing right
    QImage bridgeArrow;       // 28 x 30: grey, pointing down
    QImage delayBackground;   // 164 x 219
    QImage bridgeDiagram;     // 713 x 157
};

// A thin grey line joining a row's arrow to its buttons, as wide as the row
// needs.
QImage drawRowLine(int width);

}  // namespace ampdesk
