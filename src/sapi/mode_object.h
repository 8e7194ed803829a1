// The mode object: what a host receives when it selects the voice. It owns
// one engine and its settings record, holds the host's audio object, keeps
// the queue of texts handed in, and drives the engine from the audio
// destination's notifications. Its interfaces are small objects (Unicode and
// ANSI) that delegate IUnknown to it.
//
// No thread and no lock of its own: every entry point runs on the caller's
// thread, and callers never enter one mode object from two threads at once.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/audio_dest.h"
#include "core/record_queue.h"
#include "sapi/mode_factory.h"
#include "sapi/sapi4.h"

class SAttributeSAPI;
class SVokrant;
class CModeITTSAttributesW;
class CModeITTSAttributesA;
class CModeITTSCentralW;
class CModeITTSCentralA;
class CModeITTSDialogsW;
class CModeITTSDialogsA;
class CModeILexPronounce2W;
class CModeILexPronounce2A;
class CModeIAttributesW;
class CModeIAttributesA;
class CModeNotify;
class CModeFileNotify;

class CMode;

// The engine's view of the host's IAudioDest. Sound claims the device first;
// marks go through the mode object, which holds them while no device is
// claimed.
class CModeAudioDest final : public SAudioDest {
public:
    CModeAudioDest(CMode* mode, IAudioDest* dest) : mode_(mode), dest_(dest) {}
    uint32_t FreeSpace() override;
    bool DataSet(const void* data, uint32_t bytes) override;
    bool BookMark(uint32_t mark) override;

private:
    CMode* mode_;
    IAudioDest* dest_;
};

class CMode final : public IUnknown {
public:
    // One queued text's sinks (a record of sinkQueue).
    struct SinkRecord {
        ITTSBufNotifySink* sink;  // reference held; null for a request without one
        void* spare;
        int started;
        int isBufferSink;
        int ansiPositions;  // word positions in bytes of ANSI text (1) or UTF-16 (0)
    };
    // One Register call (a record of notifySinks).
    struct NotifyRecord {
        IUnknown* sink;  // ITTSNotifySinkW or ITTSNotifySinkA, reference held
        IID iid;
        DWORD key;
    };

    CMode(CMode* outer, ModeFinalRelease onFinalRelease, IUnknown* audioObject);
    CMode(const CMode&) = delete;
    CMode& operator=(const CMode&) = delete;

    // Sets the audio format, creates the interface objects, sinks, settings
    // and engine and loads the voice. S_OK, or why the mode cannot speak (no audio interfaces,
    // format refused, no memory, the voice could not be loaded).
    HRESULT Initialise(int modeIndex, const TTSMODEINFOW& info);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // ITTSCentral, Unicode semantics; the interface objects call these.
    HRESULT Inject(const std::string& ansiTag);
    HRESULT ModeGet(TTSMODEINFOW* info);
    HRESULT PosnGet(QWORD* position);
    HRESULT TextData(VOICECHARSET charset, DWORD flags, SDATA text, void* sink, const IID& sinkIid,
                     bool ansi);
    HRESULT ToFileTime(QWORD* position, FILETIME* fileTime);
    HRESULT AudioPause();
    HRESULT AudioResume();
    HRESULT AudioReset();
    HRESULT Register(void* sink, const IID& iid, DWORD* key);
    HRESULT UnRegister(DWORD key);

    // ITTSAttributes (range rules of the Speech API).
    HRESULT PitchGet(WORD* pitch);
    HRESULT PitchSet(WORD pitch);
    HRESULT RealTimeGet(DWORD* realTime);
    HRESULT RealTimeSet(DWORD realTime);
    HRESULT SpeedGet(DWORD* speed);
    HRESULT SpeedSet(DWORD speed);
    HRESULT VolumeGet(DWORD* volume);
    HRESULT VolumeSet(DWORD volume);
    // ITTSDialogs: a null window shows nothing.
    HRESULT ShowDialog(HWND parent, const std::u16string* title, int startPage);

    // Destination notifications (CModeNotify).
    void OnAudioStart();
    void OnAudioStop();
    void OnFreeSpace();
    void OnBookMark(DWORD mark, bool flushed);

    // Sends AttribChanged to every registered sink.
    void BroadcastAttribChanged(DWORD attribute);

    // The engine's destination: claims and starts the device when the first
    // sound is on its way (a text without sound claims nothing). False when
    // the device cannot be had; the error is returned by the call producing.
    bool ClaimForSound();
    // The engine's destination: a mark goes into the stream behind what was
    // written; while no device is claimed it waits for the first sound, or
    // for the end of the text when none comes.
    void PlaceMark(DWORD mark);

    SAttributeSAPI* Settings() const { return settings.get(); }
    SVokrant* Engine() const { return engine.get(); }

private:
    ~CMode();

    HRESULT Producing();
    bool EndHeadText();
    void FinishHeadText();
    void AbandonHeadText();
    void DeliverHeldMarks();
    HRESULT StartDevice();
    void ReleaseDevice();
    HRESULT StartHeadText(DWORD free);
    void BroadcastVisual(WCHAR ipa, DWORD hints, const TTSMOUTH& mouth);
    void BroadcastAudio(bool start, QWORD timeStamp);
    QWORD TotalNow();
    SinkRecord* HeadSink();
    void ReleaseQueuedTexts(DWORD flags);
    HRESULT ApplyTag(const std::string& tag, bool* applied);

public:
    // Members in the order of the data model.
    bool isFileAudio = false;
    ULONG refCount = 0;
    CMode* outer;
    ModeFinalRelease onFinalRelease;
    std::unique_ptr<CModeITTSAttributesW> attributesW;
    std::unique_ptr<CModeITTSAttributesA> attributesA;
    std::unique_ptr<CModeITTSCentralW> centralW;
    std::unique_ptr<CModeITTSCentralA> centralA;
    std::unique_ptr<CModeITTSDialogsW> dialogsW;
    std::unique_ptr<CModeITTSDialogsA> dialogsA;
    std::unique_ptr<CModeILexPronounce2W> lexiconW;
    std::unique_ptr<CModeILexPronounce2A> lexiconA;
    std::unique_ptr<CModeIAttributesW> genericW;
    std::unique_ptr<CModeIAttributesA> genericA;
    IUnknown* audioObject;
    IAudio* audio = nullptr;
    IAudioDest* audioDest = nullptr;
    std::unique_ptr<CModeNotify> destSink;
    std::unique_ptr<CModeFileNotify> fileSink;
    TTSMODEINFOW modeInfo{};
    bool claimed = false;
    bool paused = false;
    bool textPending = false;
    bool ansiPositions = true;
    std::unique_ptr<SAttributeSAPI> settings;
    DWORD freeAtStart = 0;
    std::unique_ptr<SVokrant> engine;
    SRecordQueue textQueue;
    SRecordQueue sinkQueue;
    bool active = true;
    SRecordQueue notifySinks;

private:
    std::unique_ptr<CModeAudioDest> engineDest_;
    bool endMarkPending_ = false;   // the head text's end mark is in the destination
    bool producing_ = false;        // guards against re-entry from a sink's callback
    std::vector<DWORD> heldMarks_;  // marks made while no device is claimed, in order
    HRESULT claimError_ = S_OK;     // why the device could not be had while producing
    bool resumeDevice_ = false;     // paused with sound of ours in the device
};
