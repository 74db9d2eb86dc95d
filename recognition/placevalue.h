// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/controls.h"
#include "shell/runtime.h"

namespace kolomaf {

// A random three-digit number taken apart, one press at a time, into its
// units, tens and hundreds.
class PlaceValueScreen : public Screen
{
    Q_OBJECT
    Q_PROPERTY(qint16 eenheid1 MEMBER eenheid1)
    Q_PROPERTY(qint16 tiental1 MEMBER tiental1)
    Q_PROPERTY(qint16 honderdtal1 MEMBER honderdtal1)
    Q_PROPERTY(qint16 getal1 MEMBER getal1)

public:
    explicit PlaceValueScreen(Runtime &rt);

    qint16 eenheid1 = 0, tiental1 = 0, honderdtal1 = 0, getal1 = 0;

    Shape *Shape1;
    TextBox *txtgetal;
    PictureButton *cmdstart, *cmdeenheid, *cmdtiental, *cmdhonderdtal, *cmdnogeens, *cmdstop;
    TextBox *txthonderdtal, *txttiental, *txteenheid;
    Label *lblhonderd, *lbltiental, *lbleenheid;
    Picture *Image3;

protected:
    void load() override;
    void activate() override;
    void closeRequested() override;

private:
    void buildButtons();
    void buildColumns();
    void connectHandlers();

    void beginstand();
    void reveal(Label *letter, TextBox *box, qint16 digit);
    void cmdstart_Click();
    void cmdeenheid_Click();
    void cmdtiental_Click();
    void cmdhonderdtal_Click();
    void cmdnogeens_Click();
    void cmdstop_Click();
};

void registerRecognitionScreens(Runtime &rt);

} // namespace kolomaf
