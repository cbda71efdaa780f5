#pragma once

#include <string>
#include <vector>

#include "protocol_operations.h"  // the other half of what the window implements

namespace ampdesk {

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kButtonRed{255, 0, 0};
inline constexpr Rgb kButtonNormal{224, 224, 224};

enum class FilterSide { HighPass, LowPass };

// What the protocol makes the main window show. The window implements it;
// every call is made on the UI thread and must not pump events. Names in
// brackets are the window's controls.
class ProtocolView {
public:
    virtual ~ProtocolView() = default;

    // --- Refresh after a parameter block, in this order ---------------------
    // Edition A only, before decoding: untick the six band-bypass boxes
    // without running their handlers.
    virtual void untickBandBypassBoxes() = 0;
    // Moves the master volume slider [TrackBar1] to position and sets its
    // caption [Label1]; the slider's change handler must not treat this as an
    // edit (LoadingControls).
    virtual void setMasterVolumeSlider(int position, const std::string& caption) = 0;
    // output 0..2: polarity button [RzButton1, RzButton2, RzButton3] caption "+" or "-".
    virtual void setOutputPolarityCaption(int output, const std::string& caption) = 0;
    // output 0..2: mute button [RzButton46, RzButton52, RzButton58] colour.
    virtual void setOutputMuteColour(int output, Rgb colour) = 0;
    // Bass compensation button [RzButton98] colour.
    virtual void setBassCompensationColour(Rgb colour) = 0;
    // The bridge-mode display of the master section (output 2's row, RzButton7).
    virtual void showBridgeMode(bool bridged) = 0;
    // Master polarity button [RzButton6] caption.
    virtual void setMasterPolarityCaption(const std::string& caption) = 0;
    // Recompute and draw one crossover curve of channel 0..3 (3 = master).
    virtual void recomputeCrossoverCurve(int channel, FilterSide side) = 0;
    // Recompute and draw the curve of flat band 0..23.
    virtual void recomputeBandCurve(int flatBand) = 0;
    // Edition A only: select the master EQ panel and then the master delay
    // panel, as their buttons would.
    virtual void selectMasterEqPanel() = 0;
    virtual void selectMasterDelayPanel() = 0;

    // --- Status and device settings ----------------------------------------
    // Temperature value [RzLabel35; edition B RzLabel29].
    virtual void setTemperatureText(const std::string& text) = 0;
    // Attenuation value [RzLabel37; edition B RzLabel32].
    virtual void setAttenuationText(const std::string& text) = 0;
    // Temperature-setting list [RzComboBox9] selects index (as received, not
    // range-checked) without running its change handler.
    virtual void selectTempSetting(int index) = 0;
    // Last loaded group [RzLabel14].
    virtual void setLastLoadedGroupText(const std::string& text) = 0;
    // The device-ID list [RzComboBox6] selects entry index (wire ID) without
    // running its change handler.
    virtual void selectDeviceIdEntry(int index) = 0;

    // --- Connection and transfers ------------------------------------------
    // Disable the device-ID list [RzComboBox6] and the port list [RzComboBox1].
    virtual void disableConnectionLists() = 0;
    // The load list [RzComboBox10] gets exactly these 8 entries; both preset
    // lists select entry 0 and the save list's change handler runs.
    virtual void refillPresetLists(const std::vector<std::string>& loadEntries) = 0;
    // Progress box of data exchanges [RzGroupBox1] and its bar [RzProgressBar1].
    virtual void hideProgressBox() = 0;
    virtual void setProgressBar(int percent) = 0;
    // Enables the named groups (objectNames), e.g. after a band reset.
    virtual void enableGroups(const std::vector<std::string>& names) = 0;
    virtual void UnlockPanels() = 0;
};

}  // namespace ampdesk
