// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/controls.h"

#include "shell/twips.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

namespace kolomaf {

QString arrayName(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

namespace {

enum class Paint { Base, Button, Window, Fore };

size_t contentHash(const QPalette &p)
{
    size_t h = qHash(quint64(p.resolveMask()));
    for (int g = 0; g < QPalette::NColorGroups; ++g)
        for (int r = 0; r < QPalette::NColorRoles; ++r)
            h = qHashMulti(h, p.brush(QPalette::ColorGroup(g), QPalette::ColorRole(r)).color().rgba());
    return h;
}

// Hundreds of controls share a handful of colour pairs. Each pair gets one
// palette with every role set, as each control's colours are its own, not
// its container's; Qt then shares that palette instead of merging a copy
// with the container's for every control.
void setSharedPalette(QWidget *w, Paint what, const QColor &c)
{
    struct Made
    {
        QPalette base;
        Paint what;
        QRgb colour;
        QPalette result;
    };
    static QMultiHash<size_t, Made> made;
    const QPalette base = w->palette();
    const size_t key = qHashMulti(contentHash(base), int(what), c.rgba());
    for (auto it = made.constFind(key); it != made.constEnd() && it.key() == key; ++it) {
        if (it->what == what && it->colour == c.rgba() && it->base == base
            && it->base.resolveMask() == base.resolveMask()) {
            w->setPalette(it->result);
            return;
        }
    }
    QPalette p = base;
    const QBrush brush(c);
    switch (what) {
    case Paint::Base:
        p.setBrush(QPalette::Base, brush);
        break;
    case Paint::Button:
        p.setBrush(QPalette::Button, brush);
        break;
    case Paint::Window:
        p.setBrush(QPalette::Window, brush);
        break;
    case Paint::Fore:
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            p.setBrush(role, brush);
        break;
    }
    for (int g = 0; g < QPalette::NColorGroups; ++g)
        for (int r = 0; r < QPalette::NColorRoles; ++r)
            p.setBrush(QPalette::ColorGroup(g), QPalette::ColorRole(r),
                p.brush(QPalette::ColorGroup(g), QPalette::ColorRole(r)));
    made.insert(key, Made {base, what, c.rgba(), p});
    w->setPalette(p);
}

} // namespace

void setBackColor(QWidget *w, const QColor &c)
{
    if (qobject_cast<QLineEdit *>(w)) {
        setSharedPalette(w, Paint::Base, c);
    } else if (qobject_cast<QAbstractButton *>(w)) {
        setSharedPalette(w, Paint::Button, c);
    } else {
        setSharedPalette(w, Paint::Window, c);
        w->setAutoFillBackground(true);
    }
}

void setForeColor(QWidget *w, const QColor &c)
{
    setSharedPalette(w, Paint::Fore, c);
}

QColor backColor(const QWidget *w)
{
    if (qobject_cast<const QLineEdit *>(w))
        return w->palette().color(QPalette::Base);
    if (qobject_cast<const QAbstractButton *>(w))
        return w->palette().color(QPalette::Button);
    return w->palette().color(QPalette::Window);
}

QColor foreColor(const QWidget *w)
{
    if (qobject_cast<const QLineEdit *>(w))
        return w->palette().color(QPalette::Text);
    if (qobject_cast<const QAbstractButton *>(w))
        return w->palette().color(QPalette::ButtonText);
    return w->palette().color(QPalette::WindowText);
}

void showAll(std::initializer_list<QWidget *> widgets)
{
    for (QWidget *w : widgets)
        if (w)
            w->show();
}

void hideAll(std::initializer_list<QWidget *> widgets)
{
    for (QWidget *w : widgets)
        if (w)
            w->hide();
}

static bool isClick(QWidget *w, QMouseEvent *e)
{
    return e->button() == Qt::LeftButton && w->rect().contains(e->position().toPoint());
}

Label::Label(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

void Label::mouseReleaseEvent(QMouseEvent *e)
{
    QLabel::mouseReleaseEvent(e);
    if (isClick(this, e))
        Q_EMIT clicked();
}

TextBox::TextBox(QWidget *parent)
    : QLineEdit(parent)
{
    // Qt takes 32,767 characters, and keeps a line layout of some 40 bytes a
    // character for as long as the box holds them: a page pasted into a
    // cell would cost more than a megabyte, on a hidden screen too. A cell
    // holds a digit, a number or a name; a thousand characters are still
    // far past any number a screen reads.
    setMaxLength(1000);
    // After the edit is done, whichever way the pupil made it: keys, a
    // middle click, the context menu or a drop.
    connect(this, &QLineEdit::textEdited, this, &TextBox::forgetLongHistory, Qt::QueuedConnection);
}

void TextBox::focusInEvent(QFocusEvent *e)
{
    QLineEdit::focusInEvent(e);
    deselect();
}

// Qt keeps one undo step per character for the whole life of the box: a
// pupil who pastes a page again and again would grow it all day. A cell
// holds a digit or a word; a text that long keeps no steps to undo.
void TextBox::forgetLongHistory()
{
    if (text().size() <= 100 || !isUndoAvailable())
        return;
    const QSignalBlocker quiet(this);
    const int cursor = cursorPosition();
    setText(text());
    setCursorPosition(cursor);
}

void TextBox::mouseReleaseEvent(QMouseEvent *e)
{
    QLineEdit::mouseReleaseEvent(e);
    if (isClick(this, e))
        Q_EMIT clicked();
}

void TextBox::paintEvent(QPaintEvent *e)
{
    QLineEdit::paintEvent(e);
    if (hasFocus() && !isReadOnly()) {
        // A thick mark a child can see from across the table.
        QPainter p(this);
        p.setPen(QPen(QColor(0, 0, 160), 3));
        p.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
    }
}

Picture::Picture(QWidget *parent, const QString &resource)
    : QWidget(parent)
    , m_picture(resource)
{
}

void Picture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(0, 0, m_picture.at(size(), devicePixelRatioF()));
}

void Picture::mouseReleaseEvent(QMouseEvent *e)
{
    QWidget::mouseReleaseEvent(e);
    if (isClick(this, e))
        Q_EMIT clicked();
}

PictureButton::PictureButton(QWidget *parent, const QString &resource)
    : QAbstractButton(parent)
    , m_picture(resource)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect r = rect();
    p.fillRect(r, palette().color(QPalette::Button));

    // A raised edge, pressed in while held down.
    const bool down = isDown() || isChecked();
    QColor light = down ? QColor(0, 0, 0, 90) : QColor(255, 255, 255, 150);
    QColor dark = down ? QColor(255, 255, 255, 120) : QColor(0, 0, 0, 110);
    p.setPen(QPen(light, 2));
    p.drawLine(r.topLeft() + QPoint(1, 1), r.topRight() + QPoint(-1, 1));
    p.drawLine(r.topLeft() + QPoint(1, 1), r.bottomLeft() + QPoint(1, -1));
    p.setPen(QPen(dark, 2));
    p.drawLine(r.bottomLeft() + QPoint(1, 0), r.bottomRight());
    p.drawLine(r.topRight() + QPoint(0, 1), r.bottomRight());
    p.setPen(QPen(QColor(45, 42, 50), 1));
    p.drawRect(r.adjusted(0, 0, -1, -1));

    const QPoint shift = down ? QPoint(1, 1) : QPoint();
    if (!text().isEmpty()) {
        p.setFont(font());
        p.setPen(isEnabled() ? palette().color(QPalette::ButtonText) : QColor(140, 140, 140));
        p.drawText(textRect().translated(shift), Qt::AlignCenter | Qt::TextWordWrap, text());
    }
    if (!resource().isEmpty()) {
        const QRect content = pictureRect().translated(shift);
        p.drawPixmap(content.topLeft(), m_picture.at(content.size(), devicePixelRatioF()));
    }

    if (hasFocus()) {
        p.setPen(QPen(Qt::black, 3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(r).adjusted(2.5, 2.5, -2.5, -2.5));
        p.setPen(QPen(Qt::white, 1.5));
        p.drawRect(QRectF(r).adjusted(4.75, 4.75, -4.75, -4.75));
    }
}

QRect PictureButton::textRect() const
{
    QRect content = rect().adjusted(5, 5, -5, -5);
    if (!resource().isEmpty() && !text().isEmpty()) {
        // As many lines as the caption needs; the picture takes the rest.
        const int height
            = fontMetrics().boundingRect(content, Qt::AlignCenter | Qt::TextWordWrap, text()).height();
        content.setTop(content.bottom() - std::min(height, content.height() / 2));
    }
    return content;
}

QRect PictureButton::pictureRect() const
{
    QRect content = rect().adjusted(5, 5, -5, -5);
    if (!text().isEmpty())
        content.setBottom(textRect().top() - 2);
    return content;
}

void PictureButton::keyPressEvent(QKeyEvent *e)
{
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !e->isAutoRepeat()) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(e);
}

void PictureButton::mouseMoveEvent(QMouseEvent *e)
{
    QAbstractButton::mouseMoveEvent(e);
    Q_EMIT mouseMoved(e->position().toPoint());
}

Shape::Shape(QWidget *parent, bool filled, int radius)
    : QWidget(parent)
    , m_filled(filled)
    , m_radius(radius)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setBorder(const QColor &c, int width)
{
    m_border = c;
    m_borderWidth = width;
    update();
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const qreal half = m_borderWidth / 2.0;
    const QRectF r = QRectF(rect()).adjusted(half, half, -half, -half);
    if (m_radius == 0) {
        if (m_filled)
            p.fillRect(rect(), palette().color(QPalette::Window));
        if (m_borderWidth > 0) {
            p.setPen(QPen(m_border, m_borderWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            p.drawRect(r);
        }
        return;
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(m_borderWidth > 0 ? QPen(m_border, m_borderWidth) : QPen(Qt::NoPen));
    p.setBrush(m_filled ? QBrush(palette().color(QPalette::Window)) : QBrush(Qt::NoBrush));
    if (m_radius < 0)
        p.drawEllipse(r);
    else
        p.drawRoundedRect(r, m_radius, m_radius);
}

Line::Line(QWidget *parent, QPoint fromTwips, QPoint toTwips, int width, const QColor &colour)
    : QWidget(parent)
    , m_width(width)
    , m_colour(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QPointF a(fromTwips.x() / double(twipsPerPixel), fromTwips.y() / double(twipsPerPixel));
    const QPointF b(toTwips.x() / double(twipsPerPixel), toTwips.y() / double(twipsPerPixel));
    const int pad = width;
    const QRect box = QRectF(a, b).normalized().toAlignedRect().adjusted(-pad, -pad, pad, pad);
    setGeometry(box);
    m_from = a - box.topLeft();
    m_to = b - box.topLeft();
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(m_colour, m_width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(m_from, m_to);
}

Panel::Panel(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
}

NumberRow::NumberRow(QWidget *parent, const QString &label)
    : QWidget(parent)
    , m_label(label)
{
    setAccessibleName(label);
}

QList<QWidget *> NumberRow::digits() const
{
    QList<QWidget *> digits = findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    std::sort(digits.begin(), digits.end(), [](QWidget *a, QWidget *b) { return a->x() < b->x(); });
    return digits;
}

void NumberRow::reread()
{
    QString number;
    for (QWidget *w : digits())
        if (!w->isHidden())
            number += w->property("text").toString().trimmed();
    const QString name = number.isEmpty() ? m_label : m_label + QLatin1Char(' ') + number;
    if (name != accessibleName())
        setAccessibleName(name);
}

void NumberRow::orderLeftToRight()
{
    for (QWidget *w : digits())
        w->raise();
}

Timer::Timer(QObject *parent, const char *name, int intervalMs, bool enabled)
    : QTimer(parent)
{
    setObjectName(QLatin1String(name));
    setInterval(intervalMs);
    // Coarse timers that fall due together wake the program once.
    setTimerType(Qt::CoarseTimer);
    connect(this, &QTimer::timeout, this, &Timer::tick);
    if (enabled)
        start();
}

void Timer::setEnabled(bool on)
{
    if (on && !isActive())
        start();
    else if (!on)
        stop();
}

} // namespace kolomaf
