#include "dialogs/windows/win_general_page.h"

#include <algorithm>

#include "dialogs/dialog_strings.h"
#include "dialogs/test_speaker.h"
#include "dialogs/windows/sheet_ids.h"
#include "dialogs/windows/win_param_sheet.h"

namespace {

constexpr const char* kTestFailed = "Nie udało się odtworzyć tekstu testowego.";

}  // namespace

SWinGeneralPage::SWinGeneralPage(SWinParamSheet& sheet, SAttribute& settings, STestSpeaker* speaker,
                                 SPauseRefresher refreshPause)
    : SWinPage(sheet, IDD_PARAM_GENERAL),
      speaker_(speaker),
      refreshPause_(std::move(refreshPause)),
      state_(settings) {}

void SWinGeneralPage::OnInitDialog() {
    for (const SGeneralSliderSpec& control : GeneralSliderSpecs()) {
        HWND slider = Item(control.sliderId);
        const int span = control.maxPosition - control.minPosition;
        SendMessageW(slider, TBM_SETRANGE, FALSE,
                     MAKELPARAM(control.minPosition, control.maxPosition));
        SendMessageW(slider, TBM_SETPAGESIZE, 0, std::max(1, span / 10));
        SendMessageW(slider, TBM_SETTICFREQ, std::max(1, span / 10), 0);
        for (int id : {control.labelId, control.sliderId, control.editId})
            EnableWindow(Item(id), control.enabled);
    }
    SetItemText(IDC_TEST_TEXT, WideFromUtf8(dialog_strings::kTestText));
    EnableWindow(Item(IDC_TEST_BUTTON), speaker_ != nullptr);
    ShowValues();
}

void SWinGeneralPage::ShowValue(SGeneralValue v) {
    const SGeneralSliderSpec& control = GeneralSliderSpec(v);
    SendMessageW(Item(control.sliderId), TBM_SETPOS, TRUE,
                 SGeneralValues::PositionOf(v, Values()[v]));
    SetItemText(control.editId, std::to_wstring(Values()[v]));
}

void SWinGeneralPage::ShowValues() {
    for (const SGeneralSliderSpec& control : GeneralSliderSpecs()) ShowValue(control.value);
}

bool SWinGeneralPage::OnHScroll(HWND control, int code) {
    if (code != TB_ENDTRACK && code != TB_THUMBPOSITION) return true;
    for (const SGeneralSliderSpec& row : GeneralSliderSpecs()) {
        if (Item(row.sliderId) != control) continue;
        const int position = static_cast<int>(SendMessageW(control, TBM_GETPOS, 0, 0));
        for (SGeneralValue changed : state_.SliderCameToRest(row.value, position))
            ShowValue(changed);
        return true;
    }
    return false;
}

bool SWinGeneralPage::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return false;
    if (id == IDC_TEST_BUTTON)
        OnTest();
    else if (id == IDC_DEFAULTS_BUTTON)
        OnDefaults();
    else
        return false;
    return true;
}

void SWinGeneralPage::OnTest() {
    if (!state_.Test(speaker_, Cp1250FromWide(ItemText(IDC_TEST_TEXT))) && speaker_)
        sheet_.TellTestFailed(WideFromUtf8(kTestFailed), *speaker_);
}

void SWinGeneralPage::OnDefaults() {
    state_.Defaults();
    ShowValues();
    SetItemText(IDC_TEST_TEXT, WideFromUtf8(dialog_strings::kTestText));
}

void SWinGeneralPage::OnOK() {
    for (int patternId : state_.Ok())
        if (refreshPause_) refreshPause_(patternId);
}
