#include "columns/columnscreen.h"
#include "shell/screennames.h"

#include "assets/assets.h"
#include "columns/design.h"
#include "shell/build.h"
#include "shell/palette.h"
#include "core/numbers.h"
#include "shell/shellscreens.h"

#include <algorithm>

namespace kolomaf {

using namespace design;

namespace {

constexpr int cell = 735;
constexpr int headerTop = 240, plusTop = 960, bridgeTop = 2040, firstRow = 2520, secondRow = 3480;
constexpr int barY = 4320, answerTop = 4440;

QColor rgb(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

} // namespace

ColumnScreen::ColumnScreen(Runtime &rt, const ColumnConfig &config)
    : Screen(rt, config.name, config.clientWidth, config.clientHeight)
    , m_config(config)
{
    setWindowTitle(QString::fromUtf8(config.caption));
    setBackColor(this, palette::paleYellow);
    buildGrid();
    if (config.borrowing())
        buildBorrowingAids();
    buildMessages();
    buildButtons();
    buildEyes();
    setStackingOrder();
    connectHandlers();
    cmdnieuw->setFocus();
}

void ColumnScreen::buildGrid()
{
    const ColumnLayout &l = *m_config.layout;
    const auto &col = l.columnLeft;
    shpcijfer = place(new Shape(this), "shpcijfer", l.grid.left, l.grid.top, l.grid.width, l.grid.height);
    setBackColor(shpcijfer, palette::white);

    // The digits of the two numbers and the answer cells stand in rows that
    // read as numbers; hidden labels stay directly on the screen.
    auto row = [&](const char *name, const char *label, int left, int top) {
        return place(new NumberRow(this, QLatin1String(label)), name, left, top, col[E] + cell - left, cell);
    };
    const int firstLeft = col[m_config.thousandsDigit ? D : H];
    rowFirst = row("rowFirst", "eerste getal", firstLeft, firstRow);
    rowSecond = row("rowSecond", "tweede getal", col[H], secondRow);
    const Look digit {designFont(24, true), palette::white, palette::teal};
    // Places are given on the screen, in twips, whatever holds the label.
    auto digitLabel = [&](QWidget *in, QPoint origin, int index, int left, int top) {
        lblgetal[index] = dress(caption(place(new Label(in), arrayName("lblgetal", index), left - origin.x(),
                                            top - origin.y(), cell, cell),
                                    QString(), Qt::AlignCenter),
            digit);
        return lblgetal[index];
    };
    for (int c : {E, T, H}) {
        digitLabel(rowFirst, {firstLeft, firstRow}, 2 * c, col[c], firstRow);
        digitLabel(rowSecond, {col[H], secondRow}, 2 * c + 1, col[c], secondRow);
    }
    if (m_config.thousandsDigit)
        digitLabel(rowFirst, {firstLeft, firstRow}, 11, col[D], firstRow)->hide();
    // Expected answers and column results: never shown, read back as text.
    for (int c : {E, T, H, D})
        digitLabel(this, {}, 6 + c, col[c], plusTop)->hide();
    auto resultLabel = [&](const char *name, int c) {
        auto *r = place(new Label(this), name, col[c], plusTop, cell, cell);
        r->hide();
        return r;
    };
    lbleen = resultLabel("lbleen", E);
    lbltien = resultLabel("lbltien", T);
    lblhonderd = resultLabel("lblhonderd", H);
    lblduizend = resultLabel("lblduizend", D);

    Label1 = dress(caption(place(new Label(this), "Label1", l.minusLeft, l.minusTop, cell, 615),
                       QStringLiteral("-"), Qt::AlignCenter),
        digit);
    Line2 = new Line(this, {l.barFrom, barY}, {l.barTo, barY}, 2, palette::black);
    Line2->setObjectName(QStringLiteral("Line2"));

    rowAnswer = row("rowAnswer", "antwoord", col[D], answerTop);
    const Look answer {designFont(24, true), palette::black, palette::yellow};
    auto answerCell = [&](const char *name, int c) {
        auto *t = dress(place(new TextBox(rowAnswer), name, col[c] - col[D], 0, cell, cell), answer);
        t->setAlignment(Qt::AlignCenter);
        connect(t, &QLineEdit::textChanged, rowAnswer, &NumberRow::reread);
        return t;
    };
    txteenheden = answerCell("txteenheden", E);
    txttientallen = answerCell("txttientallen", T);
    txthonderdtallen = answerCell("txthonderdtallen", H);
    txtduizendtallen = answerCell("txtduizendtallen", D);
    txtduizendtallen->setVisible(m_config.thousandsCellAtDesign);

    const Look header {designFont(24, true), palette::headerBlue, palette::paleGreen};
    auto headerLabel = [&](const char *name, const char *text, int c) {
        auto *h = dress(caption(place(new Label(this), name, col[c], headerTop, cell, 615),
                            QLatin1String(text), Qt::AlignCenter),
            header);
        h->setFrameStyle(QFrame::Box | QFrame::Plain);
        h->hide();
        return h;
    };
    lblreeksE = headerLabel("lblreeksE", "E", E);
    lblreeksT = headerLabel("lblreeksT", "T", T);
    lblreeksH = headerLabel("lblreeksH", "H", H);
    lblreeksD = headerLabel("lblreeksD", "D", D);

    for (int c : {E, T, H, D}) {
        Line1[c] = new Line(this, {l.lineX[c], 1320}, {l.lineX[c], 5400}, 3, palette::columnRed);
        Line1[c]->setObjectName(arrayName("Line1", c));
        Line1[c]->hide();
    }

    const Look plus {designFont(18, true, true), palette::white, palette::teal};
    auto plusLabel = [&](const char *name, int c) {
        auto *p = dress(
            caption(place(new Label(this), name, col[c], plusTop, cell, cell), QString(), Qt::AlignCenter),
            plus);
        p->hide();
        return p;
    };
    lbltientalplus = plusLabel("lbltientalplus", T);
    lblhonderdtalplus = plusLabel("lblhonderdtalplus", H);
    lblduizendtalplus = plusLabel("lblduizendtalplus", D);
    if (m_config.unitsPlus)
        lbleenheid = plusLabel("lbleenheid", E);

    const char *bridgeNames[] = {"imgbrugeen", "imgbrugtien", "imgbrughonderd"};
    const char *bridgePictures[] = {"brug_e", "brug_t", "brug_h"};
    std::array<Picture *, 3> bridges {};
    for (int b = 0; b < 3; ++b) {
        bridges[b] = place(new Picture(this, picture(bridgePictures[b])), bridgeNames[b], l.bridgeLeft[b],
            bridgeTop, 960, 450);
        bridges[b]->hide();
        connect(bridges[b], &Picture::clicked, bridges[b], &QWidget::hide);
    }
    imgbrugeen = bridges[0];
    imgbrugtien = bridges[1];
    imgbrughonderd = bridges[2];

    imgpijl = place(new Picture(this, picture("pijl")), "imgpijl", l.arrowLeft, 2880, 450, 990);
}

void ColumnScreen::buildBorrowingAids()
{
    const auto &col = m_config.layout->columnLeft;
    Line **strokeMembers[] = {&lneE, &lneT, &lneH, &lneD};
    const char *strokeNames[] = {"lneE", "lneT", "lneH", "lneD"};
    for (int c : m_config.strokes) {
        // Corner to corner over the digit of the first number.
        auto *s = new Line(
            this, {col[c] + 60, firstRow + cell - 60}, {col[c] + cell - 60, firstRow + 60}, 5, palette::white);
        s->setObjectName(QLatin1String(strokeNames[c]));
        s->hide();
        *strokeMembers[c] = s;
    }

    lblbrug = dress(caption(place(new Label(this), "lblbrug", 4320, 1920, 1095, 495),
                        QString::fromUtf8(m_config.hint), Qt::AlignCenter),
        {designFont(8, true), palette::black, palette::white});
    lblbrug->setWordWrap(true);
    lblbrug->hide();
    imgbrugstop = place(new Picture(this, picture("waarschuwing")), "imgbrugstop", 4440, 960, 900, 780);
    imgbrugstop->hide();

    shpaklas = place(new Shape(this, false), "shpaklas", 120, 6240, 1695, 1095);
    shpaklas->setBorder(palette::red, 4);
    shpaklas->hide();
    cmdaklas = place(new PictureButton(this), "cmdaklas", 360, 6360, 1215, 855);
    cmdaklas->setText(QStringLiteral("A klas"));
    dress(cmdaklas, {designFont(9.75, true), palette::black, palette::periwinkle});
    cmdaklas->setToolTip(QStringLiteral("help me "));
    cmdaklas->hide();
}

void ColumnScreen::buildMessages()
{
    const ColumnLayout &l = *m_config.layout;
    lblhelp = dress(
        caption(place(new Label(this), "lblhelp", l.help.left, l.help.top, l.help.width, l.help.height),
            QString::fromUtf8(l.helpCaption), Qt::AlignCenter),
        {designFont(12, true), palette::headerBlue, rgb(l.helpColour)});
    lblhelp->hide();

    lblprima = dress(caption(place(new Label(this), "lblprima", l.verdictLeft, 3000, 3495, 615),
                         QStringLiteral("PRIMA "), Qt::AlignCenter),
        {designFont(24, true), palette::deepGreen, palette::lightGreen});
    lblprima->hide();

    txtcontrole = dress(place(new TextBox(this), "txtcontrole", l.verdictLeft, 3720, 3495, 855),
        {designFont(18, true), palette::navy, palette::lightGreen});
    // The record line is written by the program only.
    txtcontrole->setReadOnly(true);
    txtcontrole->setFocusPolicy(Qt::NoFocus);

    for (int b = 0; b < 15; ++b) {
        auto *t
            = place(new TextBox(this), arrayName("Txtoef1", b), l.scoreLeft[b % 5], l.scoreTop, 1575, 360);
        dress(t, {designFont(9.75), palette::black, palette::white});
        t->setAlignment(Qt::AlignCenter);
        t->setReadOnly(true);
        t->setFocusPolicy(Qt::NoFocus);
        t->setVisible(b < 5);
        Txtoef1[b] = t;
    }
}

void ColumnScreen::buildButtons()
{
    const ColumnLayout &l = *m_config.layout;
    auto button
        = [&](const char *name, const char *pictureName, QColor colour, const char *tip, int left, int top) {
              auto *b = place(new PictureButton(this, picture(pictureName)), name, left, top, 1215, 855);
              setBackColor(b, colour);
              b->setToolTip(QLatin1String(tip));
              b->hide();
              return b;
          };
    cmdnieuw = button("cmdnieuw", "raket", {192, 0, 192}, "START", l.startLeft, l.startTop);
    cmdnieuw->show();
    cmdverbeter = button("cmdverbeter", "licht_groen", {0, 192, 0}, "CONTROLE", l.lightLeft, l.lightTop);
    cmdoranje = button("cmdoranje", "licht_oranje", {255, 128, 0}, "CONTROLE", l.lightLeft, l.lightTop);
    cmdverbeter2 = button("cmdverbeter2", "licht_rood", {255, 0, 0}, "OPNIEUW", l.lightLeft, l.lightTop);
    cmdstop = button("cmdstop", "stop", {255, 128, 128}, "STOP", m_config.stopLeft, l.startTop);
    cmdstop2 = button("cmdstop2", "stop", {128, 0, 0}, "STOP", l.lightLeft, l.lightTop);
    connect(cmdstop2, &QAbstractButton::clicked, this, &ColumnScreen::leaveToMenu);

    Shape1 = place(new Shape(this), "Shape1", l.buttonPanel.left, l.buttonPanel.top, l.buttonPanel.width,
        l.buttonPanel.height);
    setBackColor(Shape1, rgb(l.buttonPanelColour));
    Image2 = place(new Picture(this, picture("logo")), "Image2", l.logoLeft, l.logoTop, 480, 420);
    Image2->setToolTip(QStringLiteral("https://kolomaf.example.org"));
}

void ColumnScreen::buildEyes()
{
    const int left = m_config.layout->eyeLeft;
    imgoog1 = place(new Picture(this, picture("oog_dicht")), "imgoog1", left, 120, 3525, 2880);
    imgoog2 = place(new Picture(this, picture("oog_open")), "imgoog2", left, 120, 3480, 2880);
    tmroog = new Timer(this, "tmroog", 500, false);
    // Runs from the moment the screen exists: the eye closes within a second.
    tmroog2 = new Timer(this, "tmroog2", 1000, true);
    connect(tmroog, &Timer::tick, this, &ColumnScreen::closeEye);
    connect(tmroog2, &Timer::tick, this, &ColumnScreen::closeEye);
}

void ColumnScreen::setStackingOrder()
{
    stack({shpcijfer, Shape1, Label1, lbleen, lbltien, lblhonderd, lblduizend});
    for (Label *d : lblgetal)
        stack({d});
    stack({rowFirst, rowSecond});
    for (NumberRow *r : {rowFirst, rowSecond, rowAnswer})
        r->orderLeftToRight();
    stack({lblreeksE, lblreeksT, lblreeksH, lblreeksD, lbltientalplus, lblhonderdtalplus, lblduizendtalplus,
        lbleenheid, imgbrugeen, imgbrugtien, imgbrughonderd, imgbrugstop, lblbrug, rowAnswer, lblhelp, lblprima,
        txtcontrole});
    for (TextBox *t : Txtoef1)
        stack({t});
    stack({imgoog1, imgoog2, imgpijl, Image2, shpaklas, cmdaklas, cmdnieuw, cmdstop});
    // The traffic lights and the second STOP share one spot.
    if (m_config.orangeInFront)
        stack({cmdverbeter, cmdverbeter2, cmdoranje, cmdstop2});
    else
        stack({cmdoranje, cmdverbeter, cmdverbeter2, cmdstop, cmdstop2});
    // Lines are drawn over everything and let every click through.
    stack({Line2, Line1[E], Line1[T], Line1[H], Line1[D], lneE, lneT, lneH, lneD});
}

void ColumnScreen::showStartPrompt()
{
    lblhelp->show();
    setBackColor(lblhelp, palette::green);
    lblhelp->setText(QLatin1String(startCaption));
}

void ColumnScreen::keepTheLargerTotal()
{
    const qint16 own = z;
    copyTotalIn();
    z = std::max(z, own);
}

void ColumnScreen::copyTotalIn()
{
    auto *menu = runtime().screen<ColumnMenuScreen>(screens::columnMenu);
    if (!menu)
        return;
    const auto value = readNumber(menu->lblgemaakt->text());
    z = value ? toInt16(*value).value_or(0) : 0;
}

void ColumnScreen::load()
{
    showStartPrompt();
    if (!m_config.borrowing())
        txtduizendtallen->hide();
    copyTotalIn();
    centre();
}

void ColumnScreen::activate()
{
    if (!m_config.borrowing()) {
        // START is the pupil's way in; when it is not on offer (an exercise
        // left half-way) the focus stays where the pupil left it.
        if (!cmdnieuw->isHidden())
            cmdnieuw->setFocus();
        txtduizendtallen->hide();
    }
    showStartPrompt();
    copyTotalIn();
    centre();
}

void ColumnScreen::closeEye()
{
    imgoog2->hide();
    imgoog1->show();
}

void ColumnScreen::leaveToMenu()
{
    hide();
    auto *menu = runtime().screen<ColumnMenuScreen>(screens::columnMenu);
    if (!menu)
        return;
    // A screen left open behind another one may hold an old total.
    keepTheLargerTotal();
    menu->show();
    menu->lblgemaakt->setText(numberText(z));
}

void ColumnScreen::closeRequested()
{
    // The window's own close control leaves like the second STOP does, so the
    // running total is handed back and nothing is lost.
    leaveToMenu();
}

void registerColumnScreens(Runtime &rt)
{
    for (const ColumnConfig &c : columnConfigs)
        rt.registerKind(QLatin1String(c.name), [&c](Runtime &r) { return new ColumnScreen(r, c); });
}

} // namespace kolomaf
