// Opening the sheet from a mode object or the engine, and speaking through
// the mode's text-to-speech interface.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "core/attribute.h"
#include "dialogs/mode_test_speaker.h"
#include "dialogs/param_sheet.h"
#include "dialogs/sheet_runner.h"
#include "engine/tts_engine.h"
#include "sapi/settings_sheet_hook.h"

namespace {

// Records TextData calls; every other method is refused.
class SFakeCentralA final : public ITTSCentralA {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    HRESULT STDMETHODCALLTYPE Inject(const CHAR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ModeGet(TTSMODEINFOA*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Phoneme(VOICECHARSET, DWORD, SDATA, SDATA*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE PosnGet(QWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE TextData(VOICECHARSET charset, DWORD flags, SDATA text, void* sink,
                                       IID iid) override {
        texts.emplace_back(static_cast<const char*>(text.pData), text.dwSize);
        this->flags = flags;
        this->charset = charset;
        sinkIid = iid;
        if (auto* buffer = static_cast<ITTSBufNotifySink*>(sink)) {
            buffer->TextDataStarted(0);
            buffer->TextDataDone(0, 0);
        }
        return answer;
    }
    HRESULT STDMETHODCALLTYPE ToFileTime(QWORD*, FILETIME*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE AudioPause() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE AudioResume() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE AudioReset() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Register(void*, IID, DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE UnRegister(DWORD) override { return E_NOTIMPL; }

    int refs = 0;
    HRESULT answer = S_OK;
    std::vector<std::string> texts;
    DWORD flags = 0;
    VOICECHARSET charset = CHARSET_IPAPHONETIC;
    IID sinkIid{};
};

// What the sheet looked like when it came up; it is then cancelled.
struct SShownSheet {
    QString caption;
    int page = -1;
    bool testEnabled = false;
};

// Once the modal sheet is up: notes what it shows, then cancels it.
std::shared_ptr<SShownSheet> InspectSheetWhenShown() {
    auto shown = std::make_shared<SShownSheet>();
    QTimer::singleShot(0, [shown] {
        auto* sheet = qobject_cast<SParamSheet*>(QApplication::activeModalWidget());
        ASSERT_NE(sheet, nullptr);
        shown->caption = sheet->windowTitle();
        shown->page = sheet->ActivePageIndex();
        sheet->SetActivePage(SParamSheet::kGeneralPage);
        shown->testEnabled = sheet->General().Control(SParamDlgGeneral::kTestButtonId)->isEnabled();
        sheet->reject();
    });
    return shown;
}

TEST(ModeTestSpeaker, SpeaksTaggedTextWithItsZeroAndABufferSink) {
    SFakeCentralA central;
    {
        SModeTestSpeaker speaker(&central);
        EXPECT_EQ(central.refs, 1);
        EXPECT_TRUE(speaker.Speak("To jest test."));
        ASSERT_EQ(central.texts.size(), 1u);
        EXPECT_EQ(central.texts[0], std::string("To jest test.", 14));
        EXPECT_EQ(central.flags, TTSDATAFLAG_TAGGED);
        EXPECT_EQ(central.charset, CHARSET_TEXT);
        EXPECT_EQ(central.sinkIid, IID_ITTSBufNotifySink);
        EXPECT_EQ(speaker.Sink().Started(), 1);
        EXPECT_EQ(speaker.Sink().Done(), 1);
        central.answer = E_FAIL;
        EXPECT_FALSE(speaker.Speak("x"));
    }
    EXPECT_EQ(central.refs, 0);
    EXPECT_FALSE(SModeTestSpeaker(nullptr).Speak("x"));
}

TEST(SheetRunner, DialogsInterfaceChoosesPageAndCaption) {
    SAttribute settings;
    SFakeCentralA central;
    SVokrant engine(nullptr, nullptr, &settings);
    const struct {
        int page;
        const char16_t* title;
        const char* caption;
    } cases[] = {{3, nullptr, "Vokrant – syntezator mowy polskiej"},
                 {1, u"Słownik użytkownika", "Słownik użytkownika"},
                 {0, u"", "Vokrant – syntezator mowy polskiej"}};
    for (const auto& c : cases) {
        auto shown = InspectSheetWhenShown();
        std::u16string title = c.title ? c.title : u"";
        EXPECT_EQ(RunSettingsSheetForMode(engine, &central, c.page, c.title ? &title : nullptr), 0);
        EXPECT_EQ(shown->page, c.page);
        EXPECT_EQ(shown->caption.toStdString(), c.caption);
        EXPECT_TRUE(shown->testEnabled);
    }
    EXPECT_EQ(central.refs, 0);
}

TEST(SheetRunner, EngineShowSettingsStartsOnConversions) {
    SAttribute settings;
    SVokrant engine(nullptr, nullptr, &settings);
    InstallSettingsSheet();
    // The component's dialogs interface now opens the same sheet.
    EXPECT_EQ(ModeSheetOpener(), &RunSettingsSheetForMode);
    auto shown = InspectSheetWhenShown();
    engine.ShowSettings();
    EXPECT_EQ(shown->page, SParamSheet::kConversionsPage);
    EXPECT_FALSE(shown->testEnabled);  // no mode object, nothing to speak through
    SVokrant::SetSettingsSheetRunner(nullptr);
    SetModeSheetOpener(nullptr);
}

}  // namespace
