#pragma once

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <memory>

#include "edition.h"
#include "edition_layout.h"
#include "window_pictures.h"
#include "window_services.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QSlider;
class QStatusBar;
class QToolButton;

namespace ampdesk {

class ColorButton;
class EqGraph;
class PictureBox;
class ProtocolEngine;
struct DeviceState;
class WindowOperations;
class WindowProtocolView;
class SpinButtons;
class TForm4;
class Timer;

// Which editing panel is open.
enum PanelKindValue : int {
    kPanelNone = -1,
    kPanelEq = 0,
    kPanelLimiter = 1,
    kPanelDelay = 2,
    kPanelGain = 3,
    kPanelSearch = 4,
    kPanelTemperature = 6,
};

inline constexpr int kSectionNone = -1;
inline constexpr int kSectionMaster = 3;

// One row of the band table (band row + 1 of the open section).
struct BandRow {
    QLabel* label;
    QLineEdit* freq;
    SpinButtons* freqSpin;
    QLineEdit* q;
    SpinButtons* qSpin;
    QLineEdit* gain;
    SpinButtons* gainSpin;
    QComboBox* type;
    QCheckBox* bypass;  // edition A only; null in edition B
};

// One output row of the strip.
struct OutputRow {
    QLabel* name;
    PictureBox* arrow;
    ColorButton* mute;
    ColorButton* gain;
    ColorButton* eq;
    ColorButton* limiter;
    ColorButton* delay;
    ColorButton* polarity;
};

// The main window. It holds every control of the program under the names the
// rest of the code knows them by, the window-wide editing state, and the model
// of the one open editing panel.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    TForm1(Edition edition, WindowServices services, QWidget* parent = nullptr);
    ~TForm1() override;

    Edition edition() const { return m_edition; }
    const EditionLayout& layout() const { return m_layout; }
    const WindowServices& services() const { return m_services; }
    const WindowPictures& pictures() const { return m_pictures; }
    TForm4* form4() const { return m_form4.get(); }
    // The device protocol: DeviceState, the send queue, the dispatcher.
    ProtocolEngine& engine() const { return *m_engine; }
    DeviceState& state() const;
    EqGraph& graph() const { return *m_graph; }

    // ---- Window-wide editing state ------------------------------------------
    int CurrentSection = kSectionNone;  // 0..2 outputs, 3 master, -1 none
    int PanelKind = kPanelNone;
    std::uint8_t SwitchingEq = 0;  // an EQ button is closing the previous panel
    int EditGuard = 1;             // 1: the next field entered saves its text
    QString SavedEditText;
    int LoadingControls = 0;  // program code is moving the delay bar or volume slider
    std::array<int, 3> KnobLeft{73, 73, 73};
    std::array<int, 3> KnobTop{62, 62, 62};

    // The responsive pause: handles events until ms have passed.
    void PumpWait(int ms);

    // ---- Panels --------------------------------------------------------------
    // Closes the open editing panel (edition B; edition A has none to close).
    void ClosePanel();
    // Opens the EQ frame for section 0..3.
    void openEqFrame(int section);
    // Opens a floating panel (gain, delay or limiter) of section 0..3 next to
    // the button that was pressed.
    void openFloatingPanel(int kind, int section, ColorButton* pressed);

    void RzButton4Click() { openEqFrame(kSectionMaster); }
    void RzButton41Click() { openEqFrame(0); }
    void RzButton47Click() { openEqFrame(1); }
    void RzButton53Click() { openEqFrame(2); }
    void RzButton45Click();
    void RzButton51Click();
    void RzButton57Click();
    void RzButton44Click();
    void RzButton50Click();
    void RzButton56Click();
    void RzButton43Click();
    void RzButton49Click();
    void RzButton55Click();
    void RzButton5Click();
    void RzButton11Click();  // edition B: temperature setting
    // Close boxes.
    void SpeedButton22Click();
    void SpeedButton17Click();
    void SpeedButton18Click();
    void SpeedButton21Click();
    void SpeedButton4Click();
    // Help menu: the bridge picture.
    void BTL1Click();
    // Edition A's bypass box of band row 0..5: the row's band of the open
    // section is recomputed, so its curve is drawn flat (or back) at once.
    void bypassBoxClick(int row);

