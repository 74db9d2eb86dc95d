#include "recognition/twonumbers.h"
#include "shell/screennames.h"

#include "assets/assets.h"
#include "shell/build.h"
#include "shell/palette.h"
#include "core/numbers.h"

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

const HardOrEasyDesign sumsDesign {
    screens::sums,
    "Moeilijke en gemakkelijke sommen herkennen",
    palette::deepGreen,
    {3960, 120, 6735, 7335},
    5160,
    4815,
    480,
    1320,
    5160,
    7080,
    8880,
    7020,
    2160,
    3240,
    4320,
    5760,
    {4320, 4920, 375, 855},
    5520,
    {9480, 6960},
    drawSums,
};

const HardOrEasyDesign differencesDesign {
    screens::differences,
    "Moeilijke en gemakkelijke verschillen herkennen",
    palette::grey,
    {3960, 120, 6615, 7455},
    4920,
    5055,
    240,
    960,
    6240,
    7560,
    8880,
    7560,
    1680,
    3840,
    4920,
    6360,
    {4200, 5520, 495, 855},
    6120,
    {10320, 7080},
    drawDifferences,
};
} // namespace

HardOrEasyScreen::HardOrEasyScreen(Runtime &rt, const HardOrEasyDesign &d)
    : Screen(rt, d.name, 10890, 7650)
    , m_design(d)
{
    setWindowTitle(QString::fromLatin1(d.title));
    setBackColor(this, d.background);
    Shape1 = place(new Shape(this), "Shape1", d.shape.x(), d.shape.y(), d.shape.width(), d.shape.height());
    setBackColor(Shape1, palette::lightGrey);

    txtgetal = display("txtgetal", d.numberLeft, d.number1Top, d.numberWidth, 705, 24);
    txtgetal2 = display("txtgetal2", d.numberLeft, d.number2Top, d.numberWidth, 705, 24);

    auto letter = [this, &d](const char *name, const char *text, int left) {
        auto *l = dress(caption(place(new Label(this), name, left, d.letterTop, 1095, 975),
                            QLatin1String(text), Qt::AlignCenter),
            {designFont(36, true), palette::white, palette::boardGreen});
        l->hide();
        return l;
    };
    lblhonderd = letter("lblhonderd", "H", d.leftH);
    lbltiental = letter("lbltiental", "T", d.letterLeftT);
    lbleenheid = letter("lbleenheid", "E", d.leftE);

    txthonderdtal = display("txthonderdtal", d.leftH, d.digit1Top, 1095, 975, 36);
    txttiental = display("txttiental", d.leftT, d.digit1Top, 1095, 975, 36);
    txteenheid = display("txteenheid", d.leftE, d.digit1Top, 1095, 975, 36);
    txthonderdtal2 = display("txthonderdtal2", d.leftH, d.digit2Top, 1095, 975, 36);
    txttiental2 = display("txttiental2", d.leftT, d.digit2Top, 1095, 975, 36);
    txteenheid2 = display("txteenheid2", d.leftE, d.digit2Top, 1095, 975, 36);

    lblplus = dress(caption(place(new Label(this), "lblplus", d.minus.x(), d.minus.y(), d.minus.width(),
                                d.minus.height()),
                        QStringLiteral("-"), Qt::AlignCenter),
        {designFont(36, true), palette::black, palette::lightGrey});
    lblplus->hide();
    lnplus = new Line(this, {4920, d.barY}, {10320, d.barY}, 3, palette::black);
    lnplus->setObjectName(QStringLiteral("lnplus"));
    lnplus->hide();

    txtsomH = display("txtsomH", d.leftH, d.sumTop, 1095, 975, 36);
    txtsomT = display("txtsomT", d.leftT, d.sumTop, 1095, 975, 36);
    txtsomE = display("txtsomE", d.leftE, d.sumTop, 1095, 975, 36);
    hideAll({txtsomH, txtsomT, txtsomE});

    auto step = [this](const char *name, const char *text, const QColor &colour, const char *pictureName) {
        auto *b = place(new PictureButton(this, pictureName ? picture(pictureName) : QString()), name, 240,
            5760, 1695, 1455);
        b->setText(QString::fromUtf8(text));
        dress(b, {designFont(12, true), palette::black, colour});
        return b;
    };
    cmdstart = step("cmdstart", "twee getallen", palette::yellow, "raket");
    cmdeerste = step("cmdeerste", "Eerste getal ", palette::green, nullptr);
    cmdtweede = step("cmdtweede", "Tweede getal", palette::green, nullptr);
    cmdsom = step("cmdsom", "VERSCHIL", palette::periwinkle, nullptr);
    cmdnogeens = step("cmdnogeens", "Nog eens?", palette::orange, nullptr);
    cmdnogeens->hide();
    cmdstop = place(new PictureButton(this, picture("stop")), "cmdstop", 2040, 5760, 1695, 1455);
    setBackColor(cmdstop, palette::darkRed);
    cmdstop->setToolTip(QStringLiteral("STOP"));
    cmdstop->hide();

    Image1 = place(new Picture(this, picture("bord")), "Image1", 480, 360, 3000, 2100);
    lbluitleg = explanation("lbluitleg", 480, 615);
    lbluitleg2 = explanation("lbluitleg2", 1080, 615);
    lbluitleg3 = explanation("lbluitleg3", 1680, 615);
    lbluitlegtotaal = explanation("lbluitlegtotaal", 600, 1575);
    Image3 = place(new Picture(this, picture("logo")), "Image3", d.logo.x(), d.logo.y(), 480, 420);

    connect(cmdstart, &QAbstractButton::clicked, this, &HardOrEasyScreen::cmdstart_Click);
    connect(cmdeerste, &QAbstractButton::clicked, this, &HardOrEasyScreen::cmdeerste_Click);
    connect(cmdtweede, &QAbstractButton::clicked, this, &HardOrEasyScreen::cmdtweede_Click);
    connect(cmdsom, &QAbstractButton::clicked, this, &HardOrEasyScreen::cmdsom_Click);
    connect(cmdnogeens, &QAbstractButton::clicked, this, &HardOrEasyScreen::cmdnogeens_Click);
    connect(cmdstop, &QAbstractButton::clicked, this, &HardOrEasyScreen::cmdstop_Click);
}

