#include "bridge/bridgescreen.h"

#include "assets/assets.h"
#include "shell/build.h"
#include "shell/palette.h"
#include "core/numbers.h"

namespace kolomaf {

namespace {

constexpr QColor formulaBlue(62, 158, 255);
constexpr QColor bandBlue(170, 212, 255);
constexpr int wireY = 4440;
constexpr int postTop = 3960;
constexpr int birdWidth = 600, birdHeight = 960;

int beadLeft(int i)
{
    return 120 + 570 * i;
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
    : Screen(rt, config.name, 11880, 7935)
    , m_config(config)
{
    setWindowTitle(QStringLiteral("Over het tiental met min"));
    setBackColor(this, palette::white);
    if (config.wizardIcon)
        setWindowIcon(pictureIcon(picture("tovenaar")));

    auto *band = place(new Shape(this), "shpband", 0, 0, 11880, 2400);
    setBackColor(band, bandBlue);
    auto *panel = place(new Shape(this, true, 20), "shpformule", 1440, 960, 9120, 1215);
    setBackColor(panel, QColor(120, 185, 255));
    auto *ground = place(new Shape(this), "shpgras", 0, 6120, 11880, 1815);
    setBackColor(ground, QColor(0, 149, 37));

    const Look formula {designFont(27.75), palette::black, formulaBlue};
    auto part = [&](const char *name, int left, int width, const char *text = "") {
        return dress(caption(place(new Label(this), name, left, 1200, width, 735), QLatin1String(text),
                         Qt::AlignCenter),
            formula);
    };
    lblmult1 = part("lblmult1", 1680, 855);
    lblplus = part("lblplus", 2520, 615, "-");
    lblmult2 = part("lblmult2", 3120, 615);
    lblgelijk = part("lblgelijk", 3720, 615, "=");
    lblgetal1b = part("lblgetal1b", 4320, 975);
    lblplus2 = part("lblplus2", 5280, 615, "-");
    lblgetal2b = part("lblgetal2b", 5880, 975);
    lblplus3 = part("lblplus3", 6840, 615, "-");
    lblgetal2c = part("lblgetal2c", 7440, 975);
    lblgelijk2 = part("lblgelijk2", 8400, 615, "=");
    lbluitkomst = part("lbluitkomst", 9000, 1335);

    const int posts[3] = {0, 5640, 11280};
    for (int p = 0; p < 3; ++p) {
        Shppaal[p] = place(new Shape(this), arrayName("Shppaal", p), posts[p], postTop, 615, 2055);
        setBackColor(Shppaal[p], palette::darkRed);
    }
    Line1 = new Line(this, {240, wireY}, {11520, wireY}, 3, QColor(60, 60, 60));
    Line1->setObjectName(QStringLiteral("Line1"));

    const Look numeral {designFont(18), palette::white, palette::darkRed};
    for (int i = 0; i < beads; ++i) {
        Shpdraad[i] = place(new Shape(this, true, -1), arrayName("Shpdraad", i), beadLeft(i), 4320, 195, 195);
        Shpdraad[i]->setBorder(QColor(45, 42, 50), 1);
        setBackColor(Shpdraad[i], palette::silver);
        lblgetal[i] = dress(
            caption(place(new Label(this), arrayName("lblgetal", i), beadLeft(i) + 97 - 270, 4560, 540, 495),
                numberText(i), Qt::AlignCenter),
            numeral);
        const int left = qBound(0, beadLeft(i) + 97 - birdWidth / 2, 11880 - birdWidth);
        // The twig at the foot of the picture rests on the wire, or on a post.
        const int top = isPost(i) ? postTop - birdHeight + 60 : wireY - birdHeight + 60;
        imghum[i] = place(new Picture(this, picture("kolibrie_zit")), arrayName("imghum", i), left, top,
            birdWidth, birdHeight);
        imghum[i]->hide();
    }

    auto hopButton = [&](const char *name, int left, const char *tip) {
        auto *b = place(new PictureButton(this, picture("kolibrie_vlieg")), name, left, 6360, 1815, 855);
        setBackColor(b, palette::white);
        b->setToolTip(QLatin1String(tip));
        b->hide();
        return b;
    };
    cmdnaar10 = hopButton("cmdnaar10", 8640, "naar 10");
    cmdverder = hopButton("cmdverder", 4620, "verder");
    cmdstop
        = place(new PictureButton(this, picture("stop")), config.stopName, 600, config.stopTop, 1815, 855);
    setBackColor(cmdstop, palette::darkRed);
    cmdstop->setToolTip(QStringLiteral("stop !"));
    cmdstop->hide();
    imghonden = place(new Picture(this, picture("honden")), "imghonden", 11280, 7440, 480, 420);
    imghonden->setToolTip(QStringLiteral("https://kolomaf.example.org"));

    stack({band, panel, ground, lblmult1, lblplus, lblmult2, lblgelijk, lblgetal1b, lblplus2, lblgetal2b,
        lblplus3, lblgetal2c, lblgelijk2, lbluitkomst, Shppaal[0], Shppaal[1], Shppaal[2], Line1});
    for (int i = 0; i < beads; ++i)
        stack({lblgetal[i], Shpdraad[i]});
    for (Picture *bird : imghum)
        stack({bird});
    stack({cmdnaar10, cmdverder, cmdstop, imghonden});

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
    mult1 = variable(from, "rest");
    multrest = variable(from, "multrest");
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
