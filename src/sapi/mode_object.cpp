#include "sapi/mode_object.h"

#include <new>
#include <vector>

#include "core/attribute.h"
#include "core/bookmark.h"
#include "engine/tts_engine.h"
#include "platform/codepage.h"
#include "platform/log.h"
#include "sapi/com_boundary.h"
#include "sapi/mode_interfaces.h"
#include "sapi/mode_notify.h"
#include "sapi/module_state.h"
#include "sapi/visual_table.h"

namespace {

// Below this much free room a speak step is not worth starting.
constexpr DWORD kMinFreeToSpeak = 256;

}  // namespace

// ---- The engine's destination --------------------------------------------

uint32_t CModeAudioDest::FreeSpace() {
    DWORD free = 0;
    BOOL eof = FALSE;
    if (FAILED(dest_->FreeSpace(&free, &eof)) || eof) return 0;
    return free;
}

bool CModeAudioDest::DataSet(const void* data, uint32_t bytes) {
    if (bytes > 0 && !mode_->ClaimForSound()) return false;
    return SUCCEEDED(dest_->DataSet(const_cast<void*>(data), bytes));
}

bool CModeAudioDest::BookMark(uint32_t mark) {
    mode_->PlaceMark(mark);
    return true;
}

// ---- Creation ---------------------------------------------------------------

HRESULT CreateModeObject(ModeFinalRelease onFinalRelease, IUnknown* audioObject,
                         const TTSMODEINFOW& info, ITTSCentralW** central) {
    *central = nullptr;
    auto* mode = new (std::nothrow) CMode(nullptr, onFinalRelease, audioObject);
    if (mode == nullptr) return E_OUTOFMEMORY;
    ModuleObjectCreated();
    mode->AddRef();
    HRESULT hr = mode->Initialise(0, info);
    if (SUCCEEDED(hr))
        hr = mode->QueryInterface(IID_ITTSCentralW, reinterpret_cast<void**>(central));
    mode->Release();  // on failure this destroys it
    return hr;
}

CMode::CMode(CMode* outerObject, ModeFinalRelease finalRelease, IUnknown* audioObj)
    : outer(outerObject != nullptr ? outerObject : this),
      onFinalRelease(finalRelease),
      audioObject(audioObj) {
    audioObject->AddRef();
}

HRESULT CMode::Initialise(int modeIndex, const TTSMODEINFOW& info) {
    const bool even = modeIndex % 2 == 0;
    bool voiceMissing = false;
    WAVEFORMATEX format{
        WAVE_FORMAT_PCM, 1, even ? 22050u : 16000u, even ? 44100u : 32000u, 2, 16, 0};
    void* p = nullptr;
    if (SUCCEEDED(audioObject->QueryInterface(IID_IAudio, &p))) audio = static_cast<IAudio*>(p);
    if (SUCCEEDED(audioObject->QueryInterface(IID_IAudioDest, &p)))
        audioDest = static_cast<IAudioDest*>(p);
    if (audio != nullptr && audioDest != nullptr &&
        FAILED(audio->WaveFormatSet(SDATA{&format, sizeof format})))
        return TTSERR_WAVEFORMATNOTSUPPORTED;
    modeInfo = info;

    attributesW = std::make_unique<CModeITTSAttributesW>(this, outer);
    attributesA = std::make_unique<CModeITTSAttributesA>(outer, attributesW.get());
    centralW = std::make_unique<CModeITTSCentralW>(this, outer);
    centralA = std::make_unique<CModeITTSCentralA>(this, outer, centralW.get());
    dialogsW = std::make_unique<CModeITTSDialogsW>(this, outer);
    dialogsA = std::make_unique<CModeITTSDialogsA>(outer, dialogsW.get());
    lexiconW = std::make_unique<CModeILexPronounce2W>(outer);
    lexiconA = std::make_unique<CModeILexPronounce2A>(outer);
    genericW = std::make_unique<CModeIAttributesW>(outer);
    genericA = std::make_unique<CModeIAttributesA>(outer);
    destSink = std::make_unique<CModeNotify>(this);
    fileSink = std::make_unique<CModeFileNotify>();

    if (audioDest != nullptr)
        audio->PassNotify(static_cast<IAudioDestNotifySink*>(destSink.get()),
                          IID_IAudioDestNotifySink);
    if (SUCCEEDED(audioObject->QueryInterface(IID_IAudioFile, &p))) {
        static_cast<IUnknown*>(p)->Release();
        isFileAudio = true;
    }
    if (audio == nullptr || audioDest == nullptr) return TTSERR_INVALIDINTERFACE;

    engineDest_ = std::make_unique<CModeAudioDest>(this, audioDest);
    try {
        settings = std::make_unique<SAttributeSAPI>(attributesA.get());
        engine = std::make_unique<SVokrant>(this, engineDest_.get(), settings.get());
        engine->SetCentralA(static_cast<ITTSCentralA*>(centralA.get()));
        // A mode without its voice would accept texts and speak nothing:
        // the selection fails instead (the engine logs why).
        if (engine->Load(modeIndex) != 0) voiceMissing = true;
    } catch (const SException& e) {
        LogException(e.GetMessage());
        engine.reset();
        settings.reset();
    } catch (const std::exception& e) {
        LogException(e.what());
        engine.reset();
        settings.reset();
    }
    if (settings == nullptr || engine == nullptr) return E_OUTOFMEMORY;
    return voiceMissing ? E_FAIL : S_OK;
}