TextBox *HardOrEasyScreen::display(const char *name, int left, int top, int width, int height, qreal points)
{
    auto *t = dress(place(new TextBox(this), name, left, top, width, height),
        {designFont(points, true), palette::black, palette::white});
    t->setAlignment(Qt::AlignCenter);
    t->setReadOnly(true);
    t->setFocusPolicy(Qt::NoFocus);
    t->setEnabled(false); // only a digit that lends is ever clickable
    return t;
}

Label *HardOrEasyScreen::explanation(const char *name, int top, int height, bool bold)
{
    // One-line labels are short: their two lines only fit in a small face.
    const qreal points = height > 615 ? 10 : 8;
    auto *l = dress(
        place(new Label(this), name, 720, top, 2535, height), {designFont(points, bold), palette::white, palette::boardGreen});
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
    const Subtraction n = m_design.draw(runtime().random());
    eenheid1 = qint16(n.e.top);
    tiental1 = qint16(n.t.top);
    honderdtal1 = qint16(n.h.top);
    eenheid2 = qint16(n.e.bottom);
    tiental2 = qint16(n.t.bottom);
    honderdtal2 = qint16(n.h.bottom);
    getal1 = qint16(100 * honderdtal1 + 10 * tiental1 + eenheid1);
    getal2 = qint16(100 * honderdtal2 + 10 * tiental2 + eenheid2);
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
    Image2 = place(new Picture(this, picture("hond")), "Image2", 720, 3000, 2640, 2508);
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
    txtplusH = display("txtplusH", 6240, 2760, 1095, 975, 36);
    txtplusT = display("txtplusT", 7560, 2760, 1095, 975, 36);
    txtplusE = display("txtplusE", 8880, 2760, 1095, 975, 36);
    for (TextBox *box : {txtplusH, txtplusT, txtplusE})
        setBackColor(box, palette::paleYellow);
    Image2 = place(new Picture(this, picture("bord")), "Image2", 480, 3120, 3000, 2100);
    lblsplits = explanation("lblsplits", 3360, 1575, true);
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
