#pragma once

#include "protocol_view.h"

namespace ampdesk {

class TForm1;

// What the protocol shows, carried out on the main window's controls.
class WindowProtocolView : public ProtocolView {
public:
    explicit WindowProtocolView(TForm1& form) : m_form(form) {}

    void untickBandBypassBoxes() override;
    void setMasterVolumeSlider(int position, const std::string& caption) override;
    void setOutputPolarityCaption(int output, const std::string& caption) override;
    void setOutputMuteColour(int output, Rgb colour) override;
    void setBassCompensationColour(Rgb colour) override;
    void showBridgeMode(bool bridged) override;
    void setMasterPolarityCaption(const std::string& caption) override;
    void recomputeCrossoverCurve(int channel, FilterSide side) override;
    void recomputeBandCurve(int flatBand) override;
    void selectMasterEqPanel() override;
    void selectMasterDelayPanel() override;

    void setTemperatureText(const std::string& text) override;
    void setAttenuationText(const std::string& text) override;
    void selectTempSetting(int index) override;
    void setLastLoadedGroupText(const std::string& text) override;
    void selectDeviceIdEntry(int index) override;

    void disableConnectionLists() override;
    void refillPresetLists(const std::vector<std::string>& loadEntries) override;
    void hideProgressBox() override;
    void setProgressBar(int percent) override;
    void enableGroups(const std::vector<std::string>& names) override;
    void UnlockPanels() override;

private:
    TForm1& m_form;
};

}  // namespace ampdesk
