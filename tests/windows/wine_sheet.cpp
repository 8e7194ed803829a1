// The native settings sheet under Wine, driven by messages as a user's
// clicks and slider movements arrive: the sheet is opened modeless, its
// controls are moved with TBM_SETPOS and the trackbar's end-of-movement
// notification, buttons are pressed with BM_CLICK and the sheet's own
// buttons with PSM_PRESSBUTTON.
//   wine_sheet.exe VOICE_DIR SCRATCH_DIR [SCREENSHOT_DIR]
#include <windows.h>
#include <commctrl.h>
#include <mmsystem.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "check.h"
#include "core/attribute.h"
#include "dialogs/conversion_switches.h"
#include "dialogs/general_values.h"
#include "dialogs/test_speaker.h"
#include "dialogs/windows/sheet_ids.h"
#include "dialogs/windows/wave_out_speaker.h"
#include "dialogs/windows/win_param_sheet.h"
#include "engine/tts_engine.h"
#include "model/allophone_ids.h"
#include "platform/reg_key.h"

namespace {

using V = SGeneralValue;

std::string g_voiceDir, g_scratch;

class SRecordingSpeaker : public STestSpeaker {
public:
    bool Speak(const std::string& text) override {
        spoken.push_back(text);
        return true;
    }
    std::vector<std::string> spoken;
};

void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// A modeless sheet over `settings`, the message boxes answered by `answer`
// and recorded.
struct SOpenSheet {
    SOpenSheet(SAttribute& settings, STtsEngine* engine, STestSpeaker* speaker, int answer = IDNO)
        : sheet(settings, engine, speaker) {
        sheet.SetMessageBox([this](HWND, const std::wstring& text, UINT) {
            asked.push_back(text);
            return this->answer;
        });
        this->answer = answer;
        window = sheet.CreateModeless(nullptr);
        Pump();
    }
    ~SOpenSheet() {
        if (window && IsWindow(window)) DestroyWindow(window);
        Pump();
    }
    HWND ShowPage(int index) {
        SendMessageW(window, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
        Pump();
        return sheet.Page(index).Window();
    }
    void Press(int button) {
        SendMessageW(window, PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0);
        Pump();
    }
    SWinParamSheet sheet;
    HWND window = nullptr;
    int answer = IDNO;
    std::vector<std::wstring> asked;
};

std::wstring Text(HWND window) {
    wchar_t buffer[512] = L"";
    GetWindowTextW(window, buffer, 512);
    return buffer;
}

std::wstring Wide(const char* utf8) {
    return WideFromUtf8(utf8);
}

// Moves a trackbar and ends the movement, as a user letting go of it does.
void Slide(HWND page, int sliderId, int position) {
    HWND slider = GetDlgItem(page, sliderId);
    SendMessageW(slider, TBM_SETPOS, TRUE, position);
    SendMessageW(page, WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(slider));
}

int Position(HWND page, int sliderId) {
    return static_cast<int>(SendMessageW(GetDlgItem(page, sliderId), TBM_GETPOS, 0, 0));
}

void Click(HWND page, int id) {
    SendMessageW(GetDlgItem(page, id), BM_CLICK, 0, 0);
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void Spit(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

void TemplatesCarryTheSharedIdsLabelsAndRanges() {
    SAttribute settings;
    SOpenSheet open(settings, nullptr, nullptr);
    CHECK(open.window != nullptr);
    const wchar_t* titles[] = {L"Ogólne", L"Słownik", L"Konwersje", L"Informacje"};
    const int dialogs[] = {101, 102, 103, 104};
    for (int i = 0; i < 4; ++i) {
        HWND page = open.ShowPage(i);
        CHECK(page != nullptr);
        CHECK(open.sheet.Page(i).DialogId() == dialogs[i]);
        TCITEMW item{};
        wchar_t title[64] = L"";
        item.mask = TCIF_TEXT;
        item.pszText = title;
        item.cchTextMax = 64;
        SendMessageW(PropSheet_GetTabControl(open.window), TCM_GETITEMW, i,
                     reinterpret_cast<LPARAM>(&item));
        CHECK(std::wstring(title) == titles[i]);
    }
    CHECK(Text(open.window) == Wide("Vokrant – syntezator mowy polskiej"));
    HWND save = GetDlgItem(open.window, IDC_SAVE_COMMAND);
    CHECK(save != nullptr && IsWindowVisible(save) && IsWindowEnabled(save));
    CHECK(Text(save) == L"Zapa&miętaj");

    HWND general = open.sheet.Page(SWinParamSheet::kGeneralPage).Window();
    for (const SGeneralSliderSpec& row : GeneralSliderSpecs()) {
        HWND slider = GetDlgItem(general, row.sliderId);
        CHECK_NOTE(slider != nullptr, std::to_string(row.sliderId));
        CHECK(SendMessageW(slider, TBM_GETRANGEMIN, 0, 0) == row.minPosition);
        CHECK(SendMessageW(slider, TBM_GETRANGEMAX, 0, 0) == row.maxPosition);
        CHECK_NOTE(Text(GetDlgItem(general, row.labelId)) == Wide(row.label), row.label);
        HWND display = GetDlgItem(general, row.editId);
        CHECK(display != nullptr && (GetWindowLongW(display, GWL_STYLE) & ES_READONLY) != 0);
        CHECK(IsWindowEnabled(slider) == row.enabled);
    }
    CHECK(Text(GetDlgItem(general, IDC_TEST_TEXT)) == L"To jest test. Koniec.");
    CHECK(!IsWindowEnabled(GetDlgItem(general, IDC_TEST_BUTTON)));  // nothing to speak through

    HWND conversions = open.sheet.Page(SWinParamSheet::kConversionsPage).Window();
    for (const SConversionSwitch& box : ConversionPageBoxes())
        CHECK_NOTE(Text(GetDlgItem(conversions, box.id)) == Wide(box.text), box.text);
    HWND info = open.sheet.Page(SWinParamSheet::kInfoPage).Window();
    CHECK(Text(GetDlgItem(info, IDC_INFO_LABEL)).rfind(L"Vokrant ", 0) == 0);
}

void PitchAndSpeedMoveTogether() {
    SAttribute settings;
    SOpenSheet open(settings, nullptr, nullptr);
    HWND page = open.sheet.General().Window();
    const struct {
        int slider, position, pitch, speed;
    } cases[] = {{300, 301, 301, 150}, {301, 41, 82, 41}, {300, 80, 80, 40}, {301, 200, 400, 200}};
    for (const auto& c : cases) {
        Slide(page, c.slider, c.position);
        CHECK_NOTE(Position(page, 300) == c.pitch && Position(page, 301) == c.speed,
                   std::to_string(c.position));
        CHECK(Text(GetDlgItem(page, 303)) == std::to_wstring(c.pitch));
        CHECK(Text(GetDlgItem(page, 304)) == std::to_wstring(c.speed));
    }
    // A movement still under way is not taken.
    SendMessageW(GetDlgItem(page, 302), TBM_SETPOS, TRUE, 40);
    SendMessageW(page, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 40),
                 reinterpret_cast<LPARAM>(GetDlgItem(page, 302)));
    CHECK(open.sheet.General().Values()[V::Volume] == 100);
    CHECK(Text(GetDlgItem(page, 305)) == L"100");
}

void PauseSlidersStepInTensOfMilliseconds() {
    SAttribute settings;
    SOpenSheet open(settings, nullptr, nullptr);
    HWND page = open.sheet.General().Window();
    const struct {
        int slider, edit, position, shown;
    } cases[] = {{310, 311, 25, 250}, {308, 309, 0, 0}, {312, 313, 100, 1000}, {314, 315, 7, 70}};
    for (const auto& c : cases) {
        Slide(page, c.slider, c.position);
        CHECK_NOTE(Text(GetDlgItem(page, c.edit)) == std::to_wstring(c.shown),
                   std::to_string(c.slider));
    }
    CHECK(open.sheet.General().Values()[V::PauseInterWord] == 250);
    // "&Domyślne" puts back the defaults, shown in milliseconds.
    SetDlgItemTextW(page, IDC_TEST_TEXT, L"inny");
    Click(page, IDC_DEFAULTS_BUTTON);
    CHECK(Position(page, 310) == 7 && Text(GetDlgItem(page, 311)) == L"70");
    CHECK(Text(GetDlgItem(page, IDC_TEST_TEXT)) == L"To jest test. Koniec.");
}

void OkRebuildsOnlyTheChangedPausePatterns() {
    SAttribute settings;
    SOpenSheet open(settings, nullptr, nullptr);
    std::vector<int> rebuilt;
    open.sheet.General().SetPauseRefresher([&](int id) { rebuilt.push_back(id); });
    HWND page = open.sheet.General().Window();
    Slide(page, 312, 80);  // between phrases: 800 ms
    Slide(page, 308, 3);   // between characters: 30 ms, unchanged
    Slide(page, 314, 10);  // punctuation: 100 ms
    Slide(page, 302, 100);
    open.Press(PSBTN_OK);
    CHECK(open.sheet.Accepted());
    CHECK((rebuilt == std::vector<int>{kAlfPausePunctuation, kAlfPauseInterSentence}));
    CHECK(settings.pauseInterSentence == 800 && settings.pausePunctuation == 100 &&
          settings.pauseDoubleLetter == 30);
    CHECK(settings.volume == 65535u);  // full volume after OK
}

void TestButtonStoresATrialThatCancelUndoes() {
    SAttribute settings;
    SRecordingSpeaker speaker;
    SOpenSheet open(settings, nullptr, &speaker);
    HWND page = open.sheet.General().Window();
    CHECK(IsWindowEnabled(GetDlgItem(page, IDC_TEST_BUTTON)));
    Slide(page, 301, 120);
    SetDlgItemTextW(page, IDC_TEST_TEXT, L"Zażółć gęślą jaźń");
    Click(page, IDC_TEST_BUTTON);
    CHECK(speaker.spoken.size() == 1 &&
          speaker.spoken[0] == "Za\xBF\xF3\xB3\xE6 g\xEA\x9Cl\xB9 ja\x9F\xF1");
    CHECK(settings.speed == 120 && settings.pitch == 240);
    CHECK(settings.volume == 65500u);  // full volume for a trial
    open.Press(PSBTN_CANCEL);
    CHECK(!open.sheet.Accepted());
    CHECK(settings.speed == 80 && settings.pitch == 160);
}

void DictionaryPageReadsEditsAndWritesInKeyOrder() {
    const std::string file = g_scratch + "\\client.exp";
    Spit(file, "zeta z\n abc skipped\n\nalfa  a b\n");
    SAttribute settings;
    settings.extDict = file;
    settings.useExtDict = false;
    SOpenSheet open(settings, nullptr, nullptr);
    HWND page = open.ShowPage(SWinParamSheet::kDictionaryPage);
    HWND keys = GetDlgItem(page, IDC_DICT_KEYS);
    CHECK(SendMessageW(keys, CB_GETCOUNT, 0, 0) == 2);
    CHECK(IsWindowEnabled(GetDlgItem(page, IDC_DICT_USE)));
    CHECK(Text(GetDlgItem(page, IDC_DICT_REPLACEMENT)) == L"a b");  // first key shown
    SetWindowTextW(keys, L"gęś");
    SetDlgItemTextW(page, IDC_DICT_REPLACEMENT, L"gęsi");
    Click(page, IDC_DICT_ADD);
    CHECK(SendMessageW(keys, CB_GETCOUNT, 0, 0) == 3);
    const LRESULT zeta = SendMessageW(keys, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                      reinterpret_cast<LPARAM>(L"zeta"));
    SendMessageW(keys, CB_SETCURSEL, static_cast<WPARAM>(zeta), 0);
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_DICT_KEYS, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(keys));
    CHECK(Text(GetDlgItem(page, IDC_DICT_REPLACEMENT)) == L"z");
    Click(page, IDC_DICT_REMOVE);
    CHECK(SendMessageW(keys, CB_GETCOUNT, 0, 0) == 2);
    Click(page, IDC_DICT_USE);
    open.Press(PSBTN_OK);
    CHECK(Slurp(file) == "alfa\t\ta b\ng\xEA\x9C\t\tg\xEAsi\n");
    CHECK(settings.extDict == file && settings.useExtDict);
}

void UnreadableDictionaryIsNeverWritten() {
    const std::string file = g_scratch + "\\folder.exp";
    CreateDirectoryA(file.c_str(), nullptr);
    Spit(file + "\\keep", "mine");
    SAttribute settings;
    settings.extDict = file;
    SOpenSheet open(settings, nullptr, nullptr);
    HWND page = open.ShowPage(SWinParamSheet::kDictionaryPage);
    CHECK(!IsWindowEnabled(GetDlgItem(page, IDC_DICT_ADD)));
    SetWindowTextW(GetDlgItem(page, IDC_DICT_KEYS), L"abc");
    SetDlgItemTextW(page, IDC_DICT_REPLACEMENT, L"def");
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_DICT_ADD, BN_CLICKED), 0);  // even when forced
    open.Press(PSBTN_OK);
    CHECK((GetFileAttributesA(file.c_str()) & FILE_ATTRIBUTE_DIRECTORY) != 0);
    CHECK(Slurp(file + "\\keep") == "mine");
}

