#include "shell/shellscreens.h"
#include "shell/screennames.h"

#include "assets/assets.h"
#include "shell/build.h"
#include "shell/palette.h"
#include "shell/desktop.h"
#include "core/numbers.h"

#include <QFontMetrics>
#include <QVBoxLayout>

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

PictureCycle::PictureCycle(QWidget *screen, int left, int top, int width, int height)
{
    for (int i = 0; i < 6; ++i) {
        m_pictures[i] = place(new Picture(screen, picture(names[i])), names[i], left, top, width, height);
        m_pictures[i]->setVisible(QLatin1String(names[i]) == QLatin1String("imgmeisje"));
        QObject::connect(m_pictures[i], &Picture::clicked, screen, [this, i] { advance(i); });
    }
}

void PictureCycle::advance(int from)
{
    m_pictures[from]->hide();
    m_pictures[(from + 1) % 6]->show();
}

void openFirstChoice(Runtime &rt)
{
    if (Screen *welcome = rt.screen(screens::welcome))
        welcome->hide();
    if (Screen *choice = rt.screen(screens::choice))
        choice->show();
    if (Screen *main = rt.mainWindow())
        main->setEnabled(false);
}

// ---------------------------------------------------------------- MDIForm2

MainWindow::MainWindow(Runtime &rt)
    : Screen(rt, screens::mainWindow, 9930, 6825)
{
    setWindowTitle(QStringLiteral(" Alle kinderen moeten alle kansen krijgen."));
    setBackColor(this, QColor(234, 226, 138));
}

