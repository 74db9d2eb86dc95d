// SPDX-License-Identifier: GPL-3.0-or-later
// What the pupil does on the writing screen: the name, a new exercise,
// copying and its check, the answer and its check, and the series.
#include "core/numbers.h"
#include "shell/palette.h"
#include "shell/screennames.h"
#include "writing/writingscreen.h"

#include <QFontMetricsF>

namespace kolomaf {

void WritingScreen::connectHandlers()
{
    connect(txtnaam, &QLineEdit::textChanged, this, &WritingScreen::txtnaam_Change);
    connect(cmdnieuw, &QAbstractButton::clicked, this, &WritingScreen::cmdnieuw_Click);
    for (TextBox *cell : copyCells()) {
        connect(cell, &QLineEdit::textChanged, this, [this, cell] { copyCellChanged(cell); });
        connect(cell, &TextBox::clicked, this, [this, cell] { copyCellClicked(cell); });
    }
    connect(cmdgroenlicht, &QAbstractButton::clicked, this, &WritingScreen::cmdgroenlicht_Click);

    connect(txteenheden, &QLineEdit::textChanged, this, &WritingScreen::txteenheden_Change);
    connect(txttientallen, &QLineEdit::textChanged, this, &WritingScreen::txttientallen_Change);
    connect(txthonderdtallen, &QLineEdit::textChanged, this, &WritingScreen::txthonderdtallen_Change);
    // Emptying a filled answer cell moves the focus on through its change
    // handler; the click itself does not bring it back.
    for (TextBox *cell : {txteenheden, txttientallen, txthonderdtallen})
        connect(cell, &TextBox::clicked, this, [cell] { cell->setText(QString()); });
    connect(cmdcontrole, &QAbstractButton::clicked, this, &WritingScreen::cmdcontrole_Click);
    connect(cmdstop, &QAbstractButton::clicked, this, &WritingScreen::cmdstop_Click);
    connect(cmdstop, &PictureButton::mouseMoved, this, &WritingScreen::cmdstop_MouseMove);
    connect(cmdstop2, &QAbstractButton::clicked, this, &WritingScreen::cmdstop2_Click);
}

// ------------------------------------------------- Name and new exercise

void WritingScreen::txtnaam_Change()
{
    cmdnieuw->show();
    lblinformatie->show();
    inform(" klik op het vliegtuig en start");
}

void WritingScreen::cmdnieuw_Click()
{
    beginstand();
    for (TextBox *cell : {txteenheden, txttientallen, txthonderdtallen, txtduizendtallen})
        setBackColor(cell, palette::midGreen);
    txtgetal1H->setFocus();
    txtduizendtallen->setText(QString());
    hideAll({lblnaam1, txtnaam, cmdcontrole, cmdnieuw});
    showAll({lblmeester1, lblmeester2});
    lblmeester2->setText(QStringLiteral(" voor ") + txtnaam->text());
    // A long name still fits the sheet: the font shrinks, the design size
    // stays for every name that fits.
    fitTextToWidth(lblmeester2, 12);

    const Subtraction s = drawSubtraction(runtime().random());
    hold(s);
    verschil = qint16(s.difference());

    // Only new marks are added: an exercise left before its answer check
    // keeps its orange cell.
    if (eenheid1 < eenheid2) {
        setBackColor(txtgetal1E, palette::orange);
        txtplus100->show();
        txtplus100->setText(QStringLiteral("lenen"));
    }
    if (tiental1 < tiental2) {
        setBackColor(txtgetal1T, palette::orange);
        txtplus100->show();
        txtplus100->setText(QStringLiteral("lenen"));
    }
    lblweergave->setText(
        numberText(getal1) + QStringLiteral(" - ") + numberText(getal2) + QStringLiteral(" = "));
    lblinformatie->show();
    inform(" schrijf de twee getallen onder elkaar, één cijfer per vakje");
}

// ---------------------------------------------------------------- Copying

void WritingScreen::copyCellChanged(TextBox *cell)
{
    const auto cells = copyCells();
    const auto at = std::find(cells.begin(), cells.end(), cell);
    if (at + 1 != cells.end()) {
        (*(at + 1))->setFocus();
        return;
    }
    cmdgroenlicht->show();
    cmdgroenlicht->setFocus();
    inform(" klik om je getallen te controleren");
}

void WritingScreen::copyCellClicked(TextBox *cell)
{
    cell->setText(QString());
    cell->setFocus();
}

void WritingScreen::cmdgroenlicht_Click()
{
    txteenheden->show();
    txteenheden->setFocus();
    // An empty or unreadable cell is simply not the digit: a wrong copy.
    auto copied = [](const TextBox *cell, qint16 digit) { return readNumber(cell->text()) == qint64(digit); };
    const bool right = copied(txtgetal1H, honderdtal1) && copied(txtgetal1T, tiental1)
        && copied(txtgetal1E, eenheid1) && copied(txtgetal2H, honderdtal2) && copied(txtgetal2T, tiental2)
        && copied(txtgetal2E, eenheid2);
    showAll({lntelop, lblplus, txteenheden, txttientallen, txthonderdtallen});
    if (right) {
        inform(" eenheden aftrekken");
        return;
    }
    for (TextBox *cell : copyCells())
        cell->setText(QString());
    cmdgroenlicht->hide();
    inform(" je maakt een fout bij het overschrijven, opnieuw");
    txtgetal1H->setFocus();
}

// ------------------------------------------------------------ Working out

void WritingScreen::txteenheden_Change()
{
    if (!txteenheden->isHidden()) {
        inform("tientallen aftrekken");
        txttientallen->setFocus();
    }
    showAnswerCheck();
    cmdgroenlicht->hide();
}

void WritingScreen::txttientallen_Change()
{
    if (!txttientallen->isHidden()) {
        inform("honderdtallen aftrekken");
        txthonderdtallen->setFocus();
    }
}

void WritingScreen::txthonderdtallen_Change()
{
    inform(" klik om je aftrekking te controleren");
    showAnswerCheck();
    if (!cmdcontrole->isHidden())
        cmdcontrole->setFocus();
}

void WritingScreen::showAnswerCheck()
{
    // With ten rows written the series is full. The amber light would lie
    // over STOP for good once shown, so it stays away.
    if (oefnummer < 10)
        cmdcontrole->show();
}

void WritingScreen::cmdcontrole_Click()
{
    cmdnieuw->show();
    setBackColor(txtgetal1E, palette::midGreen);
    setBackColor(txtgetal1T, palette::midGreen);
    txtplus100->hide();
    for (TextBox *cell : {txteenheden, txttientallen, txthonderdtallen})
        if (!readsAsNumber(cell->text())) {
            cell->setText(QStringLiteral("0"));
            setBackColor(cell, palette::red);
        }
    if (txtduizendtallen->text().isEmpty())
        txtduizendtallen->setText(QStringLiteral("0"));

    // Pasted numbers of any length are added exactly; the 16-bit variables
    // keep the nearest value they can hold.
    auto cellValue = [](const TextBox *cell, int places) {
        return Decimal::read(cell->text()).value_or(Decimal {}).shifted(places);
    };
    const Decimal e = cellValue(txteenheden, 0), t = cellValue(txttientallen, 1),
                  h = cellValue(txthonderdtallen, 2), d = cellValue(txtduizendtallen, 3);
    waardeE = e.clamped16();
    waardeT = t.clamped16();
    waardeH = h.clamped16();
    waardeD = d.clamped16();
    const Decimal result = e + t + h + d;
    resultaat = result.clamped16();

    // Never a row outside the column.
    if (oefnummer >= 0 && oefnummer <= 10) {
        const int order = compare(result, Decimal::of(verschil));
        const QString sign = order == 0 ? QStringLiteral(" = ")
            : order > 0                 ? QStringLiteral(" < ")
                                        : QStringLiteral(" > ");
        const QString line
            = numberText(getal1) + QStringLiteral(" - ") + numberText(getal2) + sign + result.text();
        txtresultaat->setText(line);
        txtresultaat->show();
        if (order == 0)
            inform(" je resultaat is correct, start nieuwe oefening ");
        else if (order > 0)
            inform(" je resultaat is te groot, start een nieuwe oefening");
        else
            inform(" je resultaat is te klein, start een nieuwe oefening");
        lbluitleg->setText(order == 0 ? QStringLiteral("prima") : QStringLiteral("fout"));
        lbluitleg->show();
        writeScoreRow(line, order == 0 ? palette::green : palette::red);
    }
    showButtonsForSeries();
}

void WritingScreen::writeScoreRow(const QString &line, const QColor &colour)
{
    Txtoef1[oefnummer]->setText(line);
    setBackColor(Txtoef1[oefnummer], colour);
    ++oefnummer;
}

void WritingScreen::showButtonsForSeries()
{
    const qint16 k = oefnummer;
    if (k <= 9) {
        cmdnieuw->show();
        if (k >= 5)
            cmdstop->show();
        cmdcontrole->hide();
        cmdnieuw->setFocus();
    } else if (k == 10) {
        cmdnieuw->hide();
        cmdstop->show();
        cmdcontrole->hide();
        cmdstop->setFocus();
    } else {
        cmdnieuw->hide();
        cmdstop->show();
    }
}

// ------------------------------------------------------------- The series

void WritingScreen::cmdstop_Click()
{
    oefnummer = 0;
    for (int row = 0; row < 10; ++row) {
        Txtoef1[row]->setText(QString());
        setBackColor(Txtoef1[row], palette::white);
    }
    cmdnieuw->show();
    cmdstop2->show();
    beginstand();
    cmdcontrole->hide();
    // The focus would otherwise fall on whatever control is next.
    cmdnieuw->setFocus();
}

void WritingScreen::cmdstop_MouseMove()
{
    // The box keeps this size from now on, also for later "lenen" marks.
    txtplus100->show();
    QFont f = txtplus100->font();
    f.setPointSizeF(14);
    txtplus100->setFont(f);
    txtplus100->setText(QStringLiteral(" vroeger stoppen?"));
}

void WritingScreen::cmdstop2_Click()
{
    beginstand();
    lblmeester2->setText(QString());
    lblmeester1->hide();
    txtnaam->setText(QString());
    lblweergave->setText(QString());
    open(screens::choice);
    hide();
    for (TextBox *row : Txtoef1) {
        row->setText(QString());
        setBackColor(row, palette::white);
    }
}

} // namespace kolomaf
