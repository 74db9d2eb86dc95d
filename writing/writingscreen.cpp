// SPDX-License-Identifier: GPL-3.0-or-later
#include "writing/writingscreen.h"

#include "assets/assets.h"
#include "shell/build.h"
#include "shell/palette.h"
#include "shell/screennames.h"

namespace kolomaf {

namespace {

constexpr int cellWidth = 975, cellHeight = 855;
constexpr int hundredsLeft = 6120, tensLeft = 7320, unitsLeft = 8520;
constexpr int firstRow = 2160, secondRow = 3240, answerRow = 4560;
constexpr int buttonTop = 3960;

TextBox *digitCell(TextBox *t)
{
    t->setAlignment(Qt::AlignCenter);
    return t;
}

} // namespace

WritingScreen::WritingScreen(Runtime &rt)
    : SubtractionScreen(rt, screens::writing, 12045, 8445)
{
    setWindowTitle(QStringLiteral("Schrijf de aftrekking onder elkaar en reken uit"));
    setBackColor(this, palette::grey);
    buildSheet();
    buildCells();
    buildScoreColumn();
    buildNameAndMessages();
    buildButtons();

    // The four buttons of the light spot: cmdstop2 stays once shown, so it
    // lies lowest; the check of the moment lies above STOP, so a changed
    // answer can be checked again while STOP is on offer.
    stack({Shape1[0], Shape1[1], Shape1[2], Shape1[3], Shape1[4], Shape1[5], Image1, lblmeester1, lblweergave,
        lblmeester2, txtplus100, txtgetal1H, txtgetal1T, txtgetal1E, txtgetal2H, txtgetal2T, txtgetal2E,
        imgpijl, lblplus, txtduizendtallen, txthonderdtallen, txttientallen, txteenheden});
    for (TextBox *row : Txtoef1)
        stack({row});
    stack({Image2, lblnaam1, txtnaam, lbluitleg});
    for (Picture *rabbit : Imgkonijn)
        stack({rabbit});
    stack({lblinformatie, txtresultaat, Image3, cmdnieuw, cmdstop2, cmdstop, cmdcontrole, cmdgroenlicht,
        lntelop});

    connectHandlers();
}

void WritingScreen::buildSheet()
{
    // Frames around the teacher, the columns, the lights, the score column,
    // the name board and the lines of text.
    const QRect frames[] = {{60, 180, 3780, 2895}, {3960, 480, 6180, 5055}, {480, 3840, 3015, 1095},
        {10200, 480, 1815, 4920}, {240, 5880, 3240, 2340}, {3960, 6120, 7695, 2175}};
    for (int f = 0; f < 6; ++f) {
        const QRect &r = frames[f];
        Shape1[f]
            = place(new Shape(this, false, 6), arrayName("Shape1", f), r.x(), r.y(), r.width(), r.height());
        Shape1[f]->setBorder(palette::lightGrey, 2);
    }

    Image1 = place(new Picture(this, picture("juf")), "Image1", 120, 360, 3600, 2595);
    const Look onSheet {designFont(12, true), palette::black, palette::white};
    lblmeester1 = dress(caption(place(new Label(this), "lblmeester1", 1200, 840, 2175, 375),
                            QStringLiteral("Tien oefeningen "), Qt::AlignCenter),
        onSheet);
    lblmeester1->hide();
    lblweergave = dress(
        caption(place(new Label(this), "lblweergave", 1440, 1320, 2055, 495), QString(), Qt::AlignCenter),
        {designFont(15.75, true), palette::black, palette::white});
    lblmeester2 = dress(
        caption(place(new Label(this), "lblmeester2", 1200, 2160, 2415, 375), QString(), Qt::AlignCenter),
        onSheet);
    lblmeester2->hide();
}

void WritingScreen::buildCells()
{
    txtplus100 = displayBox(
        this, "txtplus100", {6000, 600, 3495, 855}, {designFont(36, true), palette::white, palette::orange});
    txtplus100->setText(QStringLiteral("lenen"));
    txtplus100->hide();

    const Look cell {designFont(36, true), palette::black, palette::midGreen};
    auto cellAt = [&](const char *name, int left, int top) {
        return digitCell(dress(place(new TextBox(this), name, left, top, cellWidth, cellHeight), cell));
    };
    txtgetal1H = cellAt("txtgetal1H", hundredsLeft, firstRow);
    txtgetal1T = cellAt("txtgetal1T", tensLeft, firstRow);
    txtgetal1E = cellAt("txtgetal1E", unitsLeft, firstRow);
    txtgetal2H = cellAt("txtgetal2H", hundredsLeft, secondRow);
    txtgetal2T = cellAt("txtgetal2T", tensLeft, secondRow);
    txtgetal2E = cellAt("txtgetal2E", unitsLeft, secondRow);

    imgpijl = place(new Picture(this, picture("pijl_blauw")), "imgpijl", 9600, 2640, 450, 990);
    lblplus = dress(caption(place(new Label(this), "lblplus", 4080, 3960, 615, 615), QStringLiteral("-"),
                        Qt::AlignCenter),
        {designFont(24, true), palette::black, palette::white});
    lblplus->hide();
    lntelop = new Line(this, {4800, 4320}, {9960, 4320}, 3, palette::black);
    lntelop->setObjectName(QStringLiteral("lntelop"));
    lntelop->hide();

    txthonderdtallen = cellAt("txthonderdtallen", hundredsLeft, answerRow);
    txttientallen = cellAt("txttientallen", tensLeft, answerRow);
    txteenheden = cellAt("txteenheden", unitsLeft, answerRow);
    txtduizendtallen = cellAt("txtduizendtallen", 4920, answerRow);
    for (TextBox *t : {txthonderdtallen, txttientallen, txteenheden, txtduizendtallen})
        t->hide();
}

void WritingScreen::buildButtons()
{
    auto button = [&](const char *name, const char *pictureName, QColor colour, int left) {
        auto *b = place(new PictureButton(this, picture(pictureName)), name, left, buttonTop, 1215, 855);
        setBackColor(b, colour);
        return b;
    };
    cmdgroenlicht = button("cmdgroenlicht", "licht_groen", palette::midGreen, 600);
    cmdgroenlicht->hide();
    cmdcontrole = button("cmdcontrole", "licht_oranje", palette::lightYellow, 600);
    cmdstop = button("cmdstop", "stop", palette::pink, 600);
    cmdstop->setToolTip(QStringLiteral("STOP"));
    cmdstop2 = button("cmdstop2", "stop", palette::darkRed, 600);
    cmdstop2->hide();
    cmdnieuw = button("cmdnieuw", "spaceshuttle", palette::purple, 2160);
    cmdnieuw->hide();
}

void WritingScreen::buildScoreColumn()
{
    const Look score {designFont(9.75), palette::black, palette::white};
    for (int row = 0; row < int(Txtoef1.size()); ++row)
        Txtoef1[row]
            = displayBox(this, arrayName("Txtoef1", row), {10320, 600 + 480 * row, 1575, 360}, score);
    // The spare row takes an eleventh check; the pupil sees ten.
    Txtoef1[10]->hide();
    Image3 = place(new Picture(this, picture("hond")), "Image3", 10800, 120, 480, 420);
    Image3->setToolTip(QStringLiteral("https://kolomaf.example.org"));
}

void WritingScreen::buildNameAndMessages()
{
    Image2 = place(new Picture(this, picture("bord")), "Image2", 360, 6000, 3000, 2100);
    lblnaam1 = dress(caption(place(new Label(this), "lblnaam1", 720, 6360, 2295, 855),
                         QStringLiteral("Schrijf hier je naam "), Qt::AlignCenter),
        {designFont(13.5), palette::white, palette::boardGreen});
    lblnaam1->setWordWrap(true);
    txtnaam = dress(place(new TextBox(this), "txtnaam", 720, 7320, 2295, 375),
        {designFont(12), palette::black, palette::white});
    lbluitleg = dress(
        caption(place(new Label(this), "lbluitleg", 600, 6240, 2535, 1695), QString(), Qt::AlignCenter),
        {designFont(18), palette::white, palette::boardGreen});

    const int rabbitLefts[] = {4095, 4946, 5799, 6652, 7505, 8358, 9211, 10064, 10920};
    for (int r = 0; r < 9; ++r)
        Imgkonijn[r] = place(
            new Picture(this, picture("konijn")), arrayName("Imgkonijn", r), rabbitLefts[r], 6240, 360, 495);

    lblinformatie = dress(
        caption(place(new Label(this), "lblinformatie", 4080, 6720, 7455, 375), QString(), Qt::AlignCenter),
        {designFont(13.5), palette::black, palette::lightGreen});
    lblinformatie->hide();
    txtresultaat = displayBox(this, "txtresultaat", {4440, 7560, 7095, 615},
        {designFont(27.75, true), palette::black, palette::white});
    txtresultaat->setTextMargins(0, 0, 0, 0);
}

std::array<TextBox *, 6> WritingScreen::copyCells() const
{
    return {txtgetal1H, txtgetal1T, txtgetal1E, txtgetal2H, txtgetal2T, txtgetal2E};
}

void WritingScreen::inform(const char *text)
{
    lblinformatie->setText(QString::fromUtf8(text));
}

void WritingScreen::beginstand()
{
    cmdstop->hide();
    cmdcontrole->hide();
    cmdgroenlicht->hide();
    lbluitleg->hide();
    lbluitleg->setText(QString());
    // Each filled cell runs its change handler here; what they leave behind
    // is partly overridden by the callers.
    for (TextBox *cell : copyCells())
        cell->setText(QString());
    txtplus100->setText(QString());
    txtplus100->hide();
    txtresultaat->setText(QString());
    txtresultaat->hide();
    lntelop->hide();
    lblplus->hide();
    const std::array<TextBox *, 4> answer {txteenheden, txttientallen, txthonderdtallen, txtduizendtallen};
    for (TextBox *cell : answer)
        cell->hide();
    for (TextBox *cell : answer)
        cell->setText(QString());
    lblweergave->setText(QString());
}

void WritingScreen::load()
{
    beginstand();
    centre();
}

void WritingScreen::activate()
{
    beginstand();
    txtnaam->show();
    txtnaam->setEnabled(true);
    lblnaam1->show();
    lbluitleg->hide();
    txtnaam->setFocus();
    centre();
}

void WritingScreen::closeRequested()
{
    // The window's own close control leaves as the second STOP does.
    cmdstop2_Click();
}

void registerWritingScreens(Runtime &rt)
{
    rt.registerKind(screens::writing, [](Runtime &r) { return new WritingScreen(r); });
}

} // namespace kolomaf
