// SPDX-License-Identifier: GPL-3.0-or-later
#include "recognition/demobuild.h"

#include "assets/assets.h"
#include "shell/palette.h"

namespace kolomaf {

Look digitLook(qreal points)
{
    return {designFont(points, true), palette::black, palette::white};
}

TextBox *columnDigit(QWidget *parent, const char *name, QPoint twips)
{
    return displayBox(parent, name, QRect(twips, columnDigitSize), digitLook());
}

Label *columnLetter(QWidget *parent, const char *name, const char *text, QPoint twips)
{
    auto *l = dress(caption(place(new Label(parent), name, QRect(twips, columnDigitSize)),
                        QLatin1String(text), Qt::AlignCenter),
        {designFont(36, true), palette::white, palette::boardGreen});
    l->hide();
    return l;
}

PictureButton *stopButton(QWidget *parent, QRect twips)
{
    auto *b = place(new PictureButton(parent, picture("stop")), "cmdstop", twips);
    setBackColor(b, palette::darkRed);
    b->setToolTip(QStringLiteral("STOP"));
    b->hide();
    return b;
}

} // namespace kolomaf
