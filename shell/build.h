#pragma once

#include "shell/controls.h"
#include "shell/twips.h"

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

} // namespace kolomaf
