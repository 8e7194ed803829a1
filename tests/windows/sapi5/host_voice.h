// How the test host reaches the voice, as SAPI does: the voice token found
// in the voice category (and read from the registry where Wine's token
// object has no answer), the engine created from the token's class, given
// its token, asked for its format, and made to speak on a thread of the
// multithreaded apartment.
#pragma once

#include <string>

#include "host_sapi_ddk.h"
#include "host_site.h"
#include "sapi_xml.h"

struct HostVoiceToken {
    bool inCategory = false;  // the category's enumeration listed it
    std::wstring id;          // full token id
    CLSID clsid{};
    std::wstring displayName, language, vendor, gender, age, name, version;
};

// Looks the voice token named `tokenName` up; false when it is not registered.
bool FindVoiceToken(const wchar_t* tokenName, HostVoiceToken& token);

// A created engine (null when creation failed), its token already set.
class HostEngine {
public:
    explicit HostEngine(const HostVoiceToken& token);
    ~HostEngine();
    HostEngine(const HostEngine&) = delete;
    HostEngine& operator=(const HostEngine&) = delete;

    host::TtsEngine* get() const { return engine_; }
    HRESULT created() const { return created_; }
    HRESULT tokenSet() const { return tokenSet_; }

    // Speak on a new MTA thread, as SAPI's worker; returns Speak's result.
    HRESULT Speak(const SapiFragments& fragments, HostSite& site);
    // The same with any fragment list and site (null allowed).
    HRESULT SpeakRaw(const host::TextFrag* fragments, host::EngineSite* site);

private:
    host::TtsEngine* engine_ = nullptr;
    HRESULT created_ = E_FAIL, tokenSet_ = E_FAIL;
};