void BrowseChecksTheChosenFile() {
    const std::string first = g_scratch + "\\first.exp", second = g_scratch + "\\second.exp";
    Spit(first, "abc a\n");
    Spit(second, "xyz x\n");
    SAttribute settings;
    settings.extDict = first;
    SOpenSheet open(settings, nullptr, nullptr);
    HWND page = open.ShowPage(SWinParamSheet::kDictionaryPage);
    SWinDictPage& dict = open.sheet.Dictionary();
    std::wstring askedDirectory, askedFilter;
    bool accept = true;
    dict.SetFileChooser([&](HWND, const std::wstring& directory, const std::wstring& filter) {
        askedDirectory = directory;
        askedFilter = filter;
        return WideFromAnsiPath(second);
    });
    dict.SetDictionaryCheck([&](const std::string&) { return accept; });
    Click(page, IDC_DICT_BROWSE);
    CHECK(askedDirectory == WideFromAnsiPath(g_scratch + "\\"));
    static constexpr wchar_t kFilter[] = L"Słownik (*.exp)\0*.exp\0Wszystkie pliki (*.*)\0*.*\0";
    CHECK(askedFilter == std::wstring(kFilter, std::size(kFilter)));
    CHECK(Text(GetDlgItem(page, IDC_DICT_PATH)) == WideFromAnsiPath(second));
    CHECK(SendMessageW(GetDlgItem(page, IDC_DICT_KEYS), CB_GETCOUNT, 0, 0) == 1);
    accept = false;  // the loader rejects it: the path empties, the box is disabled
    Click(page, IDC_DICT_BROWSE);
    CHECK(Text(GetDlgItem(page, IDC_DICT_PATH)).empty());
    CHECK(!IsWindowEnabled(GetDlgItem(page, IDC_DICT_USE)));
    open.Press(PSBTN_OK);
    CHECK(Slurp(first) == "abc a\n" && Slurp(second) == "xyz x\n");
}

