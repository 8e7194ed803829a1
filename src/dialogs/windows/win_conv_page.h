// The Conversions page (dialog 103) in Win32: one check box per switch of
// the shared table.
#pragma once

#include "dialogs/windows/win_page.h"

class SAttribute;

class SWinConvPage : public SWinPage {
public:
    SWinConvPage(SWinParamSheet& sheet, SAttribute& settings);

    void OnOK() override;

protected:
    void OnInitDialog() override;
    bool OnCommand(int id, int code) override;

private:
    SAttribute& settings_;
};
