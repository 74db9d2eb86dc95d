// SPDX-License-Identifier: GPL-3.0-or-later
// Walks the program to one screen, as a pupil would, for screenshots and the
// benchmark. "kolomaf-tour NAME" prints "ready X Y W H" once NAME is on
// screen and keeps running; "kolomaf-tour --memory" opens every screen once
// and prints the peak memory of the process in KiB.
#include "app/program.h"
#include "bridge/bridgescreen.h"
#include "columns/columnscreen.h"
#include "recognition/twonumbers.h"
#include "shell/desktop.h"
#include "shell/firstpicture.h"
#include "shell/runtime.h"
#include "shell/screennames.h"
#include "shell/shellscreens.h"
#include "writing/writingscreen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QTimer>
#include <cstdio>
#include <memory>

using namespace kolomaf;

namespace {

// Known digits, so the demonstration screens show a chosen subtraction.
class FixedDigits : public RandomSource
{
public:
    explicit FixedDigits(QList<int> digits)
        : m_digits(std::move(digits))
    {
    }
    int digit0to8() override { return next(); }
    int digit1to9() override { return next(); }

private:
    int next() { return m_digits.isEmpty() ? 1 : m_digits.takeFirst(); }
    QList<int> m_digits;
};

void press(Runtime &rt, const char *screen, const char *button)
{
    if (auto *b = rt.screen(QLatin1String(screen))->findChild<QAbstractButton *>(QLatin1String(button)))
        b->click();
}

// A screen and the button of the screen before it that opens it.
struct Way
{
    const char *screen, *button;
};

// Presses the button that leads from `from` to the target, if one does.
bool takeWay(Runtime &rt, const char *from, std::initializer_list<Way> ways, const QString &target)
{
    for (const Way &w : ways)
        if (target == QLatin1String(w.screen)) {
            press(rt, from, w.button);
            return true;
        }
    return false;
}

// The clicks that lead from the start to a screen.
bool walkTo(Runtime &rt, const QString &target)
{
    if (target == screens::welcome)
        return true;
    press(rt, screens::welcome, "cmdkombinnen");
    if (target == screens::choice)
        return true;
    if (takeWay(rt, screens::choice,
            {{screens::placeValue, "Command1"}, {screens::sums, "Command2"},
                {screens::differences, "Command3"}, {screens::closing, "cmdeinde"}},
            target))
        return true;
    press(rt, screens::choice, "cmdkies");
    if (target == screens::columnMenu)
        return true;
    return takeWay(rt, screens::columnMenu,
        {{screens::noBorrowing, "Command2"}, {screens::borrowTen, "Command3"},
            {screens::borrowHundred, "Command4"}, {screens::borrowThousand, "cmdkwartier"},
            {screens::writing, "Command5"}},
        target);
}

// Types the expected digits, with one wrong digit when asked, from the units up.
void answer(ColumnScreen *s, int wrongColumn)
{
    TextBox *cells[] = {s->txteenheden, s->txttientallen, s->txthonderdtallen};
    for (int c = 0; c < 3; ++c) {
        QString digit = s->lblgetal[6 + c]->text();
        if (c == wrongColumn)
            digit = QString::number((digit.toInt() + 1) % 10);
        cells[c]->setText(digit);
    }
}

// Brings a column screen into one of the states of an exercise.
void playState(ColumnScreen *s, const QString &state)
{
    if (state == QLatin1String("reeks")) {
        for (int k = 0; k < 5; ++k) {
            s->cmdnieuw->click();
            answer(s, k == 3 ? 1 : -1);
            s->cmdverbeter->click();
        }
        s->cmdstop->click();
        return;
    }
    s->cmdnieuw->click();
    if (state == QLatin1String("borrow")) {
        Q_EMIT s->lblgetal[0]->clicked();
        return;
    }
    if (state == QLatin1String("exercise")) {
        s->txteenheden->setText(s->lblgetal[6]->text());
        return;
    }
    answer(s, state == QLatin1String("fout") ? 1 : -1);
    s->cmdverbeter->click();
}

// The writing screen: an exercise copied right, then an answer off by ten
// when asked for a wrong one.
void workOut(WritingScreen *s, bool wrong)
{
    s->cmdnieuw->click();
    const qint16 digits[]
        = {s->honderdtal1, s->tiental1, s->eenheid1, s->honderdtal2, s->tiental2, s->eenheid2};
    TextBox *copy[]
        = {s->txtgetal1H, s->txtgetal1T, s->txtgetal1E, s->txtgetal2H, s->txtgetal2T, s->txtgetal2E};
    for (int c = 0; c < 6; ++c)
        copy[c]->setText(QString::number(digits[c]));
    s->cmdgroenlicht->click();
    int result = s->verschil;
    if (wrong)
        result += (result / 10) % 10 < 9 ? 10 : -10;
    s->txteenheden->setText(QString::number(result % 10));
    s->txttientallen->setText(QString::number(result / 10 % 10));
    s->txthonderdtallen->setText(QString::number(result / 100));
    s->cmdcontrole->click();
}

// STATE is naam, copy (with a borrow mark), prima, fout or reeks.
void playWriting(WritingScreen *s, const QString &state)
{
    s->txtnaam->setText(QStringLiteral("Lotte"));
    if (state == QLatin1String("copy")) {
        for (int tries = 0; tries < 100 && s->txtplus100->isHidden(); ++tries)
            s->cmdnieuw->click();
        s->txtgetal1H->setText(QString::number(s->honderdtal1));
        s->txtgetal1T->setText(QString::number(s->tiental1));
        s->txtgetal1E->setText(QString::number(s->eenheid1));
        s->txtgetal2H->setText(QString::number(s->honderdtal2));
    } else if (state == QLatin1String("prima") || state == QLatin1String("fout")) {
        workOut(s, state == QLatin1String("fout"));
    } else if (state == QLatin1String("reeks")) {
        for (int k = 0; k < 10; ++k)
            workOut(s, k == 2 || k == 6);
    }
}

long peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// Opens every screen once, as the memory benchmark wants, and prints the
// peak memory of the process.
int openEveryScreen(Runtime &rt, QApplication &app)
{
    for (const char *name :
        {screens::noBorrowing, screens::borrowTen, screens::borrowHundred, screens::borrowThousand}) {
        walkTo(rt, QLatin1String(name));
        app.processEvents();
        rt.screen<ColumnScreen>(name)->cmdstop2->click();
        press(rt, screens::columnMenu, "cmdeinde");
        app.processEvents();
    }
    for (const BridgeConfig &c : bridgeConfigs) {
        walkTo(rt, QLatin1String(c.opener));
        auto *opener = rt.screen<ColumnScreen>(c.opener);
        playState(opener, QStringLiteral("borrow"));
        opener->cmdaklas->click();
        app.processEvents();
        rt.screen<BridgeDrillScreen>(c.name)->cmdstop->click();
        app.processEvents();
        opener->hide();
        press(rt, screens::columnMenu, "cmdeinde");
    }
    walkTo(rt, screens::writing);
    app.processEvents();
    playWriting(rt.screen<WritingScreen>(screens::writing), QStringLiteral("prima"));
    press(rt, screens::writing, "cmdstop2");
    for (const char *name : {screens::placeValue, screens::sums, screens::differences}) {
        walkTo(rt, QLatin1String(name));
        app.processEvents();
        press(rt, name, "cmdstart");
        rt.screen(name)->hide();
    }
    walkTo(rt, screens::closing);
    QTimer::singleShot(500, &app, [] {
        std::printf("peak_kib %ld\n", peakKiB());
        std::fflush(stdout);
        std::_Exit(0);
    });
    return app.exec();
}

// A drill screen is reached through a borrow on its opening screen; STATE
// open, ten or done.
bool reachDrill(Runtime &rt, const QString &target, const QString &state)
{
    for (const BridgeConfig &c : bridgeConfigs)
        if (target == QLatin1String(c.name)) {
            walkTo(rt, QLatin1String(c.opener));
            auto *opener = rt.screen<ColumnScreen>(c.opener);
            playState(opener, QStringLiteral("borrow"));
            opener->cmdaklas->click();
            auto *drill = rt.screen<BridgeDrillScreen>(target);
            if (state == QLatin1String("ten") || state == QLatin1String("done"))
                drill->cmdnaar10->click();
            if (state == QLatin1String("done"))
                drill->cmdverder->click();
            return true;
        }
    return false;
}

// The demonstration screens: STATE is how many presses, 1 to 4; on the
// two-number screens "easy" shows an easy subtraction, "lend" a borrow.
void playDemonstration(Runtime &rt, const QString &target, const QString &state)
{
    int presses = state.toInt();
    if (auto *two = rt.screen<HardOrEasyScreen>(target); two && !state.isEmpty()) {
        const bool easy = state == QLatin1String("easy");
        QList<int> digits = easy ? QList<int> {8, 3, 6, 2, 0, 0} : QList<int> {2, 5, 1, 4, 0, 0};
        if (target == screens::sums)
            digits << digits[0] << digits[1];
        digits << 7 << 3;
        rt.setRandom(std::make_unique<FixedDigits>(digits));
        if (presses == 0)
            presses = 4;
    }
    for (int press = 0; press < presses; ++press)
        if (auto *b = qobject_cast<QAbstractButton *>(
                QApplication::focusWidget() ? QApplication::focusWidget() : rt.screen(target)->focusWidget()))
            b->click();
    if (state == QLatin1String("lend"))
        Q_EMIT rt.screen<DifferencesScreen>(target)->txttiental->clicked();
}

// Every caption button the pupil sees, where it is on the display, for the
// screen-reader check ("button X Y W H CAPTION"), then "ready" with the
// screen's frame.
void reportWhenShown(Runtime &rt, const QString &target, QApplication &app)
{
    QTimer::singleShot(target == screens::closing ? 2500 : 400, &app, [&rt, target] {
        Screen *s = rt.screen(target);
        // Buttons stacked in one place: the one in front.
        for (QAbstractButton *b : s->findChildren<QAbstractButton *>())
            if (b->isVisible() && !b->text().isEmpty() && s->childAt(b->mapTo(s, b->rect().center())) == b) {
                const QPoint at = b->mapToGlobal(QPoint());
                std::printf("button %d %d %d %d %s\n", at.x(), at.y(), b->width(), b->height(),
                    qUtf8Printable(b->text()));
            }
        const QRect g = s->frameGeometry();
        std::printf("ready %d %d %d %d\n", g.x(), g.y(), g.width(), g.height());
        std::fflush(stdout);
    });
}

} // namespace

