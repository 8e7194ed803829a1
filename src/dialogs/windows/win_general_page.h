// The General page (dialog 101) in Win32: trackbars with read-only displays
// over SGeneralPageState. A trackbar's value is taken when it reports the end
// of a movement (TB_ENDTRACK, TB_THUMBPOSITION).
#pragma once

#include <functional>

#include "dialogs/general_page_state.h"
#include "dialogs/windows/win_page.h"

class SAttribute;
class STestSpeaker;

class SWinGeneralPage : public SWinPage {
public:
    // Rebuilds one pause pattern (allophone id 106..109).
    using SPauseRefresher = std::function<void(int patternId)>;

    SWinGeneralPage(SWinParamSheet& sheet, SAttribute& settings, STestSpeaker* speaker,
                    SPauseRefresher refreshPause);

    const SGeneralValues& Values() const { return state_.Values(); }
    void SetPauseRefresher(SPauseRefresher refreshPause) {
        refreshPause_ = std::move(refreshPause);
    }

    void OnOK() override;
    void OnCancel() override { state_.Cancel(); }

protected:
    void OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    bool OnHScroll(HWND control, int code) override;

private:
    void ShowValue(SGeneralValue v);
    void ShowValues();
    void OnTest();
    void OnDefaults();

    STestSpeaker* speaker_;
    SPauseRefresher refreshPause_;
    SGeneralPageState state_;
};