void ConversionsStoreTheirSwitchesOnOk() {
    SAttribute settings;
    settings.convertNumber = false;
    SOpenSheet open(settings, nullptr, nullptr);
    HWND page = open.ShowPage(SWinParamSheet::kConversionsPage);
    CHECK(IsDlgButtonChecked(page, 220) == BST_UNCHECKED);
    CHECK(IsDlgButtonChecked(page, 237) ==
          BST_UNCHECKED);  // fluent speech on: the box shows its inverse
    Click(page, IDC_DEFAULTS_BUTTON);
    CHECK(IsDlgButtonChecked(page, 220) == BST_CHECKED);
    Click(page, 237);
    Click(page, 228);
    open.Press(PSBTN_OK);
    CHECK(settings.convertNumber && !settings.fluentSpeech && settings.readSeparators);
}

DWORD RegistryDword(const char* name) {
    DWORD value = 0, size = sizeof value;
    const std::string key = std::string(kSettingsKeyPath) + "\\Sound";
    if (RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_REG_DWORD, nullptr, &value,
                     &size) != ERROR_SUCCESS)
        return 0xFFFFFFFF;
    return value;
}

void SaveWritesTheRegistryOnlyOnYes() {
    RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKeyPath);
    SAttributeSAPI settings;  // writes the defaults
    CHECK(RegistryDword("Speed") == 80);
    SOpenSheet open(settings, nullptr, nullptr);
    HWND general = open.sheet.General().Window();
    Slide(general, 301, 120);
    HWND conversions = open.ShowPage(SWinParamSheet::kConversionsPage);
    Click(conversions, 237);
    HWND save = GetDlgItem(open.window, IDC_SAVE_COMMAND);
    SendMessageW(save, BM_CLICK, 0, 0);  // answered No
    Pump();
    CHECK(open.asked.size() == 1 &&
          open.asked[0] ==
              Wide("Czy chcesz zapisać aktualne ustawienia na stałe do rejestru systemowego?"));
    CHECK(RegistryDword("Speed") == 80 && settings.speed == 80);
    open.answer = IDYES;
    SendMessageW(save, BM_CLICK, 0, 0);
    Pump();
    CHECK(settings.speed == 120 && !settings.fluentSpeech);
    CHECK(RegistryDword("Speed") == 120 && RegistryDword("Pitch") == 240 &&
          RegistryDword("Volume") == 65535);
    SAttributeSAPI reread;
    CHECK(reread.speed == 120 && !reread.fluentSpeech);
    // OK afterwards stores the same volume again.
    open.Press(PSBTN_OK);
    CHECK(settings.volume == 65535u);
    // The saved working directory is this program's: other tests must not inherit it.
    RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKeyPath);
}

