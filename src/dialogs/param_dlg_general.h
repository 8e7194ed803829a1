// The General page (dialog 101): rate, volume, processor share, intonation
// and the four pauses on sliders with read-only displays, a test text with
// "&Testuj", and "&Domyślne". A slider's value is taken when it comes to
// rest; pitch and speed move together.
#pragma once

#include <array>
#include <functional>

#include "dialogs/general_page_state.h"
#include "dialogs/general_values.h"
#include "dialogs/property_page.h"

class QLineEdit;
class QSlider;
class SAttribute;
class STestSpeaker;

class SParamDlgGeneral : public SPropertyPage {
    Q_OBJECT

public:
    static constexpr int kDialogId = 101;
    static constexpr int kTestTextId = 318;
    static constexpr int kPromptId = 319;
    static constexpr int kTestButtonId = 241;
    static constexpr int kDefaultsButtonId = 246;

    // Rebuilds one pause pattern (allophone id 106..109).
    using SPauseRefresher = std::function<void(int patternId)>;

    // `settings` is edited in place; `speaker` may be null (no test button).
    SParamDlgGeneral(SAttribute& settings, STestSpeaker* speaker, SPauseRefresher refreshPause,
                     QWidget* parent = nullptr);

    const SGeneralValues& Values() const { return state_.Values(); }
    QSlider* Slider(SGeneralValue v) const { return sliders_[static_cast<int>(v)]; }
    QLineEdit* Display(SGeneralValue v) const { return displays_[static_cast<int>(v)]; }

    // "&Testuj": stores the values for a trial and speaks the test text.
    void OnTest();
    // "&Domyślne": the default values and the default test text.
    void OnDefaults();
    // OK: stores the values and rebuilds the pause patterns that changed.
    void OnOK() override;
    // Cancel undoes what a trial stored.
    void OnCancel() override;

protected:
    void OnInitDialog() override;

private:
    void AddSliderRow(const SGeneralSliderSpec& control, class QGridLayout& grid, int row);
    void SliderCameToRest(SGeneralValue v, int position);
    void ShowValue(SGeneralValue v);
    void ShowValues();

    STestSpeaker* speaker_;
    SPauseRefresher refreshPause_;
    SGeneralPageState state_;
    std::array<QSlider*, static_cast<int>(SGeneralValue::Count)> sliders_{};
    std::array<QLineEdit*, static_cast<int>(SGeneralValue::Count)> displays_{};
    QLineEdit* testText_ = nullptr;
};
