#pragma once

class QWidget;

namespace ampdesk {

class TForm1;

// The window's controls as designed, before any start-up step runs. Each
// function creates one area of the window into the members of the form.
void buildMainMenu(TForm1& form);
void buildStatusBar(TForm1& form);
void buildConnectionBar(TForm1& form, QWidget* client);
void buildFileBox(TForm1& form, QWidget* client);
void buildStrip(TForm1& form, QWidget* client);
void buildEqFrame(TForm1& form, QWidget* client);
void buildFloatingPanels(TForm1& form, QWidget* client);
void buildProgressBoxes(TForm1& form, QWidget* client);

}  // namespace ampdesk
