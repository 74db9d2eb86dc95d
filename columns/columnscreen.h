// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "columns/columnconfig.h"
#include "core/exercise.h"
#include "shell/controls.h"
#include "shell/runtime.h"

#include <array>

namespace kolomaf {

// The four column-subtraction screens, one design driven by ColumnConfig.
class ColumnScreen : public Screen
{
    Q_OBJECT
    Q_PROPERTY(qint16 z MEMBER z)
    Q_PROPERTY(qint16 indx MEMBER indx)
    Q_PROPERTY(qint16 x MEMBER x)
    Q_PROPERTY(qint16 mult1 MEMBER mult1)
    Q_PROPERTY(qint16 mult2 MEMBER mult2)
    Q_PROPERTY(qint16 mult3 MEMBER mult3)
    Q_PROPERTY(qint16 mult4 MEMBER mult4)
    Q_PROPERTY(qint16 mult5 MEMBER mult5)
    Q_PROPERTY(qint16 mult6 MEMBER mult6)
    Q_PROPERTY(qint16 mult7 MEMBER mult7)
    Q_PROPERTY(qint16 mult62 MEMBER mult62)
    Q_PROPERTY(qint16 mult72 MEMBER mult72)
    Q_PROPERTY(qint16 mult82 MEMBER mult82)
    Q_PROPERTY(qint16 i MEMBER i)
    Q_PROPERTY(qint16 rest MEMBER rest)
    Q_PROPERTY(qint16 startgetal MEMBER startgetal)
    Q_PROPERTY(qint16 multrest MEMBER multrest)
    Q_PROPERTY(qint16 verdertien MEMBER verdertien)

public:
    ColumnScreen(Runtime &rt, const ColumnConfig &config);
    const ColumnConfig &config() const { return m_config; }

    qint16 z = 0, indx = 0, x = 0;
    qint16 mult1 = 0, mult2 = 0, mult3 = 0, mult4 = 0, mult5 = 0, mult6 = 0, mult7 = 0;
    qint16 mult62 = 0, mult72 = 0, mult82 = 0;
    qint16 i = 0, rest = 0, startgetal = 0, multrest = 0, verdertien = 0;

    // Digits E1 E2 T1 T2 H1 H2 at 0..5, expected answers E T H D at 6..9,
    // the D digit of the first number at 11 (where the screen has one).
    std::array<Label *, 12> lblgetal {};
    // The rows that hold the digits of the two numbers and the answer cells.
    NumberRow *rowFirst, *rowSecond, *rowAnswer;
    Label *Label1;
    Line *Line2;
    Label *lbleen, *lbltien, *lblhonderd, *lblduizend;
    TextBox *txteenheden, *txttientallen, *txthonderdtallen, *txtduizendtallen;
    Label *lblreeksE, *lblreeksT, *lblreeksH, *lblreeksD;
    std::array<Line *, 4> Line1 {};
    Label *lbltientalplus, *lblhonderdtalplus, *lblduizendtalplus;
    Label *lbleenheid = nullptr;
    Picture *imgbrugeen, *imgbrugtien, *imgbrughonderd;
    Line *lneE = nullptr, *lneT = nullptr, *lneH = nullptr, *lneD = nullptr;
    Label *lblbrug = nullptr;
    Picture *imgbrugstop = nullptr;
    PictureButton *cmdaklas = nullptr;
    Shape *shpaklas = nullptr;
    Label *lblhelp;
    Label *lblprima;
    TextBox *txtcontrole;
    std::array<TextBox *, 15> Txtoef1 {};
    PictureButton *cmdnieuw, *cmdverbeter, *cmdoranje, *cmdverbeter2, *cmdstop, *cmdstop2;
    Picture *imgoog2, *imgoog1;
    Timer *tmroog, *tmroog2;
    Picture *imgpijl;
    Shape *shpcijfer;
    Shape *Shape1;
    Picture *Image2;

protected:
    void load() override;
    void activate() override;
    void closeRequested() override;

private:
    const ColumnLayout &columnLayout() const { return *m_config.layout; }
    // A digit's square in a column, on the screen.
    QRect cellRect(int column, int top) const;
    NumberRow *numberRow(const char *name, const char *label, QPoint topLeft);
    Label *digitLabel(QWidget *in, QPoint origin, int index, int column, int top);

    void buildGrid();
    void buildNumbers();
    void buildResults();
    void buildMinusAndBar();
    void buildAnswerCells();
    void buildHeaders();
    void buildColumnLines();
    void buildPlusLabels();
    void buildBridges();
    void buildBorrowingAids();
    void buildMessages();
    void buildButtons();
    void buildEyes();
    void setStackingOrder();

    void connectHandlers();

    void showStartPrompt();
    void copyTotalIn();
    void keepTheLargerTotal();
    void closeEye();
    void leaveToMenu();

    // START
    void cmdnieuw_Click();
    void newPlainExercise();
    void newBorrowingExercise();
    void clearLastExercise();
    void drawBorrowingExercise();
    void showBorrowingStart();
    void wisLeenTekens();
    void showExercise(const Subtraction &x);
    // Typing and clicking the answer cells
    void plainCellChanged(int column);
    void borrowingCellChanged(int column);
    void cellClicked(int column);
    // Checks and the series
    void cmdverbeter_Click();
    void showPrima(const QString &line);
    void cmdoranje_Click();
    void warnLetOp(const QString &line);
    void cmdstop_Click();
    void hideBorrowMarks();
    void clearScoreBoxes();
    // Borrowing and the bridge drill
    enum class BorrowFrom { Digit, LendingHeader, BorrowingHeader, ThousandsPlus };
    void borrowClick(BorrowFrom from);
    void markTheLend();
    void showBorrowHeaders(BorrowFrom from);
    QString borrowHint(BorrowFrom from) const;
    void cmdaklas_Click();

    std::array<TextBox *, 4> cells() const;
    std::array<Label *, 4> headers() const;
    Label *plusLabel(int column) const;
    // The digits of the first and the second number in a column.
    qint16 topDigit(int column) const;
    qint16 bottomDigit(int column) const;
    bool matches(int column) const;
    void showHeaders(std::initializer_list<Label *> which, const QColor &colour);
    void replaceUnreadableCells();
    // lblprima: PRIMA, FOUT or LET OP on its colour.
    void showVerdict(const QString &text, const QColor &colour);
    QString recordLine(const QString &difference) const;
    QString typedAnswer() const;
    void seriesRule();
    void writeScoreBox(const QColor &colour);
    void wrongColumn(int column);
    void countRightAnswer();

    const ColumnConfig &m_config;
};

void registerColumnScreens(Runtime &rt);

} // namespace kolomaf
