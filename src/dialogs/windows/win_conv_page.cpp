#include "dialogs/windows/win_conv_page.h"

#include "dialogs/conversion_switches.h"
#include "dialogs/windows/sheet_ids.h"

SWinConvPage::SWinConvPage(SWinParamSheet& sheet, SAttribute& settings)
    : SWinPage(sheet, IDD_PARAM_CONV), settings_(settings) {}

void SWinConvPage::OnInitDialog() {
    for (const SConversionSwitch& box : ConversionPageBoxes())
        CheckDlgButton(Window(), box.id,
                       IsSwitchChecked(box, settings_) ? BST_CHECKED : BST_UNCHECKED);
}

bool SWinConvPage::OnCommand(int id, int code) {
    if (id != IDC_DEFAULTS_BUTTON || code != BN_CLICKED) return false;
    for (const SConversionSwitch& box : ConversionPageBoxes())
        CheckDlgButton(Window(), box.id, box.defaultChecked ? BST_CHECKED : BST_UNCHECKED);
    return true;
}

void SWinConvPage::OnOK() {
    for (const SConversionSwitch& box : ConversionPageBoxes())
        if (Item(box.id))
            StoreSwitch(box, IsDlgButtonChecked(Window(), box.id) == BST_CHECKED, settings_);
}
