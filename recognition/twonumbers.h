// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/demonstrations.h"
#include "shell/controls.h"
#include "shell/subtractionscreen.h"

#include <QRect>

namespace kolomaf {

// Where the two demonstration screens differ in look; positions in twips.
struct HardOrEasyDesign
{
    const char *name;
    const char *title;
    QColor background;
    QRect shape; // Shape1, behind the numbers and the columns
    int numberLeft, numberWidth; // txtgetal and txtgetal2
    int number1Top, number2Top;
    int leftH, leftT, leftE; // the columns of digits and differences
    int letterLeftT; // lbltiental, which need not stand right over its column
    int letterTop; // the row of column letters
    int digit1Top, digit2Top; // the rows of the two numbers' digits
    int sumTop; // the row of differences
    QRect minus; // lblplus
    int barY; // lnplus
    QPoint logo; // Image3
    Subtraction (*draw)(RandomSource &);
};

// Two numbers split into columns one press at a time, then the column
// differences with what a negative one means.
class HardOrEasyScreen : public SubtractionScreen
{
    Q_OBJECT

public:
    Shape *Shape1;
    TextBox *txtgetal, *txtgetal2;
    Label *lblhonderd, *lbltiental, *lbleenheid;
    TextBox *txthonderdtal, *txttiental, *txteenheid;
    TextBox *txthonderdtal2, *txttiental2, *txteenheid2;
    Label *lblplus;
    Line *lnplus;
    TextBox *txtsomH, *txtsomT, *txtsomE;
    PictureButton *cmdstart, *cmdeerste, *cmdtweede, *cmdsom, *cmdnogeens, *cmdstop;
    Label *lbluitleg, *lbluitleg2, *lbluitleg3, *lbluitlegtotaal;
    Picture *Image1, *Image3;

    // The step button the pupil sees: the one stacked highest of those shown.
    PictureButton *topStep() const;

protected:
    HardOrEasyScreen(Runtime &rt, const HardOrEasyDesign &design);

    // Digits and boxes in column order E, T, H.
    TextBox *digitBox(int column, int row) const;
    TextBox *digitCell(const char *name, int left, int top);
    Label *explanation(const char *name, QRect twips, bool bold = false);
    void stepsOnTop();

    virtual void beginstand();
    // What the column differences mean, once they are written.
    virtual void explain() = 0;

    void load() override;
    void activate() override;
    void closeRequested() override;

private:
    void buildNumbers();
    void buildColumns();
    void buildButtons();
    void buildBoard();
    void connectHandlers();

    void cmdstart_Click();
    void cmdeerste_Click();
    void cmdtweede_Click();
    void cmdsom_Click();
    void cmdnogeens_Click();
    void cmdstop_Click();
    void showStep(PictureButton *b);

    const HardOrEasyDesign &m_design;
};

class SumsScreen : public HardOrEasyScreen
{
    Q_OBJECT
public:
    explicit SumsScreen(Runtime &rt);
    Picture *Image2;

protected:
    void explain() override;
};

// Adds the borrowing itself: the red digit lends when clicked.
class DifferencesScreen : public HardOrEasyScreen
{
    Q_OBJECT
public:
    explicit DifferencesScreen(Runtime &rt);
    TextBox *txtplusH, *txtplusT, *txtplusE;
    Label *lblsplits;
    Picture *Image2;

protected:
    void beginstand() override;
    void explain() override;

private:
    void txthonderdtal_Click();
    void txttiental_Click();
};

void registerTwoNumbersScreens(Runtime &rt);

} // namespace kolomaf
