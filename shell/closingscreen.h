// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/controls.h"
#include "shell/runtime.h"
#include "shell/statusbar.h"

#include <QProgressBar>
#include <array>

namespace kolomaf {

class ClosingScreen : public Screen
{
    Q_OBJECT
    Q_PROPERTY(qint32 teller MEMBER teller)
public:
    explicit ClosingScreen(Runtime &rt);
    qint32 teller = 0;
    Panel *Frame1;
    Label *lblmemo;
    Label *lblinstituut;
    Label *lblmening;
    std::array<Label *, 4> credits {};
    Picture *imgportret;
    Picture *Imgzon;
    Picture *Image3;
    Picture *Image4;
    Label *lblgeld;
    StatusBar *StatusBar1;
    QProgressBar *ProgressBar1;
    Timer *Timer1;

protected:
    void load() override;
    void activate() override;

private:
    void buildCredits();
    void buildPictures();
    void buildStatusBar();
    void toonvoortgang(bool tonen);
    void Timer1_Timer();
};

} // namespace kolomaf
