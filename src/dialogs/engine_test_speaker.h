// A test speaker that drives an engine directly: the request is rendered
// whole into an audio destination, step by step, as a mode object would.
#pragma once

#include <cstdint>

#include "dialogs/test_speaker.h"

class SAudioDest;
class STtsEngine;

class SEngineTestSpeaker : public STestSpeaker {
public:
    // Neither is owned. The engine's own destination is replaced by `dest`
    // while speaking and put back afterwards.
    SEngineTestSpeaker(STtsEngine& engine, SAudioDest& dest) : engine_(engine), dest_(dest) {}

    // Renders `text` as tagged text, whole: the destination is expected to
    // take everything (it is not played meanwhile). A destination that fills
    // up ends the request. False when the engine is not loaded, the
    // destination filled up or a stage failed (the failure is logged).
    bool Speak(const std::string& text) override;

    static constexpr int kMaxFullSteps = 100000;
    static constexpr uint32_t kMinFreeSpace = 256;

private:
    STtsEngine& engine_;
    SAudioDest& dest_;
};
