#include "platform/beep.h"

#include <atomic>

namespace {
std::atomic<SBeepPlayer> g_player{nullptr};
}

SBeepPlayer SetBeepPlayer(SBeepPlayer player) {
    return g_player.exchange(player);
}

void Beep(int frequencyHz, int durationMs) {
    if (frequencyHz <= 0 || durationMs <= 0) return;
    if (SBeepPlayer player = g_player.load()) player(frequencyHz, durationMs);
}
