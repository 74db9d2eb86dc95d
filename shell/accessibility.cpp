// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/accessibility.h"

#include "assets/assets.h"
#include "shell/controls.h"

#include <QAccessibleWidget>
#include <QHash>

namespace kolomaf {

namespace {

QString columnWord(QChar letter)
{
    switch (letter.unicode()) {
    case 'E':
        return QStringLiteral("eenheden");
    case 'T':
        return QStringLiteral("tientallen");
    case 'H':
        return QStringLiteral("honderdtallen");
    case 'D':
        return QStringLiteral("duizendtallen");
    default:
        return {};
    }
}

QString textBoxName(const QString &n)
{
    static const QHash<QString, QString> fixed {
        {QStringLiteral("txtcontrole"), QStringLiteral("controle")},
        {QStringLiteral("txtnaam"), QStringLiteral("je naam")},
        {QStringLiteral("txtplus100"), QStringLiteral("lenen")},
        {QStringLiteral("txtresultaat"), QStringLiteral("resultaat")},
        {QStringLiteral("txtgetal"), QStringLiteral("eerste getal")},
        {QStringLiteral("txtgetal2"), QStringLiteral("tweede getal")},
        {QStringLiteral("txteenheden"), QStringLiteral("eenheden")},
        {QStringLiteral("txttientallen"), QStringLiteral("tientallen")},
        {QStringLiteral("txthonderdtallen"), QStringLiteral("honderdtallen")},
        {QStringLiteral("txtduizendtallen"), QStringLiteral("duizendtallen")},
        {QStringLiteral("txteenheid"), QStringLiteral("eenheden van het eerste getal")},
        {QStringLiteral("txttiental"), QStringLiteral("tientallen van het eerste getal")},
        {QStringLiteral("txthonderdtal"), QStringLiteral("honderdtallen van het eerste getal")},
        {QStringLiteral("txteenheid2"), QStringLiteral("eenheden van het tweede getal")},
        {QStringLiteral("txttiental2"), QStringLiteral("tientallen van het tweede getal")},
        {QStringLiteral("txthonderdtal2"), QStringLiteral("honderdtallen van het tweede getal")},
    };
    if (auto it = fixed.constFind(n); it != fixed.constEnd())
        return *it;
    if (n.startsWith(QLatin1String("Txtoef1(")))
        return QStringLiteral("oefening %1").arg(n.mid(8).chopped(1).toInt() + 1);
    const QChar last = n.isEmpty() ? QChar() : n.back();
    if (n.startsWith(QLatin1String("txtplus")) && !columnWord(last).isEmpty())
        return QStringLiteral("geleende ") + columnWord(last);
    if (n.startsWith(QLatin1String("txtsom")) && !columnWord(last).isEmpty())
        return QStringLiteral("verschil van de ") + columnWord(last);
    if (n.startsWith(QLatin1String("txtgetal1")) && !columnWord(last).isEmpty())
        return columnWord(last) + QStringLiteral(" van het eerste getal");
    if (n.startsWith(QLatin1String("txtgetal2")) && !columnWord(last).isEmpty())
        return columnWord(last) + QStringLiteral(" van het tweede getal");
    return {};
}

} // namespace

void nameControls(QWidget *screen)
{
    // A name is what the control shows or depicts; a tool tip stays what it
    // is, the description, which Qt reads from it by itself.
    for (QWidget *w : screen->findChildren<QWidget *>()) {
        if (!w->accessibleName().isEmpty())
            continue;
        QString name;
        if (auto *b = qobject_cast<PictureButton *>(w)) {
            // A caption button is called by its caption, as it changes.
            if (b->text().isEmpty())
                name = pictureDescription(b->resource());
        } else if (auto *p = qobject_cast<Picture *>(w)) {
            name = pictureDescription(p->resource());
        } else if (qobject_cast<TextBox *>(w)) {
            name = textBoxName(w->objectName());
        }
        if (!name.isEmpty())
            w->setAccessibleName(name.trimmed());
    }
}

namespace {

QAccessibleInterface *interfaceFor(const QString &className, QObject *object)
{
    // Screens read as windows, pictures as images and digit rows as groups,
    // not as empty panes.
    if (className == QLatin1String("kolomaf::Screen"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    if (className == QLatin1String("kolomaf::Picture"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    if (className == QLatin1String("kolomaf::NumberRow"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Grouping);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    QAccessible::installFactory(interfaceFor);
}

} // namespace kolomaf
