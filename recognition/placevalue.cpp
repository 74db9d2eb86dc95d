#include "recognition/placevalue.h"
#include "shell/screennames.h"

#include "assets/assets.h"
#include "core/demonstrations.h"
#include "recognition/twonumbers.h"
#include "shell/build.h"
#include "shell/palette.h"
#include "core/numbers.h"

namespace kolomaf {

PlaceValueScreen::PlaceValueScreen(Runtime &rt)
    : Screen(rt, screens::placeValue, 10185, 7470)
{
    setWindowTitle(QStringLiteral("Honderdtallen, tientallen, eenheden"));
    setBackColor(this, palette::grey);
    Shape1 = place(new Shape(this), "Shape1", 1200, 120, 7695, 7095);
    setBackColor(Shape1, palette::lightGrey);

    auto display = [this](const char *name, int left, int top, int width, int height, qreal points) {
        auto *t = dress(place(new TextBox(this), name, left, top, width, height),
            {designFont(points, true), palette::black, palette::white});
        t->setAlignment(Qt::AlignCenter);
        t->setReadOnly(true);
        t->setFocusPolicy(Qt::NoFocus);
        return t;
    };
    txtgetal = display("txtgetal", 2400, 840, 4935, 1065, 36);

    auto step = [this](const char *name, const char *text, const QColor &colour, int left,
                    const char *pictureName) {
        auto *b = place(new PictureButton(this, pictureName ? picture(pictureName) : QString()), name, left,
            2280, 2415, 1935);
        b->setText(QString::fromUtf8(text));
        dress(b, {designFont(12, true), palette::black, colour});
        return b;
    };
    cmdstart = step("cmdstart", "Wij maken een willekeurig getal", palette::yellow, 3600, "raket");
    cmdeenheid = step("cmdeenheid", "Dat getal bestaat uit eenheden", palette::green, 3600, nullptr);
    cmdtiental = step("cmdtiental", "Dat getal bestaat uit tientallen", palette::cyan, 3600, nullptr);
    cmdhonderdtal
        = step("cmdhonderdtal", "Dat getal bestaat uit honderdtallen", palette::orange, 3600, nullptr);
    cmdnogeens = step("cmdnogeens", "Nog eens?", palette::lavender, 2400, nullptr);
    cmdnogeens->hide();
    cmdstop = place(new PictureButton(this, picture("stop")), "cmdstop", 5160, 2280, 2175, 1935);
    setBackColor(cmdstop, palette::darkRed);
    cmdstop->setToolTip(QStringLiteral("STOP"));
    cmdstop->hide();

    txthonderdtal = display("txthonderdtal", 2400, 4680, 1095, 975, 36);
    txttiental = display("txttiental", 4320, 4680, 1095, 975, 36);
    txteenheid = display("txteenheid", 6240, 4680, 1095, 975, 36);
    auto letter = [this](const char *name, const char *text, int left) {
        auto *l = dress(caption(place(new Label(this), name, left, 5880, 1095, 975), QLatin1String(text),
                            Qt::AlignCenter),
            {designFont(36, true), palette::white, palette::boardGreen});
        l->hide();
        return l;
    };
    lblhonderd = letter("lblhonderd", "H", 2400);
    lbltiental = letter("lbltiental", "T", 4320);
    lbleenheid = letter("lbleenheid", "E", 6240);
    Image3 = place(new Picture(this, picture("ster")), "Image3", 9480, 6840, 480, 420);

    // The four step buttons share one spot; only one of them shows at a time.
    stack({Shape1, txtgetal, cmdstart, cmdeenheid, cmdtiental, cmdhonderdtal, cmdnogeens, cmdstop,
        txthonderdtal, txttiental, txteenheid, lblhonderd, lbltiental, lbleenheid, Image3});

    connect(cmdstart, &QAbstractButton::clicked, this, &PlaceValueScreen::cmdstart_Click);
    connect(cmdeenheid, &QAbstractButton::clicked, this, [this] {
        reveal(lbleenheid, txteenheid, eenheid1);
        cmdtiental->show();
        cmdeenheid->hide();
        cmdtiental->setFocus();
    });
    connect(cmdtiental, &QAbstractButton::clicked, this, [this] {
        reveal(lbltiental, txttiental, tiental1);
        cmdtiental->hide();
        cmdhonderdtal->show();
        cmdhonderdtal->setFocus();
    });
    connect(cmdhonderdtal, &QAbstractButton::clicked, this, [this] {
        reveal(lblhonderd, txthonderdtal, honderdtal1);
        cmdhonderdtal->hide();
        cmdnogeens->show();
        cmdstop->show();
        cmdnogeens->setFocus();
    });
    connect(cmdnogeens, &QAbstractButton::clicked, this, &PlaceValueScreen::cmdnogeens_Click);
    connect(cmdstop, &QAbstractButton::clicked, this, &PlaceValueScreen::cmdstop_Click);
    cmdstart->setFocus();
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
