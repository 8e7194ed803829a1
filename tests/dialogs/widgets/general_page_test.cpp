// The General page driven through its widgets.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include "core/attribute.h"
#include "dialogs/param_dlg_general.h"
#include "widget_test_support.h"

namespace {

using V = SGeneralValue;

class GeneralPageTest : public testing::Test {
protected:
    GeneralPageTest() : page_(settings_, &speaker_, [this](int id) { rebuilt_.push_back(id); }) {
        page_.EnsureCreated();
    }
    void Move(V v, int position) { page_.Slider(v)->setValue(position); }
    QString Shown(V v) { return page_.Display(v)->text(); }
    void Click(int id) { page_.ControlAs<QPushButton>(id)->click(); }

    SAttribute settings_;
    SRecordingSpeaker speaker_;
    std::vector<int> rebuilt_;
    SParamDlgGeneral page_;
};

TEST_F(GeneralPageTest, ControlsCarryTheirIdsLabelsAndRanges) {
    const std::tuple<int, const char*, int, int> rows[] = {
        {300, "&Wysokość (Hz) :", 80, 400}, {301, "&Prędkość (Sł) :", 40, 200},
        {302, "&Głośność (%) :", 0, 100},   {306, "P&rocesor (%) :", 5, 99},
        {316, "&Intonacja (%):", 0, 100},   {322, "T&on głosu (%):", 70, 150},
        {308, "Między &znakami:", 0, 10},   {310, "Między &słowami:", 0, 25},
        {312, "Między &frazami:", 0, 100},  {314, "&Interpunkcyjna:", 0, 50}};
    for (const auto& [id, label, min, max] : rows) {
        const auto* slider = page_.ControlAs<QSlider>(id);
        ASSERT_NE(slider, nullptr) << id;
        EXPECT_EQ(slider->minimum(), min) << id;
        EXPECT_EQ(slider->maximum(), max) << id;
        const SGeneralSliderSpec* control = nullptr;
        for (const SGeneralSliderSpec& s : GeneralSliderSpecs())
            if (s.sliderId == id) control = &s;
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(page_.ControlAs<QLabel>(control->labelId)->text(), QString::fromUtf8(label));
        EXPECT_TRUE(page_.ControlAs<QLineEdit>(control->editId)->isReadOnly()) << id;
    }
    // The intonation controls are live: the synthesis reads their setting.
    for (int id : {316, 317, 404, 322, 323, 409}) EXPECT_TRUE(page_.Control(id)->isEnabled()) << id;
    EXPECT_EQ(page_.ControlAs<QLineEdit>(318)->text(), QStringLiteral("To jest test. Koniec."));
    EXPECT_EQ(page_.ControlAs<QPushButton>(241)->text(), QStringLiteral("&Testuj"));
    EXPECT_EQ(page_.ControlAs<QPushButton>(246)->text(), QString::fromUtf8("&Domyślne"));
}

TEST_F(GeneralPageTest, StartShowsTheSettings) {
    settings_.SetSpeed(120);
    settings_.pauseInterWord = 150;
    settings_.volume = 32750;
    SParamDlgGeneral page(settings_, nullptr, {});
    page.EnsureCreated();
    EXPECT_EQ(page.Slider(V::Pitch)->value(), 240);
    EXPECT_EQ(page.Display(V::Speed)->text(), QStringLiteral("120"));
    EXPECT_EQ(page.Slider(V::PauseInterWord)->value(), 15);
    EXPECT_EQ(page.Display(V::PauseInterWord)->text(), QStringLiteral("150"));
    EXPECT_EQ(page.Display(V::Volume)->text(), QStringLiteral("50"));
    EXPECT_FALSE(page.Control(241)->isEnabled());  // nothing to speak with
}

TEST_F(GeneralPageTest, PitchAndSpeedSlidersAreCoupled) {
    Move(V::Pitch, 301);
    EXPECT_EQ(page_.Slider(V::Speed)->value(), 150);
    EXPECT_EQ(Shown(V::Speed), QStringLiteral("150"));
    EXPECT_EQ(Shown(V::Pitch), QStringLiteral("301"));
    Move(V::Speed, 41);
    EXPECT_EQ(page_.Slider(V::Pitch)->value(), 82);
    EXPECT_EQ(Shown(V::Pitch), QStringLiteral("82"));
}

TEST_F(GeneralPageTest, DraggingTakesTheValueOnlyWhenReleased) {
    QSlider* slider = page_.Slider(V::Volume);
    slider->setSliderDown(true);
    slider->setValue(40);
    EXPECT_EQ(page_.Values()[V::Volume], 100);
    slider->setSliderDown(false);  // releases the handle
    EXPECT_EQ(page_.Values()[V::Volume], 40);
    EXPECT_EQ(Shown(V::Volume), QStringLiteral("40"));
}

TEST_F(GeneralPageTest, PauseSlidersMoveInTensOfMilliseconds) {
    Move(V::PauseInterWord, 25);
    EXPECT_EQ(Shown(V::PauseInterWord), QStringLiteral("250"));
    EXPECT_EQ(page_.Values()[V::PauseInterWord], 250);
}

TEST_F(GeneralPageTest, FullVolumeIs65500ForATestAnd65535ForOk) {
    Click(241);
    EXPECT_EQ(settings_.volume, 65500u);
    ASSERT_EQ(speaker_.spoken.size(), 1u);
    EXPECT_EQ(speaker_.spoken[0], "To jest test. Koniec.");
    page_.OnOK();
    EXPECT_EQ(settings_.volume, 65535u);
    Move(V::Volume, 99);
    Click(241);
    EXPECT_EQ(settings_.volume, 64845u);
    page_.OnOK();
    EXPECT_EQ(settings_.volume, 64845u);
}

TEST_F(GeneralPageTest, TestSpeaksTheEditedTextInWindows1250) {
    page_.ControlAs<QLineEdit>(318)->setText(QString::fromUtf8("Zażółć gęślą jaźń"));
    Move(V::PausePunctuation, 40);
    Click(241);
    ASSERT_EQ(speaker_.spoken.size(), 1u);
    EXPECT_EQ(speaker_.spoken[0], "Za\xBF\xF3\xB3\xE6 g\xEA\x9Cl\xB9 ja\x9F\xF1");
    EXPECT_EQ(settings_.pausePunctuation, 400);
    EXPECT_TRUE(rebuilt_.empty());  // a trial leaves the patterns alone
}

TEST_F(GeneralPageTest, OkRebuildsExactlyTheChangedPausePatterns) {
    Move(V::PauseInterSentence, 80);
    Move(V::PauseDoubleLetter, 3);  // unchanged: 30 ms
    Move(V::PausePunctuation, 10);
    page_.OnOK();
    EXPECT_EQ(rebuilt_, (std::vector<int>{108, 109}));
    EXPECT_EQ(settings_.pauseInterSentence, 800);
    EXPECT_EQ(settings_.pausePunctuation, 100);
    rebuilt_.clear();
    page_.OnOK();
    EXPECT_TRUE(rebuilt_.empty());
}

TEST_F(GeneralPageTest, DefaultsRestoreValuesAndTestText) {
    Move(V::Pitch, 400);
    Move(V::PauseInterWord, 0);
    page_.ControlAs<QLineEdit>(318)->setText(QStringLiteral("inny"));
    Click(246);
    EXPECT_EQ(Shown(V::Pitch), QStringLiteral("160"));
    EXPECT_EQ(Shown(V::Speed), QStringLiteral("80"));
    EXPECT_EQ(page_.Slider(V::PauseInterWord)->value(), 7);
    EXPECT_EQ(page_.ControlAs<QLineEdit>(318)->text(), QStringLiteral("To jest test. Koniec."));
}

TEST_F(GeneralPageTest, CancelUndoesATrial) {
    Move(V::Speed, 150);
    Click(241);
    EXPECT_EQ(settings_.speed, 150);
    page_.OnCancel();
    EXPECT_EQ(settings_.speed, 80);
    EXPECT_EQ(settings_.volume, 0xFFFFu);
}

}  // namespace
