#include "dialogs/windows/win_info_page.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "dialogs/dialog_strings.h"
#include "dialogs/windows/sheet_ids.h"

namespace {

COLORREF Blend(COLORREF from, COLORREF to, int step, int steps) {
    auto mix = [&](int a, int b) { return a + (b - a) * step / std::max(1, steps); };
    return RGB(mix(GetRValue(from), GetRValue(to)), mix(GetGValue(from), GetGValue(to)),
               mix(GetBValue(from), GetBValue(to)));
}

// The picture: a night-blue sky, the name, and a stretch of a voiced waveform.
void DrawPicture(HDC dc, const RECT& area) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    for (int y = 0; y < height; ++y) {
        HBRUSH line = CreateSolidBrush(Blend(RGB(24, 52, 96), RGB(60, 120, 170), y, height));
        RECT row{area.left, area.top + y, area.right, area.top + y + 1};
        FillRect(dc, &row, line);
        DeleteObject(line);
    }
    std::vector<POINT> wave;
    const double mid = area.top + height * 0.72;
    for (int x = 0; x <= width; ++x) {
        const double t = x / 18.0;
        const double envelope = 0.5 + 0.5 * std::sin(x * 3.14159 / width);
        const double y =
            mid - envelope * height * 0.14 * (std::sin(t) + 0.45 * std::sin(2.7 * t + 0.6));
        wave.push_back({area.left + x, static_cast<LONG>(y)});
    }
    HPEN pen = CreatePen(PS_SOLID, 2, RGB(250, 210, 90));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    Polyline(dc, wave.data(), static_cast<int>(wave.size()));
    SelectObject(dc, oldPen);
    DeleteObject(pen);

    HFONT font = CreateFontW(-height / 4, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                             VARIABLE_PITCH | FF_SWISS, L"Arial");
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    RECT title{area.left, area.top + 4, area.right, area.top + height / 2};
    DrawTextW(dc, L"Vokrant", -1, &title, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, oldFont);
    DeleteObject(font);
}

}  // namespace

SWinInfoPage::SWinInfoPage(SWinParamSheet& sheet) : SWinPage(sheet, IDD_PARAM_INFO) {}

void SWinInfoPage::OnInitDialog() {
    SetItemText(IDC_INFO_LABEL, WideFromUtf8(BuildLabel()));
}

bool SWinInfoPage::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlID != IDC_INFO_PICTURE) return false;
    DrawPicture(item.hDC, item.rcItem);
    return true;
}
