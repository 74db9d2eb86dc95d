// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A pupil who clicks, types, pastes and closes at random, for long runs,
// checking the whole program after every event.
#include "columns/columnscreen.h"
#include "helpers.h"
#include "shell/shellscreens.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMetaProperty>
#include <QTest>
#include <functional>
#include <random>

namespace kolomaf::test {

inline QList<unsigned> seedsFromEnvironment()
{
    QList<unsigned> seeds;
    for (const QString &s : qEnvironmentVariable("KOLOMAF_PUPIL_SEEDS", QStringLiteral("11,23,37,41,59"))
                                .split(QLatin1Char(','), Qt::SkipEmptyParts))
        seeds << s.trimmed().toUInt();
    return seeds;
}

inline int eventsFromEnvironment()
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("KOLOMAF_PUPIL_EVENTS", &ok);
    return ok && n > 0 ? n : 40000;
}

// The texts a pupil (or a curious neighbour) might paste.
inline QString pasteText(std::mt19937 &rng)
{
    const QString pieces[] = {QStringLiteral("7"), QStringLiteral("x"), QStringLiteral(" "),
        QStringLiteral("é"), QStringLiteral("ë"), QStringLiteral("-"), QStringLiteral("3"),
        QStringLiteral("ñ"), QStringLiteral("\t"), QStringLiteral("٣")};
    const int kind = std::uniform_int_distribution<int>(0, 4)(rng);
    const int length = kind == 0 ? 5000 : std::uniform_int_distribution<int>(1, 40)(rng);
    QString text;
    text.reserve(length);
    for (int i = 0; i < length; ++i) {
        if (kind <= 1)
            text += QLatin1Char(char('0' + std::uniform_int_distribution<int>(0, 9)(rng)));
        else
            text += pieces[std::uniform_int_distribution<int>(0, 9)(rng)];
    }
    return text;
}

