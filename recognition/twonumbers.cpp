// SPDX-License-Identifier: GPL-3.0-or-later
#include "recognition/twonumbers.h"

#include "assets/assets.h"
#include "core/numbers.h"
#include "recognition/demobuild.h"
#include "shell/build.h"
#include "shell/palette.h"
#include "shell/screennames.h"

#include <array>

namespace kolomaf {

namespace {

enum Column { E, T, H };

const QString easySums = QStringLiteral(
    "  het verschil van E, van T en van H is groter dan 0, de aftrekking is dus gemakkelijk want je moet "
    "nergens lenen");
const QString easyDifferences = QStringLiteral("  het verschil van E, van T en van H zijn groter als 0, de "
                                               "aftrekking is dus gemakkelijk want er is geen "
                                               "ontlening nodig");
const QString splitHint = QStringLiteral(
    "Klik op de rode H of rode T en leen zo 10 T of 10 E. De rest van de H of T blijft staan");

void makeRed(TextBox *box)
{
    setBackColor(box, palette::red);
    setForeColor(box, palette::white);
}

// A box's text read as a number: the borrowing keeps its working values
// only in the boxes. They only ever hold small numbers written here.
int valueOf(const TextBox *box)
{
    return toInt16(readNumber(box->text()).value_or(0)).value_or(0);
}

void write(TextBox *box, int value)
{
    box->setText(numberText(qint16(value)));
}

constexpr HardOrEasyDesign sumsDesign {
    .name = screens::sums,
    .title = "Moeilijke en gemakkelijke sommen herkennen",
    .background = palette::deepGreen,
    .shape = {3960, 120, 6735, 7335},
    .numberLeft = 5160,
    .numberWidth = 4815,
    .number1Top = 480,
    .number2Top = 1320,
    .leftH = 5160,
    .leftT = 7080,
    .leftE = 8880,
    .letterLeftT = 7020,
    .letterTop = 2160,
    .digit1Top = 3240,
    .digit2Top = 4320,
    .sumTop = 5760,
    .minus = {4320, 4920, 375, 855},
    .barY = 5520,
    .logo = {9480, 6960},
    .draw = drawSums,
};

constexpr HardOrEasyDesign differencesDesign {
    .name = screens::differences,
    .title = "Moeilijke en gemakkelijke verschillen herkennen",
    .background = palette::grey,
    .shape = {3960, 120, 6615, 7455},
    .numberLeft = 4920,
    .numberWidth = 5055,
    .number1Top = 240,
    .number2Top = 960,
    .leftH = 6240,
    .leftT = 7560,
    .leftE = 8880,
    .letterLeftT = 7560,
    .letterTop = 1680,
    .digit1Top = 3840,
    .digit2Top = 4920,
    .sumTop = 6360,
    .minus = {4200, 5520, 495, 855},
    .barY = 6120,
    .logo = {10320, 7080},
    .draw = drawDifferences,
};

// Where both designs put the same thing, in twips.
struct HardOrEasyLayout
{
    QSize screen;
    int numberHeight; // txtgetal and txtgetal2
    int barLeft, barRight; // lnplus
    QRect step; // the one spot of every step button
    QRect stop; // cmdstop
    QRect board; // Image1, behind the explanations
    std::array<QRect, 3> lines; // lbluitleg, lbluitleg2, lbluitleg3
    QRect verdict; // lbluitlegtotaal
    QSize logo; // Image3
};

constexpr HardOrEasyLayout common {
    .screen = {10890, 7650},
    .numberHeight = 705,
    .barLeft = 4920,
    .barRight = 10320,
    .step = {240, 5760, 1695, 1455},
    .stop = {2040, 5760, 1695, 1455},
    .board = {480, 360, 3000, 2100},
    .lines = {{{720, 480, 2535, 615}, {720, 1080, 2535, 615}, {720, 1680, 2535, 615}}},
    .verdict = {720, 600, 2535, 1575},
    .logo = {480, 420},
};

// Only on the differences screen: the values after a borrow, over the
// first number's digits, and a second board with the hint.
constexpr int borrowedTop = 2760;
constexpr QRect secondBoard {480, 3120, 3000, 2100};
constexpr QRect hintPlace {720, 3360, 2535, 1575};
// Only on the sums screen.
constexpr QRect dogPlace {720, 3000, 2640, 2508};

} // namespace

HardOrEasyScreen::HardOrEasyScreen(Runtime &rt, const HardOrEasyDesign &design)
    : SubtractionScreen(rt, design.name, common.screen.width(), common.screen.height())
    , m_design(design)
{
    setWindowTitle(QString::fromLatin1(design.title));
    setBackColor(this, design.background);
    buildNumbers();
    buildColumns();
    buildButtons();
    buildBoard();
    connectHandlers();
}

void HardOrEasyScreen::buildNumbers()
{
    const HardOrEasyDesign &d = m_design;
    Shape1 = place(new Shape(this), "Shape1", d.shape);
    setBackColor(Shape1, palette::lightGrey);
    // Disabled like the digits: the pupil only reads them.
    auto number = [&](const char *name, int top) {
        auto *t
            = displayBox(this, name, {d.numberLeft, top, d.numberWidth, common.numberHeight}, digitLook(24));
        t->setEnabled(false);
        return t;
    };
    txtgetal = number("txtgetal", d.number1Top);
    txtgetal2 = number("txtgetal2", d.number2Top);
}

void HardOrEasyScreen::buildColumns()
{
    const HardOrEasyDesign &d = m_design;
    lblhonderd = columnLetter(this, "lblhonderd", "H", {d.leftH, d.letterTop});
    lbltiental = columnLetter(this, "lbltiental", "T", {d.letterLeftT, d.letterTop});
    lbleenheid = columnLetter(this, "lbleenheid", "E", {d.leftE, d.letterTop});

    txthonderdtal = digitCell("txthonderdtal", d.leftH, d.digit1Top);
    txttiental = digitCell("txttiental", d.leftT, d.digit1Top);
    txteenheid = digitCell("txteenheid", d.leftE, d.digit1Top);
    txthonderdtal2 = digitCell("txthonderdtal2", d.leftH, d.digit2Top);
    txttiental2 = digitCell("txttiental2", d.leftT, d.digit2Top);
    txteenheid2 = digitCell("txteenheid2", d.leftE, d.digit2Top);

    lblplus = dress(caption(place(new Label(this), "lblplus", d.minus), QStringLiteral("-"), Qt::AlignCenter),
        {designFont(36, true), palette::black, palette::lightGrey});
    lblplus->hide();
    lnplus = new Line(this, {common.barLeft, d.barY}, {common.barRight, d.barY}, 3, palette::black);
    lnplus->setObjectName(QStringLiteral("lnplus"));
    lnplus->hide();

    txtsomH = digitCell("txtsomH", d.leftH, d.sumTop);
    txtsomT = digitCell("txtsomT", d.leftT, d.sumTop);
    txtsomE = digitCell("txtsomE", d.leftE, d.sumTop);
    hideAll({txtsomH, txtsomT, txtsomE});
}

void HardOrEasyScreen::buildButtons()
{
    cmdstart = stepButton(
        this, "cmdstart", QStringLiteral("twee getallen"), palette::yellow, common.step, picture("raket"));
    cmdeerste = stepButton(this, "cmdeerste", QStringLiteral("Eerste getal "), palette::green, common.step);
    cmdtweede = stepButton(this, "cmdtweede", QStringLiteral("Tweede getal"), palette::green, common.step);
    cmdsom = stepButton(this, "cmdsom", QStringLiteral("VERSCHIL"), palette::periwinkle, common.step);
    cmdnogeens = stepButton(this, "cmdnogeens", QStringLiteral("Nog eens?"), palette::orange, common.step);
    cmdnogeens->hide();
    cmdstop = stopButton(this, common.stop);
}

void HardOrEasyScreen::buildBoard()
{
    Image1 = place(new Picture(this, picture("bord")), "Image1", common.board);
    lbluitleg = explanation("lbluitleg", common.lines[0]);
    lbluitleg2 = explanation("lbluitleg2", common.lines[1]);
    lbluitleg3 = explanation("lbluitleg3", common.lines[2]);
    lbluitlegtotaal = explanation("lbluitlegtotaal", common.verdict);
    Image3 = place(new Picture(this, picture("logo")), "Image3", QRect(m_design.logo, common.logo));
}

void HardOrEasyScreen::connectHandlers()
{
    connect(cmdstart, &QAbstractButton::clicked, this, &HardOrEasyScreen::cmdstart_Click);
    connect(cmdeerste, &QAbstractButton::clicked, this, &HardOrEasyScreen::cmdeerste_Click);
    connect(cmdtweede, &QAbstractButton::clicked, this, &HardOrEasyScreen::cmdtweede_Click);
    connect(cmdsom, &QAbstractButton::clicked, this, &HardOrEasyScreen::cmdsom_Click);
    connect(cmdnogeens, &QAbstractButton::clicked, this, &HardOrEasyScreen::cmdnogeens_Click);
    connect(cmdstop, &QAbstractButton::clicked, this, &HardOrEasyScreen::cmdstop_Click);
}

TextBox *HardOrEasyScreen::digitCell(const char *name, int left, int top)
{
    auto *t = columnDigit(this, name, {left, top});
    t->setEnabled(false); // only a digit that lends is ever clickable
    return t;
}

Label *HardOrEasyScreen::explanation(const char *name, QRect twips, bool bold)
{
    // One-line labels are short: their two lines only fit in a small face.
    const qreal points = twips.height() > 615 ? 10 : 8;
    auto *l = dress(
        place(new Label(this), name, twips), {designFont(points, bold), palette::white, palette::boardGreen});
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    l->setWordWrap(true);
    return l;
}

// The step buttons share one spot; the last one shown lies on top.
void HardOrEasyScreen::stepsOnTop()
{
    stack({cmdstart, cmdeerste, cmdtweede, cmdsom, cmdnogeens, cmdstop});
}

PictureButton *HardOrEasyScreen::topStep() const
{
    for (PictureButton *b : {cmdnogeens, cmdsom, cmdtweede, cmdeerste, cmdstart})
        if (!b->isHidden())
            return b;
    return nullptr;
}

TextBox *HardOrEasyScreen::digitBox(int column, int row) const
{
    static constexpr int columns = 3;
    TextBox *const boxes[2][columns]
        = {{txteenheid, txttiental, txthonderdtal}, {txteenheid2, txttiental2, txthonderdtal2}};
    return boxes[row][column];
}

void HardOrEasyScreen::beginstand()
{
    for (int c : {E, T, H}) {
        for (int row : {0, 1}) {
            TextBox *box = digitBox(c, row);
            setBackColor(box, palette::white);
            box->setText(QString());
            box->hide();
        }
    }
    hideAll({cmdeerste, cmdtweede, cmdsom, cmdnogeens, cmdstop});
    hideAll({lbleenheid, lbltiental, lblhonderd, lblplus, lnplus});
    for (TextBox *box : {txtsomE, txtsomT, txtsomH}) {
        setBackColor(box, palette::white);
        box->hide();
    }
    for (Label *l : {lbluitleg, lbluitleg2, lbluitleg3, lbluitlegtotaal})
        l->setText(QString());
    lbluitlegtotaal->hide();
}

void HardOrEasyScreen::load()
{
    centre();
    beginstand();
}

void HardOrEasyScreen::activate()
{
    centre();
    beginstand();
    // The reset hides every step button but the first; coming back half-way
    // would leave the pupil without any, so the demonstration starts over.
    if (cmdstart->isHidden())
        cmdnogeens_Click();
}

void HardOrEasyScreen::showStep(PictureButton *b)
{
    b->show();
    b->setFocus();
    // Only the button on top may take the keyboard, so Tab never lands on
    // one the pupil cannot see.
    PictureButton *top = topStep();
    for (PictureButton *s : {cmdstart, cmdeerste, cmdtweede, cmdsom, cmdnogeens})
        s->setFocusPolicy(s == top ? Qt::StrongFocus : Qt::NoFocus);
}

void HardOrEasyScreen::cmdstart_Click()
{
    for (TextBox *box : {txteenheid, txttiental, txthonderdtal})
        box->setText(QString());
    hold(m_design.draw(runtime().random()));
    txtgetal->setText(numberText(getal1));
    showStep(cmdeerste);
    cmdstart->hide();
    txtgetal2->setText(numberText(getal2));
}

void HardOrEasyScreen::cmdeerste_Click()
{
    const qint16 digits[] = {eenheid1, tiental1, honderdtal1};
    Label *letters[] = {lbleenheid, lbltiental, lblhonderd};
    for (int c : {E, T, H}) {
        letters[c]->show();
        TextBox *box = digitBox(c, 0);
        box->show();
        setBackColor(box, palette::green);
        box->setText(numberText(digits[c]));
    }
    showStep(cmdtweede);
}

void HardOrEasyScreen::cmdtweede_Click()
{
    const qint16 digits[] = {eenheid2, tiental2, honderdtal2};
    for (int c : {E, T, H}) {
        TextBox *box = digitBox(c, 1);
        box->show();
        setBackColor(box, palette::green);
        box->setText(numberText(digits[c]));
    }
    showStep(cmdsom);
}

void HardOrEasyScreen::cmdsom_Click()
{
    showAll({lnplus, lblplus, txtsomH, txtsomT, txtsomE});
    write(txtsomE, eenheid1 - eenheid2);
    write(txtsomT, tiental1 - tiental2);
    write(txtsomH, honderdtal1 - honderdtal2);
    explain();
    showStep(cmdnogeens);
    cmdstop->show();
}

void HardOrEasyScreen::cmdnogeens_Click()
{
    beginstand();
    showStep(cmdstart);
    txtgetal->setText(QString());
    txtgetal2->setText(QString());
    cmdstop->hide();
    for (TextBox *box : {txteenheid, txttiental, txthonderdtal, txtsomE, txtsomT, txtsomH})
        setForeColor(box, palette::black);
    for (TextBox *box : {txteenheid, txttiental, txthonderdtal})
        box->setEnabled(false);
}

void HardOrEasyScreen::cmdstop_Click()
{
    cmdnogeens_Click();
    open(screens::choice);
    hide();
}

void HardOrEasyScreen::closeRequested()
{
    cmdstop_Click();
}

SumsScreen::SumsScreen(Runtime &rt)
    : HardOrEasyScreen(rt, sumsDesign)
{
    Image2 = place(new Picture(this, picture("hond")), "Image2", dogPlace);
    stack({Shape1, txtgetal, txtgetal2, lblhonderd, lbltiental, lbleenheid, txthonderdtal, txttiental,
        txteenheid, txthonderdtal2, txttiental2, txteenheid2, lblplus, txtsomH, txtsomT, txtsomE, lnplus,
        Image1, lbluitleg, lbluitleg2, lbluitleg3, lbluitlegtotaal, Image2, Image3});
    stepsOnTop();
    cmdstart->setFocus();
}

void SumsScreen::explain()
{
    if (valueOf(txtsomE) >= 0 && valueOf(txtsomT) >= 0 && valueOf(txtsomH) >= 0) {
        lbluitlegtotaal->show();
        lbluitlegtotaal->setText(easySums);
    }
    if (valueOf(txtsomT) < 0) {
        makeRed(txtsomT);
        lbluitleg2->setText(QStringLiteral(" verschil van de T is kleiner dan 0, er wordt H gewisseld"));
    }
    if (valueOf(txtsomE) < 0) {
        makeRed(txtsomE);
        lbluitleg->setText(QStringLiteral(" verschil van de E is kleiner dan 0, er wordt T gewisseld"));
    }
}

DifferencesScreen::DifferencesScreen(Runtime &rt)
    : HardOrEasyScreen(rt, differencesDesign)
{
    const HardOrEasyDesign &d = differencesDesign;
    txtplusH = digitCell("txtplusH", d.leftH, borrowedTop);
    txtplusT = digitCell("txtplusT", d.leftT, borrowedTop);
    txtplusE = digitCell("txtplusE", d.leftE, borrowedTop);
    for (TextBox *box : {txtplusH, txtplusT, txtplusE})
        setBackColor(box, palette::paleYellow);
    Image2 = place(new Picture(this, picture("bord")), "Image2", secondBoard);
    lblsplits = explanation("lblsplits", hintPlace, true);
    stack({Shape1, txtgetal, txtgetal2, lblhonderd, lbltiental, lbleenheid, txtplusH, txtplusT, txtplusE,
        txthonderdtal, txttiental, txteenheid, txthonderdtal2, txttiental2, txteenheid2, lblplus, txtsomH,
        txtsomT, txtsomE, lnplus, Image1, lbluitleg, lbluitleg2, lbluitleg3, lbluitlegtotaal, Image2,
        lblsplits, Image3});
    stepsOnTop();

    // A red digit that can lend shows the hand, so the pupil sees it is clickable.
    for (TextBox *box : {txthonderdtal, txttiental})
        box->setCursor(Qt::PointingHandCursor);
    connect(txthonderdtal, &TextBox::clicked, this, &DifferencesScreen::txthonderdtal_Click);
    connect(txttiental, &TextBox::clicked, this, &DifferencesScreen::txttiental_Click);
    cmdstart->setFocus();
}

void DifferencesScreen::beginstand()
{
    HardOrEasyScreen::beginstand();
    hideAll({txtplusE, txtplusT, txtplusH});
    lblsplits->setText(QString());
}

void DifferencesScreen::explain()
{
    if (valueOf(txtsomT) < 0) {
        makeRed(txthonderdtal);
        lbluitleg2->setText(QStringLiteral(" verschil van de T is kleiner dan 0, er wordt één H geleend"));
        lblsplits->setText(splitHint);
        txthonderdtal->setEnabled(true);
    }
    if (valueOf(txtsomE) < 0) {
        makeRed(txttiental);
        lbluitleg->setText(QStringLiteral(" verschil van de E is kleiner dan 0, er wordt één T geleend"));
        lblsplits->setText(splitHint);
        txttiental->setEnabled(true);
    }
    if (valueOf(txtsomE) >= 0 && valueOf(txtsomT) >= 0 && valueOf(txtsomH) > 0) {
        lbluitlegtotaal->show();
        lbluitlegtotaal->setText(easyDifferences);
    }
}

void DifferencesScreen::txthonderdtal_Click()
{
    if (!txthonderdtal->isEnabled())
        return;
    lbluitleg2->setText(QString());
    if (valueOf(txtsomT) < 0) {
        txtplusT->show();
        write(txtplusT, valueOf(txttiental) + 10);
        write(txtsomT, valueOf(txtplusT) - valueOf(txttiental2));
        txthonderdtal->setEnabled(false);
    }
    txtplusH->show();
    write(txtplusH, valueOf(txthonderdtal) - 1);
    write(txtsomH, valueOf(txtplusH) - valueOf(txthonderdtal2));
    txtplusT->show();
    makeRed(txttiental);
}

void DifferencesScreen::txttiental_Click()
{
    if (!txttiental->isEnabled())
        return;
    lbluitleg->setText(QString());
    txtplusT->show();
    write(txtplusT, valueOf(txttiental) - 1);
    write(txtsomT, valueOf(txtplusT) - valueOf(txttiental2));
    txtplusE->show();
    write(txtplusE, valueOf(txteenheid) + 10);
    makeRed(txteenheid);
    write(txtsomE, valueOf(txtplusE) - valueOf(txteenheid2));
    txttiental->setEnabled(false);
    if (valueOf(txtsomT) < 0) {
        // The tens had no ten to spare: a hundred is borrowed in the same click.
        txtplusH->show();
        write(txtplusH, valueOf(txthonderdtal) - 1);
        makeRed(txthonderdtal);
        txthonderdtal->setEnabled(false);
        write(txtsomH, valueOf(txtplusH) - valueOf(txthonderdtal2));
        lbluitleg->setText(QString());
        lbluitleg2->setText(QString());
        write(txtplusT, valueOf(txtplusT) + 10);
        write(txtsomT, valueOf(txtplusT) - valueOf(txttiental2));
    }
}

void registerTwoNumbersScreens(Runtime &rt)
{
    rt.registerKind(screens::sums, [](Runtime &r) { return new SumsScreen(r); });
    rt.registerKind(screens::differences, [](Runtime &r) { return new DifferencesScreen(r); });
}

} // namespace kolomaf
