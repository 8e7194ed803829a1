// Tags injected through ITTSCentral::Inject: the attribute tags take effect
// at once (through the attribute setters, so sinks hear of them); tags that
// only make sense inside a text are refused.
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/attribute.h"
#include "sapi/mode_object.h"

namespace {

bool NameIs(const std::string& tag, const char* name) {
    std::size_t n = std::strlen(name);
    if (tag.size() < n) return false;
    for (std::size_t i = 0; i < n; ++i)
        if (std::tolower(static_cast<unsigned char>(tag[i])) !=
            std::tolower(static_cast<unsigned char>(name[i])))
            return false;
    return true;
}

// The value of a numeric tag: at most `maxDigits` characters and not zero.
bool ParseValue(const std::string& text, std::size_t maxDigits, long* value) {
    if (text.empty() || text.size() > maxDigits) return false;
    *value = std::strtol(text.c_str(), nullptr, 10);
    return *value != 0;
}

}  // namespace

HRESULT CMode::ApplyTag(const std::string& tag, bool* applied) {
    *applied = false;
    for (const char* refused : {"Alf=", "Drv=", "Pnm=", "Wav=", "Mrk=", "Pau="})
        if (NameIs(tag, refused)) return E_INVALIDARG;
    std::string value = tag.size() >= 4 ? tag.substr(4) : std::string();
    long n = 0;
    if (NameIs(tag, "Pit=")) {
        if (!ParseValue(value, 3, &n)) return S_OK;
        *applied = SUCCEEDED(PitchSet(static_cast<WORD>(std::clamp<long>(n, 80, 400))));
    } else if (NameIs(tag, "Spd=")) {
        if (!ParseValue(value, 3, &n)) return S_OK;
        *applied = SUCCEEDED(SpeedSet(static_cast<DWORD>(std::clamp<long>(n, 40, 200))));
    } else if (NameIs(tag, "Vol=")) {
        if (!ParseValue(value, 5, &n)) return S_OK;
        *applied = SUCCEEDED(VolumeSet(static_cast<DWORD>(n)));
    } else if (NameIs(tag, "Pro=")) {
        if (value.size() != 1) return S_OK;
        settings->intonation = value[0] != '0';
        *applied = true;
    } else if (NameIs(tag, "Rst")) {
        if (tag.size() != 3) return TTSERR_INVALIDCHAR;
        settings->Reset(0);
        settings->Reset(1);
        *applied = true;
    }
    return S_OK;
}

HRESULT CMode::Inject(const std::string& text) {
    std::size_t open = text.find('\\');
    while (open != std::string::npos) {
        std::size_t close = text.find('\\', open + 1);
        if (close == std::string::npos || close == open + 1) return S_OK;
        bool applied = false;
        HRESULT hr = ApplyTag(text.substr(open + 1, close - open - 1), &applied);
        if (FAILED(hr) || !applied) return hr;
        open = text.find('\\', close + 1);
    }
    return S_OK;
}