// "&Testuj" without a mode object: the engine renders and the wave-out device
// plays; without a device the page says so instead.
void WaveOutTestPlaysOrSaysWhyNot() {
    SAttribute settings;
    settings.workDir = g_voiceDir;
    STtsEngine engine(nullptr, &settings);
    CHECK(engine.Load(0) == 0);
    SWaveOutTestSpeaker speaker(engine);
    SOpenSheet open(settings, &engine, &speaker, IDOK);
    Click(open.sheet.General().Window(), IDC_TEST_BUTTON);
    if (waveOutGetNumDevs() == 0) {
        CHECK(open.asked.size() == 1);
        CHECK(!open.asked.empty() &&
              open.asked[0].find(L"brak urządzenia dźwiękowego") != std::wstring::npos);
        std::fprintf(stderr, "no wave-out device: the page said so\n");
    } else {
        CHECK(open.asked.empty() || open.asked[0].find(L"urządzeni") != std::wstring::npos);
        std::fprintf(stderr, "wave-out devices: %u, messages: %zu\n", waveOutGetNumDevs(),
                     open.asked.size());
    }
}

// The window's pixels as a 24-bit BMP file.
bool SaveWindowBitmap(HWND window, const std::string& path) {
    RECT area{};
    GetWindowRect(window, &area);
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (!CHECK_NOTE(width > 0 && height > 0, std::to_string(width) + "x" + std::to_string(height)))
        return false;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    const DWORD stride = ((width * 3 + 3) / 4) * 4, size = stride * height;
    BITMAPFILEHEADER file{
        0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + size), 0,
        0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    out.write(static_cast<const char*>(bits), size);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return out.good();
}

