#include "dialogs/general_page_state.h"

#include "dialogs/test_speaker.h"

SGeneralPageState::SGeneralPageState(SAttribute& settings)
    : settings_(settings),
      values_(SGeneralValues::FromSettings(settings)),
      builtWith_(values_),
      beforeTrial_(SGeneralSnapshot::Capture(settings)) {}

std::vector<SGeneralValue> SGeneralPageState::SliderCameToRest(SGeneralValue v, int position) {
    return values_.TakeSliderPosition(v, position);
}

bool SGeneralPageState::Test(STestSpeaker* speaker, const std::string& text) {
    if (!trialStored_) beforeTrial_ = SGeneralSnapshot::Capture(settings_);
    trialStored_ = true;
    StoreForTest(values_, settings_);
    return speaker != nullptr && speaker->Speak(text);
}

std::vector<int> SGeneralPageState::Ok() {
    trialStored_ = false;
    return StoreForOk(values_, settings_, builtWith_);
}

void SGeneralPageState::Cancel() {
    if (trialStored_) beforeTrial_.RestoreTo(settings_);
    trialStored_ = false;
}