    // ---- Filling and showing ----------------------------------------------------
    // The band table shows the bands of CurrentSection.
    void LoadBandEditors();
    // The crossover box shows the filters of CurrentSection.
    void fillCrossoverBox();
    // The fader of output 0..2: knob at the gain's position, the gain's text.
    void refreshGainView(int output);
    // The delay editor shows the delay of section 0..3.
    void fillDelayEditor(int section);
    // The limiter lists show the settings of output 0..2.
    void fillLimiterPanel(int output);
    // Output 2's row while the outputs are bridged, and the bridge button.
    void showBridgeMode(bool bridged);
    // The save list's choice shows that group's name in RzEdit1.
    void RzComboBox11Change();
    // Groups and menus a transfer disables and enables again.
    void LockPanels();
    void UnlockPanels();

    // ---- Start-up --------------------------------------------------------------
    // Shows the main groups and the two menus, as the end of the start-up
    // search does.
    void revealMainGroups();

    // Status bar panel 0.
    void setStatusText(const QString& text);
    QString statusText() const;

    // ---- Controls ----------------------------------------------------------------
    // Main menu. Only "文件" and "帮助" are ever shown.
    QMenu* N112;  // "文件"
    QAction* exitItem;
    QMenu* N6;  // "帮助"
    QAction* BTL1;
    QAction* versionItem;
    QMenu* N1;  // "设备", never shown
    QMenu* deviceConnectMenu;
    QMenu* saveRecallMenu;
    QMenu* searchDevicesMenu;

    QStatusBar* StatusBar1;
    QLabel* statusPanel0;

    // Connection bar.
    QGroupBox* GroupBox2;
    QLabel* portLabel;
    QComboBox* RzComboBox1;  // ports
    QLabel* RzLabel10;       // "设备ID:"
    QComboBox* RzComboBox6;  // device IDs "1" .. "255"
    QPushButton* Button3;    // connect / disconnect
    PictureBox* Image15;     // connection icon
    QComboBox* RzComboBox7;  // scratch lists of the port watches, never shown
    QComboBox* RzComboBox8;
    QGroupBox* RzGroupBox10;  // broadcast
    ColorButton* RzButton8;
    QGroupBox* RzGroupBox15;  // ID assignment
    QLabel* idAssignLabel;
    QLineEdit* RzEdit2;
    QPushButton* Button1;
    QGroupBox* RzGroupBox4;  // presets
    QLabel* presetLoadLabel;
    QComboBox* RzComboBox10;
    ColorButton* RzButton9;
    QLabel* presetSaveLabel;
    QComboBox* RzComboBox11;
    QLineEdit* RzEdit1;
    ColorButton* RzButton10;
    QLabel* RzLabel14;  // last loaded group, never shown

    // File and search buttons.
    QGroupBox* GroupBox3;
    QPushButton* Button8;  // search
    QPushButton* Button9;  // search results
    QPushButton* Button6;  // save one group
    QPushButton* Button7;  // load one group
    QPushButton* Button4;  // save eight groups
    QPushButton* Button5;  // load eight groups

    // Temperature display: RzLabel29 / RzLabel32 in edition B's file box,
    // RzLabel35 / RzLabel37 in edition A's editors area.
    QGroupBox* temperatureBox;
    QLabel* temperatureValue;
    QLabel* attenuationValue;
    QLabel* RzLabel29 = nullptr;
    QLabel* RzLabel32 = nullptr;
    QLabel* RzLabel35 = nullptr;
    QLabel* RzLabel37 = nullptr;

