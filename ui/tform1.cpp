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
#include <QToolButton>

#include "color_button.h"
#include "edition_texts.h"
#include "form_builders.h"
#include "picture_box.h"
#include "scheduler.h"
#include "spin_buttons.h"
#include "tform4.h"

namespace ampdesk {

namespace {

const QColor kOpenPanelColor(255, 255, 128);
const QColor kNormalColor(224, 224, 224);
const QColor kEditionASpinColor(200, 224, 251);

// The band colours, shared by the band labels and the graph's handles.
const QColor kBandColor[6] = {{255, 252, 0}, {255, 0, 0},   {0, 252, 255},
                              {0, 252, 0},   {255, 0, 255}, {0, 0, 255}};

}  // namespace

TForm1::TForm1(Edition edition, WindowServices services, QWidget* parent)
    : QMainWindow(parent),
      m_edition(edition),
      m_layout(editionLayout(edition)),
      m_services(services) {
    setObjectName("TForm1");
    setWindowTitle(edition == Edition::A ? "AmpDesk" : "AmpDesk B");
    setFont(QFont("Arial", 9));

    // The controls as designed.
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
    // Edition B's EQ frame is up only while an EQ panel is open.
    if (edition == Edition::B) RzGroupBox8->hide();
    setStatusText(texts::kStatusStart.in(edition));
    connectPanelButtons();

    // Window creation.
    hideEditingGroupsAtStart();
    if (edition == Edition::A) applyEditionAFonts();
    placeGroups();
    resize(m_layout.windowWidth, m_layout.windowHeight);
    Image2->canvas() =
        m_pictures.faderBackground.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    {
        QPainter p(&Image2->canvas());
        p.drawImage(KnobLeft[0], 56, m_pictures.knob);
    }
    colourBandLabels();
    if (edition == Edition::A) openEqFrame(kSectionMaster);

    m_form4 = std::make_unique<TForm4>(edition, this);

    Timer124 = services.scheduler.createTimer("Timer124", 10, [this] { Timer124Timer(); });
    Timer124->start();
}

TForm1::~TForm1() = default;

void TForm1::PumpWait(int ms) {
    m_services.scheduler.pumpWait(ms);
}

void TForm1::hideEditingGroupsAtStart() {
    if (m_edition == Edition::A) {
        RzGroupBox8->hide();
        RzGroupBox12->hide();
    } else {
        GroupBox1->hide();
    }
    // Edition A's strip exists but is never shown.
    if (m_edition == Edition::A) GroupBox1->hide();
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

void TForm1::placeGroups() {
    RzGroupBox1->move(m_layout.rzGroupBox1.topLeft());
    RzGroupBox2->move(m_layout.rzGroupBox2.topLeft());
    RzGroupBox3->move(m_layout.rzGroupBox3.topLeft());
    RzGroupBox8->move(m_layout.rzGroupBox8.topLeft());
    GroupBox1->move(m_layout.groupBox1.topLeft());
    GroupBox2->move(m_layout.groupBox2.topLeft());
}

void TForm1::colourBandLabels() {
    for (int r = 0; r < 6; ++r) {
        QLabel* l = bandRows[r].label;
        QPalette pal = l->palette();
        pal.setColor(QPalette::Window, kBandColor[r]);
        // Dark text on the light colours, light text on the dark blue.
        pal.setColor(QPalette::WindowText, r == 5 ? QColor(255, 255, 255) : QColor(0, 0, 0));
        l->setPalette(pal);
        l->setAutoFillBackground(true);
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
    connect(exitItem, &QAction::triggered, this, &QWidget::close);
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
            break;
        case kPanelDelay:
            panel = RzGroupBox6;
            RzLabel4->setText(texts::kDelayTitle[section].in(m_edition));
            break;
        case kPanelLimiter:
            panel = RzGroupBox7;
            RzLabel5->setText(texts::kLimiterTitle[section].in(m_edition));
            break;
        default:
            return;
    }
    // Top-left corner at the bottom-right corner of the pressed button.
    const QRect b = pressed->geometry();
    panel->move(GroupBox1->x() + b.x() + b.width(), GroupBox1->y() + b.y() + b.height());
    panel->show();
    panel->raise();
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