void TakeScreenshots(const std::string& directory) {
    SAttribute settings;
    settings.extDict = g_scratch + "\\client.exp";
    Spit(settings.extDict, Slurp(g_voiceDir + "client.exp"));
    settings.useExtDict = true;
    SRecordingSpeaker speaker;
    SOpenSheet open(settings, nullptr, &speaker);
    if (!CHECK(open.window != nullptr)) return;
    SetWindowPos(open.window, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    const char* names[] = {"0-general", "1-dictionary", "2-conversions", "3-info"};
    for (int i = 0; i < 4; ++i) {
        open.ShowPage(i);
        RedrawWindow(open.window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        for (int round = 0; round < 5; ++round) {
            Pump();
            Sleep(40);
        }
        CHECK(SaveWindowBitmap(open.window, directory + "\\windows-" + names[i] + ".bmp"));
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: wine_sheet VOICE_DIR SCRATCH_DIR [SCREENSHOT_DIR]\n");
        return 2;
    }
    g_voiceDir = argv[1];
    g_scratch = argv[2];
    if (argc > 3) {
        TakeScreenshots(argv[3]);
        return wine_check::Summary("wine_sheet screenshots");
    }
    TemplatesCarryTheSharedIdsLabelsAndRanges();
    PitchAndSpeedMoveTogether();
    PauseSlidersStepInTensOfMilliseconds();
    OkRebuildsOnlyTheChangedPausePatterns();
    TestButtonStoresATrialThatCancelUndoes();
    DictionaryPageReadsEditsAndWritesInKeyOrder();
    UnreadableDictionaryIsNeverWritten();
    BrowseChecksTheChosenFile();
    ConversionsStoreTheirSwitchesOnOk();
    SaveWritesTheRegistryOnlyOnYes();
    WaveOutTestPlaysOrSaysWhyNot();
    return wine_check::Summary("wine_sheet");
}
