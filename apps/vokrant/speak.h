// Speaking a request through the engine into one audio destination, and the
// --marks report of every mark as it is delivered.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

class SAudioDest;
class STtsEngine;

// Runs the engine's speak steps until the text is exhausted, then places the
// end-of-text mark. Returns "" or a one-line error (the destination failed).
std::string SpeakRequest(STtsEngine& engine, const std::string& cp1250Text, SAudioDest& dest,
                         const std::function<bool()>& destinationFailed);

// Writes one --marks JSON line: byte position, its time in milliseconds at
// the voice's rate, the mark's kind and value.
void WriteMarkJson(std::FILE* out, uint32_t mark, uint64_t bytePosition, uint32_t sampleRate);
