// Short tones. Sound goes to whatever player is installed (the sound-device
// output sets one); with none installed a beep is silent, never an error.
#pragma once

using SBeepPlayer = void (*)(int frequencyHz, int durationMs);

// Installs the player (null removes it). Returns the previous one.
SBeepPlayer SetBeepPlayer(SBeepPlayer player);

// Plays one tone and returns when it ends (or at once without a player).
void Beep(int frequencyHz, int durationMs);
