// The whole sheet: pages, start page, the save button and its question.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QSlider>

#include "core/attribute.h"
#include "dialogs/param_sheet.h"
#include "engine/tts_engine.h"
#include "platform/config_dir.h"
#include "platform/reg_key.h"
#include "widget_test_support.h"

namespace {

class ParamSheetTest : public ScratchConfigTest {};

uint32_t SavedDword(const char* subkey, const char* name) {
    SRegKey key(SRegKey(SRegRoot::CurrentUser, kSettingsKeyPath), subkey);
    uint32_t value = 0;
    EXPECT_TRUE(key.ReadDword(name, &value)) << name;
    return value;
}

TEST_F(ParamSheetTest, PagesInOrderAndTheSaveButton) {
    SAttribute settings;
    SParamSheet sheet(settings, nullptr, nullptr);
    ASSERT_EQ(sheet.PageCount(), 4);
    const int dialogs[] = {101, 102, 103, 104};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(sheet.Page(i)->DialogId(), dialogs[i]);
    EXPECT_EQ(sheet.ApplyButton()->text(), QString::fromUtf8("Zapa&miętaj"));
    EXPECT_EQ(sheet.ApplyButton()->property("controlId").toInt(), SParamSheet::kSaveCommandId);
    EXPECT_FALSE(sheet.ApplyButton()->isHidden());
    EXPECT_EQ(sheet.windowTitle().toStdString(), "Vokrant – syntezator mowy polskiej");
    // Only the page shown so far has a window.
    EXPECT_TRUE(sheet.General().WindowExists());
    EXPECT_FALSE(sheet.Dictionary().WindowExists());
    sheet.SetActivePage(SParamSheet::kConversionsPage);
    EXPECT_EQ(sheet.ActivePageIndex(), 2);
    EXPECT_TRUE(sheet.Conversions().WindowExists());
    sheet.SetActivePage(7);
    EXPECT_EQ(sheet.ActivePageIndex(), 2);
}

TEST_F(ParamSheetTest, SaveWritesTheRegistryHiveOnYes) {
    SAttributeSAPI settings;
    SParamSheet sheet(settings, nullptr, nullptr);
    QString asked;
    bool answer = false;
    sheet.SetSaveQuestion([&](QWidget*, const QString& question) {
        asked = question;
        return answer;
    });
    sheet.General().Slider(SGeneralValue::Speed)->setValue(120);
    sheet.SetActivePage(SParamSheet::kConversionsPage);
    sheet.Conversions().Box(237)->setChecked(true);

    sheet.ApplyButton()->click();  // No
    EXPECT_EQ(asked,
              QString::fromUtf8(
                  "Czy chcesz zapisać aktualne ustawienia na stałe do rejestru systemowego?"));
    EXPECT_EQ(SavedDword("Sound", "Speed"), 80u);
    EXPECT_EQ(settings.speed, 80);

    answer = true;
    sheet.ApplyButton()->click();  // Yes
    EXPECT_EQ(settings.speed, 120);
    EXPECT_FALSE(settings.fluentSpeech);
    EXPECT_EQ(SavedDword("Sound", "Speed"), 120u);
    EXPECT_EQ(SavedDword("Sound", "Pitch"), 240u);
    EXPECT_EQ(SavedDword("Sound", "Volume"), 65535u);
    EXPECT_NE(ReadFile(UserHive()).find("\"FluentSpeech\"=\"No\""), std::string::npos);
    // A fresh record reads what was saved.
    SAttributeSAPI reread;
    EXPECT_EQ(reread.speed, 120);
    EXPECT_FALSE(reread.fluentSpeech);
}

TEST_F(ParamSheetTest, SaveAndOkStoreTheSameVolume) {
    SAttributeSAPI settings;
    SParamSheet sheet(settings, nullptr, nullptr);
    sheet.SetSaveQuestion([](QWidget*, const QString&) { return true; });
    sheet.ApplyButton()->click();
    const uint32_t saved = settings.volume;
    sheet.accept();
    EXPECT_EQ(settings.volume, saved);
    EXPECT_EQ(saved, 65535u);
}

TEST_F(ParamSheetTest, OkChangesMemoryOnlyAndRebuildsEnginePauses) {
    SAttributeSAPI settings;
    STtsEngine engine(nullptr, &settings);
    SParamSheet sheet(settings, &engine, nullptr);
    sheet.General().Slider(SGeneralValue::PauseInterWord)->setValue(25);
    sheet.accept();
    EXPECT_EQ(settings.pauseInterWord, 250);
    EXPECT_EQ(SavedDword("Sound", "PauseInterWord"), 70u);
}

TEST_F(ParamSheetTest, ConversionsDefaultsAndCancel) {
    SAttribute settings;
    settings.convertNumber = false;
    settings.readSeparators = true;
    SParamSheet sheet(settings, nullptr, nullptr);
    sheet.SetActivePage(SParamSheet::kConversionsPage);
    SParamDlgConv& page = sheet.Conversions();
    EXPECT_FALSE(page.Box(220)->isChecked());
    page.Box(221)->setChecked(false);
    sheet.reject();
    EXPECT_TRUE(settings.convertSequence);  // Cancel stores nothing
    page.OnDefaults();
    EXPECT_TRUE(page.Box(220)->isChecked());
    EXPECT_FALSE(page.Box(228)->isChecked());
    EXPECT_FALSE(page.Box(237)->isChecked());
    page.OnOK();
    EXPECT_TRUE(settings.convertNumber);
    EXPECT_FALSE(settings.readSeparators);
    EXPECT_TRUE(settings.fluentSpeech);
}

}  // namespace
