#include "window_protocol_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QSlider>

#include "color_button.h"
#include "eq_graph.h"
#include "protocol_engine.h"
#include "tform1.h"

namespace ampdesk {

namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}
QColor color(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

}  // namespace

void WindowProtocolView::untickBandBypassBoxes() {
    for (const BandRow& row : m_form.bandRows) {
        if (!row.bypass) continue;
        const QSignalBlocker quiet(row.bypass);
        row.bypass->setChecked(false);
    }
}

void WindowProtocolView::setMasterVolumeSlider(int position, const std::string& caption) {
    m_form.LoadingControls = 1;
    m_form.TrackBar1->setValue(position);
    m_form.Label1->setText(text(caption));
    m_form.LoadingControls = 0;
}

void WindowProtocolView::setOutputPolarityCaption(int output, const std::string& caption) {
    if (output < 0 || output > 2) return;
    m_form.outputRows[static_cast<std::size_t>(output)].polarity->setText(text(caption));
}

void WindowProtocolView::setOutputMuteColour(int output, Rgb colour) {
    if (output < 0 || output > 2) return;
    m_form.outputRows[static_cast<std::size_t>(output)].mute->setColor(color(colour));
}

void WindowProtocolView::setBassCompensationColour(Rgb colour) {
    m_form.RzButton98->setColor(color(colour));
}

void WindowProtocolView::showBridgeMode(bool bridged) {
    m_form.showBridgeMode(bridged);
}

void WindowProtocolView::setMasterPolarityCaption(const std::string& caption) {
    m_form.RzButton6->setText(text(caption));
}

void WindowProtocolView::recomputeCrossoverCurve(int channel, FilterSide side) {
    m_form.graph().recomputeCrossover(channel, side);
}

void WindowProtocolView::recomputeBandCurve(int flatBand) {
    // The open section stays open: only the band's curve is renewed, and the
    // plot shows the open section as before.
    EqGraph& graph = m_form.graph();
    const int dragged = graph.CurrentBand;
    graph.CurrentBand = flatBand;
    graph.RecomputeBand(m_form.state().band(flatBand).BandType);
    // A handle held while the block arrives goes on moving its own band, not
    // the last band the block renewed.
    if (graph.DragActive) graph.CurrentBand = dragged;
}

void WindowProtocolView::selectMasterEqPanel() {
    m_form.RzButton4Click();
}

void WindowProtocolView::selectMasterDelayPanel() {
    m_form.RzButton5Click();
}

void WindowProtocolView::setTemperatureText(const std::string& t) {
    m_form.temperatureValue->setText(text(t));
}

void WindowProtocolView::setAttenuationText(const std::string& t) {
    m_form.attenuationValue->setText(text(t));
}

void WindowProtocolView::selectTempSetting(int index) {
    const QSignalBlocker quiet(m_form.RzComboBox9);
    m_form.RzComboBox9->setCurrentIndex(index);
}

void WindowProtocolView::setLastLoadedGroupText(const std::string& t) {
    m_form.RzLabel14->setText(text(t));
}

void WindowProtocolView::selectDeviceIdEntry(int index) {
    const QSignalBlocker quiet(m_form.RzComboBox6);
    m_form.RzComboBox6->setCurrentIndex(index);
}

void WindowProtocolView::disableConnectionLists() {
    m_form.RzComboBox6->setEnabled(false);
    m_form.RzComboBox1->setEnabled(false);
}

void WindowProtocolView::refillPresetLists(const std::vector<std::string>& loadEntries) {
    {
        const QSignalBlocker quiet(m_form.RzComboBox10);
        m_form.RzComboBox10->clear();
        for (const std::string& entry : loadEntries) m_form.RzComboBox10->addItem(text(entry));
        m_form.RzComboBox10->setCurrentIndex(0);
    }
    {
        const QSignalBlocker quiet(m_form.RzComboBox11);
        m_form.RzComboBox11->setCurrentIndex(0);
    }
    m_form.RzComboBox11Change();
}

void WindowProtocolView::hideProgressBox() {
    m_form.RzGroupBox1->hide();
}

void WindowProtocolView::setProgressBar(int percent) {
    m_form.RzProgressBar1->setValue(percent);
}

void WindowProtocolView::enableGroups(const std::vector<std::string>& names) {
    for (const std::string& name : names)
        if (auto* w = m_form.findChild<QWidget*>(text(name))) w->setEnabled(true);
}

void WindowProtocolView::UnlockPanels() {
    m_form.UnlockPanels();
}

}  // namespace ampdesk
