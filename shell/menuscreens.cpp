// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/menuscreens.h"

#include "assets/assets.h"
#include "core/numbers.h"
#include "shell/build.h"
#include "shell/palette.h"
#include "shell/screennames.h"

namespace kolomaf {

namespace {

const QString webAddress = QStringLiteral("https://kolomaf.example.org");
const QString totalCaption = QStringLiteral("Totaal aantal juiste oefeningen:");

PictureButton *captionButton(
    QWidget *parent, const char *name, const QString &text, int left, int top, int width, int height)
{
    auto *b = place(new PictureButton(parent), name, left, top, width, height);
    b->setText(text);
    dress(b, {designFont(12, true), palette::black, palette::lemon});
    return b;
}

PictureButton *pictureButton(QWidget *parent, const char *name, const char *pictureName, const QColor &colour,
    int left, int top, int width, int height)
{
    auto *b = place(new PictureButton(parent, picture(pictureName)), name, left, top, width, height);
    setBackColor(b, colour);
    return b;
}

Picture *smallLogo(QWidget *parent, int left, int top)
{
    auto *p = place(new Picture(parent, picture("logo")), "Image2", left, top, 480, 420);
    p->setToolTip(webAddress);
    return p;
}

} // namespace

PictureCycle::PictureCycle(QWidget *screen, QRect twips)
{
    for (int i = 0; i < 6; ++i) {
        m_pictures[i] = place(new Picture(screen, picture(names[i])), names[i], twips);
        m_pictures[i]->setVisible(QLatin1String(names[i]) == QLatin1String("imgmeisje"));
        QObject::connect(m_pictures[i], &Picture::clicked, screen, [this, i] { advance(i); });
    }
}

void PictureCycle::advance(int from)
{
    // One picture of the six shows at a time; a pupil who clicks through
    // them all would otherwise keep six drawn.
    m_pictures[from]->hide();
    m_pictures[from]->releasePicture();
    m_pictures[(from + 1) % 6]->show();
}

MenuScreen::MenuScreen(Runtime &rt, const Design &d)
    : Screen(rt, d.name, d.width, d.height)
    , pictures(this, d.pictures)
{
    setWindowTitle(QLatin1String(d.caption));
    setBackColor(this, palette::white);
    Shape1 = place(new Shape(this), "Shape1", d.panel);
    setBackColor(Shape1, palette::brownRed);
    const Look score {designFont(10, true), palette::blue, palette::lavender};
    Label1 = dress(caption(place(new Label(this), "Label1", d.label1), totalCaption), score);
    lblgemaakt
        = dress(caption(place(new Label(this), "lblgemaakt", d.total), QString(), Qt::AlignCenter), score);
    Image2 = smallLogo(this, d.logo.x(), d.logo.y());
}

PictureButton *MenuScreen::route(const char *name, const QString &text, QRect r, const char *target)
{
    auto *b = captionButton(this, name, text, r.x(), r.y(), r.width(), r.height());
    b->setEnabled(runtime().has(QLatin1String(target)));
    connect(b, &QAbstractButton::clicked, this, [this, target] { openAndHide(target); });
    return b;
}

void MenuScreen::openAndHide(const char *target)
{
    if (open(QLatin1String(target)))
        hide();
}

void MenuScreen::stackOverPanel(std::initializer_list<QWidget *> buttons)
{
    stack({Shape1});
    stack(buttons);
    stack({Label1, lblgemaakt});
}

void MenuScreen::load()
{
    centre();
}

void MenuScreen::activate()
{
    centre();
}

ChoiceScreen::ChoiceScreen(Runtime &rt)
    : MenuScreen(rt,
        {.name = screens::choice,
            .caption = "KOLOMAF",
            .width = 10260,
            .height = 7530,
            .panel = {3720, 120, 6495, 5775},
            .pictures = {240, 480, 3240, 4860},
            .label1 = {3720, 6000, 6495, 375},
            .total = {8520, 6000, 1695, 375},
            .logo = {240, 6840}})
{
    Command1 = route(
        "Command1", QStringLiteral("Ik kijk naar een getal"), {4320, 600, 5295, 855}, screens::placeValue);
    Command1->setToolTip(QStringLiteral("L E E R "));
    Command2
        = route("Command2", QStringLiteral("Ik leer de aftrekking"), {4320, 2040, 5295, 855}, screens::sums);
    Command2->setToolTip(QStringLiteral("L E E R "));
    Command3 = route("Command3", QStringLiteral("Is een aftrekking moeilijk of gemakkelijk ?"),
        {4320, 3360, 5295, 855}, screens::differences);
    Command3->setToolTip(QStringLiteral("O E F E N "));
    cmdkies = route("cmdkies", QStringLiteral("Ik leer cijferen als aftrekking"), {4320, 4800, 5295, 855},
        screens::columnMenu);
    cmdeinde = pictureButton(this, "cmdeinde", "stop", palette::darkRed, 5520, 6720, 1815, 735);
    cmdeinde->setToolTip(QStringLiteral("S T O P "));
    connect(cmdeinde, &QAbstractButton::clicked, this, &ChoiceScreen::cmdeinde_Click);
    stackOverPanel({Command1, Command2, Command3, cmdkies, cmdeinde});
    cmdkies->setFocus();
}

void ChoiceScreen::cmdeinde_Click()
{
    open(screens::closing);
    hide();
    if (Screen *main = runtime().mainWindow())
        main->setEnabled(true);
}

void ChoiceScreen::closeRequested()
{
    cmdeinde_Click();
}

ColumnMenuScreen::ColumnMenuScreen(Runtime &rt)
    : MenuScreen(rt,
        {.name = screens::columnMenu,
            .caption = "CIJFEREN AFTREKKEN",
            .width = 10260,
            .height = 7260,
            .panel = {3600, 120, 6495, 5175},
            .pictures = {120, 360, 3240, 4860},
            .label1 = {3600, 5280, 4815, 375},
            .total = {8400, 5280, 1695, 375},
            .logo = {240, 6600}})
{
    auto menuButton = [this](const char *name, const char *text, int top, const char *target) {
        return route(name, QString::fromUtf8(text), {4320, top, 5295, 495}, target);
    };
    Command2 = menuButton("Command2", "Zonder ontlenen", 480, screens::noBorrowing);
    Command3 = menuButton("Command3", "Met ontlenen bij tientallen ", 1380, screens::borrowTen);
    Command4 = menuButton("Command4", "Met ontlenen bij honderdtallen ", 2280, screens::borrowHundred);
    cmdkwartier = menuButton("cmdkwartier", "Met ontlenen bij duizendtal", 3180, screens::borrowThousand);
    Command5 = menuButton("Command5", "Schijf en cijfer ", 4080, screens::writing);
    cmdeinde = pictureButton(this, "cmdeinde", "terug", palette::brownRed, 5880, 6240, 1815, 855);
    cmdeinde->setToolTip(QStringLiteral("terug "));
    connect(cmdeinde, &QAbstractButton::clicked, this, [this] { openAndHide(screens::choice); });
    stackOverPanel({Command2, Command3, Command4, cmdkwartier, Command5, cmdeinde});
    Command2->setFocus();
}

void ColumnMenuScreen::load()
{
    MenuScreen::load();
    z = 0;
    lblgemaakt->setText(numberText(z));
}

void ColumnMenuScreen::closeRequested()
{
    openAndHide(screens::choice);
}

} // namespace kolomaf
