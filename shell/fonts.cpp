// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QStyle>
#include <algorithm>
#include <cmath>

namespace kolomaf {

namespace {

// What the system has of the design typeface and what was registered here.
struct Typeface
{
    bool read = false;
    QStringList installedStyles;
    QSet<QByteArray> loaded;
};

Typeface &typeface()
{
    static Typeface t;
    return t;
}

// Registers one face of the embedded typeface where the system lacks it:
// the installed typeface is the one embedded here, and registering a copy
// costs start time.
void loadFontFace(const char *face)
{
    Typeface &t = typeface();
    if (t.loaded.contains(face))
        return;
    t.loaded.insert(face);
    const QString style
        = QString::fromLatin1(face).replace(QLatin1String("BoldItalic"), QLatin1String("Bold Italic"));
    if (t.installedStyles.contains(style))
        return;
    QFontDatabase::addApplicationFont(
        QStringLiteral(":/fonts/LiberationSans-%1.ttf").arg(QLatin1String(face)));
}

} // namespace

void prepareFonts()
{
    Typeface &t = typeface();
    if (t.read)
        return;
    t.read = true;
    t.installedStyles = QFontDatabase::styles(QStringLiteral("Liberation Sans"));
    loadFontFace("Regular");
    loadFontFace("Bold");
}

QFont designFont(qreal points, bool bold, bool italic)
{
    // Only the column screens use bold italic, made after the fonts were
    // read: load it when first asked for.
    if (bold && italic && typeface().read)
        loadFontFace("BoldItalic");
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

void fitTextToWidth(QWidget *w, qreal designPoints)
{
    QString text;
    qreal room = w->contentsRect().width() - 4;
    if (auto *l = qobject_cast<QLabel *>(w)) {
        text = l->text();
    } else if (auto *t = qobject_cast<QLineEdit *>(w)) {
        text = t->text();
        room -= 2 * t->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 2;
    }
    QFont f = w->font();
    f.setPointSizeF(designPoints);
    const qreal needed = QFontMetricsF(f).horizontalAdvance(text);
    if (needed > room && room > 0) {
        // Widths do not shrink quite in proportion: step down from the
        // estimate. Sizes stay on quarter points, so that texts of any length
        // share a few fonts instead of each making one more for Qt to keep.
        f.setPointSizeF(std::max<qreal>(6, std::floor(designPoints * room / needed * 4) / 4));
        while (f.pointSizeF() > 6 && QFontMetricsF(f).horizontalAdvance(text) > room)
            f.setPointSizeF(f.pointSizeF() - 0.25);
    }
    w->setFont(f);
}

} // namespace kolomaf