    // The strip.
    QGroupBox* GroupBox1;
    QLabel* RzLabel13;       // master row name
    ColorButton* RzButton4;  // master EQ
    ColorButton* RzButton5;  // master delay
    ColorButton* RzButton6;  // master polarity (edition A: in the signal box)
    QLabel* volumeLabel;
    QSlider* TrackBar1;  // master volume (edition A: vertical, in the signal box)
    QLabel* Label1;
    QLabel* RzLabel1;
    QLabel* RzLabel24;
    QLabel* RzLabel25;
    PictureBox* Image38;
    PictureBox* Image1;
    PictureBox* Image4;
    PictureBox* Image7;  // output 2's row line
    PictureBox* rowLine1;
    PictureBox* rowLine3;
    ColorButton* RzButton46;
    ColorButton* RzButton45;
    ColorButton* RzButton41;
    ColorButton* RzButton43;
    ColorButton* RzButton44;
    ColorButton* RzButton1;
    ColorButton* RzButton52;
    ColorButton* RzButton51;
    ColorButton* RzButton47;
    ColorButton* RzButton49;
    ColorButton* RzButton50;
    ColorButton* RzButton2;
    ColorButton* RzButton58;
    ColorButton* RzButton57;
    ColorButton* RzButton53;
    ColorButton* RzButton55;
    ColorButton* RzButton56;
    ColorButton* RzButton3;
    // Edition B: temperature setting in the strip; edition A: the "关闭"
    // button of the search results.
    ColorButton* RzButton11;
    ColorButton* RzButton7;   // bridge mode
    ColorButton* RzButton98;  // bass compensation (edition A: in the band table)
    std::array<OutputRow, 3> outputRows;

    // EQ frame and editors area.
    QGroupBox* RzGroupBox8;
    PictureBox* Image5;  // the EQ graph, 720 x 249
    QToolButton* SpeedButton22;
    QLabel* RzLabel19;  // EQ title
    QLabel* RzLabel18;  // crossover title
    QGroupBox* RzGroupBox12;
    QGroupBox* bandTableBox;  // edition A's "参数均衡"; edition B: RzGroupBox12 itself
    std::array<QLabel*, 4> bandHeadings;
    QLabel* bypassHeading = nullptr;  // edition A: "滤波器"
    QLabel* RzLabel93;
    QLabel* RzLabel94;
    QLabel* RzLabel100;
    QLabel* RzLabel101;
    QLabel* RzLabel102;
    QLabel* RzLabel103;
    QLineEdit* RzEdit94;
    QLineEdit* RzEdit95;
    QLineEdit* RzEdit96;
    QLineEdit* RzEdit97;
    QLineEdit* RzEdit98;
    QLineEdit* RzEdit111;
    QLineEdit* RzEdit99;
    QLineEdit* RzEdit102;
    QLineEdit* RzEdit103;
    QLineEdit* RzEdit104;
    QLineEdit* RzEdit105;
    QLineEdit* RzEdit112;
    QLineEdit* RzEdit106;
    QLineEdit* RzEdit107;
    QLineEdit* RzEdit108;
    QLineEdit* RzEdit109;
    QLineEdit* RzEdit110;
    QLineEdit* RzEdit113;
    SpinButtons* RzSpinButtons82;
    SpinButtons* RzSpinButtons83;
    SpinButtons* RzSpinButtons84;
    SpinButtons* RzSpinButtons85;
    SpinButtons* RzSpinButtons86;
    SpinButtons* RzSpinButtons87;
    SpinButtons* RzSpinButtons75;
    SpinButtons* RzSpinButtons78;
    SpinButtons* RzSpinButtons79;
    SpinButtons* RzSpinButtons80;
    SpinButtons* RzSpinButtons81;
    SpinButtons* RzSpinButtons88;
    SpinButtons* RzSpinButtons70;
    SpinButtons* RzSpinButtons71;
    SpinButtons* RzSpinButtons72;
    SpinButtons* RzSpinButtons73;
    SpinButtons* RzSpinButtons74;
    SpinButtons* RzSpinButtons89;
    QComboBox* RzComboBox66;
    QComboBox* RzComboBox67;
    QComboBox* RzComboBox72;
    QComboBox* RzComboBox73;
    QComboBox* RzComboBox74;
    QComboBox* RzComboBox75;
    QCheckBox* RzCheckBox1 = nullptr;
    QCheckBox* RzCheckBox2 = nullptr;
    QCheckBox* RzCheckBox3 = nullptr;
    QCheckBox* RzCheckBox4 = nullptr;
    QCheckBox* RzCheckBox5 = nullptr;
    QCheckBox* RzCheckBox6 = nullptr;
    ColorButton* RzButton97;  // band reset
    std::array<BandRow, 6> bandRows;

