#include "block_applier.h"

#include "block_codec.h"
#include "level_scales.h"
#include "protocol_texts.h"
#include "send_scheduler.h"

namespace ampdesk {

BlockApplier::BlockApplier(ProtocolContext& context, SendScheduler& sender)
    : m_ctx(context), m_sender(sender) {}

void BlockApplier::ApplyLiveBlock() {
    if (m_ctx.edition == Edition::A) m_ctx.view.untickBandBypassBoxes();
    decodeAndRefresh(Origin::Live);
}

void BlockApplier::ApplyBlockText() {
    auto& link = m_ctx.link;
    const bool wasSuspended = link.suspended();
    link.setSuspended(true);
    if (m_ctx.edition == Edition::A) m_ctx.view.untickBandBypassBoxes();
    decodeAndRefresh(Origin::Text);
    link.setSuspended(wasSuspended);
}

void BlockApplier::decodeAndRefresh(Origin origin) {
    auto& state = m_ctx.state;
    BlockCodec::DecodeBlockText(m_ctx.link.RxHexBuffer, state);
    const int volume = state.Master.Volume;
    const int position = m_ctx.edition == Edition::A ? kVolumeCodeMax - volume : volume;
    m_ctx.view.setMasterVolumeSlider(position, VolumeText(volume));
    refreshViews(origin);
    if (m_ctx.edition == Edition::A) {
        m_ctx.view.selectMasterEqPanel();
        m_ctx.view.selectMasterDelayPanel();
    }
    m_sender.ClearQueue();
    m_ctx.link.RxHexBuffer.clear();
}

void BlockApplier::refreshViews(Origin origin) {
    const auto& state = m_ctx.state;
    auto& view = m_ctx.view;
    for (int k = 0; k < 3; ++k)
        view.setOutputPolarityCaption(k, state.Outputs[k].Polarity ? "-" : "+");
    for (int k = 0; k < 3; ++k)
        view.setOutputMuteColour(k, state.Outputs[k].On ? kButtonNormal : kButtonRed);
    const auto& m = state.Master;
    // Values other than 0 and 1 leave these displays as they were.
    if (m.BassCompensation == 1) view.setBassCompensationColour(kButtonRed);
    if (m.BassCompensation == 0) view.setBassCompensationColour(kButtonNormal);
    if (m.Bridge == 1 || m.Bridge == 0) view.showBridgeMode(m.Bridge == 1);
    ProtocolText caption;
    if (origin == Origin::Live)
        caption = m.Polarity ? ProtocolText::MasterPolarityMinus : ProtocolText::MasterPolarityPlus;
    else
        caption = m.Polarity ? ProtocolText::MasterPolarityMinusFile
                             : ProtocolText::MasterPolarityPlusFile;
    view.setMasterPolarityCaption(protocolText(caption, m_ctx.edition));
    // Section order: each channel's crossover, then its six bands.
    for (int c = 0; c < kChannelCount; ++c) {
        view.recomputeCrossoverCurve(c, FilterSide::HighPass);
        view.recomputeCrossoverCurve(c, FilterSide::LowPass);
        for (int j = 0; j < kBandsPerChannel; ++j)
            view.recomputeBandCurve(kBandsPerChannel * c + j);
    }
}

}  // namespace ampdesk
