// The mode object's interface objects, each in a Unicode and an ANSI form.
// IUnknown goes to the controlling object; every method runs through
// GuardCall so no exception reaches the host; the ANSI forms convert their
// strings and call the Unicode ones.
#pragma once

#include "sapi/sapi4.h"

class CMode;

// IUnknown delegation shared by every interface object.
#define VOKRANT_DELEGATE_IUNKNOWN                                                \
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override { \
        return outer_->QueryInterface(riid, ppv);                                \
    }                                                                            \
    ULONG STDMETHODCALLTYPE AddRef() override {                                  \
        return outer_->AddRef();                                                 \
    }                                                                            \
    ULONG STDMETHODCALLTYPE Release() override {                                 \
        return outer_->Release();                                                \
    }

class CModeITTSCentralW final : public ITTSCentralW {
public:
    CModeITTSCentralW(CMode* mode, IUnknown* outer) : mode_(mode), outer_(outer) {}
    VOKRANT_DELEGATE_IUNKNOWN
    HRESULT STDMETHODCALLTYPE Inject(const WCHAR* pszTag) override;
    HRESULT STDMETHODCALLTYPE ModeGet(TTSMODEINFOW* pttsInfo) override;
    HRESULT STDMETHODCALLTYPE Phoneme(VOICECHARSET, DWORD, SDATA, SDATA*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE PosnGet(QWORD* pqwTimeStamp) override;
    HRESULT STDMETHODCALLTYPE TextData(VOICECHARSET eCharacterSet, DWORD dwFlags, SDATA dText,
                                       void* pNotifyInterface, IID IIDNotifyInterface) override;
    HRESULT STDMETHODCALLTYPE ToFileTime(QWORD* pqTimeStamp, FILETIME* pFT) override;
    HRESULT STDMETHODCALLTYPE AudioPause() override;
    HRESULT STDMETHODCALLTYPE AudioResume() override;
    HRESULT STDMETHODCALLTYPE AudioReset() override;
    HRESULT STDMETHODCALLTYPE Register(void* pNotifyInterface, IID IIDNotifyInterface,
                                       DWORD* pdwKey) override;
    HRESULT STDMETHODCALLTYPE UnRegister(DWORD dwKey) override;

private:
    CMode* mode_;
    IUnknown* outer_;
};

class CModeITTSCentralA final : public ITTSCentralA {
public:
    CModeITTSCentralA(CMode* mode, IUnknown* outer, CModeITTSCentralW* unicode)
        : mode_(mode), outer_(outer), unicode_(unicode) {}
    VOKRANT_DELEGATE_IUNKNOWN
    HRESULT STDMETHODCALLTYPE Inject(const CHAR* pszTag) override;
    HRESULT STDMETHODCALLTYPE ModeGet(TTSMODEINFOA* pttsInfo) override;
    HRESULT STDMETHODCALLTYPE Phoneme(VOICECHARSET, DWORD, SDATA, SDATA*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE PosnGet(QWORD* p) override { return unicode_->PosnGet(p); }
    HRESULT STDMETHODCALLTYPE TextData(VOICECHARSET eCharacterSet, DWORD dwFlags, SDATA dText,
                                       void* pNotifyInterface, IID IIDNotifyInterface) override;
    HRESULT STDMETHODCALLTYPE ToFileTime(QWORD* p, FILETIME* ft) override {
        return unicode_->ToFileTime(p, ft);
    }
    HRESULT STDMETHODCALLTYPE AudioPause() override { return unicode_->AudioPause(); }
    HRESULT STDMETHODCALLTYPE AudioResume() override { return unicode_->AudioResume(); }
    HRESULT STDMETHODCALLTYPE AudioReset() override { return unicode_->AudioReset(); }
    HRESULT STDMETHODCALLTYPE Register(void* sink, IID iid, DWORD* key) override {
        return unicode_->Register(sink, iid, key);
    }
    HRESULT STDMETHODCALLTYPE UnRegister(DWORD key) override { return unicode_->UnRegister(key); }

private:
    CMode* mode_;
    IUnknown* outer_;
    CModeITTSCentralW* unicode_;
};

class CModeITTSAttributesW final : public ITTSAttributesW {
public:
    CModeITTSAttributesW(CMode* mode, IUnknown* outer) : mode_(mode), outer_(outer) {}
    VOKRANT_DELEGATE_IUNKNOWN
    HRESULT STDMETHODCALLTYPE PitchGet(WORD* p) override;
    HRESULT STDMETHODCALLTYPE PitchSet(WORD p) override;
    HRESULT STDMETHODCALLTYPE RealTimeGet(DWORD* p) override;
    HRESULT STDMETHODCALLTYPE RealTimeSet(DWORD p) override;
    HRESULT STDMETHODCALLTYPE SpeedGet(DWORD* p) override;
    HRESULT STDMETHODCALLTYPE SpeedSet(DWORD p) override;
    HRESULT STDMETHODCALLTYPE VolumeGet(DWORD* p) override;
    HRESULT STDMETHODCALLTYPE VolumeSet(DWORD p) override;

private:
    CMode* mode_;
    IUnknown* outer_;
};

// No strings are involved: every call goes to the Unicode partner.
class CModeITTSAttributesA final : public ITTSAttributesA {
public:
    CModeITTSAttributesA(IUnknown* outer, CModeITTSAttributesW* unicode)
        : outer_(outer), unicode_(unicode) {}
    VOKRANT_DELEGATE_IUNKNOWN
    HRESULT STDMETHODCALLTYPE PitchGet(WORD* p) override { return unicode_->PitchGet(p); }
    HRESULT STDMETHODCALLTYPE PitchSet(WORD p) override { return unicode_->PitchSet(p); }
    HRESULT STDMETHODCALLTYPE RealTimeGet(DWORD* p) override { return unicode_->RealTimeGet(p); }
    HRESULT STDMETHODCALLTYPE RealTimeSet(DWORD p) override { return unicode_->RealTimeSet(p); }
    HRESULT STDMETHODCALLTYPE SpeedGet(DWORD* p) override { return unicode_->SpeedGet(p); }
    HRESULT STDMETHODCALLTYPE SpeedSet(DWORD p) override { return unicode_->SpeedSet(p); }
    HRESULT STDMETHODCALLTYPE VolumeGet(DWORD* p) override { return unicode_->VolumeGet(p); }
    HRESULT STDMETHODCALLTYPE VolumeSet(DWORD p) override { return unicode_->VolumeSet(p); }

private:
    IUnknown* outer_;
    CModeITTSAttributesW* unicode_;
};

class CModeITTSDialogsW final : public ITTSDialogsW {
public:
    CModeITTSDialogsW(CMode* mode, IUnknown* outer) : mode_(mode), outer_(outer) {}
    VOKRANT_DELEGATE_IUNKNOWN
    HRESULT STDMETHODCALLTYPE AboutDlg(HWND w, const WCHAR* t) override { return Show(w, t, 3); }
    HRESULT STDMETHODCALLTYPE LexiconDlg(HWND w, const WCHAR* t) override { return Show(w, t, 1); }
    HRESULT STDMETHODCALLTYPE GeneralDlg(HWND w, const WCHAR* t) override { return Show(w, t, 0); }
    HRESULT STDMETHODCALLTYPE TranslateDlg(HWND w, const WCHAR* t) override {
        return Show(w, t, 2);
    }

private:
    HRESULT Show(HWND parent, const WCHAR* title, int startPage);
    CMode* mode_;
    IUnknown* outer_;
};

class CModeITTSDialogsA final : public ITTSDialogsA {
public:
    CModeITTSDialogsA(IUnknown* outer, CModeITTSDialogsW* unicode)
        : outer_(outer), unicode_(unicode) {}
    VOKRANT_DELEGATE_IUNKNOWN
    HRESULT STDMETHODCALLTYPE AboutDlg(HWND w, const CHAR* t) override;
    HRESULT STDMETHODCALLTYPE LexiconDlg(HWND w, const CHAR* t) override;
    HRESULT STDMETHODCALLTYPE GeneralDlg(HWND w, const CHAR* t) override;
    HRESULT STDMETHODCALLTYPE TranslateDlg(HWND w, const CHAR* t) override;

private:
    IUnknown* outer_;
    CModeITTSDialogsW* unicode_;
};

// The engine offers no lexicon through the Speech API: the user dictionary
// is edited in the settings sheet instead.
template <typename Ch>
class CModeILexPronounce2T : public ILexPronounce2T<Ch> {
public:
    explicit CModeILexPronounce2T(IUnknown* outer) : outer_(outer) {}
    VOKRANT_DELEGATE_IUNKNOWN
    HRESULT STDMETHODCALLTYPE Add(VOICECHARSET, const Ch*, const Ch*, VOICEPARTOFSPEECH, void*,
                                  DWORD) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Get(VOICECHARSET, const Ch*, WORD, Ch*, DWORD, DWORD*,
                                  VOICEPARTOFSPEECH*, void*, DWORD, DWORD*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Remove(const Ch*, WORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE AddTo(DWORD, VOICECHARSET, const Ch*, const Ch*, VOICEPARTOFSPEECH,
                                    void*, DWORD) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetFrom(DWORD, VOICECHARSET, const Ch*, WORD, Ch*, DWORD, DWORD*,
                                      VOICEPARTOFSPEECH*, void*, DWORD, DWORD*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE RemoveFrom(DWORD, const Ch*, WORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryLexicons(BOOL, DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ChangeSpelling(DWORD, const Ch*, const Ch*) override {
        return E_NOTIMPL;
    }

private:
    IUnknown* outer_;
};
class CModeILexPronounce2W final : public CModeILexPronounce2T<WCHAR> {
public:
    using CModeILexPronounce2T::CModeILexPronounce2T;
};
class CModeILexPronounce2A final : public CModeILexPronounce2T<CHAR> {
public:
    using CModeILexPronounce2T::CModeILexPronounce2T;
};

// Generic attribute access is not offered: every call is refused.
template <typename Ch>
class CModeIAttributesT : public IAttributesT<Ch> {
public:
    explicit CModeIAttributesT(IUnknown* outer) : outer_(outer) {}
    VOKRANT_DELEGATE_IUNKNOWN
    HRESULT STDMETHODCALLTYPE DWORDGet(DWORD, DWORD*) override { return E_INVALIDARG; }
    HRESULT STDMETHODCALLTYPE DWORDSet(DWORD, DWORD) override { return E_INVALIDARG; }
    HRESULT STDMETHODCALLTYPE StringGet(DWORD, Ch*, DWORD, DWORD*) override { return E_INVALIDARG; }
    HRESULT STDMETHODCALLTYPE StringSet(DWORD, const Ch*) override { return E_INVALIDARG; }
    HRESULT STDMETHODCALLTYPE MemoryGet(DWORD, void**, DWORD*) override { return E_INVALIDARG; }
    HRESULT STDMETHODCALLTYPE MemorySet(DWORD, void*, DWORD) override { return E_INVALIDARG; }

private:
    IUnknown* outer_;
};
class CModeIAttributesW final : public CModeIAttributesT<WCHAR> {
public:
    using CModeIAttributesT::CModeIAttributesT;
};
class CModeIAttributesA final : public CModeIAttributesT<CHAR> {
public:
    using CModeIAttributesT::CModeIAttributesT;
};

#undef VOKRANT_DELEGATE_IUNKNOWN
