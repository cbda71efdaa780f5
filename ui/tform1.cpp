#include "tform1.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>

#include "color_button.h"
#include "control_factory.h"
#include "edition_texts.h"
#include "eq_graph.h"
#include "eq_scales.h"
#include "form_builders.h"
#include "level_scales.h"
#include "number_text.h"
#include "picture_box.h"
#include "protocol_engine.h"
#include "scheduler.h"
#include "spin_buttons.h"
#include "tform4.h"
#include "window_operations.h"
#include "window_protocol_view.h"

namespace ampdesk {

namespace {

const QColor kOpenPanelColor(255, 255, 128);
const QColor kNormalColor(ColorButton::kNormalColor);
const QColor kEditionASpinColor(200, 224, 251);

const QColor kBridgeOnColor(0, 128, 0);

QString qtext(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

TForm1::TForm1(Edition edition, WindowServices services, QWidget* parent)
    : QMainWindow(parent),
      m_edition(edition),
      m_layout(editionLayout(edition)),
      m_services(services) {
    setObjectName("TForm1");
    setWindowTitle(edition == Edition::A ? "AmpDesk" : "AmpDesk B");
    setFont(QFont("Arial", 9));

    // The controls as designed, each group already at its edition's place.
    auto* client = new QWidget(this);
    client->setObjectName("client");
    setCentralWidget(client);
    buildMainMenu(*this);
    buildStatusBar(*this);
    buildConnectionBar(*this, client);
    buildFileBox(*this, client);
    buildStrip(*this, client);
    buildEqFrame(*this, client);
    buildFloatingPanels(*this, client);
    buildProgressBoxes(*this, client);
    for (QWidget* designHidden :
         {RzGroupBox5, RzGroupBox6, RzGroupBox7, RzGroupBox2, RzGroupBox1, RzGroupBox16})
        designHidden->hide();
    if (RzGroupBox13) RzGroupBox13->hide();
    setStatusText(texts::kStatusStart.in(edition));

    // The protocol with the device state at its start values, and the graph
    // its view draws with.
    m_graph = std::make_unique<EqGraph>(*this);
    m_view = std::make_unique<WindowProtocolView>(*this);
    m_operations = std::make_unique<WindowOperations>(*this);
    m_engine = std::make_unique<ProtocolEngine>(services.scheduler, services.link, services.dialogs,
                                                edition, *m_view, *m_operations);
    connectPanelButtons();

    // Window creation.
    hideEditingGroupsAtStart();
    if (edition == Edition::A) applyEditionAFonts();
    m_graph->DrawPlotGrid(PlotWidth, PlotHeight);
    m_graph->ClearPlot();
    resize(m_layout.windowWidth, m_layout.windowHeight);
    drawFader(KnobLeft[0], 56);
    colourBandLabels();
    if (edition == Edition::A) openEqFrame(kSectionMaster);

    m_form4 = std::make_unique<TForm4>(edition, m_pictures.bridgeDiagram, this);

    Timer124 = services.scheduler.createTimer("Timer124", 10, [this] { Timer124Timer(); });
    Timer124->start();
}

TForm1::~TForm1() {
    // A field being edited loses the focus when the window goes. Let that
    // happen now, while the engine and the graph its handler uses are still
    // there; the base class would do it after they are gone.
    if (QWidget* focused = focusWidget()) focused->clearFocus();
}

DeviceState& TForm1::state() const {
    return m_engine->state();
}

void TForm1::PumpWait(int ms) {
    m_services.scheduler.pumpWait(ms);
}

void TForm1::hideEditingGroupsAtStart() {
    // The strip (never shown in edition A) and the EQ frame (in edition B
    // shown only while an EQ panel is open) come up later.
    GroupBox1->hide();
    RzGroupBox8->hide();
    if (m_edition == Edition::A) RzGroupBox12->hide();
    GroupBox2->hide();
    GroupBox3->hide();
    N112->menuAction()->setVisible(false);
    N6->menuAction()->setVisible(false);
    RzProgressBar2->setValue(0);
    RzGroupBox3->show();
}

void TForm1::applyEditionAFonts() {
    const QFont arial("Arial", font().pointSize());
    for (QLineEdit* e : findChildren<QLineEdit*>()) {
        e->setFont(arial);
        e->setAlignment(Qt::AlignCenter);
    }
    for (QAbstractButton* b : findChildren<QAbstractButton*>()) b->setFont(arial);
    for (QLabel* l : findChildren<QLabel*>()) l->setFont(arial);
    for (QComboBox* c : findChildren<QComboBox*>()) c->setFont(QFont("Arial", 8));
    for (SpinButtons* s : findChildren<SpinButtons*>()) s->setColor(kEditionASpinColor);
}

void TForm1::colourBandLabels() {
    for (int r = 0; r < 6; ++r) {
        QLabel* l = bandRows[r].label;
        controls::setLabelColor(l, QColor(EqGraph::kBandColors[r]));
        // Dark text on the light colours, light text on the dark blue.
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, r == 5 ? QColor(255, 255, 255) : QColor(0, 0, 0));
        l->setPalette(pal);
    }
}

void TForm1::connectPanelButtons() {
    connect(RzButton4, &QPushButton::clicked, this, &TForm1::RzButton4Click);
    connect(RzButton41, &QPushButton::clicked, this, &TForm1::RzButton41Click);
    connect(RzButton47, &QPushButton::clicked, this, &TForm1::RzButton47Click);
    connect(RzButton53, &QPushButton::clicked, this, &TForm1::RzButton53Click);
    connect(RzButton45, &QPushButton::clicked, this, &TForm1::RzButton45Click);
    connect(RzButton51, &QPushButton::clicked, this, &TForm1::RzButton51Click);
    connect(RzButton57, &QPushButton::clicked, this, &TForm1::RzButton57Click);
    connect(RzButton44, &QPushButton::clicked, this, &TForm1::RzButton44Click);
    connect(RzButton50, &QPushButton::clicked, this, &TForm1::RzButton50Click);
    connect(RzButton56, &QPushButton::clicked, this, &TForm1::RzButton56Click);
    connect(RzButton43, &QPushButton::clicked, this, &TForm1::RzButton43Click);
    connect(RzButton49, &QPushButton::clicked, this, &TForm1::RzButton49Click);
    connect(RzButton55, &QPushButton::clicked, this, &TForm1::RzButton55Click);
    connect(RzButton5, &QPushButton::clicked, this, &TForm1::RzButton5Click);
    if (m_edition == Edition::B)
        connect(RzButton11, &QPushButton::clicked, this, &TForm1::RzButton11Click);
    connect(SpeedButton22, &QToolButton::clicked, this, &TForm1::SpeedButton22Click);
    connect(SpeedButton17, &QToolButton::clicked, this, &TForm1::SpeedButton17Click);
    connect(SpeedButton18, &QToolButton::clicked, this, &TForm1::SpeedButton18Click);
    connect(SpeedButton21, &QToolButton::clicked, this, &TForm1::SpeedButton21Click);
    if (SpeedButton4)
        connect(SpeedButton4, &QToolButton::clicked, this, &TForm1::SpeedButton4Click);
    connect(BTL1, &QAction::triggered, this, &TForm1::BTL1Click);
    connect(Image5, &PictureBox::mouseDown, this,
            [this](Qt::MouseButton, int x, int y) { m_graph->Image5MouseDown(x, y); });
    connect(Image5, &PictureBox::mouseMove, this,
            [this](Qt::MouseButtons, int x, int y) { m_graph->Image5MouseMove(x, y); });
    connect(Image5, &PictureBox::mouseUp, this,
            [this](Qt::MouseButton, int, int) { m_graph->Image5MouseUp(); });
    connect(exitItem, &QAction::triggered, this, &QWidget::close);
    for (int r = 0; r < 6; ++r) {
        if (QCheckBox* box = bandRows[r].bypass)
            connect(box, &QCheckBox::clicked, this, [this, r] { bypassBoxClick(r); });
    }
}

// ---- Panels ------------------------------------------------------------------

ColorButton* TForm1::eqButtonOf(int section) const {
    switch (section) {
        case 0:
            return RzButton41;
        case 1:
            return RzButton47;
        case 2:
            return RzButton53;
        case kSectionMaster:
            return RzButton4;
        default:
            return nullptr;
    }
}

ColorButton* TForm1::limiterButtonOf(int section) const {
    return section >= 0 && section < 3 ? outputRows[section].limiter : nullptr;
}

ColorButton* TForm1::delayButtonOf(int section) const {
    if (section == kSectionMaster) return RzButton5;
    return section >= 0 && section < 3 ? outputRows[section].delay : nullptr;
}

ColorButton* TForm1::gainButtonOf(int section) const {
    return section >= 0 && section < 3 ? outputRows[section].gain : nullptr;
}

void TForm1::ClosePanel() {
    // Edition A's editors area is permanent and no floating panel is reachable.
    if (m_edition == Edition::A) return;
    ColorButton* button = nullptr;
    switch (PanelKind) {
        case kPanelEq:
            if (SwitchingEq != 1) RzGroupBox8->hide();
            button = eqButtonOf(CurrentSection);
            break;
        case kPanelLimiter:
            RzGroupBox7->hide();
            button = limiterButtonOf(CurrentSection);
            break;
        case kPanelDelay:
            RzGroupBox6->hide();
            button = delayButtonOf(CurrentSection);
            break;
        case kPanelGain:
            RzGroupBox5->hide();
            button = gainButtonOf(CurrentSection);
            break;
        case kPanelSearch:
            RzGroupBox2->hide();
            break;
        case kPanelTemperature:
            RzButton11->setColor(kNormalColor);
            RzGroupBox13->hide();
            break;
        default:
            break;
    }
    if (button) button->setColor(kNormalColor);
    SwitchingEq = 0;
    CurrentSection = kSectionNone;
    PanelKind = kPanelNone;
}

void TForm1::openEqFrame(int section) {
    const bool editionB = m_edition == Edition::B;
    if (editionB) {
        // Switching between sections keeps the frame up instead of hiding it.
        SwitchingEq = 1;
        if (PanelKind != kPanelEq || CurrentSection != section) ClosePanel();
        SwitchingEq = 0;
    }
    PanelKind = kPanelEq;
    CurrentSection = section;
    if (editionB) RzGroupBox35->show();
    if (ColorButton* b = eqButtonOf(section)) b->setColor(kOpenPanelColor);

    RzLabel19->setText(texts::kEqTitle[section].in(m_edition));
    RzLabel18->setText(texts::kCrossoverTitle[section].in(m_edition));
    if (!editionB) {
        RzLabel19->hide();
        RzLabel18->hide();
    }

    LoadBandEditors();
    fillCrossoverBox();
    m_graph->redrawSection();

    if (editionB) RzGroupBox8->show();
}

void TForm1::openFloatingPanel(int kind, int section, ColorButton* pressed) {
    if (PanelKind != kind || CurrentSection != section) ClosePanel();
    PanelKind = kind;
    CurrentSection = section;
    pressed->setColor(kOpenPanelColor);

    QGroupBox* panel = nullptr;
    switch (kind) {
        case kPanelGain:
            panel = RzGroupBox5;
            RzLabel2->setText(texts::kGainTitle[section].in(m_edition));
            refreshGainView(section);
            break;
        case kPanelDelay:
            panel = RzGroupBox6;
            RzLabel4->setText(texts::kDelayTitle[section].in(m_edition));
            LoadingControls = 1;
            fillDelayEditor(section);
            break;
        case kPanelLimiter:
            panel = RzGroupBox7;
            RzLabel5->setText(texts::kLimiterTitle[section].in(m_edition));
            fillLimiterPanel(section);
            break;
        default:
            return;
    }
    // Top-left corner at the bottom-right corner of the pressed button.
    const QRect b = pressed->geometry();
    panel->move(GroupBox1->x() + b.x() + b.width(), GroupBox1->y() + b.y() + b.height());
    panel->show();
    panel->raise();
    LoadingControls = 0;
}

void TForm1::RzButton45Click() {
    openFloatingPanel(kPanelGain, 0, RzButton45);
}
void TForm1::RzButton51Click() {
    openFloatingPanel(kPanelGain, 1, RzButton51);
}
void TForm1::RzButton57Click() {
    openFloatingPanel(kPanelGain, 2, RzButton57);
}
void TForm1::RzButton44Click() {
    openFloatingPanel(kPanelDelay, 0, RzButton44);
}
void TForm1::RzButton50Click() {
    openFloatingPanel(kPanelDelay, 1, RzButton50);
}
void TForm1::RzButton56Click() {
    openFloatingPanel(kPanelDelay, 2, RzButton56);
}
void TForm1::RzButton43Click() {
    openFloatingPanel(kPanelLimiter, 0, RzButton43);
}
void TForm1::RzButton49Click() {
    openFloatingPanel(kPanelLimiter, 1, RzButton49);
}
void TForm1::RzButton55Click() {
    openFloatingPanel(kPanelLimiter, 2, RzButton55);
}

void TForm1::RzButton5Click() {
    if (m_edition == Edition::B) {
        openFloatingPanel(kPanelDelay, kSectionMaster, RzButton5);
        return;
    }
    // Edition A: the delay box of the editors area is always there; it only
    // has to work on the master section now.
    PanelKind = kPanelDelay;
    CurrentSection = kSectionMaster;
    RzLabel4->setText(texts::kDelayTitle[kSectionMaster].in(m_edition));
    LoadingControls = 1;
    fillDelayEditor(kSectionMaster);
    LoadingControls = 0;
}

void TForm1::RzButton11Click() {
    if (PanelKind != kPanelTemperature || CurrentSection != 0) ClosePanel();
    PanelKind = kPanelTemperature;
    CurrentSection = 0;
    RzButton11->setColor(kOpenPanelColor);
    RzGroupBox13->move(m_layout.rzGroupBox13.topLeft());
    RzGroupBox13->show();
    RzGroupBox13->raise();
}

void TForm1::SpeedButton22Click() {
    SwitchingEq = 0;
    ClosePanel();
}

void TForm1::SpeedButton17Click() {
    SwitchingEq = 0;
    ClosePanel();
}

void TForm1::SpeedButton18Click() {
    SwitchingEq = 0;
    ClosePanel();
}

void TForm1::SpeedButton21Click() {
    SwitchingEq = 0;
    ClosePanel();
}

void TForm1::SpeedButton4Click() {
    SwitchingEq = 0;
    ClosePanel();
}

void TForm1::BTL1Click() {
    m_form4->exec();
}

void TForm1::bypassBoxClick(int row) {
    if (CurrentSection < 0 || CurrentSection > kSectionMaster) return;
    EqGraph& graph = *m_graph;
    graph.CurrentBand = CurrentSection * 6 + row;
    graph.RecomputeBand(state().band(graph.CurrentBand).BandType);
    m_engine->MarkBand(graph.CurrentBand);
}

// ---- Filling and showing ------------------------------------------------------

void TForm1::LoadBandEditors() {
    if (CurrentSection < 0 || CurrentSection > kSectionMaster) return;
    for (int r = 0; r < 6; ++r) {
        const EqBand& band = state().band(CurrentSection * 6 + r);
        const BandRow& row = bandRows[r];
        const int gain = band.BandType == 0 ? band.PeakGain : band.ShelfGain;
        row.freq->setText(qtext(FormatTableValue(FrequencyTable[band.FreqIndex])));
        row.q->setText(qtext(FormatTableValue(QTable[band.QIndex])));
        row.gain->setText(qtext(FormatTableValue(EqGainTable[gain])));
        const QSignalBlocker quiet(row.type);
        row.type->setCurrentIndex(band.BandType);
    }
}

void TForm1::fillCrossoverBox() {
    if (CurrentSection < 0 || CurrentSection > kSectionMaster) return;
    const CrossoverFilter& hpf = state().hpf(CurrentSection);
    const CrossoverFilter& lpf = state().lpf(CurrentSection);
    RzEdit205->setText(qtext(FormatTableValue(FrequencyTable[hpf.FreqIndex])));
    RzEdit206->setText(qtext(FormatTableValue(FrequencyTable[lpf.FreqIndex])));
    const QSignalBlocker quietHigh(RzComboBox69);
    const QSignalBlocker quietLow(RzComboBox71);
    RzComboBox69->setCurrentIndex(hpf.Alignment);
    RzComboBox71->setCurrentIndex(lpf.Alignment);
}

void TForm1::refreshGainView(int output) {
    if (output < 0 || output > 2) return;
    const int gain = state().Outputs[output].Gain;
    KnobTop[output] = DbToFaderPosition(GainCodeToDb(gain)) - kFaderKnobTopOffset;
    drawFader(KnobLeft[output], KnobTop[output]);
    RzEdit17->setText(qtext(GainText(gain)));
}

void TForm1::drawFader(int knobLeft, int knobTop) {
    QPainter p(&Image2->canvas());
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, m_pictures.faderBackground);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawImage(knobLeft, knobTop, m_pictures.knob);
    Image2->update();
}

void TForm1::fillDelayEditor(int section) {
    int delay = 0;
    if (section == kSectionMaster)
        delay = state().Master.Delay;
    else if (section >= 0 && section < 3)
        delay = state().Outputs[section].Delay;
    else
        return;
    ScrollBar1->setValue(delay);
    const DelayTextSet t = DelayTexts(delay, m_edition);
    RzEdit18->setText(qtext(t.Ms));
    RzLabel3->setText(qtext(t.Metres));
    RzLabel20->setText(qtext(t.Feet));
}

void TForm1::fillLimiterPanel(int output) {
    if (output < 0 || output > 2) return;
    const LimiterSettings& lim = state().Outputs[output].Limiter;
    for (auto [list, value] :
         {std::pair{RzComboBox2, lim.Threshold}, std::pair{RzComboBox3, lim.Attack},
          std::pair{RzComboBox5, lim.Release}}) {
        const QSignalBlocker quiet(list);
        list->setCurrentIndex(value);
    }
}

void TForm1::showBridgeMode(bool bridged) {
    const OutputRow& row = outputRows[1];
    for (QWidget* w : {static_cast<QWidget*>(row.mute), static_cast<QWidget*>(row.gain),
                       static_cast<QWidget*>(row.eq), static_cast<QWidget*>(row.limiter),
                       static_cast<QWidget*>(row.delay), static_cast<QWidget*>(row.polarity),
                       static_cast<QWidget*>(Image7)})
        w->setVisible(!bridged);
    Image1->setPicture(bridged ? m_pictures.bridgeArrow : m_pictures.rowArrow);
    RzButton7->setColor(bridged ? kBridgeOnColor : kNormalColor);
}

void TForm1::RzComboBox11Change() {
    const int index = RzComboBox11->currentIndex();
    const auto& names = m_engine->data().PresetNames;
    if (index < 0 || index >= static_cast<int>(names.size())) return;
    // Names keep the zero bytes of the reply; they show up to the first one.
    const std::string& name = names[static_cast<std::size_t>(index)];
    RzEdit1->setText(qtext(name.substr(0, name.find('\0'))));
}

void TForm1::setPanelsEnabled(bool enabled) {
    QList<QWidget*> groups{GroupBox1, GroupBox2, GroupBox3, RzGroupBox4};
    if (m_edition == Edition::A) groups << RzGroupBox8 << RzGroupBox12;
    for (QWidget* g : groups) g->setEnabled(enabled);
    for (QMenu* m : {N1, N112, N6}) m->menuAction()->setEnabled(enabled);
}

void TForm1::LockPanels() {
    setPanelsEnabled(false);
}

void TForm1::UnlockPanels() {
    setPanelsEnabled(true);
}

// ---- Start-up ----------------------------------------------------------------

void TForm1::Timer124Timer() {
    Timer124->stop();
    // Until the start-up quick search exists the groups come up at once.
    revealMainGroups();
}

void TForm1::revealMainGroups() {
    RzGroupBox3->hide();
    if (m_edition == Edition::A) {
        RzGroupBox8->show();
        RzGroupBox12->show();
    } else {
        GroupBox1->show();
    }
    GroupBox2->show();
    GroupBox3->show();
    N112->menuAction()->setVisible(true);
    N6->menuAction()->setVisible(true);
}

void TForm1::setStatusText(const QString& text) {
    statusPanel0->setText(text);
}

QString TForm1::statusText() const {
    return statusPanel0->text();
}

}  // namespace ampdesk
