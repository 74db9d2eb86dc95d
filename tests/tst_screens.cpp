// SPDX-License-Identifier: GPL-3.0-or-later
// Every screen as a screen reader and a high-resolution display meet it: each
// control a pupil can reach has a name, and every text fits its control in
// the font actually used. CTest runs this at scale 1 and at scale 2.
#include "pupil.h"

#include <QAccessible>
#include <QLabel>
#include <QPainter>
#include <QSet>
#include <QStyle>
#include <QStyleOptionFrame>

using namespace kolomaf;

namespace {

// What does not fit, as "screen/control: text".
QString misfit(QWidget *w)
{
    const QFontMetrics fm(w->font());
    auto describe = [w](const QString &text, QSize need, QSize room) {
        return QStringLiteral("%1/%2: \"%3\" needs %4x%5 in %6x%7")
            .arg(w->window()->objectName(), w->objectName(), text)
            .arg(need.width())
            .arg(need.height())
            .arg(room.width())
            .arg(room.height());
    };
    auto fits = [](QSize need, QSize room) {
        return need.width() <= room.width() && need.height() <= room.height() + 1;
    };

    if (auto *l = qobject_cast<QLabel *>(w)) {
        if (l->text().isEmpty() || l->property("ticker").toBool())
            return {};
        const QRect room = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
        const int flags = int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
        const QSize need = fm.boundingRect(room, flags, l->text()).size();
        return fits(need, room.size()) ? QString() : describe(l->text(), need, room.size());
    }
    if (auto *b = qobject_cast<PictureButton *>(w)) {
        if (b->text().isEmpty())
            return {};
        const QRect room = b->textRect();
        const int flags = Qt::AlignCenter | Qt::TextWordWrap;
        const QSize need = fm.boundingRect(room, flags, b->text()).size();
        return fits(need, room.size()) ? QString() : describe(b->text(), need, room.size());
    }
    if (auto *t = qobject_cast<QLineEdit *>(w)) {
        // What the pupil types is the pupil's; what the program shows must fit.
        const bool display = t->isReadOnly() || t->focusPolicy() == Qt::NoFocus;
        if (!display || t->text().isEmpty())
            return {};
        QStyleOptionFrame option;
        option.initFrom(t);
        option.lineWidth
            = t->hasFrame() ? t->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, t) : 0;
        const QRect room
            = t->style()->subElementRect(QStyle::SE_LineEditContents, &option, t).adjusted(2, 1, -2, -1);
        // The ink of one line: digits and signs have no descenders to clip.
        const QSize need(fm.horizontalAdvance(t->text()), fm.tightBoundingRect(t->text()).height());
        return fits(need, room.size()) ? QString() : describe(t->text(), need, room.size());
    }
    return {};
}

void collectMisfits(QWidget *screen, QSet<QString> &out)
{
    for (QWidget *w : screen->findChildren<QWidget *>())
        if (w->isVisibleTo(screen))
            if (const QString m = misfit(w); !m.isEmpty())
                out.insert(m);
}

void collectUnnamed(QAccessibleInterface *iface, QStringList &out, int depth = 0)
{
    if (!iface || depth > 20)
        return;
    const QAccessible::State state = iface->state();
    if (state.focusable && !state.invisible && iface->text(QAccessible::Name).trimmed().isEmpty()) {
        QObject *o = iface->object();
        out << QStringLiteral("%1/%2").arg(
            o && o->parent() ? o->parent()->objectName() : QString(), o ? o->objectName() : QString());
    }
    for (int i = 0; i < iface->childCount(); ++i)
        collectUnnamed(iface->child(i), out, depth + 1);
}

// The pixels of a painted image that show something: neither see-through
// nor the background.
int shownPixels(const QImage &image, QColor background)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qAlpha(image.pixel(x, y)) > 0 && image.pixel(x, y) != background.rgba();
    return n;
}

// The pixels where two images of one size differ by more than rounding.
int pixelsApart(const QImage &a, const QImage &b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            n += qAbs(qRed(p) - qRed(q)) > 2 || qAbs(qGreen(p) - qGreen(q)) > 2
                || qAbs(qBlue(p) - qBlue(q)) > 2 || qAbs(qAlpha(p) - qAlpha(q)) > 2;
        }
    return n;
}

} // namespace

class TestScreens : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::Program> p;

    // Every screen of the program, opened and shown once.
    QList<Screen *> everyScreen()
    {
        QList<Screen *> out;
        QStringList names = p->rt.registeredNames();
        names.sort();
        for (const QString &name : names)
            if (Screen *s = p->rt.screen(name))
                out << s;
        return out;
    }

