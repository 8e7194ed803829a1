// The Info page (dialog 104) in Win32: a picture drawn by the page and the
// build label.
#pragma once

#include "dialogs/windows/win_page.h"

class SWinInfoPage : public SWinPage {
public:
    explicit SWinInfoPage(SWinParamSheet& sheet);

protected:
    void OnInitDialog() override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
};