// One key press and release, straight to the widget: QTest's own key
// clicks take ASCII only and warn about every key a control ignores.
inline void key(QWidget *target, int code, Qt::KeyboardModifiers modifiers = {}, const QString &text = {})
{
    QKeyEvent press(QEvent::KeyPress, code, modifiers, text);
    QKeyEvent release(QEvent::KeyRelease, code, modifiers, text);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

inline void typeText(QWidget *target, const QString &text)
{
    for (QChar c : text) {
        const bool ascii = c.unicode() < 128 && c.isLetterOrNumber();
        key(target, ascii ? c.toUpper().unicode() : int(Qt::Key_unknown), {}, QString(c));
    }
}

class Pupil
{
public:
    Pupil(unsigned seed, int events)
        : m_seed(seed)
        , m_events(events)
        , m_rng(seed)
    {
        m_pressWatch.onPress = [this] { countNewRight(); };
        qApp->installEventFilter(&m_pressWatch);
    }

    // False at the first failed check, which has been reported: the run
    // ends there.
    [[nodiscard]] bool run()
    {
        newSession();
        for (m_event = 0; m_event < m_events; ++m_event) {
            act();
            stopTheClock();
            QCoreApplication::processEvents();
            if (QTest::currentTestFailed() || !check())
                return false;
            if (afterEachEvent && !m_program->rt.ended())
                afterEachEvent(*m_program);
            if (QTest::currentTestFailed())
                return false;
            if (m_program->exitStatus != -1 || m_program->rt.ended()) {
                if (!expect(m_program->exitStatus == 0, "the program ended with a status other than 0"))
                    return false;
                for (Screen *s : m_program->rt.loadedScreens())
                    if (!expect(!s->isVisible(), "a screen stayed up after the end"))
                        return false;
                ++sessions;
                note(QStringLiteral("the program ended; a new session starts"));
                newSession();
            }
        }
        return true;
    }

    int eventsDone() const { return m_event + 1; }
    int sessions = 0, rightChecks = 0;
    // A tidy pupil pastes nothing and types one digit into an empty cell
    // only, so every text on screen is one the program wrote.
    bool tidy = false;
    // Runs after every event's own checks, e.g. to look at every screen.
    std::function<void(Program &)> afterEachEvent;
    QSet<QString> visited;

private:
    void newSession()
    {
        m_program.reset();
        m_program = std::make_unique<Program>();
        m_program->rt.setRandom(std::make_unique<ClockRandom>(m_seed * 7919u + unsigned(sessions)));
        m_seenRight = 0;
        m_lastTotal = 0;
    }

    // Time passes only when the pupil waits, so a seed replays exactly:
    // the timers tick by hand, never by the clock.
    void stopTheClock()
    {
        for (Screen *s : m_program->rt.loadedScreens())
            for (Timer *t : s->findChildren<Timer *>())
                QObject::disconnect(t, &QTimer::timeout, t, &Timer::tick);
    }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    bool chance(int percent) { return pick(100) < percent; }

    // The last events, printed when a check fails.
    void note(const QString &what)
    {
        m_log << QStringLiteral("%1: %2").arg(m_event).arg(what);
        if (m_log.size() > 12)
            m_log.removeFirst();
    }

    // Reports a failed check as the test's failure; the caller stops on false.
    [[nodiscard]] bool expect(bool ok, const char *what)
    {
        if (ok)
            return true;
        qInfo("%s", qPrintable(m_log.join(QLatin1Char('\n'))));
        QTest::qFail(
            qPrintable(
                QStringLiteral("seed %1, event %2: %3").arg(m_seed).arg(m_event).arg(QLatin1String(what))),
            __FILE__, __LINE__);
        return false;
    }

    QList<Screen *> visibleScreens() const
    {
        QList<Screen *> out;
        for (Screen *s : m_program->rt.loadedScreens())
            if (s->isVisible() && s->windowHandle())
                out << s;
        return out;
    }

    // The window the pupil works in: mostly the active one.
    Screen *front()
    {
        const QList<Screen *> shown = visibleScreens();
        if (shown.isEmpty())
            return nullptr;
        Screen *active = m_program->rt.activeScreen();
        if (active && active->isVisible() && active->windowHandle() && chance(85))
            return active;
        return shown[pick(int(shown.size()))];
    }

    static QList<QWidget *> targets(Screen *s)
    {
        QList<QWidget *> out;
        for (QWidget *w : s->findChildren<QWidget *>())
            if (w->isVisible() && w->isEnabled() && w->window() == s
                && s->rect().contains(w->mapTo(s, w->rect().center())))
                out << w;
        return out;
    }

    void act()
    {
        remember();
        Screen *s = front();
        if (!s)
            return;
        visited.insert(s->objectName());
        QWindow *window = s->windowHandle();
        if (auto *c = qobject_cast<ColumnScreen *>(s); c && chance(30)) {
            workTheExercise(c);
            return;
        }
        const int roll = pick(1000);
        if (roll < 330) { // anywhere on the window
            const QPoint at(pick(std::max(1, s->width())), pick(std::max(1, s->height())));
            note(QStringLiteral("click %1 at %2,%3 (%4)")
                     .arg(s->objectName())
                     .arg(at.x())
                     .arg(at.y())
                     .arg(s->childAt(at) ? s->childAt(at)->objectName() : QString()));
            QTest::mouseClick(window, Qt::LeftButton, {}, at);
        } else if (roll < 600 || roll >= 990) { // aimed at something, maybe twice
            QList<QWidget *> all = targets(s);
            // Buttons draw a pupil's eye more than anything else.
            if (chance(50)) {
                QList<QWidget *> buttons;
                for (QWidget *w : all)
                    if (qobject_cast<QAbstractButton *>(w))
                        buttons << w;
                if (!buttons.isEmpty())
                    all = buttons;
            }
            if (all.isEmpty())
                return;
            QWidget *w = all[pick(int(all.size()))];
            const QPoint at = w->mapTo(s, w->rect().center());
            note(QStringLiteral("%1 %2 on %3")
                     .arg(roll >= 990 ? QStringLiteral("double-click") : QStringLiteral("click"),
                         w->objectName(), s->objectName()));
            if (roll >= 990)
                QTest::mouseDClick(window, Qt::LeftButton, {}, at);
            else
                QTest::mouseClick(window, Qt::LeftButton, {}, at);
        } else if (roll < 930) { // keys into whatever has the focus
            QWidget *target = keyTarget(s);
            int kind = pick(10);
            if (auto *cell = qobject_cast<QLineEdit *>(target); tidy && cell && kind != 7)
                kind = cell->text().isEmpty() ? 3 : 6;
            note(QStringLiteral("key kind %1 into %2 on %3")
                     .arg(kind)
                     .arg(target->objectName(), s->objectName()));
            if (kind < 3 && knownDigit(s, target) >= 0) // a pupil who knows the answer
                typeText(target, QString::number(knownDigit(s, target)));
            else if (kind < 6)
                typeText(target, QString::number(pick(10)));
            else if (kind == 6)
                pick(2) ? key(target, Qt::Key_Return, {}, QStringLiteral("\r"))
                        : typeText(target, QStringLiteral(" "));
            else if (kind == 7)
                key(target, pick(2) ? Qt::Key_Tab : Qt::Key_Backtab);
            else if (kind == 8)
                key(target, pick(2) ? Qt::Key_Backspace : Qt::Key_Delete);
            else
                typeText(target, QStringLiteral("aé x-Zñ"));
        } else if (roll < 960 && !tidy) { // pasting
            QWidget *target = keyTarget(s);
            QApplication::clipboard()->setText(pasteText(m_rng));
            note(QStringLiteral("paste into %1").arg(target ? target->objectName() : QString()));
            if (target)
                key(target, Qt::Key_V, Qt::ControlModifier);
        } else if (roll < 975) { // the pupil waits a while: every running timer ticks
            note(QStringLiteral("wait"));
            for (int tick = pick(20); tick >= 0 && !m_program->rt.ended(); --tick)
                for (Screen *shown : visibleScreens())
                    for (Timer *t : shown->findChildren<Timer *>())
                        if (t->isActive() && !m_program->rt.ended())
                            Q_EMIT t->tick();
        } else if (roll < 985) { // the window's own close control
            note(QStringLiteral("close %1").arg(s->objectName()));
            if (s->objectName() != QLatin1String("MDIForm2") || chance(5))
                s->close();
        } else { // the main window's menu, which a disabled main window keeps closed
            note(QStringLiteral("menu"));
            auto *main = m_program->screen<MainWindow>("MDIForm2");
            const QList<QAction *> actions = main->findChildren<QAction *>();
            if (!actions.isEmpty() && main->isEnabled())
                actions[pick(int(actions.size()))]->trigger();
        }
    }

    // A pupil who does the exercise, mostly right, through the same clicks
    // and keys as anyone.
    void workTheExercise(ColumnScreen *c)
    {
        auto clickOn = [this, c](QWidget *w) {
            note(QStringLiteral("works %1: %2").arg(c->objectName(), w->objectName()));
            QTest::mouseClick(c->windowHandle(), Qt::LeftButton, {}, w->mapTo(c, w->rect().center()));
        };
        QWidget *focus = keyTarget(c);
        const int digit = focus ? knownDigit(c, focus) : -1;
        if (digit >= 0 && focus->isEnabled() && static_cast<QLineEdit *>(focus)->text().isEmpty()) {
            const QString typed = QString::number(chance(85) ? digit : pick(10));
            note(QStringLiteral("works %1: types %2 into %3")
                     .arg(c->objectName(), typed, focus->objectName()));
            typeText(focus, typed);
        } else if (shown(c->cmdverbeter) && c->cmdverbeter->isEnabled())
            clickOn(c->cmdverbeter);
        else if (shown(c->cmdnieuw))
            clickOn(c->cmdnieuw);
        else if (shown(c->cmdoranje))
            clickOn(c->cmdoranje);
        else if (shown(c->cmdstop2) && chance(10))
            clickOn(c->cmdstop2);
    }

    // Where a window's keys go: a hidden or disabled control keeps no focus,
    // the window itself takes the key then.
    static QWidget *keyTarget(Screen *s)
    {
        QWidget *w = s->focusWidget();
        return w && w->isVisible() && w->isEnabled() ? w : s;
    }

    // The right digit for an answer cell of a column exercise, or -1.
    static int knownDigit(Screen *s, QWidget *cell)
    {
        auto *c = qobject_cast<ColumnScreen *>(s);
        if (!c)
            return -1;
        const QWidget *cells[] = {c->txteenheden, c->txttientallen, c->txthonderdtallen};
        for (int col = 0; col < 3; ++col)
            if (cell == cells[col]) {
                bool ok = false;
                const int d = c->lblgetal[6 + col]->text().toInt(&ok);
                return ok && d >= 0 && d <= 9 ? d : -1;
            }
        return -1;
    }

    // The score boxes of a column screen that hold a right first check: a
    // line on green. The orange light's final check never writes one.
    static QList<bool> rightBoxes(ColumnScreen *c)
    {
        QList<bool> out;
        for (TextBox *t : c->Txtoef1)
            out << (!t->text().isEmpty() && backColor(t) == QColor(0, 255, 0));
        return out;
    }

    // What the verdicts need from before the event.
    void remember()
    {
        m_boxesBefore.clear();
        m_columnShown.clear();
        for (Screen *s : m_program->rt.loadedScreens())
            if (auto *c = qobject_cast<ColumnScreen *>(s)) {
                m_boxesBefore[c] = rightBoxes(c);
                m_columnShown[c] = c->isVisible();
            }
    }

    // Answers made right since the last look. Also looked at before every
    // press, so the first click of a double click that undoes it counts.
    void countNewRight()
    {
        for (auto it = m_boxesBefore.begin(); it != m_boxesBefore.end(); ++it) {
            const QList<bool> now = rightBoxes(it.key());
            for (int b = 0; b < int(now.size()); ++b)
                if (now[b] && !it.value()[b]) {
                    ++m_seenRight;
                    ++rightChecks;
                }
            it.value() = now;
        }
    }

    [[nodiscard]] bool check()
    {
        if (m_program->rt.ended())
            return true;
        countNewRight();
        bool leftAColumnScreen = false;
        for (auto it = m_columnShown.cbegin(); it != m_columnShown.cend(); ++it)
            if (it.value() && !it.key()->isVisible())
                leftAColumnScreen = true;
        if (leftAColumnScreen) {
            auto *menu = m_program->screen<ColumnMenuScreen>("frmbasis");
            if (!expect(menu && menu->lblgemaakt->text() == QString::number(m_seenRight),
                    qPrintable(QStringLiteral("the running total shows %1 after %2 right answers")
                                   .arg(menu ? menu->lblgemaakt->text() : QString())
                                   .arg(m_seenRight))))
                return false;
        }

        if (auto *menu = m_program->rt.isLoaded(QStringLiteral("frmbasis"))
                ? m_program->screen<ColumnMenuScreen>("frmbasis")
                : nullptr) {
            const int total = menu->lblgemaakt->text().toInt();
            if (!expect(total >= m_lastTotal,
                    qPrintable(QStringLiteral("the running total went down from %1 to %2")
                                   .arg(m_lastTotal)
                                   .arg(total))))
                return false;
            m_lastTotal = total;
        }
        for (Screen *s : m_program->rt.loadedScreens())
            if (!checkVariables(s) || !checkScoreBoxes(s))
                return false;
        return expect(usableScreenInFront(), "no screen the pupil can act on");
    }

    [[nodiscard]] bool checkVariables(Screen *s)
    {
        const QMetaObject *meta = s->metaObject();
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
            const QMetaProperty prop = meta->property(i);
            if (prop.metaType() != QMetaType::fromType<qint16>())
                continue;
            // Nothing the screens keep is ever far below zero: a wrapped
            // 16-bit value would be.
            const int v = prop.read(s).value<qint16>();
            if (v < -999)
                return expect(false,
                    qPrintable(QStringLiteral("%1.%2 wrapped to %3")
                                   .arg(s->objectName(), QLatin1String(prop.name()))
                                   .arg(v)));
        }
        return true;
    }

    // Only boxes of the series the screen can hold are ever written.
    [[nodiscard]] bool checkScoreBoxes(Screen *s)
    {
        int rows = 0;
        if (qobject_cast<ColumnScreen *>(s))
            rows = 6; // five shown, and a hidden sixth the series may reach
        else if (s->objectName() == QLatin1String("frmcijferschrijf"))
            rows = 11;
        else
            return true;
        for (QLineEdit *t : s->findChildren<QLineEdit *>()) {
            const QString name = t->objectName();
            if (!name.startsWith(QLatin1String("Txtoef1(")) || t->text().isEmpty())
                continue;
            if (name.mid(8).chopped(1).toInt() >= rows)
                return expect(
                    false, qPrintable(QStringLiteral("%1 wrote %2").arg(s->objectName(), t->objectName())));
        }
        return true;
    }

    // A visible screen with a button or an entry box the pupil can reach, or
    // the closing screen counting down.
    bool usableScreenInFront() const
    {
        for (Screen *s : visibleScreens()) {
            if (s->objectName() == QLatin1String("MDIForm2") || !s->isEnabled())
                continue;
            if (auto *info = qobject_cast<ClosingScreen *>(s))
                if (info->Timer1->isActive())
                    return true;
            for (QLineEdit *t : s->findChildren<QLineEdit *>())
                if (t->isVisible() && t->isEnabled() && !t->isReadOnly() && t->focusPolicy() != Qt::NoFocus
                    && s->childAt(t->mapTo(s, t->rect().center())) == t)
                    return true;
            for (QAbstractButton *b : s->findChildren<QAbstractButton *>())
                if (b->isVisible() && b->isEnabled() && s->childAt(b->mapTo(s, b->rect().center())) == b)
                    return true;
        }
        return false;
    }

    unsigned m_seed;
    int m_events;
    int m_event = 0;
    std::mt19937 m_rng;
    struct PressWatch : QObject
    {
        std::function<void()> onPress;
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::MouseButtonPress)
                onPress();
            return false;
        }
    } m_pressWatch;
    std::unique_ptr<Program> m_program;
    QHash<ColumnScreen *, QList<bool>> m_boxesBefore;
    QHash<ColumnScreen *, bool> m_columnShown;
    int m_seenRight = 0;
    QStringList m_log;
    int m_lastTotal = 0;
};

} // namespace kolomaf::test
