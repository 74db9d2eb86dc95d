// SPDX-License-Identifier: GPL-3.0-or-later
#include "bridge/bridgescreen.h"

#include "assets/assets.h"
#include "core/numbers.h"
#include "shell/build.h"
#include "shell/palette.h"

namespace kolomaf {

namespace {

// The drill's own colours.
constexpr QColor bandBlue(170, 212, 255);
constexpr QColor panelBlue(120, 185, 255);
constexpr QColor formulaBlue(62, 158, 255);
constexpr QColor grassGreen(0, 149, 37);
constexpr QColor wireGrey(60, 60, 60);
constexpr QColor beadRim(45, 42, 50);

// Where the controls stand, in twips.
struct DrillLayout
{
    QSize screen;
    QRect band, panel, grass; // shpband, shpformule, shpgras
    int panelRadius; // in pixels
    int formulaTop, formulaHeight; // the terms of the sum on the panel
    std::array<int, 3> postLeft; // Shppaal, at beads 0, 10 and 20
    int postTop;
    QSize post;
    int wireLeft, wireRight, wireY; // Line1
    int firstBead, beadStep, beadTop, beadSize; // Shpdraad
    int numeralTop; // lblgetal, centred under its bead
    QSize numeral;
    QSize bird; // imghum
    int twig; // how far the twig a bird sits on is above the picture's foot
    int hopTop; // cmdnaar10 and cmdverder; STOP's top is the screen's own
    QSize button;
    int towardsTenLeft, onwardLeft, stopLeft;
    QRect dogs; // imghonden
};

constexpr DrillLayout plan {
    .screen = {11880, 7935},
    .band = {0, 0, 11880, 2400},
    .panel = {1440, 960, 9120, 1215},
    .grass = {0, 6120, 11880, 1815},
    .panelRadius = 20,
    .formulaTop = 1200,
    .formulaHeight = 735,
    .postLeft = {0, 5640, 11280},
    .postTop = 3960,
    .post = {615, 2055},
    .wireLeft = 240,
    .wireRight = 11520,
    .wireY = 4440,
    .firstBead = 120,
    .beadStep = 570,
    .beadTop = 4320,
    .beadSize = 195,
    .numeralTop = 4560,
    .numeral = {540, 495},
    .bird = {600, 960},
    .twig = 60,
    .hopTop = 6360,
    .button = {1815, 855},
    .towardsTenLeft = 8640,
    .onwardLeft = 4620,
    .stopLeft = 600,
    .dogs = {11280, 7440, 480, 420},
};

// The sum written out on the panel, one label a term: 13 - 7 = 13 - 3 - 4 = 6.
struct FormulaTerm
{
    Label *BridgeDrillScreen::*label;
    const char *name;
    int left, width;
    const char *text; // the signs; the numbers are written when the drill opens
};

constexpr FormulaTerm formula[] = {
    {&BridgeDrillScreen::lblmult1, "lblmult1", 1680, 855, ""},
    {&BridgeDrillScreen::lblplus, "lblplus", 2520, 615, "-"},
    {&BridgeDrillScreen::lblmult2, "lblmult2", 3120, 615, ""},
    {&BridgeDrillScreen::lblgelijk, "lblgelijk", 3720, 615, "="},
    {&BridgeDrillScreen::lblgetal1b, "lblgetal1b", 4320, 975, ""},
    {&BridgeDrillScreen::lblplus2, "lblplus2", 5280, 615, "-"},
    {&BridgeDrillScreen::lblgetal2b, "lblgetal2b", 5880, 975, ""},
    {&BridgeDrillScreen::lblplus3, "lblplus3", 6840, 615, "-"},
    {&BridgeDrillScreen::lblgetal2c, "lblgetal2c", 7440, 975, ""},
    {&BridgeDrillScreen::lblgelijk2, "lblgelijk2", 8400, 615, "="},
    {&BridgeDrillScreen::lbluitkomst, "lbluitkomst", 9000, 1335, ""},
};

int beadCentre(int i)
{
    return plan.firstBead + plan.beadStep * i + plan.beadSize / 2;
}

bool isPost(int i)
{
    return i == 0 || i == 10 || i == 20;
}

qint16 variable(const Screen *s, const char *name)
{
    return s ? qint16(s->property(name).toInt()) : qint16(0);
}

} // namespace

BridgeDrillScreen::BridgeDrillScreen(Runtime &rt, const BridgeConfig &config)
    : Screen(rt, config.name, plan.screen.width(), plan.screen.height())
    , m_config(config)
{
    setWindowTitle(QStringLiteral("Over het tiental met min"));
    setBackColor(this, palette::white);
    if (config.wizardIcon)
        setWindowIcon(pictureIcon(picture("tovenaar")));
    buildBackground();
    buildFormula();
    buildString();
    buildButtons();
    setStackingOrder();
    connectHandlers();
}

void BridgeDrillScreen::buildBackground()
{
    shpband = place(new Shape(this), "shpband", plan.band);
    setBackColor(shpband, bandBlue);
    shpformule = place(new Shape(this, true, plan.panelRadius), "shpformule", plan.panel);
    setBackColor(shpformule, panelBlue);
    shpgras = place(new Shape(this), "shpgras", plan.grass);
    setBackColor(shpgras, grassGreen);
}

void BridgeDrillScreen::buildFormula()
{
    const Look look {designFont(27.75), palette::black, formulaBlue};
    for (const FormulaTerm &term : formula) {
        const QRect at(term.left, plan.formulaTop, term.width, plan.formulaHeight);
        this->*term.label = dress(
            caption(place(new Label(this), term.name, at), QLatin1String(term.text), Qt::AlignCenter), look);
    }
}

// The posts, the wire and on it the beads, each with its number under it
// and a bird that may sit on it.
void BridgeDrillScreen::buildString()
{
    for (int p = 0; p < 3; ++p) {
        Shppaal[p] = place(
            new Shape(this), arrayName("Shppaal", p), QRect({plan.postLeft[p], plan.postTop}, plan.post));
        setBackColor(Shppaal[p], palette::darkRed);
    }
    Line1 = new Line(this, {plan.wireLeft, plan.wireY}, {plan.wireRight, plan.wireY}, 3, wireGrey);
    Line1->setObjectName(QStringLiteral("Line1"));

    const Look numeral {designFont(18), palette::white, palette::darkRed};
    const QSize bird = plan.bird;
    for (int i = 0; i < beads; ++i) {
        const int centre = beadCentre(i);
        const int beadLeft = centre - plan.beadSize / 2;
        Shpdraad[i] = place(new Shape(this, true, -1), arrayName("Shpdraad", i),
            {beadLeft, plan.beadTop, plan.beadSize, plan.beadSize});
        Shpdraad[i]->setBorder(beadRim, 1);
        setBackColor(Shpdraad[i], palette::silver);
        const QRect numeralAt({centre - plan.numeral.width() / 2, plan.numeralTop}, plan.numeral);
        lblgetal[i] = dress(caption(place(new Label(this), arrayName("lblgetal", i), numeralAt),
                                numberText(i), Qt::AlignCenter),
            numeral);
        // The twig at the foot of the picture rests on the wire, or on a post.
        const int perch = isPost(i) ? plan.postTop : plan.wireY;
        const int left = qBound(0, centre - bird.width() / 2, plan.screen.width() - bird.width());
        imghum[i] = place(new Picture(this, picture("kolibrie_zit")), arrayName("imghum", i),
            QRect({left, perch - bird.height() + plan.twig}, bird));
        imghum[i]->hide();
    }
}

void BridgeDrillScreen::buildButtons()
{
    auto hopButton = [&](const char *name, int left, const char *tip) {
        auto *b = place(new PictureButton(this, picture("kolibrie_vlieg")), name,
            QRect({left, plan.hopTop}, plan.button));
        setBackColor(b, palette::white);
        b->setToolTip(QLatin1String(tip));
        b->hide();
        return b;
    };
    cmdnaar10 = hopButton("cmdnaar10", plan.towardsTenLeft, "naar 10");
    cmdverder = hopButton("cmdverder", plan.onwardLeft, "verder");
    cmdstop = place(new PictureButton(this, picture("stop")), m_config.stopName,
        QRect({plan.stopLeft, m_config.stopTop}, plan.button));
    setBackColor(cmdstop, palette::darkRed);
    cmdstop->setToolTip(QStringLiteral("stop !"));
    cmdstop->hide();
    imghonden = place(new Picture(this, picture("honden")), "imghonden", plan.dogs);
    imghonden->setToolTip(QStringLiteral("https://kolomaf.example.org"));
}

void BridgeDrillScreen::setStackingOrder()
{
    stack({shpband, shpformule, shpgras, lblmult1, lblplus, lblmult2, lblgelijk, lblgetal1b, lblplus2,
        lblgetal2b, lblplus3, lblgetal2c, lblgelijk2, lbluitkomst, Shppaal[0], Shppaal[1], Shppaal[2],
        Line1});
    for (int i = 0; i < beads; ++i)
        stack({lblgetal[i], Shpdraad[i]});
    for (Picture *bird : imghum)
        stack({bird});
    stack({cmdnaar10, cmdverder, cmdstop, imghonden});
}

void BridgeDrillScreen::connectHandlers()
{
    connect(cmdnaar10, &QAbstractButton::clicked, this, &BridgeDrillScreen::cmdnaar10_Click);
    connect(cmdverder, &QAbstractButton::clicked, this, &BridgeDrillScreen::cmdverder_Click);
    connect(cmdstop, &QAbstractButton::clicked, this, &BridgeDrillScreen::cmdstop_Click);
}

void BridgeDrillScreen::reset()
{
    for (Picture *bird : imghum)
        bird->hide();
    for (Shape *bead : Shpdraad)
        setBackColor(bead, palette::silver);
    for (Label *l : {lblgetal1b, lblgetal2b, lblgetal2c, lbluitkomst})
        l->setText(QString());
    for (Label *l : {lblmult1, lblmult2, lblplus, lblplus2, lblplus3, lblgelijk, lblgelijk2})
        l->hide();
}

void BridgeDrillScreen::load()
{
    reset();
    centre();
}

void BridgeDrillScreen::activate()
{
    centre();
}

// The values come from real digits, so every index names a bead; the check
// only keeps a mistake elsewhere from reaching outside the string.
void BridgeDrillScreen::markBead(int i)
{
    if (i >= 0 && i < beads)
        setBackColor(Shpdraad[i], palette::green);
}

void BridgeDrillScreen::showBird(int i)
{
    for (Picture *bird : imghum)
        bird->hide();
    if (i >= 0 && i < beads)
        imghum[i]->show();
}

Screen *BridgeDrillScreen::opener()
{
    if (!m_opener)
        m_opener = runtime().screen(QLatin1String(m_config.opener));
    return m_opener;
}

void BridgeDrillScreen::openFrom(Screen *from, int bottomDigit)
{
    m_opener = from;
    const qint16 startgetal = variable(from, "startgetal");
    for (Picture *bird : imghum)
        bird->hide();
    cmdstop->show();
    show();
    from->hide();
    lblmult1->show();
    lblmult2->show();
    if (startgetal >= 0 && startgetal < beads)
        imghum[startgetal]->show();
    markBead(startgetal);
    for (Label *l : {lblplus, lblplus2, lblplus3, lblgelijk, lblgetal1b, lblgelijk2, lblgetal2b, lbluitkomst})
        l->show();
    lblgetal1b->setText(numberText(startgetal));
    lblmult1->setText(numberText(startgetal));
    lblmult2->setText(numberText(bottomDigit));
    cmdnaar10->show();
}

void BridgeDrillScreen::cmdnaar10_Click()
{
    cmdverder->show();
    cmdnaar10->hide();
    showBird(10);
    lblgetal2b->setText(numberText(multrest));
    markBead(10);
    cmdverder->setFocus();
}

void BridgeDrillScreen::cmdverder_Click()
{
    cmdverder->hide();
    showBird(mult1);
    const qint16 verdertien = variable(opener(), "verdertien");
    lblgetal2c->setText(numberText(verdertien));
    lbluitkomst->setText(numberText(mult1));
    markBead(10 - verdertien);
}

void BridgeDrillScreen::cmdstop_Click()
{
    Screen *back = opener();
    if (back)
        back->show();
    hide();
    reset();
    if (!back)
        return;
    // The practised column's cell, or where it cannot take the focus (hidden
    // or disabled), the first answer cell that can.
    QStringList candidates {QLatin1String(m_config.focusCell), QStringLiteral("txteenheden"),
        QStringLiteral("txttientallen"), QStringLiteral("txthonderdtallen")};
    for (const QString &name : candidates)
        if (auto *cell = back->findChild<QWidget *>(name); cell && !cell->isHidden() && cell->isEnabled()) {
            cell->setFocus();
            return;
        }
}

void BridgeDrillScreen::closeRequested()
{
    // Closing the window goes back like STOP.
    cmdstop_Click();
}

void registerBridgeScreens(Runtime &rt)
{
    for (const BridgeConfig &c : bridgeConfigs)
        rt.registerKind(QLatin1String(c.name), [&c](Runtime &r) { return new BridgeDrillScreen(r, c); });
}

} // namespace kolomaf
