// SPDX-License-Identifier: GPL-3.0-or-later
// What the pupil does on a column screen: START, typing the answer, the
// green and orange checks and the end of a series.
#include "bridge/bridgescreen.h"
#include "columns/columnscreen.h"
#include "columns/design.h"
#include "core/numbers.h"
#include "shell/controls.h"
#include "shell/palette.h"
#include "shell/screennames.h"
#include "shell/shellscreens.h"

namespace kolomaf {

using namespace design;

namespace {

const QString checkPrompt = QStringLiteral(" oplossing controleren ");
const QString correctPrompt = QStringLiteral("klik op het rode vakje en verbeter");

} // namespace

void ColumnScreen::connectHandlers()
{
    connect(cmdnieuw, &QAbstractButton::clicked, this, &ColumnScreen::cmdnieuw_Click);
    connect(cmdverbeter, &QAbstractButton::clicked, this, &ColumnScreen::cmdverbeter_Click);
    connect(cmdoranje, &QAbstractButton::clicked, this, &ColumnScreen::cmdoranje_Click);
    connect(cmdstop, &QAbstractButton::clicked, this, &ColumnScreen::cmdstop_Click);
    if (m_config.borrowing()) {
        for (int d : {0, 1, 2, 3, 4, 5, 11})
            if (lblgetal[d])
                connect(lblgetal[d], &Label::clicked, this, [this] { borrowClick(BorrowFrom::Digit); });
        connect(headers()[m_config.lendingColumn()], &Label::clicked, this,
            [this] { borrowClick(BorrowFrom::LendingHeader); });
        if (m_config.kind == Kind::BorrowThousand) {
            connect(lblreeksH, &Label::clicked, this, [this] { borrowClick(BorrowFrom::BorrowingHeader); });
            connect(
                lblduizendtalplus, &Label::clicked, this, [this] { borrowClick(BorrowFrom::ThousandsPlus); });
        }
        connect(cmdaklas, &QAbstractButton::clicked, this, &ColumnScreen::cmdaklas_Click);
    }
    const auto all = cells();
    for (int c : {E, T, H, D}) {
        connect(all[c], &TextBox::clicked, this, [this, c] { cellClicked(c); });
        // The thousands cell of the screen without borrowing, and of CIFERMBT,
        // never changes; it has no behaviour there.
        if (c == D && m_config.kind != Kind::BorrowTen && m_config.kind != Kind::BorrowThousand)
            continue;
        connect(all[c], &QLineEdit::textChanged, this, [this, c] {
            if (m_config.borrowing())
                borrowingCellChanged(c);
            else
                plainCellChanged(c);
        });
    }
}

std::array<TextBox *, 4> ColumnScreen::cells() const
{
    return {txteenheden, txttientallen, txthonderdtallen, txtduizendtallen};
}

std::array<Label *, 4> ColumnScreen::headers() const
{
    return {lblreeksE, lblreeksT, lblreeksH, lblreeksD};
}

Label *ColumnScreen::plusLabel(int column) const
{
    switch (column) {
    case E:
        return lbleenheid;
    case T:
        return lbltientalplus;
    case H:
        return lblhonderdtalplus;
    case D:
        return lblduizendtalplus;
    default:
        return nullptr;
    }
}

qint16 ColumnScreen::topDigit(int column) const
{
    return std::array {mult1, mult3, mult5, mult7}[column];
}

// The second number has no thousands.
qint16 ColumnScreen::bottomDigit(int column) const
{
    return std::array<qint16, 4> {mult2, mult4, mult6, 0}[column];
}

// A cell is right when its text is the expected digit, character for character.
bool ColumnScreen::matches(int column) const
{
    return cells()[column]->text() == lblgetal[6 + column]->text();
}

void ColumnScreen::showHeaders(std::initializer_list<Label *> which, const QColor &colour)
{
    for (Label *h : which) {
        h->show();
        setBackColor(h, colour);
    }
}

// ------------------------------------------------------------------ START

void ColumnScreen::cmdnieuw_Click()
{
    if (m_config.borrowing())
        newBorrowingExercise();
    else
        newPlainExercise();
}

void ColumnScreen::showExercise(const Subtraction &x)
{
    mult1 = qint16(x.e.top);
    mult2 = qint16(x.e.bottom);
    mult3 = qint16(x.t.top);
    mult4 = qint16(x.t.bottom);
    mult5 = qint16(x.h.top);
    mult6 = qint16(x.h.bottom);
    const ColumnResults r = expectedResults(m_config.kind, x);
    if (m_config.kind == Kind::BorrowTen)
        mult62 = qint16(r.e);
    if (m_config.kind == Kind::BorrowHundred) {
        mult72 = qint16(r.t);
        mult82 = qint16(r.h);
    }
    const bool plain = !m_config.borrowing();
    // The plain screen writes the digits pair by pair, the others number by number.
    const int order[6] = {0, plain ? 1 : 2, plain ? 2 : 4, plain ? 3 : 1, plain ? 4 : 3, 5};
    const int digits[6] = {x.e.top, x.e.bottom, x.t.top, x.t.bottom, x.h.top, x.h.bottom};
    for (int index : order)
        lblgetal[index]->setText(numberText(digits[index]));
    lbleen->setText(numberText(r.e));
    lblgetal[6]->setText(numberText(r.e));
    lblgetal[7]->setText(numberText(r.t));
    lbltien->setText(numberText(r.t));
    lblgetal[8]->setText(numberText(r.h));
    lblhonderd->setText(numberText(r.h));
    rowFirst->reread();
    rowSecond->reread();
}

void ColumnScreen::newPlainExercise()
{
    cmdstop2->hide();
    Line1[E]->show();
    cmdnieuw->hide();
    for (int d : {4, 5, 3, 2})
        lblgetal[d]->show();
    txtcontrole->setText(QString());
    setBackColor(txtcontrole, palette::green);
    txteenheden->setText(QString());
    lblprima->hide();
    txttientallen->setText(QString());
    txthonderdtallen->setText(QString());
    txtduizendtallen->setText(QString());
    for (TextBox *c : cells())
        setBackColor(c, palette::yellow);
    hideAll({lbltientalplus, lblhonderdtalplus, lblduizendtalplus, Line1[D], Line1[H], Line1[T]});
    txteenheden->setFocus();
    lblreeksE->show();
    hideAll({lblreeksT, lblreeksH, lblreeksD, lblhelp});

    showExercise(drawExercise(m_config.kind, runtime().random()));

    txtduizendtallen->hide();
    imgpijl->show();
    cmdverbeter->show();
    lblhelp->show();
    setBackColor(lblhelp, palette::green);
    lblhelp->setText(QLatin1String(m_config.startPrompt));
    setForeColor(lblhelp, palette::headerBlue);
    txteenheden->setFocus();
    cmdnieuw->hide();
    Line1[E]->show();
}

void ColumnScreen::wisLeenTekens()
{
    // The marks of the last borrow: both plus labels and the strokes.
    for (Label *plus : {plusLabel(m_config.borrowingColumn), plusLabel(m_config.lendingColumn())}) {
        plus->setText(QString());
        plus->hide();
    }
    hideAll({lneE, lneT, lneH, lneD});
    if (m_config.kind == Kind::BorrowTen) {
        lblhelp->setText(QStringLiteral("klik waar je wilt lenen"));
        lblhelp->show();
    }
    if (m_config.kind == Kind::BorrowThousand) {
        txtduizendtallen->show();
        hideAll({cmdaklas, shpaklas});
    }
}

void ColumnScreen::newBorrowingExercise()
{
    wisLeenTekens();
    clearLastExercise();
    drawBorrowingExercise();
    showBorrowingStart();
}

void ColumnScreen::clearLastExercise()
{
    const Kind kind = m_config.kind;
    cmdverbeter2->hide();
    if (kind == Kind::BorrowThousand)
        txtduizendtallen->hide();
    cmdstop2->hide();
    txtcontrole->setText(QString());
    const std::array<Picture *, 3> bridges {imgbrugeen, imgbrugtien, imgbrughonderd};
    for (int b = 0; b < 3; ++b)
        bridges[b]->setVisible(b == m_config.bridge);
    lblprima->hide();
    setBackColor(txtcontrole, palette::lightGreen);
    const int lastCell = kind == Kind::BorrowHundred ? H : D;
    for (int c = E; c <= lastCell; ++c)
        cells()[c]->setText(QString());
    for (int c = E; c <= lastCell; ++c)
        setBackColor(cells()[c], palette::yellow);
    hideAll({lbltientalplus, lblhonderdtalplus, lblduizendtalplus, Line1[D], Line1[H], Line1[T]});
    if (kind != Kind::BorrowTen)
        Line1[E]->show();
    txteenheden->setFocus();
    if (kind == Kind::BorrowTen) {
        lblreeksE->show();
        hideAll({lblreeksT, lblreeksH, lblreeksD, lblhelp});
    } else {
        for (Label *h : headers())
            h->show();
        lblhelp->show();
    }
    lblreeksD->hide();
}

void ColumnScreen::drawBorrowingExercise()
{
    const Subtraction x = drawExercise(m_config.kind, runtime().random());
    if (m_config.kind == Kind::BorrowThousand) {
        mult7 = qint16(x.d);
        lblgetal[11]->setText(numberText(x.d));
        lblgetal[11]->show();
    }
    showExercise(x);
    if (m_config.kind == Kind::BorrowTen) {
        lblgetal[9]->setText(QStringLiteral("0"));
        lblduizend->setText(QStringLiteral("0"));
        txtduizendtallen->setText(QStringLiteral("0"));
        txtduizendtallen->hide();
    }
}

void ColumnScreen::showBorrowingStart()
{
    for (QWidget *w : {static_cast<QWidget *>(imgbrugstop), static_cast<QWidget *>(lblbrug),
             static_cast<QWidget *>(imgpijl)})
        w->show();
    cmdnieuw->hide();
    cmdverbeter->show();
    lblhelp->show();
    setBackColor(lblhelp, palette::green);
    setForeColor(lblhelp, palette::headerBlue);
    lblhelp->setText(QLatin1String(m_config.startPrompt));
    txteenheden->setFocus();
    showHeaders({lblreeksD, lblreeksH, lblreeksT, lblreeksE}, palette::paleGreen);
    if (m_config.kind == Kind::BorrowTen)
        Line1[E]->show();
}

// -------------------------------------------------------------- Digit entry

void ColumnScreen::plainCellChanged(int column)
{
    const bool right = matches(column);
    TextBox *cell = cells()[column];
    switch (column) {
    case E:
    case T: {
        TextBox *next = cells()[column + 1];
        // Green means filled in; only a right digit moves the header on.
        setBackColor(cell, palette::green);
        Line1[column]->hide();
        Line1[column + 1]->show();
        next->setFocus();
        if (right) {
            headers()[column]->hide();
            headers()[column + 1]->show();
        }
        setBackColor(lblhelp, palette::green);
        lblhelp->setText(QLatin1String(column == E ? m_config.unitsDone : m_config.tensDone));
        break;
    }
    case H:
        if (right) {
            setBackColor(cell, palette::green);
            Line1[H]->hide();
            lblreeksH->hide();
        } else {
            showHeaders({lblreeksH, lblreeksT, lblreeksE}, palette::green);
            setBackColor(cell, palette::green);
        }
        setBackColor(lblhelp, palette::green);
        lblhelp->setText(checkPrompt);
        if (!cmdverbeter->isHidden())
            cmdverbeter->setFocus();
        break;
    default:
        break;
    }
}

void ColumnScreen::borrowingCellChanged(int column)
{
    TextBox *cell = cells()[column];
    switch (column) {
    case E:
        hideAll({imgbrugstop, lblbrug});
        setBackColor(cell, palette::green);
        Line1[E]->hide();
        Line1[T]->show();
        txttientallen->setFocus();
        lblreeksT->show();
        lblreeksE->hide();
        setBackColor(lblhelp, palette::green);
        lblhelp->setText(QLatin1String(m_config.unitsDone));
        hideAll({cmdaklas, shpaklas});
        break;
    case T:
        setBackColor(cell, palette::green);
        lblreeksT->hide();
        lblreeksH->show();
        Line1[T]->hide();
        Line1[H]->show();
        txthonderdtallen->setFocus();
        setBackColor(lblhelp, palette::green);
        lblhelp->setText(QLatin1String(m_config.tensDone));
        hideAll({cmdaklas, shpaklas});
        break;
    case H:
        if (matches(H)) {
            setBackColor(lblhelp, palette::green);
            lblhelp->setText(checkPrompt);
        }
        if (m_config.kind == Kind::BorrowThousand)
            showHeaders({lblreeksH, lblreeksT, lblreeksE, lblreeksD}, palette::paleGreen);
        else
            showHeaders({lblreeksH, lblreeksT, lblreeksE}, palette::paleGreen);
        setBackColor(cell, palette::green);
        Line1[H]->hide();
        hideAll({cmdaklas, shpaklas});
        break;
    case D:
        if (matches(D)) {
            hideAll({Line1[H], Line1[D]});
            showHeaders({lblreeksD, lblreeksH, lblreeksT, lblreeksE}, palette::green);
        }
        setBackColor(cell, palette::green);
        setBackColor(lblhelp, palette::green);
        lblhelp->setText(checkPrompt);
        break;
    default:
        break;
    }
}

void ColumnScreen::cellClicked(int column)
{
    cmdoranje->show();
    cmdverbeter2->hide();
    if (Label *plus = plusLabel(m_config.clickHidesPlus[column]))
        plus->hide();
    TextBox *cell = cells()[column];
    cell->setText(QString());
    setBackColor(cell, palette::yellow);
    cell->setFocus();
    if (column == E)
        Line1[T]->hide();
    lblhelp->hide();
}

// ------------------------------------------------------------------ Checks

void ColumnScreen::replaceUnreadableCells()
{
    for (TextBox *cell : {txteenheden, txttientallen, txthonderdtallen})
        if (!readsAsNumber(cell->text())) {
            cell->setText(QStringLiteral("0"));
            setBackColor(cell, palette::red);
        }
}

void ColumnScreen::showVerdict(const QString &text, const QColor &colour)
{
    lblprima->show();
    lblprima->setText(text);
    setBackColor(lblprima, colour);
}

QString ColumnScreen::recordLine(const QString &difference) const
{
    QString first = lblgetal[4]->text() + lblgetal[2]->text() + lblgetal[0]->text();
    if (m_config.thousandsDigit)
        first.prepend(lblgetal[11]->text());
    const QString second = lblgetal[5]->text() + lblgetal[3]->text() + lblgetal[1]->text();
    return first + QStringLiteral(" - ") + second + QStringLiteral(" = ") + difference;
}

QString ColumnScreen::typedAnswer() const
{
    return txthonderdtallen->text() + txttientallen->text() + txteenheden->text();
}

void ColumnScreen::seriesRule()
{
    const bool complete = indx >= 5;
    cmdnieuw->setVisible(!complete);
    cmdstop->setVisible(complete);
}

void ColumnScreen::writeScoreBox(const QColor &colour)
{
    // indx stops at 6 in a series; a box beyond the row is never written.
    if (indx < 0 || indx >= qint16(Txtoef1.size()))
        return;
    Txtoef1[indx]->setText(txtcontrole->text());
    // A thousands line with a long answer would be cut off at the box's edge.
    fitTextToWidth(Txtoef1[indx], 9.75);
    setBackColor(Txtoef1[indx], colour);
}

void ColumnScreen::countRightAnswer()
{
    // Another column screen may have counted since this one last copied the
    // total in; counting on from a stale copy would lose its answers.
    keepTheLargerTotal();
    if (z < std::numeric_limits<qint16>::max())
        ++z;
    // The menu keeps the running total in step at once, so activating this
    // screen again, which copies the total in, never loses a right answer.
    if (auto *menu = runtime().screen<ColumnMenuScreen>(screens::columnMenu))
        menu->lblgemaakt->setText(numberText(z));
}

void ColumnScreen::wrongColumn(int column)
{
    const auto all = cells();
    // The three columns do the same steps in a slightly different order;
    // only where the order shows is it kept apart.
    cmdverbeter2->show();
    showVerdict(QStringLiteral("FOUT"), palette::red);
    lblhelp->show();
    lblhelp->setText(correctPrompt);
    setBackColor(lblhelp, palette::yellow);
    txtcontrole->setText(recordLine(typedAnswer()));
    setBackColor(txtcontrole, palette::red);
    setBackColor(all[column], palette::red);
    if (column == H) {
        const QColor headerColour = m_config.paleHeadersOnWrongHundreds ? palette::paleGreen : palette::green;
        setBackColor(lblreeksD, headerColour);
        showHeaders({lblreeksH, lblreeksT, lblreeksE}, headerColour);
        // The hundreds variant of the series rule: START only after a correction.
        cmdnieuw->hide();
        cmdstop->setVisible(indx >= 5);
        if (indx > 5)
            lblreeksD->show();
    } else {
        showHeaders({lblreeksD, lblreeksH, lblreeksT, lblreeksE}, palette::paleGreen);
        seriesRule();
    }
    writeScoreBox(palette::red);
}

// A right answer: PRIMA on green, the record line, the eye opening and
// closing again, and START for the next exercise.
void ColumnScreen::showPrima(const QString &line)
{
    showVerdict(QStringLiteral("PRIMA"), palette::green);
    tmroog->setEnabled(true);
    tmroog2->setEnabled(true);
    txtcontrole->setText(line);
    cmdnieuw->show();
}

void ColumnScreen::cmdverbeter_Click()
{
    cmdverbeter->hide();
    showHeaders({lblreeksD, lblreeksH, lblreeksT, lblreeksE}, palette::paleGreen);
    replaceUnreadableCells();

    const bool right = matches(E) && matches(T) && matches(H);
    if (right) {
        showPrima(recordLine(typedAnswer()));
        showStartPrompt();
        countRightAnswer();
        imgoog2->show();
        writeScoreBox(palette::green);
        ++indx;
    }
    seriesRule();
    for (int c : {E, T, H})
        if (!matches(c))
            wrongColumn(c);
    txtcontrole->setText(recordLine(typedAnswer()));

    if (!right) {
        for (TextBox *cell : {txtduizendtallen, txthonderdtallen, txttientallen, txteenheden})
            if (backColor(cell) == palette::red) {
                ++indx;
                break;
            }
    }
}

// Still wrong after a correction: LET OP, the true difference on the record
// line, and on to a new exercise.
void ColumnScreen::warnLetOp(const QString &line)
{
    cmdnieuw->show();
    showVerdict(QStringLiteral("LET OP"), palette::magenta);
    imgoog2->show();
    tmroog->setEnabled(true);
    txtcontrole->setText(line);
    setBackColor(txtcontrole, palette::magenta);
    hideAll({cmdverbeter, cmdverbeter2});
    cmdnieuw->show();
    lblhelp->show();
    setBackColor(lblhelp, palette::magenta);
    lblhelp->setText(QStringLiteral("start nieuwe oefening"));
    setForeColor(lblhelp, palette::white);
}

void ColumnScreen::cmdoranje_Click()
{
    cmdoranje->hide();
    showHeaders({lblreeksD, lblreeksH, lblreeksT, lblreeksE}, palette::green);
    replaceUnreadableCells();

    // The record line shows the true difference, whatever was typed.
    auto value = [](const Label *l) { return readNumber(l->text()).value_or(0); };
    const qint64 difference = 100 * value(lblhonderd) + 10 * value(lbltien) + value(lbleen);
    const QString line = recordLine(numberText(difference));

    if (matches(E) && matches(T) && matches(H)) {
        hideAll({cmdverbeter, cmdverbeter2});
        setBackColor(txtcontrole, palette::green);
        showPrima(line);
    }
    const bool thousandsWrong = m_config.borrowing() && !matches(D);
    if (!matches(E) || !matches(T) || !matches(H) || thousandsWrong)
        warnLetOp(line);

    if (indx >= 5) {
        cmdnieuw->hide();
        cmdstop->show();
    } else if (m_config.borrowing()) {
        cmdnieuw->show();
        cmdstop->hide();
    }
}

// -------------------------------------------------------------- Borrowing

void ColumnScreen::borrowClick(BorrowFrom from)
{
    // The marks come from the digit variables, not from the labels, so a
    // second click shows the same marks and a click after the series reset
    // still shows those of the last exercise.
    cmdaklas->show();
    shpaklas->show();
    markTheLend();
    hideAll({imgbrugeen, imgbrugtien, imgbrughonderd, imgbrugstop, lblbrug});
    showBorrowHeaders(from);
    Label *borrowed = plusLabel(m_config.borrowingColumn);
    borrowed->show();
    borrowed->setText(numberText(topDigit(m_config.borrowingColumn) + 10));
    lblhelp->setText(borrowHint(from));
}

// Both digits of the borrow crossed out, and above the lending one what it
// has left.
void ColumnScreen::markTheLend()
{
    for (Line *stroke : {lneE, lneT, lneH, lneD})
        if (stroke)
            stroke->show();
    const int lending = m_config.lendingColumn();
    Label *lent = plusLabel(lending);
    // The thousands digit is always 1 and lends all it has, before the first
    // exercise too.
    lent->setText(lending == D ? QStringLiteral("0") : numberText(topDigit(lending) - 1));
    lent->show();
    if (m_config.kind == Kind::BorrowThousand) {
        txtduizendtallen->hide();
        lblhonderdtalplus->show();
    }
}

void ColumnScreen::showBorrowHeaders(BorrowFrom from)
{
    switch (m_config.kind) {
    case Kind::BorrowTen:
        for (Label *h : {lblreeksE, lblreeksT, lblreeksH})
            h->show();
        lblreeksD->hide();
        break;
    case Kind::BorrowHundred:
        lblreeksT->show();
        lblreeksH->show();
        hideAll({lblreeksE, lblreeksD});
        break;
    case Kind::BorrowThousand: {
        lblreeksD->show();
        lblreeksH->show();
        const bool keepLowerHeaders
            = from == BorrowFrom::BorrowingHeader || from == BorrowFrom::ThousandsPlus;
        lblreeksT->setVisible(keepLowerHeaders);
        lblreeksE->setVisible(keepLowerHeaders);
        break;
    }
    case Kind::NoBorrowing:
        break;
    }
}

QString ColumnScreen::borrowHint(BorrowFrom from) const
{
    switch (m_config.kind) {
    case Kind::BorrowTen:
        return QStringLiteral(" eenheden aftrekken");
    case Kind::BorrowHundred:
        return QStringLiteral(" tientallen aftrekken.");
    case Kind::BorrowThousand:
        return from == BorrowFrom::BorrowingHeader ? QStringLiteral(" eenheden aftrekken.")
                                                   : QStringLiteral(" honderdtallen aftrekken.");
    case Kind::NoBorrowing:
        break;
    }
    return QString();
}

void ColumnScreen::cmdaklas_Click()
{
    auto *drill = runtime().screen<BridgeDrillScreen>(QLatin1String(m_config.drill));
    if (!drill)
        return;
    const qint16 top = topDigit(m_config.borrowingColumn);
    const qint16 bottom = bottomDigit(m_config.borrowingColumn);
    startgetal = qint16(top + 10);
    rest = qint16(startgetal - bottom);
    multrest = top;
    verdertien = qint16(10 - rest);
    // The drill's own variables take the hops; it reads the rest from here.
    drill->mult1 = rest;
    drill->multrest = multrest;
    drill->openFrom(this, bottom);
}

// ------------------------------------------------------------- Series end

void ColumnScreen::cmdstop_Click()
{
    if (!m_config.borrowing())
        for (x = 0; x <= 5; ++x)
            lblgetal[x]->setText(QString());
    lblprima->setText(QStringLiteral("Nieuwe reeks?"));
    setBackColor(lblprima, palette::yellow);
    txtcontrole->setText(QString());
    cmdnieuw->show();
    cmdstop2->show();
    cmdstop->hide();
    hideBorrowMarks();
    clearScoreBoxes();
    setBackColor(txtcontrole, palette::green);
    lblhelp->hide();
    for (TextBox *cell : {txtduizendtallen, txthonderdtallen, txttientallen, txteenheden}) {
        cell->setText(QString());
        setBackColor(cell, palette::yellow);
    }
    indx = 0;
    hideAll({lblduizendtalplus, lblhonderdtalplus, lbltientalplus, Line1[E], Line1[T], Line1[H], Line1[D],
        imgbrughonderd, imgbrugtien, imgbrugeen, lblreeksD, lblreeksH, lblreeksT, lblreeksE});
    if (m_config.borrowing()) {
        for (int d = 0; d <= 5; ++d)
            lblgetal[d]->setText(QString());
        cmdstop2->show();
        hideAll({cmdaklas, shpaklas});
    }
    rowFirst->reread();
    rowSecond->reread();
    cmdnieuw->setFocus();
}

// What each borrowing screen still shows of the last exercise.
void ColumnScreen::hideBorrowMarks()
{
    switch (m_config.kind) {
    case Kind::BorrowTen:
        lbleenheid->setText(QString());
        lbleenheid->hide();
        hideAll({lneE, lneT});
        break;
    case Kind::BorrowHundred:
        hideAll({lneH, lneT, Line1[E], Line1[T], Line1[H], Line1[D]});
        break;
    case Kind::BorrowThousand:
        hideAll({Line1[E], Line1[T], Line1[H], Line1[D]});
        lblgetal[11]->setText(QString());
        hideAll({lneD, lneH});
        break;
    case Kind::NoBorrowing:
        break;
    }
}

// The first two rows of score boxes: a series writes no further.
void ColumnScreen::clearScoreBoxes()
{
    for (int b = 0; b < 10; ++b)
        Txtoef1[b]->setText(QString());
    for (int b = 0; b < 10; ++b)
        setBackColor(Txtoef1[b], palette::white);
}

} // namespace kolomaf
