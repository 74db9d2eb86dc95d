// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/assets.h"

#include <QHash>

namespace kolomaf {

QString picture(const char *name)
{
    return QStringLiteral(":/assets/") + QString::fromLatin1(name) + QStringLiteral(".svg");
}

QString pictureDescription(const QString &resource)
{
    // What a pupil would call the picture, for screen readers.
    static const QHash<QString, QString> words {
        {QStringLiteral("bord"), QStringLiteral("schoolbord")},
        {QStringLiteral("brug_e"), QStringLiteral("brug over de eenheden")},
        {QStringLiteral("brug_t"), QStringLiteral("brug over de tientallen")},
        {QStringLiteral("brug_h"), QStringLiteral("brug over de honderdtallen")},
        {QStringLiteral("hond"), QStringLiteral("hond")},
        {QStringLiteral("honden"), QStringLiteral("twee honden")},
        {QStringLiteral("imgchinees"), QStringLiteral("kind met een lampion")},
        {QStringLiteral("imgkleur"), QStringLiteral("verfpalet")},
        {QStringLiteral("imgkleur2"), QStringLiteral("regenboog")},
        {QStringLiteral("imgkleur3"), QStringLiteral("ballonnen")},
        {QStringLiteral("imgmeisje"), QStringLiteral("meisje")},
        {QStringLiteral("imgwit"), QStringLiteral("sneeuwpop")},
        {QStringLiteral("juf"), QStringLiteral("juf met een blad papier")},
        {QStringLiteral("kolibrie_vlieg"), QStringLiteral("vliegende kolibrie")},
        {QStringLiteral("kolibrie_zit"), QStringLiteral("kolibrie op een takje")},
        {QStringLiteral("kolomaf"), QStringLiteral("kolomaf")},
        {QStringLiteral("konijn"), QStringLiteral("konijntje")},
        {QStringLiteral("licht_groen"), QStringLiteral("groen licht")},
        {QStringLiteral("licht_oranje"), QStringLiteral("oranje licht")},
        {QStringLiteral("licht_rood"), QStringLiteral("rood licht")},
        {QStringLiteral("lieveheersbeestje"), QStringLiteral("lieveheersbeestje")},
        {QStringLiteral("logo"), QStringLiteral("telraam")},
        {QStringLiteral("oog_dicht"), QStringLiteral("gesloten oog")},
        {QStringLiteral("oog_open"), QStringLiteral("open oog")},
        {QStringLiteral("pijl"), QStringLiteral("pijl")},
        {QStringLiteral("pijl_blauw"), QStringLiteral("pijl naar beneden")},
        {QStringLiteral("portret"), QStringLiteral("juf")},
        {QStringLiteral("raket"), QStringLiteral("raket")},
        {QStringLiteral("spaceshuttle"), QStringLiteral("vliegtuig")},
        {QStringLiteral("ster"), QStringLiteral("ster")},
        {QStringLiteral("stop"), QStringLiteral("STOP")},
        {QStringLiteral("terug"), QStringLiteral("terug naar huis")},
        {QStringLiteral("tovenaar"), QStringLiteral("tovenaar")},
        {QStringLiteral("waarschuwing"), QStringLiteral("let op")},
        {QStringLiteral("welkom_bloem"), QStringLiteral("bloem in een pot")},
        {QStringLiteral("welkom_start"), QStringLiteral("schrift met potlood")},
        {QStringLiteral("welkom_zon"), QStringLiteral("zon")},
        {QStringLiteral("zon_deco"), QStringLiteral("zon")},
    };
    const QString base = resource.section(QLatin1Char('/'), -1).section(QLatin1Char('.'), 0, 0);
    return words.value(base);
}

} // namespace kolomaf
