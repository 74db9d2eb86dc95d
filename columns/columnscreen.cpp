// SPDX-License-Identifier: GPL-3.0-or-later
#include "columns/columnscreen.h"

#include "assets/assets.h"
#include "columns/design.h"
#include "core/numbers.h"
#include "shell/build.h"
#include "shell/palette.h"
#include "shell/screennames.h"
#include "shell/shellscreens.h"

#include <algorithm>

namespace kolomaf {

using namespace design;

namespace {

// The digits, the minus sign: white on teal.
Look digitLook()
{
    return {designFont(24, true), palette::white, palette::teal};
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

QRect ColumnScreen::cellRect(int column, int top) const
{
    const int cell = columnGeometry.cell;
    return {columnLayout().columnLeft[column], top, cell, cell};
}

void ColumnScreen::buildGrid()
{
    shpcijfer = place(new Shape(this), "shpcijfer", columnLayout().grid);
    setBackColor(shpcijfer, palette::white);
    buildNumbers();
    buildResults();
    buildMinusAndBar();
    buildAnswerCells();
    buildHeaders();
    buildColumnLines();
    buildPlusLabels();
    buildBridges();
    imgpijl = place(new Picture(this, picture("pijl")), "imgpijl",
        QRect({columnLayout().arrowLeft, columnGeometry.arrowTop}, columnGeometry.arrow));
}

// The digits of the two numbers and the answer cells stand in rows that
// read as numbers, from their left edge to the units; hidden labels stay
// directly on the screen.
NumberRow *ColumnScreen::numberRow(const char *name, const char *label, QPoint topLeft)
{
    const int cell = columnGeometry.cell;
    const int width = columnLayout().columnLeft[E] + cell - topLeft.x();
    return place(new NumberRow(this, QLatin1String(label)), name, QRect(topLeft, QSize(width, cell)));
}

// Places are given on the screen, in twips, whatever holds the label; origin
// is where its holder stands.
Label *ColumnScreen::digitLabel(QWidget *in, QPoint origin, int index, int column, int top)
{
    const QRect at = cellRect(column, top).translated(-origin);
    lblgetal[index]
        = dress(caption(place(new Label(in), arrayName("lblgetal", index), at), QString(), Qt::AlignCenter),
            digitLook());
    return lblgetal[index];
}

void ColumnScreen::buildNumbers()
{
    const auto &col = columnLayout().columnLeft;
    const QPoint first {col[m_config.thousandsDigit ? D : H], columnGeometry.firstRow};
    const QPoint second {col[H], columnGeometry.secondRow};
    rowFirst = numberRow("rowFirst", "eerste getal", first);
    rowSecond = numberRow("rowSecond", "tweede getal", second);
    for (int c : {E, T, H}) {
        digitLabel(rowFirst, first, 2 * c, c, first.y());
        digitLabel(rowSecond, second, 2 * c + 1, c, second.y());
    }
    if (m_config.thousandsDigit)
        digitLabel(rowFirst, first, 11, D, first.y())->hide();
}

// Expected answers and column results: never shown, read back as text.
void ColumnScreen::buildResults()
{
    const int top = columnGeometry.plusTop;
    for (int c : {E, T, H, D})
        digitLabel(this, {}, 6 + c, c, top)->hide();
    auto resultLabel = [&](const char *name, int c) {
        auto *r = place(new Label(this), name, cellRect(c, top));
        r->hide();
        return r;
    };
    lbleen = resultLabel("lbleen", E);
    lbltien = resultLabel("lbltien", T);
    lblhonderd = resultLabel("lblhonderd", H);
    lblduizend = resultLabel("lblduizend", D);
}

void ColumnScreen::buildMinusAndBar()
{
    const ColumnLayout &l = columnLayout();
    const ColumnGeometry &g = columnGeometry;
    Label1 = dress(caption(place(new Label(this), "Label1", QRect({l.minusLeft, l.minusTop}, g.minus)),
                       QStringLiteral("-"), Qt::AlignCenter),
        digitLook());
    Line2 = new Line(this, {l.barFrom, g.barY}, {l.barTo, g.barY}, g.barWidth, palette::black);
    Line2->setObjectName(QStringLiteral("Line2"));
}

void ColumnScreen::buildAnswerCells()
{
    const int thousandsLeft = columnLayout().columnLeft[D];
    rowAnswer = numberRow("rowAnswer", "antwoord", {thousandsLeft, columnGeometry.answerTop});
    const Look answer {designFont(24, true), palette::black, palette::yellow};
    auto answerCell = [&](const char *name, int c) {
        const QRect inRow = cellRect(c, 0).translated(-thousandsLeft, 0);
        auto *t = dress(place(new TextBox(rowAnswer), name, inRow), answer);
        t->setAlignment(Qt::AlignCenter);
        connect(t, &QLineEdit::textChanged, rowAnswer, &NumberRow::reread);
        return t;
    };
    txteenheden = answerCell("txteenheden", E);
    txttientallen = answerCell("txttientallen", T);
    txthonderdtallen = answerCell("txthonderdtallen", H);
    txtduizendtallen = answerCell("txtduizendtallen", D);
    txtduizendtallen->setVisible(m_config.thousandsCellAtDesign);
}

void ColumnScreen::buildHeaders()
{
    const Look header {designFont(24, true), palette::headerBlue, palette::paleGreen};
    auto headerLabel = [&](const char *name, const char *text, int c) {
        const QRect at({columnLayout().columnLeft[c], columnGeometry.headerTop}, columnGeometry.header);
        auto *h
            = dress(caption(place(new Label(this), name, at), QLatin1String(text), Qt::AlignCenter), header);
        h->setFrameStyle(QFrame::Box | QFrame::Plain);
        h->hide();
        return h;
    };
    lblreeksE = headerLabel("lblreeksE", "E", E);
    lblreeksT = headerLabel("lblreeksT", "T", T);
    lblreeksH = headerLabel("lblreeksH", "H", H);
    lblreeksD = headerLabel("lblreeksD", "D", D);
}

void ColumnScreen::buildColumnLines()
{
    const ColumnGeometry &g = columnGeometry;
    for (int c : {E, T, H, D}) {
        const int x = columnLayout().lineX[c];
        Line1[c] = new Line(
            this, {x, g.columnLineTop}, {x, g.columnLineBottom}, g.columnLineWidth, palette::columnRed);
        Line1[c]->setObjectName(arrayName("Line1", c));
        Line1[c]->hide();
    }
}

void ColumnScreen::buildPlusLabels()
{
    const Look plus {designFont(18, true, true), palette::white, palette::teal};
    auto plusLabel = [&](const char *name, int c) {
        auto *p = dress(caption(place(new Label(this), name, cellRect(c, columnGeometry.plusTop)), QString(),
                            Qt::AlignCenter),
            plus);
        p->hide();
        return p;
    };
    lbltientalplus = plusLabel("lbltientalplus", T);
    lblhonderdtalplus = plusLabel("lblhonderdtalplus", H);
    lblduizendtalplus = plusLabel("lblduizendtalplus", D);
    if (m_config.unitsPlus)
        lbleenheid = plusLabel("lbleenheid", E);
}

void ColumnScreen::buildBridges()
{
    const char *names[] = {"imgbrugeen", "imgbrugtien", "imgbrughonderd"};
    const char *pictures[] = {"brug_e", "brug_t", "brug_h"};
    std::array<Picture *, 3> bridges {};
    for (int b = 0; b < 3; ++b) {
        const QRect at({columnLayout().bridgeLeft[b], columnGeometry.bridgeTop}, columnGeometry.bridge);
        bridges[b] = place(new Picture(this, picture(pictures[b])), names[b], at);
        bridges[b]->hide();
        connect(bridges[b], &Picture::clicked, bridges[b], &QWidget::hide);
    }
    imgbrugeen = bridges[0];
    imgbrugtien = bridges[1];
    imgbrughonderd = bridges[2];
}

void ColumnScreen::buildBorrowingAids()
{
    const ColumnGeometry &g = columnGeometry;
    Line **strokeMembers[] = {&lneE, &lneT, &lneH, &lneD};
    const char *strokeNames[] = {"lneE", "lneT", "lneH", "lneD"};
    for (int c : m_config.strokes) {
        // Corner to corner over the digit of the first number.
        const int left = columnLayout().columnLeft[c], top = g.firstRow;
        const int near = g.strokeInset, far = g.cell - g.strokeInset;
        auto *s = new Line(
            this, {left + near, top + far}, {left + far, top + near}, g.strokeWidth, palette::white);
        s->setObjectName(QLatin1String(strokeNames[c]));
        s->hide();
        *strokeMembers[c] = s;
    }

    lblbrug = dress(
        caption(place(new Label(this), "lblbrug", g.hint), QString::fromUtf8(m_config.hint), Qt::AlignCenter),
        {designFont(8, true), palette::black, palette::white});
    lblbrug->setWordWrap(true);
    lblbrug->hide();
    imgbrugstop = place(new Picture(this, picture("waarschuwing")), "imgbrugstop", g.warning);
    imgbrugstop->hide();

    shpaklas = place(new Shape(this, false), "shpaklas", g.drillFrame);
    shpaklas->setBorder(palette::red, g.drillFrameWidth);
    shpaklas->hide();
    cmdaklas = place(new PictureButton(this), "cmdaklas", g.drillButton);
    cmdaklas->setText(QStringLiteral("A klas"));
    dress(cmdaklas, {designFont(9.75, true), palette::black, palette::periwinkle});
    cmdaklas->setToolTip(QStringLiteral("help me "));
    cmdaklas->hide();
}

void ColumnScreen::buildMessages()
{
    const ColumnLayout &l = columnLayout();
    lblhelp = dress(
        caption(place(new Label(this), "lblhelp", l.help), QString::fromUtf8(l.helpCaption), Qt::AlignCenter),
        {designFont(12, true), palette::headerBlue, l.helpColour});
    lblhelp->hide();

    lblprima = dress(
        caption(place(new Label(this), "lblprima", l.verdict), QStringLiteral("PRIMA "), Qt::AlignCenter),
        {designFont(24, true), palette::deepGreen, palette::lightGreen});
    lblprima->hide();
    // The record line is written by the program only.
    txtcontrole = readOnly(dress(place(new TextBox(this), "txtcontrole", l.record),
        {designFont(18, true), palette::navy, palette::lightGreen}));

    for (int b = 0; b < int(Txtoef1.size()); ++b) {
        const QRect at({l.scoreLeft[b % 5], l.scoreTop}, columnGeometry.scoreBox);
        Txtoef1[b] = displayBox(
            this, arrayName("Txtoef1", b), at, {designFont(9.75), palette::black, palette::white});
        Txtoef1[b]->setVisible(b < 5);
    }
}

void ColumnScreen::buildButtons()
{
    const ColumnLayout &l = columnLayout();
    auto button = [&](const char *name, const char *pictureName, QColor colour, const char *tip, QPoint at) {
        auto *b
            = place(new PictureButton(this, picture(pictureName)), name, QRect(at, columnGeometry.button));
        setBackColor(b, colour);
        b->setToolTip(QLatin1String(tip));
        b->hide();
        return b;
    };
    const QPoint start {l.startLeft, l.startTop};
    const QPoint lights {l.lightLeft, l.lightTop};
    cmdnieuw = button("cmdnieuw", "raket", palette::purple, "START", start);
    cmdnieuw->show();
    cmdverbeter = button("cmdverbeter", "licht_groen", palette::midGreen, "CONTROLE", lights);
    cmdoranje = button("cmdoranje", "licht_oranje", palette::orange, "CONTROLE", lights);
    cmdverbeter2 = button("cmdverbeter2", "licht_rood", palette::red, "OPNIEUW", lights);
    cmdstop = button("cmdstop", "stop", palette::pink, "STOP", {m_config.stopLeft, l.startTop});
    cmdstop2 = button("cmdstop2", "stop", palette::darkRed, "STOP", lights);
    connect(cmdstop2, &QAbstractButton::clicked, this, &ColumnScreen::leaveToMenu);

    Shape1 = place(new Shape(this), "Shape1", l.buttonPanel);
    setBackColor(Shape1, l.buttonPanelColour);
    Image2 = place(
        new Picture(this, picture("logo")), "Image2", QRect({l.logoLeft, l.logoTop}, columnGeometry.logo));
    Image2->setToolTip(QStringLiteral("https://kolomaf.example.org"));
}

void ColumnScreen::buildEyes()
{
    const ColumnGeometry &g = columnGeometry;
    const QPoint at {columnLayout().eyeLeft, g.eyeTop};
    imgoog1 = place(new Picture(this, picture("oog_dicht")), "imgoog1", QRect(at, g.closedEye));
    imgoog2 = place(new Picture(this, picture("oog_open")), "imgoog2", QRect(at, g.openEye));
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
        lbleenheid, imgbrugeen, imgbrugtien, imgbrughonderd, imgbrugstop, lblbrug, rowAnswer, lblhelp,
        lblprima, txtcontrole});
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