    QGroupBox* RzGroupBox35;  // crossover box
    QLineEdit* RzEdit205;
    SpinButtons* RzSpinButtons181;
    QComboBox* RzComboBox69;
    QLineEdit* RzEdit206;
    SpinButtons* RzSpinButtons182;
    QComboBox* RzComboBox71;

    // Edition A's fixed boxes of the editors area (null in edition B).
    QGroupBox* delayBox = nullptr;
    QGroupBox* signalBox = nullptr;

    // Delay editor: edition A's delay box, edition B's floating delay panel.
    QLineEdit* RzEdit18;
    QScrollBar* ScrollBar1;
    QLabel* RzLabel3;   // metres
    QLabel* RzLabel20;  // feet

    // Floating panels.
    QGroupBox* RzGroupBox5;  // gain
    QLabel* RzLabel2;
    PictureBox* Image2;  // fader, 163 x 250
    SpinButtons* SpinButton1;
    QLineEdit* RzEdit17;
    QToolButton* SpeedButton17;
    QGroupBox* RzGroupBox6;  // delay
    PictureBox* delayBackground;
    QLabel* RzLabel4;
    QToolButton* SpeedButton18;
    QGroupBox* RzGroupBox7;  // limiter
    QLabel* RzLabel5;
    QComboBox* RzComboBox2;  // threshold
    QComboBox* RzComboBox3;  // attack
    QComboBox* RzComboBox5;  // release
    QComboBox* RzComboBox4;  // an unused release list, never shown
    QToolButton* SpeedButton21;
    QGroupBox* RzGroupBox13 = nullptr;  // temperature setting (edition B)
    QComboBox* RzComboBox9;             // edition A: hidden in the temperature box
    QToolButton* SpeedButton4 = nullptr;

    // Search.
    QGroupBox* RzGroupBox2;  // results
    QLabel* RzLabel6;
    QPlainTextEdit* Memo1;
    QToolButton* SpeedButton1;
    QGroupBox* RzGroupBox3;  // progress
    QLabel* RzLabel9;
    QProgressBar* RzProgressBar2;
    QPushButton* Button2;  // cancel

    // Data exchange progress.
    QGroupBox* RzGroupBox1;
    QLabel* exchangeLabel;
    QProgressBar* RzProgressBar1;

    // Initial-data box.
    QGroupBox* RzGroupBox16;
    QLabel* initialDataTitle;
    QLineEdit* RzEdit3;
    QPushButton* Button10;
    QPushButton* Button11;
    QToolButton* SpeedButton3;

    // The lines on their way to and from a file; never shown.
    QPlainTextEdit* RzMemo1;

    // ---- Timers --------------------------------------------------------------
    std::unique_ptr<Timer> Timer124;  // start-up search, 10 ms after start

private:
    void hideEditingGroupsAtStart();
    void applyEditionAFonts();
    void colourBandLabels();
    // The fader picture: its background with the knob at rest on it.
    void drawFader(int knobLeft, int knobTop);
    void connectPanelButtons();
    // Stands in for the start-up quick search until it exists.
    void Timer124Timer();

    ColorButton* eqButtonOf(int section) const;
    ColorButton* limiterButtonOf(int section) const;
    ColorButton* delayButtonOf(int section) const;
    ColorButton* gainButtonOf(int section) const;

    void setPanelsEnabled(bool enabled);

    Edition m_edition;
    const EditionLayout& m_layout;
    WindowServices m_services;
    WindowPictures m_pictures;
    // The view draws with the graph, and the engine calls the view: each
    // outlives what is declared after it.
    std::unique_ptr<EqGraph> m_graph;
    std::unique_ptr<WindowProtocolView> m_view;
    std::unique_ptr<WindowOperations> m_operations;
    std::unique_ptr<ProtocolEngine> m_engine;
    std::unique_ptr<TForm4> m_form4;
};

}  // namespace ampdesk
