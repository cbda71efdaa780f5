#pragma once

#include <QRect>
#include <array>

#include "edition.h"

namespace ampdesk {

// Where the window's groups and the edition-dependent parts of their content
// sit. Everything that is placed differently in the two editions is here;
// positions are in the parent's client coordinates.
struct EditionLayout {
    // Whole window (menu bar, client area and status bar).
    int windowWidth;
    int windowHeight;

    // Groups of the client area.
    QRect groupBox1;     // the strip
    QRect groupBox2;     // connection bar
    QRect groupBox3;     // file and search buttons
    QRect rzGroupBox8;   // EQ frame
    QRect rzGroupBox12;  // editors area; inside the EQ frame when editorsInEqFrame
    bool editorsInEqFrame;
    QRect rzGroupBox2;   // search results
    QRect rzGroupBox3;   // search progress
    QRect rzGroupBox1;   // exchange progress
    QRect rzGroupBox16;  // initial-data box
    QRect rzGroupBox13;  // temperature setting; empty when the edition has none

    // Inside the EQ frame.
    QRect image5;
    QRect speedButton22;
    QRect rzLabel19;
    QRect rzLabel18;  // in the crossover box

    // Band table: its box (empty: the rows sit directly in the editors area),
    // the columns of the fields and spin buttons, the row tops.
    QRect bandTableBox;
    int bandLabelLeft;
    int bandLabelWidth;
    std::array<int, 4> bandColumn;  // frequency, Q, gain, type
    std::array<int, 3> bandSpin;    // frequency, Q, gain
    std::array<int, 4> bandFieldWidth;
    std::array<int, 6> bandRow;
    int bandHeadingTop;
    int bypassLeft;  // edition A's bypass boxes; 0: none
    QRect resetButton;
    QRect bassCompensationInTable;  // empty: the button sits in the strip

    QRect crossoverBox;
    int crossoverTop;  // first row inside the box

    // Edition A's fixed boxes of the editors area; empty in edition B.
    QRect delayBox;
    QRect signalBox;
    QRect temperatureBox;

    // File box: the three pairs side by side (A) or one column (B), and the
    // temperature display of edition B.
    bool fileButtonsInColumn;
    QRect fileTemperatureBox;
};

const EditionLayout& editionLayout(Edition edition);

}  // namespace ampdesk
