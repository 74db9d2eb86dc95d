// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/writingexercise.h"
#include "shell/controls.h"
#include "shell/subtractionscreen.h"

#include <array>

namespace kolomaf {

// The pupil copies a subtraction given as a line of text into columns, has
// the copy checked, works it out and fills a score column of ten.
class WritingScreen : public SubtractionScreen
{
    Q_OBJECT
    Q_PROPERTY(qint16 verschil MEMBER verschil)
    Q_PROPERTY(qint16 waardeE MEMBER waardeE)
    Q_PROPERTY(qint16 waardeT MEMBER waardeT)
    Q_PROPERTY(qint16 waardeH MEMBER waardeH)
    Q_PROPERTY(qint16 waardeD MEMBER waardeD)
    Q_PROPERTY(qint16 resultaat MEMBER resultaat)
    Q_PROPERTY(qint16 oefnummer MEMBER oefnummer)

public:
    explicit WritingScreen(Runtime &rt);

    qint16 verschil = 0;
    qint16 waardeE = 0, waardeT = 0, waardeH = 0, waardeD = 0, resultaat = 0;
    qint16 oefnummer = 0;

    std::array<Shape *, 6> Shape1 {};
    Picture *Image1;
    Label *lblmeester1, *lblweergave, *lblmeester2;
    TextBox *txtplus100;
    TextBox *txtgetal1H, *txtgetal1T, *txtgetal1E;
    TextBox *txtgetal2H, *txtgetal2T, *txtgetal2E;
    Picture *imgpijl;
    Label *lblplus;
    Line *lntelop;
    TextBox *txthonderdtallen, *txttientallen, *txteenheden, *txtduizendtallen;
    PictureButton *cmdgroenlicht, *cmdcontrole, *cmdstop, *cmdstop2, *cmdnieuw;
    std::array<TextBox *, 11> Txtoef1 {};
    Picture *Image2;
    Label *lblnaam1;
    TextBox *txtnaam;
    Label *lbluitleg;
    std::array<Picture *, 9> Imgkonijn {};
    Label *lblinformatie;
    TextBox *txtresultaat;
    Picture *Image3;

protected:
    void load() override;
    void activate() override;
    void closeRequested() override;

private:
    void buildSheet();
    void buildCells();
    void buildButtons();
    void buildScoreColumn();
    void buildNameAndMessages();
    void connectHandlers();

    // Shared by loading, activation, a new exercise and both STOPs.
    void beginstand();
    void inform(const char *text);

    // Name entry, a new exercise and copying
    void txtnaam_Change();
    void cmdnieuw_Click();
    void copyCellChanged(TextBox *cell);
    void copyCellClicked(TextBox *cell);
    void cmdgroenlicht_Click();
    // Working out, the check and the series
    void txteenheden_Change();
    void txttientallen_Change();
    void txthonderdtallen_Change();
    void showAnswerCheck();
    void cmdcontrole_Click();
    void writeScoreRow(const QString &line, const QColor &colour);
    void showButtonsForSeries();
    void cmdstop_Click();
    void cmdstop_MouseMove();
    void cmdstop2_Click();

    std::array<TextBox *, 6> copyCells() const;
};

void registerWritingScreens(Runtime &rt);

} // namespace kolomaf
