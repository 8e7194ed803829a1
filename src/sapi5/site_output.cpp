#include "sapi5/site_output.h"

#include <algorithm>
#include <cstring>

SSiteOutput::SSiteOutput(ISpTTSEngineSite& site) : site_(site) {
    interestKnown_ = SUCCEEDED(site_.GetEventInterest(&interest_));
    PollActions();
}

bool SSiteOutput::Wants(SPEVENTENUM id) const {
    if (!interestKnown_) return id == SPEI_TTS_BOOKMARK;
    return (interest_ & SPFEI(id)) == SPFEI(id);
}

bool SSiteOutput::AddEvent(SPEVENTENUM id, WPARAM wParam, LPARAM lParam, bool lParamIsString) {
    if (ended_) return false;
    if (!Wants(id)) return true;
    SPEVENT event{};
    event.eEventId = id;
    event.elParamType = lParamIsString ? SPET_LPARAM_IS_STRING : SPET_LPARAM_IS_UNDEFINED;
    event.ulStreamNum = 0;
    event.ullAudioStreamOffset = bytes_;
    event.wParam = wParam;
    event.lParam = lParam;
    site_.AddEvents(&event, 1);
    return true;
}

void SSiteOutput::PollActions() {
    if (ended_) return;
    const DWORD actions = site_.GetActions();
    if (actions & SPVES_ABORT) {
        End(S_OK);
        return;
    }
    if (actions & SPVES_RATE) {
        LONG rate = 0;
        if (SUCCEEDED(site_.GetRate(&rate))) {
            baseRate_ = rate;
            rateChanged_ = true;
        }
    }
    if (actions & SPVES_VOLUME) {
        USHORT volume = 100;
        if (SUCCEEDED(site_.GetVolume(&volume))) siteVolume_ = std::min<unsigned>(volume, 100);
    }
    if (actions & SPVES_SKIP) skipPending_ = true;
}

bool SSiteOutput::TakeRateChange() {
    const bool changed = rateChanged_;
    rateChanged_ = false;
    return changed;
}

bool SSiteOutput::TakeSkip(long& sentences) {
    skipPending_ = false;
    SPVSKIPTYPE type = SPVST_SENTENCE;
    LONG count = 0;
    if (FAILED(site_.GetSkipInfo(&type, &count)) || type != SPVST_SENTENCE) {
        site_.CompleteSkip(0);
        return false;
    }
    sentences = count;
    return true;
}

void SSiteOutput::CompleteSkip(long done) {
    site_.CompleteSkip(done);
}

bool SSiteOutput::WritePcm(const unsigned char* data, uint32_t bytes) {
    unsigned char scaled[kPieceBytes];
    for (uint32_t at = 0; at < bytes;) {
        PollActions();
        if (ended_ || skipPending_) return false;
        const unsigned gain = siteVolume_ * fragmentVolume_;  // 10000 = unchanged
        const uint32_t piece = std::min(kPieceBytes, bytes - at);
        const unsigned char* out = data + at;
        if (gain != 10000) {
            for (uint32_t i = 0; i + 1 < piece; i += 2) {
                int16_t sample;
                std::memcpy(&sample, data + at + i, 2);
                sample = static_cast<int16_t>(static_cast<int32_t>(sample) *
                                              static_cast<int32_t>(gain) / 10000);
                std::memcpy(scaled + i, &sample, 2);
            }
            if (piece % 2) scaled[piece - 1] = data[at + piece - 1];
            out = scaled;
        }
        if (!WritePiece(out, piece)) return false;
        at += piece;
    }
    return true;
}

bool SSiteOutput::WriteSilence(uint32_t ms) {
    static const unsigned char kZeros[kPieceBytes] = {};
    uint64_t left = static_cast<uint64_t>(ms) * kSampleRate / 1000 * 2;
    while (left > 0) {
        PollActions();
        if (ended_ || skipPending_) return false;
        const auto piece = static_cast<uint32_t>(std::min<uint64_t>(kPieceBytes, left));
        if (!WritePiece(kZeros, piece)) return false;
        left -= piece;
    }
    return true;
}

bool SSiteOutput::WritePiece(const unsigned char* data, uint32_t bytes) {
    while (bytes > 0) {
        ULONG written = 0;
        const HRESULT hr = site_.Write(data, bytes, &written);
        if (hr == kSP_AUDIO_STOPPED) {
            End(S_OK);
            return false;
        }
        if (FAILED(hr)) {
            End(hr);
            return false;
        }
        // A site that takes nothing would loop for ever: count it as taken.
        written = written == 0 || written > bytes ? bytes : written;
        bytes_ += written;
        data += written;
        bytes -= written;
    }
    return true;
}

void SSiteOutput::End(HRESULT result) {
    ended_ = true;
    result_ = result;
}
