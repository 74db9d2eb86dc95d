// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/closingscreen.h"

#include "assets/assets.h"
#include "shell/build.h"
#include "shell/palette.h"
#include "shell/screennames.h"

#include <QFontMetrics>

namespace kolomaf {

ClosingScreen::ClosingScreen(Runtime &rt)
    : Screen(rt, screens::closing, 10185, 5925)
{
    setWindowTitle(QStringLiteral(" "));
    setAccessibleName(QStringLiteral("Tot de volgende keer"));
    setBackColor(this, QColor(111, 111, 111));
    // Nothing stops the count, so there is no close button to offer.
    setWindowFlag(Qt::WindowCloseButtonHint, false);

    buildCredits();
    buildPictures();
    buildStatusBar();
    stack({Frame1, Image3, Image4, lblgeld, StatusBar1, ProgressBar1});
}

// The light-yellow panel: who made it, with a portrait.
void ClosingScreen::buildCredits()
{
    Frame1 = place(new Panel(this), "Frame1", 1560, 360, 7080, 4050);
    setBackColor(Frame1, palette::paleYellow);
    const Look bold12 {designFont(12, true), palette::black, palette::paleYellow, false};
    lblmemo = dress(caption(place(new Label(Frame1), "lblmemo", 2280, 240, 4560, 375),
                        QStringLiteral("Voor jou gemaakt door ")),
        bold12);
    lblinstituut = dress(
        caption(place(new Label(Frame1), "lblinstituut", 2280, 600, 4560, 615), QStringLiteral("TELLEGOED ")),
        {designFont(24, true), palette::navy, palette::paleYellow, false});
    lblmening = dress(caption(place(new Label(Frame1), "lblmening", 2280, 1260, 4560, 375),
                          QStringLiteral("software om te trainen")),
        bold12);
    const struct
    {
        const char *name;
        const char *text;
    } creditLines[] = {{"lblauteur", "Bedacht en getekend door meester Kolom"},
        {"lblgeboren", "geboren tussen de schriften en de krijtjes"},
        {"lbldiploma", "diploma onderwijzer lager onderwijs"},
        {"lblloopbaan", "jarenlang juf en meester in het basisonderwijs"}};
    for (int i = 0; i < 4; ++i)
        credits[i]
            = dress(caption(place(new Label(Frame1), creditLines[i].name, 2280, 1800 + 360 * i, 4680, 330),
                        QString::fromUtf8(creditLines[i].text)),
                {designFont(10), palette::black, palette::paleYellow, false});
}

void ClosingScreen::buildPictures()
{
    imgportret = place(new Picture(Frame1, picture("portret")), "imgportret", 240, 360, 1800, 2400);
    imgportret->setToolTip(QStringLiteral("meester Kolom"));
    Imgzon = place(new Picture(Frame1, picture("zon_deco")), "Imgzon", 5880, 3000, 960, 960);
    Image3 = place(new Picture(this, picture("ster")), "Image3", 8760, 4080, 480, 420);
    Image3->setToolTip(QStringLiteral("Tot de volgende keer!"));
    Image4 = place(new Picture(this, picture("lieveheersbeestje")), "Image4", 120, 4080, 480, 420);
    Image4->setToolTip(QStringLiteral("Tot de volgende keer!"));
}

// The free-of-charge notice, and the status bar whose second panel holds
// the progress of the count.
void ClosingScreen::buildStatusBar()
{
    lblgeld
        = dress(caption(place(new Label(this), "lblgeld", 1560, 4440, 7080, 735), QString(), Qt::AlignCenter),
            {designFont(11, true), palette::white, palette::navy});
    StatusBar1 = place(new StatusBar(this,
                           {{StatusBar::Style::Text, 3528, {}}, {StatusBar::Style::Text, 6174, {}},
                               {StatusBar::Style::Date, 2117, {}}, {StatusBar::Style::Time, 1764, {}},
                               {StatusBar::Style::Text, 5292, QStringLiteral("Gratis software")}}),
        "StatusBar1", 0, 5550, 10185, 375);
    ProgressBar1 = place(new QProgressBar(this), "ProgressBar1", 3240, 5280, 2775, 255);
    ProgressBar1->setTextVisible(false);
    Timer1 = new Timer(this, "Timer1", 75, false);
    connect(Timer1, &Timer::tick, this, &ClosingScreen::Timer1_Timer);
}

void ClosingScreen::load()
{
    lblgeld->setText(QStringLiteral("Deze software is helemaal gratis.\n"
                                    "Je krijgt hem via de school, van juf of meester."));
    ProgressBar1->setRange(0, 150);
    toonvoortgang(true);
    Timer1->setEnabled(true);
    StatusBar1->setPanelText(0, QStringLiteral("Tellegoed,educatieve software voor de basisschool"));
    StatusBar1->setPanelTag(0, QString());
    // A ticker: the line runs through the panel, wider than it by design.
    StatusBar1->panelLabel(0)->setProperty("ticker", true);
    centre();
}

void ClosingScreen::activate()
{
    ProgressBar1->setRange(0, 150);
    toonvoortgang(true);
    Timer1->setEnabled(true);
}

void ClosingScreen::toonvoortgang(bool tonen)
{
    if (tonen) {
        // The progress bar lives inside the status bar, over its second panel.
        ProgressBar1->setParent(StatusBar1);
        ProgressBar1->setGeometry(StatusBar1->panelRect(1));
        ProgressBar1->show();
        ProgressBar1->setValue(0);
    } else {
        ProgressBar1->setParent(this);
        ProgressBar1->hide();
    }
}

void ClosingScreen::Timer1_Timer()
{
    const QString text = StatusBar1->panelText(0);
    if (StatusBar1->panelTag(0).isEmpty()) {
        // Enough blanks to fill the panel, so the line enters from the right.
        const int blank = QFontMetrics(StatusBar1->panelLabel(0)->font()).horizontalAdvance(QLatin1Char(' '));
        const int n = int(std::lround(StatusBar1->panelWidthTwips(0) / double(blank * twipsPerPixel)));
        StatusBar1->setPanelTag(0, QString(n, QLatin1Char(' ')) + text);
        StatusBar1->setPanelText(0, StatusBar1->panelTag(0));
    }
    const QString current = StatusBar1->panelText(0);
    StatusBar1->setPanelText(0, current.isEmpty() ? StatusBar1->panelTag(0) : current.mid(1));
    ++teller;
    if (teller > 150) {
        Timer1->setEnabled(false);
        toonvoortgang(false);
        teller = 0;
        hide();
        runtime().endProgram();
        return;
    }
    ProgressBar1->setValue(teller);
}

} // namespace kolomaf
