// A pitch change that keeps the formants (the KeepFormants setting, beyond
// the written rules). Reading a recording at another step moves every
// formant with the pitch; instead, each output pitch period starts at a
// pulse mark (pulse_marks.h) and reads the first quarter of the recording's
// period (the pulse and the loudest ringing of the formants) at the natural
// step.
// The rest of the period is squeezed or stretched so that the reading
// arrives exactly at the next mark when the output period, the recording's
// period divided by the pitch factor, ends: the wave stays continuous.
// Where a period ends, the reading goes on at the mark nearest the natural
// reading's position there: normally the next mark, one back to repeat a
// period (a higher pitch) or one ahead to skip one (a lower pitch). So the
// sound keeps its length and follows the recording's own time.
#pragma once

#include <cstdint>
#include <vector>

#include "core/containers.h"
#include "model/fixed_point.h"

// The pitch factors the warp applies; beyond them it is clamped.
constexpr double kLowestWarpFactor = 0.5, kHighestWarpFactor = 2.0;

// Turns `positions`, read at the natural step `step` (16.16 pattern samples,
// ascending, as FillPositions gives them), into as many positions with the
// pitch moved by a factor that glides linearly from `from` at the first
// position to `to` at the last. `marks` are the recording's pulse marks and
// `length` its samples. Before the first mark and after the last period the
// reading stays natural (after it shifted to meet the last mark); every
// position stays inside 0 .. length - 1. Factors of 1, fewer than two marks
// or an empty list leave the positions unchanged.
void WarpPeriods(const std::vector<int32_t>& marks, int length, SFP step, double from, double to,
                 SFastArray<SFP>& positions);