CMode::~CMode() {
    while (notifySinks.GetCount() > 0) {
        static_cast<NotifyRecord*>(notifySinks.GetAt(0))->sink->Release();
        notifySinks.RemoveAt(0);
    }
    while (sinkQueue.GetCount() > 0) {
        auto* record = static_cast<SinkRecord*>(sinkQueue.GetAt(0));
        if (record->sink != nullptr) record->sink->Release();
        sinkQueue.RemoveAt(0);
    }
    if (audio != nullptr && audioDest != nullptr)
        audio->PassNotify(nullptr, IID_IAudioDestNotifySink);
    engine.reset();  // before the destination adapter it writes to
    if (audioDest != nullptr) audioDest->Release();
    if (audio != nullptr) audio->Release();
    audioObject->Release();
}

HRESULT CMode::QueryInterface(REFIID riid, void** ppv) {
    if (ppv == nullptr) return E_INVALIDARG;
    *ppv = nullptr;
    if (riid == IID_IUnknown)
        *ppv = static_cast<IUnknown*>(this);
    else if (riid == IID_ITTSCentralW)
        *ppv = static_cast<ITTSCentralW*>(centralW.get());
    else if (riid == IID_ITTSCentralA)
        *ppv = static_cast<ITTSCentralA*>(centralA.get());
    else if (riid == IID_ITTSAttributesW)
        *ppv = static_cast<ITTSAttributesW*>(attributesW.get());
    else if (riid == IID_ITTSAttributesA)
        *ppv = static_cast<ITTSAttributesA*>(attributesA.get());
    else if (riid == IID_ITTSDialogsW)
        *ppv = static_cast<ITTSDialogsW*>(dialogsW.get());
    else if (riid == IID_ITTSDialogsA)
        *ppv = static_cast<ITTSDialogsA*>(dialogsA.get());
    else if (riid == IID_ILexPronounceW || riid == IID_ILexPronounce2W)
        *ppv = static_cast<ILexPronounce2W*>(lexiconW.get());
    else if (riid == IID_ILexPronounceA || riid == IID_ILexPronounce2A)
        *ppv = static_cast<ILexPronounce2A*>(lexiconA.get());
    else if (riid == IID_IAttributesW)
        *ppv = static_cast<IAttributesW*>(genericW.get());
    else if (riid == IID_IAttributesA)
        *ppv = static_cast<IAttributesA*>(genericA.get());
    if (*ppv == nullptr) return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG CMode::AddRef() {
    return ++refCount;
}

ULONG CMode::Release() {
    if (refCount == 0) return 0;
    ULONG left = --refCount;
    if (left == 0) {
        if (onFinalRelease != nullptr) onFinalRelease();
        delete this;
    }
    return left;
}

// ---- Helpers ------------------------------------------------------------------

QWORD CMode::TotalNow() {
    QWORD total = 0;
    audio->TotalGet(&total);
    return total;
}

CMode::SinkRecord* CMode::HeadSink() {
    return sinkQueue.GetCount() > 0 ? static_cast<SinkRecord*>(sinkQueue.GetAt(0)) : nullptr;
}

// Broadcasts work on a snapshot with references held, so a sink may
// unregister itself (or another) from inside its callback.
template <typename Call>
static void ForEachSink(SRecordQueue& sinks, Call&& call) {
    std::vector<CMode::NotifyRecord> snapshot;
    for (int i = 0; i < sinks.GetCount(); ++i)
        snapshot.push_back(*static_cast<CMode::NotifyRecord*>(sinks.GetAt(i)));
    for (auto& r : snapshot) r.sink->AddRef();
    for (auto& r : snapshot) call(r);
    for (auto& r : snapshot) r.sink->Release();
}

void CMode::BroadcastAttribChanged(DWORD attribute) {
    ForEachSink(notifySinks, [&](NotifyRecord& r) {
        if (r.iid == IID_ITTSNotifySinkW)
            static_cast<ITTSNotifySinkW*>(r.sink)->AttribChanged(attribute);
        else
            static_cast<ITTSNotifySinkA*>(r.sink)->AttribChanged(attribute);
    });
}

void CMode::BroadcastVisual(WCHAR ipa, DWORD hints, const TTSMOUTH& shape) {
    ForEachSink(notifySinks, [&](NotifyRecord& r) {
        TTSMOUTH mouth = shape;  // each sink gets its own copy to scribble on
        QWORD ts = 0;
        audio->PosnGet(&ts);
        if (r.iid == IID_ITTSNotifySinkW)
            static_cast<ITTSNotifySinkW*>(r.sink)->Visual(ts, ipa, 0, hints, &mouth);
        else
            static_cast<ITTSNotifySinkA*>(r.sink)->Visual(ts, 0, 0, hints, &mouth);
    });
}

void CMode::BroadcastAudio(bool start, QWORD timeStamp) {
    ForEachSink(notifySinks, [&](NotifyRecord& r) {
        if (r.iid == IID_ITTSNotifySinkW) {
            auto* s = static_cast<ITTSNotifySinkW*>(r.sink);
            start ? s->AudioStart(timeStamp) : s->AudioStop(timeStamp);
        } else {
            auto* s = static_cast<ITTSNotifySinkA*>(r.sink);
            start ? s->AudioStart(timeStamp) : s->AudioStop(timeStamp);
        }
    });
}

// ---- Producing ------------------------------------------------------------------

HRESULT CMode::StartHeadText(DWORD free) {
    const auto* units = static_cast<const char16_t*>(textQueue.GetAt(0));
    std::size_t length = 0;
    const std::size_t capacity = textQueue.GetLength(0) / 2;  // records always end in a null
    while (length < capacity && units[length] != 0) ++length;
    const std::u16string_view text(units, length);
    engine->StartRequest(settings->extendedReading ? Utf16ToCp1250BestFit(text)
                                                   : Utf16ToCp1250(text));
    textQueue.MarkStarted(0);
    for (int i = 0; i < sinkQueue.GetCount(); ++i) {
        auto* record = static_cast<SinkRecord*>(sinkQueue.GetAt(i));
        if (record->started) continue;
        record->started = 1;
        if (record->sink != nullptr) record->sink->TextDataStarted(TotalNow());
        break;
    }
    freeAtStart = free;
    endMarkPending_ = false;
    return S_OK;
}

HRESULT CMode::StartDevice() {
    HRESULT hr = audio->Start();
    // A device already running (the last text still plays) is what we want.
    return hr == AUDERR_ALREADYSTARTED ? S_OK : hr;
}

void CMode::ReleaseDevice() {
    if (!claimed) return;
    claimed = false;
    audio->UnClaim();
}

bool CMode::ClaimForSound() {
    if (claimed) return true;
    // Once refused, the rest of the text is not tried again: it is given up.
    if (paused || FAILED(claimError_)) return false;
    HRESULT hr = audio->Claim();
    if (SUCCEEDED(hr)) {
        claimed = true;
        hr = StartDevice();
        if (FAILED(hr)) ReleaseDevice();
    }
    if (FAILED(hr)) {
        if (SUCCEEDED(claimError_)) claimError_ = hr;
        return false;
    }
    // Marks made before the first sound go into the stream ahead of it.
    std::vector<DWORD> held;
    held.swap(heldMarks_);
    for (DWORD mark : held) PlaceMark(mark);
    return true;
}

void CMode::PlaceMark(DWORD mark) {
    if (!claimed) {
        heldMarks_.push_back(mark);
        return;
    }
    // A destination that takes no marks (a host's file) cannot play them
    // back: they are delivered now, where they fall.
    if (FAILED(audioDest->BookMark(mark))) OnBookMark(mark, false);
}

void CMode::DeliverHeldMarks() {
    std::vector<DWORD> held;
    held.swap(heldMarks_);
    for (DWORD mark : held) OnBookMark(mark, false);
}

HRESULT CMode::Producing() {
    if (producing_) return S_OK;  // a sink called back into us: the outer run continues
    producing_ = true;
    HRESULT result = S_OK;
    // Loops only when a text ended without sound and the next can start at once.
    for (int guard = textQueue.GetCount() + 1; guard > 0; --guard) {
        if (!active || textQueue.GetCount() == 0 || endMarkPending_) break;
        DWORD free = 0;
        BOOL eof = FALSE;
        HRESULT hr = audioDest->FreeSpace(&free, &eof);
        if (FAILED(hr)) {
            result = hr;
            break;
        }
        if (eof) {
            active = false;
            textPending = false;
            break;
        }
        if (free < kMinFreeToSpeak) break;
        if (!textQueue.IsStarted(0)) StartHeadText(free);

        int rc = STtsEngine::kNoSentence;
        try {
            rc = engine->SpeakStep(true, false);
        } catch (const SException& e) {
            // The text cannot be spoken: drop it, as if it had ended.
            LogException(e.GetMessage());
            rc = STtsEngine::kExhaustedSilent;
        }
        if (FAILED(claimError_)) {
            // No device for its sound: the text is given up, the caller told why.
            result = claimError_;
            claimError_ = S_OK;
            AbandonHeadText();
            continue;
        }
        if (rc == STtsEngine::kDestinationFull || !EndHeadText()) break;
    }
    producing_ = false;
    return result;
}

// The head text has no more sound to make. Its end mark goes into the stream
// behind its last data, so that mark playing alone completes the text. A
// text that never claimed the device is completed at once, its held marks
// delivered first. Returns true when the head text was completed now.
bool CMode::EndHeadText() {
    if (claimed) {
        endMarkPending_ = true;
        if (SUCCEEDED(audioDest->BookMark(kEndOfTextMark))) {
            if (textQueue.GetCount() == 1) ReleaseDevice();
            return false;
        }
        // A destination that takes no marks (a host's file) has played it all.
    }
    DeliverHeldMarks();
    FinishHeadText();
    return true;
}

void CMode::FinishHeadText() {
    SinkRecord* head = HeadSink();
    if (textQueue.GetCount() > 0 && textQueue.IsStarted(0) && head != nullptr) {
        SinkRecord record = *head;
        textQueue.RemoveAt(0);
        sinkQueue.RemoveAt(0);
        freeAtStart = 0;
        if (record.sink != nullptr) {
            record.sink->TextDataDone(TotalNow(), 0);
            record.sink->Release();
        }
    }
    endMarkPending_ = false;
    if (textQueue.GetCount() == 0) ReleaseDevice();
}

void CMode::AbandonHeadText() {
    heldMarks_.clear();
    endMarkPending_ = false;
    if (textQueue.GetCount() == 0) return;
    SinkRecord record{};
    if (SinkRecord* head = HeadSink()) record = *head;
    textQueue.RemoveAt(0);
    sinkQueue.RemoveAt(0);
    freeAtStart = 0;
    if (record.sink != nullptr) {
        record.sink->TextDataDone(TotalNow(), TTSBNS_ABORTED);
        record.sink->Release();
    }
}

void CMode::ReleaseQueuedTexts(DWORD flags) {
    while (textQueue.GetCount() > 0 || sinkQueue.GetCount() > 0) {
        SinkRecord record{};
        if (SinkRecord* head = HeadSink()) record = *head;
        textQueue.RemoveAt(0);
        sinkQueue.RemoveAt(0);
        if (record.sink != nullptr) {
            record.sink->TextDataDone(TotalNow(), flags);
            record.sink->Release();
        }
    }
    freeAtStart = 0;
    endMarkPending_ = false;
    heldMarks_.clear();
    claimError_ = S_OK;
    resumeDevice_ = false;
}

// ---- Destination notifications -------------------------------------------------

void CMode::OnAudioStart() {
    BroadcastAudio(true, TotalNow());
    BroadcastVisual(0, 0, kRestMouth);
}

void CMode::OnAudioStop() {
    DWORD free = 0;
    BOOL eof = FALSE;
    audioDest->FreeSpace(&free, &eof);
    BroadcastAudio(false, TotalNow());
    BroadcastVisual(0, 0, kRestMouth);
}

void CMode::OnFreeSpace() {
    Producing();
}

void CMode::OnBookMark(DWORD markNumber, bool flushed) {
    if (flushed) return;
    QWORD ts = 0;
    audio->PosnGet(&ts);
    SDecodedMark mark = DecodeMark(markNumber);
    SinkRecord* head = HeadSink();
    switch (mark.kind) {
        case SMarkKind::UserBookmark:
            if (head != nullptr && head->sink != nullptr) head->sink->BookMark(ts, mark.value);
            break;
        case SMarkKind::Volume:
            BroadcastAttribChanged(TTSNSAC_VOLUME);
            break;
        case SMarkKind::Speed:
            BroadcastAttribChanged(TTSNSAC_SPEED);
            break;
        case SMarkKind::Pitch:
            BroadcastAttribChanged(TTSNSAC_PITCH);
            break;
        case SMarkKind::Allophone: {
            SVisualEntry visual = VisualForAllophone(mark.value);
            BroadcastVisual(visual.ipa, TTSNSHINT_STATEMENT, visual.mouth);
            break;
        }
        case SMarkKind::EndOfText:
            // Only the head text's own end mark completes it.
            if (!endMarkPending_) break;
            FinishHeadText();
            Producing();
            break;
        case SMarkKind::WordStart:
            if (head != nullptr && head->sink != nullptr)
                head->sink->WordPosition(ts, head->ansiPositions ? mark.value : mark.value * 2);
            break;
    }
}
