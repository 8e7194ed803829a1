#include "host_voice.h"

#include <thread>

namespace {

const wchar_t kTokensKey[] = L"SOFTWARE\\Microsoft\\Speech\\Voices\\Tokens\\";

std::wstring ReadString(HKEY key, const wchar_t* name) {
    wchar_t buffer[512];
    DWORD size = sizeof buffer, type = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ)
        return {};
    return std::wstring(buffer, size / sizeof(wchar_t)).c_str();
}

bool InCategory(const wchar_t* tokenName) {
    ISpObjectTokenCategory* category = nullptr;
    if (FAILED(CoCreateInstance(CLSID_SpObjectTokenCategory, nullptr, CLSCTX_ALL,
                                IID_ISpObjectTokenCategory, reinterpret_cast<void**>(&category))))
        return false;
    bool found = false;
    IEnumSpObjectTokens* tokens = nullptr;
    if (SUCCEEDED(category->SetId(SPCAT_VOICES, FALSE)) &&
        SUCCEEDED(category->EnumTokens(nullptr, nullptr, &tokens))) {
        ISpObjectToken* token = nullptr;
        while (!found && tokens->Next(1, &token, nullptr) == S_OK) {
            wchar_t* id = nullptr;
            // Some SAPI versions give the key name only, others the full id.
            if (SUCCEEDED(token->GetId(&id)) && id != nullptr) {
                const std::wstring text = id;
                found = text == tokenName || text.ends_with(std::wstring(L"\\") + tokenName);
                CoTaskMemFree(id);
            }
            token->Release();
        }
        tokens->Release();
    }
    category->Release();
    return found;
}

ISpObjectToken* TokenObject(const std::wstring& id) {
    ISpObjectToken* token = nullptr;
    if (FAILED(CoCreateInstance(CLSID_SpObjectToken, nullptr, CLSCTX_ALL, IID_ISpObjectToken,
                                reinterpret_cast<void**>(&token))))
        return nullptr;
    if (FAILED(token->SetId(nullptr, id.c_str(), FALSE))) {
        token->Release();
        return nullptr;
    }
    return token;
}

}  // namespace

bool FindVoiceToken(const wchar_t* tokenName, HostVoiceToken& token) {
    token.inCategory = InCategory(tokenName);
    const std::wstring path = std::wstring(kTokensKey) + tokenName;
    token.id = L"HKEY_LOCAL_MACHINE\\" + path;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    token.displayName = ReadString(key, nullptr);
    const std::wstring clsid = ReadString(key, L"CLSID");
    RegCloseKey(key);
    if (FAILED(CLSIDFromString(clsid.c_str(), &token.clsid))) return false;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, (path + L"\\Attributes").c_str(), 0, KEY_READ, &key) ==
        ERROR_SUCCESS) {
        token.language = ReadString(key, L"Language");
        token.vendor = ReadString(key, L"Vendor");
        token.gender = ReadString(key, L"Gender");
        token.age = ReadString(key, L"Age");
        token.name = ReadString(key, L"Name");
        token.version = ReadString(key, L"Version");
        RegCloseKey(key);
    }
    return true;
}

HostEngine::HostEngine(const HostVoiceToken& token) {
    created_ = CoCreateInstance(token.clsid, nullptr, CLSCTX_INPROC_SERVER, host::kIidTtsEngine,
                                reinterpret_cast<void**>(&engine_));
    if (FAILED(created_)) {
        engine_ = nullptr;
        return;
    }
    ISpObjectWithToken* withToken = nullptr;
    if (FAILED(engine_->QueryInterface(host::kIidObjectWithToken,
                                       reinterpret_cast<void**>(&withToken))))
        return;
    if (ISpObjectToken* object = TokenObject(token.id)) {
        tokenSet_ = withToken->SetObjectToken(object);
        object->Release();
    }
    withToken->Release();
}

HostEngine::~HostEngine() {
    if (engine_ != nullptr) engine_->Release();
}

HRESULT HostEngine::SpeakRaw(const host::TextFrag* fragments, host::EngineSite* site) {
    HRESULT result = E_FAIL;
    std::thread worker([&] {
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        WAVEFORMATEX* format = nullptr;
        GUID formatId{};
        if (SUCCEEDED(
                engine_->GetOutputFormat(&host::kFormatWaveEx, nullptr, &formatId, &format))) {
            result = engine_->Speak(0, formatId, format, fragments, site);
            CoTaskMemFree(format);
        }
        CoUninitialize();
    });
    worker.join();
    return result;
}

HRESULT HostEngine::Speak(const SapiFragments& fragments, HostSite& site) {
    return SpeakRaw(fragments.List(), &site);
}
