// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QVector>
#include <QWidget>

class QTimer;

namespace kolomaf {

// A status bar of fixed-width panels laid out left to right; panels that do
// not fit are cut off at the bar's right edge, as designed.
class StatusBar : public QWidget
{
    Q_OBJECT
public:
    enum class Style { Text, Date, Time };
    struct PanelDesign
    {
        Style style;
        int widthTwips;
        QString text;
    };

    StatusBar(QWidget *parent, const QVector<PanelDesign> &panels);

    int panelCount() const { return int(m_panels.size()); }
    QString panelText(int index) const;
    void setPanelText(int index, const QString &text);
    QString panelTag(int index) const;
    void setPanelTag(int index, const QString &tag);
    int panelWidthTwips(int index) const;
    // Bounds of a panel (zero-based), in pixels, relative to the bar.
    QRect panelRect(int index) const;
    QLabel *panelLabel(int index) const;

protected:
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    void refreshClock();

    struct Panel
    {
        PanelDesign design;
        QString tag;
        QLabel *label;
    };
    QVector<Panel> m_panels;
    QTimer *m_clock;
};

} // namespace kolomaf
