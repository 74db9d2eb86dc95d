// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/controls.h"
#include "shell/twips.h"

#include <QRect>
#include <QWidget>

namespace kolomaf {

// Names a control and puts it at its designed place (twips).
template <class W> W *place(W *w, const QString &name, int left, int top, int width, int height)
{
    w->setObjectName(name);
    w->setGeometry(twipsRect(left, top, width, height));
    return w;
}

template <class W> W *place(W *w, const char *name, int left, int top, int width, int height)
{
    return place(w, QLatin1String(name), left, top, width, height);
}

// The same for a place given as one rectangle: left, top, width, height.
template <class W> W *place(W *w, const QString &name, QRect twips)
{
    return place(w, name, twips.x(), twips.y(), twips.width(), twips.height());
}

template <class W> W *place(W *w, const char *name, QRect twips)
{
    return place(w, QLatin1String(name), twips);
}

struct Look
{
    QFont font;
    QColor fore;
    QColor back;
    bool opaque = true;
};

// Font and colours in one step; a transparent look keeps the parent showing.
template <class W> W *dress(W *w, const Look &look)
{
    w->setFont(look.font);
    setForeColor(w, look.fore);
    if (look.opaque)
        setBackColor(w, look.back);
    return w;
}

inline Label *caption(Label *l, const QString &text, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    l->setText(text);
    l->setAlignment(align);
    return l;
}

// A text box only the program writes: no cursor, no focus, and Qt's full
// length, since its lines may hold what several cells hold.
inline TextBox *readOnly(TextBox *t)
{
    t->setReadOnly(true);
    t->setMaxLength(32767);
    t->setFocusPolicy(Qt::NoFocus);
    return t;
}

// A display box at its designed place, in the look given, its text centred.
inline TextBox *displayBox(QWidget *parent, const QString &name, QRect twips, const Look &look)
{
    auto *t = dress(place(new TextBox(parent), name, twips), look);
    t->setAlignment(Qt::AlignCenter);
    return readOnly(t);
}

// A button of a step sequence: a caption in bold 12 pt on its colour, with a
// picture above where it has one.
inline PictureButton *stepButton(QWidget *parent, const char *name, const QString &text, const QColor &colour,
    QRect twips, const QString &resource = {})
{
    auto *b = place(new PictureButton(parent, resource), name, twips);
    b->setText(text);
    dress(b, {designFont(12, true), Qt::black, colour});
    return b;
}

} // namespace kolomaf
