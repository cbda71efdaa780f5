#include "device_state.h"

namespace ampdesk {

namespace {
void setDefaultBands(std::array<EqBand, kBandsPerChannel>& bands) {
    for (int j = 0; j < kBandsPerChannel; ++j) bands[j].FreqIndex = kDefaultBandFreqIndex[j];
}
}  // namespace

OutputChannel::OutputChannel() {
    setDefaultBands(Bands);
}

MasterSection::MasterSection() {
    setDefaultBands(Bands);
}

EqBand& DeviceState::band(int flatBand) {
    const int channel = flatBand / kBandsPerChannel;
    const int j = flatBand % kBandsPerChannel;
    return channel == kMasterChannel ? Master.Bands.at(j) : Outputs.at(channel).Bands.at(j);
}

const EqBand& DeviceState::band(int flatBand) const {
    return const_cast<DeviceState*>(this)->band(flatBand);
}

CrossoverFilter& DeviceState::hpf(int channel) {
    return channel == kMasterChannel ? Master.Hpf : Outputs.at(channel).Hpf;
}

const CrossoverFilter& DeviceState::hpf(int channel) const {
    return const_cast<DeviceState*>(this)->hpf(channel);
}

CrossoverFilter& DeviceState::lpf(int channel) {
    return channel == kMasterChannel ? Master.Lpf : Outputs.at(channel).Lpf;
}

const CrossoverFilter& DeviceState::lpf(int channel) const {
    return const_cast<DeviceState*>(this)->lpf(channel);
}

}  // namespace ampdesk
