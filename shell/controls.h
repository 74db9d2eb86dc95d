// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/fonts.h"
#include "shell/pictures.h"

#include <QAbstractButton>
#include <QColor>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

namespace kolomaf {

// Object name of an element of a control array: "name(index)".
QString arrayName(const char *name, int index);

// Designed colours: a pixel of the control's background shows exactly this RGB.
void setBackColor(QWidget *w, const QColor &c);
void setForeColor(QWidget *w, const QColor &c);
QColor backColor(const QWidget *w);
QColor foreColor(const QWidget *w);

// Shows or hides several controls in one step; null entries are skipped.
void showAll(std::initializer_list<QWidget *> widgets);
void hideAll(std::initializer_list<QWidget *> widgets);

// A label that reports clicks.
class Label : public QLabel
{
    Q_OBJECT
public:
    explicit Label(QWidget *parent);
Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *e) override;
};

// A one-line text box: reports clicks and never selects its text on focus,
// so the pupil always sees the cell's own colour and digit.
class TextBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent);
Q_SIGNALS:
    void clicked();

protected:
    void focusInEvent(QFocusEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void paintEvent(QPaintEvent *e) override;

private:
    void forgetLongHistory();
};

// A picture that reports clicks.
class Picture : public QWidget
{
    Q_OBJECT
public:
    Picture(QWidget *parent, const QString &resource);
    QString resource() const { return m_picture.resource(); }
    void releasePicture() { m_picture.release(); }
Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    DrawnPicture m_picture;
};

// A push button with a flat background colour, an optional picture and an
// optional caption. Enter and Space press it; it reports mouse moves.
class PictureButton : public QAbstractButton
{
    Q_OBJECT
public:
    PictureButton(QWidget *parent, const QString &resource = {});
    QString resource() const { return m_picture.resource(); }
    void releasePicture() { m_picture.release(); }
    // Where the caption goes: one line under a picture, else the whole face.
    QRect textRect() const;
    // Where the picture goes, unpressed; its size needs the caption's font.
    QRect pictureRect() const;
Q_SIGNALS:
    void mouseMoved(QPoint pos);

protected:
    void paintEvent(QPaintEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;

private:
    DrawnPicture m_picture;
};

// A rectangle (rounded by a radius in pixels) or, with a radius of -1, a
// circle, drawn behind or between other controls; never takes a click.
class Shape : public QWidget
{
    Q_OBJECT
public:
    explicit Shape(QWidget *parent, bool filled = true, int radius = 0);
    void setBorder(const QColor &c, int width);

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    bool m_filled;
    int m_radius;
    QColor m_border = Qt::black;
    int m_borderWidth = 0;
};

// A straight line between two points of its screen, in twips; never takes a
// click, so a stroke over a digit leaves the digit clickable.
class Line : public QWidget
{
    Q_OBJECT
public:
    Line(QWidget *parent, QPoint fromTwips, QPoint toTwips, int width, const QColor &colour);

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    QPointF m_from, m_to;
    int m_width;
    QColor m_colour;
};

// A panel that holds other controls.
class Panel : public QWidget
{
    Q_OBJECT
public:
    explicit Panel(QWidget *parent);
};

// Digit controls that read as one number: a screen reader hears the row's
// label and the digits it shows, left to right, instead of loose digits in
// the order they were made.
class NumberRow : public QWidget
{
    Q_OBJECT
public:
    NumberRow(QWidget *parent, const QString &label);
    // Reads the digits again; call when they changed.
    void reread();
    // Puts the digits in reading order, the order a screen reader walks.
    void orderLeftToRight();

private:
    QList<QWidget *> digits() const;
    QString m_label;
};

// A timer with an interval and an enabled flag; ticks while enabled.
class Timer : public QTimer
{
    Q_OBJECT
public:
    Timer(QObject *parent, const char *name, int intervalMs, bool enabled);
    void setEnabled(bool on);
Q_SIGNALS:
    // The screen's handler runs on this; tests may tick it by hand.
    void tick();
};

} // namespace kolomaf