void MainWindow::buildMenu()
{
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    aftrek = menuBar->addMenu(QStringLiteral("OPENEN "));
    aftrek->setObjectName(QStringLiteral("aftrek"));
    aftrek->setProperty("text", aftrek->title());
    aftrek2 = aftrek->addAction(QStringLiteral("&Basis"));
    aftrek2->setObjectName(QStringLiteral("aftrek2"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menuBar);
    setFixedSize(width(), height() + menuBar->sizeHint().height());
    connect(aftrek2, &QAction::triggered, this, [this] { openFirstChoice(runtime()); });
}

void MainWindow::load()
{
    open(screens::welcome);
    if (runtime().isLoaded(screens::closing))
        runtime().unload(screens::closing);
}

void MainWindow::started()
{
    // The menu bar's height needs the fonts, read once both windows are up.
    buildMenu();
}

void MainWindow::closeRequested()
{
    runtime().endProgram();
}

// ------------------------------------------------------------ frmmecenaat1

WelcomeScreen::WelcomeScreen(Runtime &rt)
    : Screen(rt, screens::welcome, 11160, 6720)
{
    setWindowTitle(QStringLiteral(" "));
    // The caption is blank; a screen reader still says where the pupil is.
    setAccessibleName(QStringLiteral("Welkom bij kolomaf"));
    setBackColor(this, QColor(112, 101, 109));

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

    const struct
    {
        const char *pictureName;
        int left, top, width, height;
    } decorations[] = {{"welkom_zon", 120, 3960, 1635, 1710}, {"welkom_bloem", 9480, 3960, 1635, 1710},
        {"lieveheersbeestje", 10560, 5640, 480, 420}, {"ster", 0, 5640, 480, 420}};
    for (int i = 0; i < 4; ++i) {
        const auto &d = decorations[i];
        Image1[i] = place(new Picture(this, picture(d.pictureName)), arrayName("Image1", i), d.left, d.top,
            d.width, d.height);
    }

    const Look onNavy {designFont(12, true), palette::white, palette::navy};
    lblpartner2 = place(new Label(this), "lblpartner2", 1920, 4920, 7455, 615);
    caption(lblpartner2, QStringLiteral("TELLEGOED"), Qt::AlignCenter);
    dress(lblpartner2, {designFont(24, true), palette::white, palette::navy});
    Label4 = place(new Label(this), "Label4", 1920, 5520, 7455, 495);
    caption(Label4, QStringLiteral("Gratis te verspreiden software"), Qt::AlignCenter);
    dress(Label4, onNavy);
    Label5 = place(new Label(this), "Label5", 0, 6120, 11160, 600);
    caption(
        Label5, QStringLiteral("Ontwikkeld in Vlaanderen, voor de klas, van 2024 tot 2026"), Qt::AlignCenter);
    dress(Label5, {designFont(10), palette::white, palette::navy});

    stack({Shape3, Label11, cmdkombinnen});
    stack({Frame1_1, Image1[0], Image1[1], Image1[2], Image1[3], lblpartner2, Label4, Label5});
    cmdkombinnen->setFocus();
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

// ------------------------------------------------------- the choice screens

MenuScreen::MenuScreen(Runtime &rt, const Design &d)
    : Screen(rt, d.name, d.width, d.height)
    , pictures(this, d.pictures.x(), d.pictures.y(), d.pictures.width(), d.pictures.height())
{
    setWindowTitle(QLatin1String(d.caption));
    setBackColor(this, palette::white);
    Shape1 = place(new Shape(this), "Shape1", d.panel.x(), d.panel.y(), d.panel.width(), d.panel.height());
    setBackColor(Shape1, palette::brownRed);
    const Look score {designFont(10, true), palette::blue, palette::lavender};
    Label1 = dress(caption(place(new Label(this), "Label1", d.label1.x(), d.label1.y(), d.label1.width(),
                               d.label1.height()),
                       totalCaption),
        score);
    lblgemaakt = dress(caption(place(new Label(this), "lblgemaakt", d.total.x(), d.total.y(), d.total.width(),
                                   d.total.height()),
                           QString(), Qt::AlignCenter),
        score);
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

// ------------------------------------------------------------ frmkiesbasis

ChoiceScreen::ChoiceScreen(Runtime &rt)
    : MenuScreen(rt,
        {screens::choice, "KOLOMAF", 10260, 7530, {3720, 120, 6495, 5775}, {240, 480, 3240, 4860},
            {3720, 6000, 6495, 375}, {8520, 6000, 1695, 375}, {240, 6840}})
{
    Command1
        = route("Command1", QStringLiteral("Ik kijk naar een getal"), {4320, 600, 5295, 855}, screens::placeValue);
    Command1->setToolTip(QStringLiteral("L E E R "));
    Command2
        = route("Command2", QStringLiteral("Ik leer de aftrekking"), {4320, 2040, 5295, 855}, screens::sums);
    Command2->setToolTip(QStringLiteral("L E E R "));
    Command3 = route("Command3", QStringLiteral("Is een aftrekking moeilijk of gemakkelijk ?"),
        {4320, 3360, 5295, 855}, screens::differences);
    Command3->setToolTip(QStringLiteral("O E F E N "));
    cmdkies = route(
        "cmdkies", QStringLiteral("Ik leer cijferen als aftrekking"), {4320, 4800, 5295, 855}, screens::columnMenu);
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

// ---------------------------------------------------------------- frmbasis

ColumnMenuScreen::ColumnMenuScreen(Runtime &rt)
    : MenuScreen(rt,
        {screens::columnMenu, "CIJFEREN AFTREKKEN", 10260, 7260, {3600, 120, 6495, 5175}, {120, 360, 3240, 4860},
            {3600, 5280, 4815, 375}, {8400, 5280, 1695, 375}, {240, 6600}})
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

// ----------------------------------------------------------------- frminfo

ClosingScreen::ClosingScreen(Runtime &rt)
    : Screen(rt, screens::closing, 10185, 5925)
{
    setWindowTitle(QStringLiteral(" "));
    setAccessibleName(QStringLiteral("Tot de volgende keer"));
    setBackColor(this, QColor(111, 111, 111));
    // Nothing stops the count, so there is no close button to offer.
    setWindowFlag(Qt::WindowCloseButtonHint, false);

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
    imgportret = place(new Picture(Frame1, picture("portret")), "imgportret", 240, 360, 1800, 2400);
    imgportret->setToolTip(QStringLiteral("meester Kolom"));
    Imgzon = place(new Picture(Frame1, picture("zon_deco")), "Imgzon", 5880, 3000, 960, 960);

    Image3 = place(new Picture(this, picture("ster")), "Image3", 8760, 4080, 480, 420);
    Image3->setToolTip(QStringLiteral("Tot de volgende keer!"));
    Image4 = place(new Picture(this, picture("lieveheersbeestje")), "Image4", 120, 4080, 480, 420);
    Image4->setToolTip(QStringLiteral("Tot de volgende keer!"));

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
    stack({Frame1, Image3, Image4, lblgeld, StatusBar1, ProgressBar1});
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

void registerShellScreens(Runtime &rt)
{
    rt.registerKind(screens::mainWindow, [](Runtime &r) { return new MainWindow(r); });
    rt.registerKind(screens::welcome, [](Runtime &r) { return new WelcomeScreen(r); });
    rt.registerKind(screens::choice, [](Runtime &r) { return new ChoiceScreen(r); });
    rt.registerKind(screens::columnMenu, [](Runtime &r) { return new ColumnMenuScreen(r); });
    rt.registerKind(screens::closing, [](Runtime &r) { return new ClosingScreen(r); });
}

} // namespace kolomaf
