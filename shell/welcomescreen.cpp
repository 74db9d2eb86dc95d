// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/welcomescreen.h"

#include "assets/assets.h"
#include "shell/build.h"
#include "shell/mainwindow.h"
#include "shell/palette.h"
#include "shell/screennames.h"

namespace kolomaf {

WelcomeScreen::WelcomeScreen(Runtime &rt)
    : Screen(rt, screens::welcome, 11160, 6720)
{
    setWindowTitle(QStringLiteral(" "));
    // The caption is blank; a screen reader still says where the pupil is.
    setAccessibleName(QStringLiteral("Welkom bij kolomaf"));
    setBackColor(this, QColor(112, 101, 109));

    buildPanel();
    buildDecorations();
    buildCredits();
    stack({Shape3, Label11, cmdkombinnen});
    stack({Frame1_1, Image1[0], Image1[1], Image1[2], Image1[3], lblpartner2, Label4, Label5});
    cmdkombinnen->setFocus();
}

// The pale-yellow upper part with the start button.
void WelcomeScreen::buildPanel()
{
    Frame1_1 = place(new Panel(this), "Frame1(1)", 0, 0, 18989, 4684);
    setBackColor(Frame1_1, palette::paleYellow);
    Shape3 = place(new Shape(Frame1_1), "Shape3", 1920, 720, 7455, 4215);
    setBackColor(Shape3, palette::lightYellow);
    Label11 = place(new Label(Frame1_1), "Label11", 1320, 360, 8415, 375);
    caption(Label11, QStringLiteral("Educatieve software voor de  basisschool."), Qt::AlignCenter);
    dress(Label11, {designFont(12, true), palette::black, palette::paleYellow});

    cmdkombinnen
        = place(new PictureButton(Frame1_1, picture("welkom_start")), "cmdkombinnen", 3600, 1080, 3855, 3495);
    cmdkombinnen->setText(QStringLiteral("Klik hier en start !"));
    dress(cmdkombinnen, {designFont(18, true), palette::black, palette::white});
    connect(cmdkombinnen, &QAbstractButton::clicked, this, [this] { openFirstChoice(runtime()); });
}

void WelcomeScreen::buildDecorations()
{
    const struct
    {
        const char *pictureName;
        QRect place;
    } decorations[] = {{"welkom_zon", {120, 3960, 1635, 1710}}, {"welkom_bloem", {9480, 3960, 1635, 1710}},
        {"lieveheersbeestje", {10560, 5640, 480, 420}}, {"ster", {0, 5640, 480, 420}}};
    for (int i = 0; i < 4; ++i)
        Image1[i] = place(new Picture(this, picture(decorations[i].pictureName)), arrayName("Image1", i),
            decorations[i].place);
}

// The maker's name and the free-software lines on navy.
void WelcomeScreen::buildCredits()
{
    lblpartner2 = place(new Label(this), "lblpartner2", 1920, 4920, 7455, 615);
    caption(lblpartner2, QStringLiteral("TELLEGOED"), Qt::AlignCenter);
    dress(lblpartner2, {designFont(24, true), palette::white, palette::navy});
    Label4 = place(new Label(this), "Label4", 1920, 5520, 7455, 495);
    caption(Label4, QStringLiteral("Gratis te verspreiden software"), Qt::AlignCenter);
    dress(Label4, {designFont(12, true), palette::white, palette::navy});
    Label5 = place(new Label(this), "Label5", 0, 6120, 11160, 600);
    caption(
        Label5, QStringLiteral("Ontwikkeld in Vlaanderen, voor de klas, van 2024 tot 2026"), Qt::AlignCenter);
    dress(Label5, {designFont(10), palette::white, palette::navy});
}

void WelcomeScreen::load()
{
    centre();
    Frame1_1->show();
}

void WelcomeScreen::activate()
{
    centre();
    Frame1_1->show();
}

void WelcomeScreen::closeRequested()
{
    openFirstChoice(runtime());
}

} // namespace kolomaf
