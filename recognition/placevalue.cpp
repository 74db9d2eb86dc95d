// SPDX-License-Identifier: GPL-3.0-or-later
#include "recognition/placevalue.h"

#include "assets/assets.h"
#include "core/demonstrations.h"
#include "core/numbers.h"
#include "recognition/demobuild.h"
#include "recognition/twonumbers.h"
#include "shell/build.h"
#include "shell/palette.h"
#include "shell/screennames.h"

namespace kolomaf {

namespace {

// Where the controls stand, in twips.
struct PlaceValueLayout
{
    QSize screen;
    QRect shape; // Shape1, behind everything
    QRect number; // txtgetal
    QRect step; // the one spot of the four step buttons
    QRect again; // cmdnogeens
    QRect stop; // cmdstop
    int leftH, leftT, leftE; // the columns
    int digitTop, letterTop;
    QRect star; // Image3
};

constexpr PlaceValueLayout plan {
    .screen = {10185, 7470},
    .shape = {1200, 120, 7695, 7095},
    .number = {2400, 840, 4935, 1065},
    .step = {3600, 2280, 2415, 1935},
    .again = {2400, 2280, 2415, 1935},
    .stop = {5160, 2280, 2175, 1935},
    .leftH = 2400,
    .leftT = 4320,
    .leftE = 6240,
    .digitTop = 4680,
    .letterTop = 5880,
    .star = {9480, 6840, 480, 420},
};

} // namespace

PlaceValueScreen::PlaceValueScreen(Runtime &rt)
    : Screen(rt, screens::placeValue, plan.screen.width(), plan.screen.height())
{
    setWindowTitle(QStringLiteral("Honderdtallen, tientallen, eenheden"));
    setBackColor(this, palette::grey);
    Shape1 = place(new Shape(this), "Shape1", plan.shape);
    setBackColor(Shape1, palette::lightGrey);
    txtgetal = displayBox(this, "txtgetal", plan.number, digitLook());
    buildButtons();
    buildColumns();
    Image3 = place(new Picture(this, picture("ster")), "Image3", plan.star);

    // The four step buttons share one spot; only one of them shows at a time.
    stack({Shape1, txtgetal, cmdstart, cmdeenheid, cmdtiental, cmdhonderdtal, cmdnogeens, cmdstop,
        txthonderdtal, txttiental, txteenheid, lblhonderd, lbltiental, lbleenheid, Image3});
    connectHandlers();
    cmdstart->setFocus();
}

void PlaceValueScreen::buildButtons()
{
    cmdstart = stepButton(this, "cmdstart", QStringLiteral("Wij maken een willekeurig getal"),
        palette::yellow, plan.step, picture("raket"));
    cmdeenheid = stepButton(
        this, "cmdeenheid", QStringLiteral("Dat getal bestaat uit eenheden"), palette::green, plan.step);
    cmdtiental = stepButton(
        this, "cmdtiental", QStringLiteral("Dat getal bestaat uit tientallen"), palette::cyan, plan.step);
    cmdhonderdtal = stepButton(this, "cmdhonderdtal", QStringLiteral("Dat getal bestaat uit honderdtallen"),
        palette::orange, plan.step);
    cmdnogeens = stepButton(this, "cmdnogeens", QStringLiteral("Nog eens?"), palette::lavender, plan.again);
    cmdnogeens->hide();
    cmdstop = stopButton(this, plan.stop);
}

void PlaceValueScreen::buildColumns()
{
    txthonderdtal = columnDigit(this, "txthonderdtal", {plan.leftH, plan.digitTop});
    txttiental = columnDigit(this, "txttiental", {plan.leftT, plan.digitTop});
    txteenheid = columnDigit(this, "txteenheid", {plan.leftE, plan.digitTop});
    lblhonderd = columnLetter(this, "lblhonderd", "H", {plan.leftH, plan.letterTop});
    lbltiental = columnLetter(this, "lbltiental", "T", {plan.leftT, plan.letterTop});
    lbleenheid = columnLetter(this, "lbleenheid", "E", {plan.leftE, plan.letterTop});
}

void PlaceValueScreen::connectHandlers()
{
    connect(cmdstart, &QAbstractButton::clicked, this, &PlaceValueScreen::cmdstart_Click);
    connect(cmdeenheid, &QAbstractButton::clicked, this, &PlaceValueScreen::cmdeenheid_Click);
    connect(cmdtiental, &QAbstractButton::clicked, this, &PlaceValueScreen::cmdtiental_Click);
    connect(cmdhonderdtal, &QAbstractButton::clicked, this, &PlaceValueScreen::cmdhonderdtal_Click);
    connect(cmdnogeens, &QAbstractButton::clicked, this, &PlaceValueScreen::cmdnogeens_Click);
    connect(cmdstop, &QAbstractButton::clicked, this, &PlaceValueScreen::cmdstop_Click);
}

void PlaceValueScreen::beginstand()
{
    for (TextBox *box : {txteenheid, txttiental, txthonderdtal}) {
        setBackColor(box, palette::white);
        box->setText(QString());
    }
    hideAll({cmdeenheid, cmdtiental, cmdhonderdtal, cmdnogeens, cmdstop});
    hideAll({lbleenheid, lbltiental, lblhonderd});
}

void PlaceValueScreen::load()
{
    centre();
    beginstand();
}

void PlaceValueScreen::activate()
{
    centre();
    beginstand();
    // Coming back half-way through would otherwise leave no button at all:
    // the number starts again from the beginning.
    if (cmdstart->isHidden()) {
        cmdstart->show();
        txtgetal->setText(QString());
    }
    cmdstart->setFocus();
}

void PlaceValueScreen::reveal(Label *letter, TextBox *box, qint16 digit)
{
    letter->show();
    setBackColor(box, palette::green);
    setForeColor(box, palette::white);
    box->setText(numberText(digit));
}

void PlaceValueScreen::cmdstart_Click()
{
    for (TextBox *box : {txteenheid, txttiental, txthonderdtal})
        box->setText(QString());
    const PlaceValue p = drawPlaceValue(runtime().random());
    eenheid1 = qint16(p.e);
    tiental1 = qint16(p.t);
    honderdtal1 = qint16(p.h);
    getal1 = qint16(p.number());
    txtgetal->setText(numberText(getal1));
    cmdeenheid->show();
    cmdstart->hide();
    cmdeenheid->setFocus();
}

void PlaceValueScreen::cmdeenheid_Click()
{
    reveal(lbleenheid, txteenheid, eenheid1);
    cmdtiental->show();
    cmdeenheid->hide();
    cmdtiental->setFocus();
}

void PlaceValueScreen::cmdtiental_Click()
{
    reveal(lbltiental, txttiental, tiental1);
    cmdtiental->hide();
    cmdhonderdtal->show();
    cmdhonderdtal->setFocus();
}

void PlaceValueScreen::cmdhonderdtal_Click()
{
    reveal(lblhonderd, txthonderdtal, honderdtal1);
    cmdhonderdtal->hide();
    cmdnogeens->show();
    cmdstop->show();
    cmdnogeens->setFocus();
}

void PlaceValueScreen::cmdnogeens_Click()
{
    beginstand();
    cmdstart->show();
    txtgetal->setText(QString());
    cmdstart->setFocus();
}

void PlaceValueScreen::cmdstop_Click()
{
    cmdnogeens_Click();
    open(screens::choice);
    hide();
}

void PlaceValueScreen::closeRequested()
{
    cmdstop_Click();
}

void registerRecognitionScreens(Runtime &rt)
{
    rt.registerKind(screens::placeValue, [](Runtime &r) { return new PlaceValueScreen(r); });
    registerTwoNumbersScreens(rt);
}

} // namespace kolomaf