int main(int argc, char *argv[])
{
    // Started as the program starts, so that its memory is the program's.
    desktop::choosePlatform();
    auto sent = sendFirstPicture(builtFirstPicture);
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: kolomaf-tour SCREEN | --memory\n");
        return 2;
    }
    // NAME or NAME:STATE, where a column screen's STATE is exercise, prima,
    // fout, reeks or borrow, a drill's is open, ten or done, and the writing
    // screen's naam, copy, prima, fout or reeks.
    const QStringList parts = QString::fromLocal8Bit(argv[1]).split(QLatin1Char(':'));
    const QString target = parts.first();
    const QString state = parts.value(1);
    Runtime::prepareApplication();
    Runtime rt;
    registerAllScreens(rt);
    rt.setFirstPicture(&builtFirstPicture, std::move(sent));
    rt.start(screens::mainWindow);
    if (target == QLatin1String("--memory"))
        return openEveryScreen(rt, app);

    if (!reachDrill(rt, target, state) && !walkTo(rt, target)) {
        std::fprintf(stderr, "kolomaf-tour: no way to %s\n", argv[1]);
        return 2;
    }
    if (target.startsWith(QLatin1String("frmtest")))
        playDemonstration(rt, target, state);
    if (!state.isEmpty())
        if (auto *column = rt.screen<ColumnScreen>(target))
            playState(column, state);
    if (auto *writing = rt.screen<WritingScreen>(target))
        playWriting(writing, state);
    reportWhenShown(rt, target, app);
    return app.exec();
}
