// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/statusbar.h"

#include "shell/twips.h"

#include <QDate>
#include <QLocale>
#include <QTime>
#include <QTimer>

namespace kolomaf {

StatusBar::StatusBar(QWidget *parent, const QVector<PanelDesign> &panels)
    : QWidget(parent)
    , m_clock(new QTimer(this))
{
    setAutoFillBackground(true);
    int left = 0;
    for (const PanelDesign &design : panels) {
        auto *label = new QLabel(this);
        label->setTextFormat(Qt::PlainText);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setText(design.text);
        const int x = px(left);
        label->setGeometry(x, 1, px(left + design.widthTwips) - x - 2, 0);
        left += design.widthTwips;
        label->setObjectName(QStringLiteral("Panel(%1)").arg(m_panels.size() + 1));
        m_panels.push_back({design, QString(), label});
    }
    m_clock->setInterval(1000);
    connect(m_clock, &QTimer::timeout, this, &StatusBar::refreshClock);
}

QString StatusBar::panelText(int index) const
{
    return m_panels.at(index).label->text();
}

void StatusBar::setPanelText(int index, const QString &text)
{
    m_panels[index].label->setText(text);
}

QString StatusBar::panelTag(int index) const
{
    return m_panels.at(index).tag;
}

void StatusBar::setPanelTag(int index, const QString &tag)
{
    m_panels[index].tag = tag;
}

int StatusBar::panelWidthTwips(int index) const
{
    return m_panels.at(index).design.widthTwips;
}

QRect StatusBar::panelRect(int index) const
{
    const QRect g = m_panels.at(index).label->geometry();
    return QRect(g.x(), 1, g.width(), height() - 2);
}

QLabel *StatusBar::panelLabel(int index) const
{
    return m_panels.at(index).label;
}

void StatusBar::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    refreshClock();
    m_clock->start();
}

void StatusBar::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    for (int i = 0; i < panelCount(); ++i)
        m_panels[i].label->setGeometry(panelRect(i));
}

void StatusBar::hideEvent(QHideEvent *e)
{
    QWidget::hideEvent(e);
    m_clock->stop();
}

void StatusBar::refreshClock()
{
    const QLocale locale = QLocale::system();
    for (Panel &panel : m_panels) {
        if (panel.design.style == Style::Date)
            panel.label->setText(locale.toString(QDate::currentDate(), QLocale::ShortFormat));
        else if (panel.design.style == Style::Time)
            panel.label->setText(locale.toString(QTime::currentTime(), QLocale::ShortFormat));
    }
}

} // namespace kolomaf