private Q_SLOTS:
    void init() { p = std::make_unique<test::Program>(); }
    void cleanup() { p.reset(); }

    void everyReachableControlHasAName()
    {
        QStringList unnamed;
        for (Screen *s : everyScreen()) {
            s->show();
            collectUnnamed(QAccessible::queryAccessibleInterface(s), unnamed);
            for (QWidget *w : s->findChildren<QWidget *>())
                if ((qobject_cast<Picture *>(w) || qobject_cast<PictureButton *>(w))
                    && QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).trimmed().isEmpty())
                    unnamed << QStringLiteral("%1/%2 (picture)").arg(s->objectName(), w->objectName());
            s->hide();
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char('\n'))));
    }

    void namesSayWhatAPupilSees()
    {
        Screen *choice = p->rt.screen(QStringLiteral("frmkiesbasis"));
        // Called by what it shows or depicts; the tool tip describes. A
        // missing control has no name.
        auto name = [](QWidget *w) { return w ? w->accessibleName() : QString(); };
        QAccessibleInterface *leer = QAccessible::queryAccessibleInterface(test::control(choice, "Command1"));
        QVERIFY(leer);
        QCOMPARE(leer->text(QAccessible::Name), QStringLiteral("Ik kijk naar een getal"));
        QCOMPARE(leer->text(QAccessible::Description), QStringLiteral("L E E R "));
        QCOMPARE(name(test::control(choice, "cmdeinde")), QStringLiteral("STOP"));
        QCOMPARE(name(test::control(choice, "Image2")), QStringLiteral("telraam"));
        auto *writing = p->rt.screen(QStringLiteral("frmcijferschrijf"));
        QCOMPARE(name(test::control(writing, "cmdnieuw")), QStringLiteral("vliegtuig"));
        QCOMPARE(name(test::control(writing, "Txtoef1(3)")), QStringLiteral("oefening 4"));
        auto *column = p->rt.screen(QStringLiteral("CIFERMBE"));
        QCOMPARE(name(test::control(column, "txttientallen")), QStringLiteral("tientallen"));
    }

    void textsFitInEveryStartState()
    {
        QSet<QString> misfits;
        for (Screen *s : everyScreen()) {
            s->show(); // laid out as the pupil sees it
            collectMisfits(s, misfits);
            s->hide();
        }
        QStringList all(misfits.cbegin(), misfits.cend());
        all.sort();
        QVERIFY2(all.isEmpty(), qPrintable(all.join(QLatin1Char('\n'))));
    }

    // The texts of later states: verdicts, prompts, explanations, counts.
    void textsFitAlongAPupilsWay()
    {
        QSet<QString> misfits;
        for (unsigned seed : {5u, 6u}) {
            test::Pupil pupil(seed, 6000);
            pupil.tidy = true;
            pupil.afterEachEvent = [&misfits](test::Program &program) {
                for (Screen *s : program.rt.loadedScreens())
                    if (s->isVisible())
                        collectMisfits(s, misfits);
            };
            if (!pupil.run())
                return;
        }
        QStringList all(misfits.cbegin(), misfits.cend());
        all.sort();
        QVERIFY2(all.isEmpty(), qPrintable(all.join(QLatin1Char('\n'))));
    }

    void picturesAreDrawnForTheDisplay()
    {
        Screen *welcome = p->rt.screen(QStringLiteral("frmmecenaat1"));
        welcome->show();
        const qreal ratio = welcome->devicePixelRatioF();
        QCOMPARE(ratio, qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble());
        const QList<Picture *> pictures = welcome->findChildren<Picture *>();
        QVERIFY(!pictures.isEmpty());
        for (Picture *pic : pictures) {
            const QPixmap painted = pic->grab();
            QCOMPARE(painted.devicePixelRatio(), ratio);
            QCOMPARE(painted.size(), pic->size() * ratio);
            const QImage image = painted.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
            const QColor background = pic->palette().color(pic->backgroundRole());
            QVERIFY2(shownPixels(image, background) > 0, qPrintable(pic->objectName() + " painted nothing"));
            // The grab has the display's pixels whatever the control drew: a
            // picture drawn for fewer and scaled up is off along its edges.
            QImage expected(image.size(), image.format());
            expected.setDevicePixelRatio(ratio);
            expected.fill(background);
            QPainter(&expected).drawPixmap(0, 0, renderPicture(pic->resource(), pic->size(), ratio));
            const int off = pixelsApart(image, expected);
            QVERIFY2(off == 0,
                qPrintable(QStringLiteral("%1 is off its picture in %2 of %3 pixels")
                               .arg(pic->objectName())
                               .arg(off)
                               .arg(image.width() * image.height())));
        }
    }
};

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"
