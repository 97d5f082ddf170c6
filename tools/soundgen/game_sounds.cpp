// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "game_sounds.h"

#include "synth.h"

namespace soundgen {

namespace {

// Equal-tempered pitches of the notes the tunes use.
constexpr double C4 = 261.63, Eb4 = 311.13, G4 = 392.00, B3 = 246.94;
constexpr double C5 = 523.25, E5 = 659.26, G5 = 783.99, C6 = 1046.50;

// The meals are heard most often: short, quiet and bright, player 2 a fifth
// below player 1 so that the players hear who ate.
constexpr double kMealPeak = 0.3;
// The endings are heard once a game, a little louder.
constexpr double kEndingPeak = 0.45;

std::vector<std::int16_t> Meal(double hz) {
    const Note chirp{0, 0.075, hz, hz * 1.5, 1, Timbre::Bell};
    return Render({&chirp, 1}, kMealPeak);
}

// A snap of noise over a thump that falls away.
std::vector<std::int16_t> Bite() {
    const Note notes[] = {{0, 0.035, 1, 1, 0.5, Timbre::Noise},
                          {0, 0.09, 320, 110, 1, Timbre::Sine}};
    return Render(notes, 0.4);
}

// Three notes rising: on to the next level.
std::vector<std::int16_t> NextLevel() {
    const Note notes[] = {{0, 0.13, C5, C5, 1, Timbre::Bell},
                          {0.1, 0.13, E5, E5, 1, Timbre::Bell},
                          {0.2, 0.26, G5, G5, 1, Timbre::Bell}};
    return Render(notes, kEndingPeak);
}

// The rising notes up to the octave, held over a chord: the whole campaign.
std::vector<std::int16_t> CampaignWon() {
    const Note notes[] = {
        {0, 0.12, C5, C5, 1, Timbre::Bell},      {0.11, 0.12, E5, E5, 1, Timbre::Bell},
        {0.22, 0.12, G5, G5, 1, Timbre::Bell},   {0.33, 0.45, C6, C6, 1, Timbre::Bell},
        {0.33, 0.45, G5, G5, 0.5, Timbre::Sine}, {0.33, 0.45, E5, E5, 0.5, Timbre::Sine}};
    return Render(notes, kEndingPeak);
}

// A leap up from below and two steps on: the classic game won.
std::vector<std::int16_t> ClassicWon() {
    const Note notes[] = {{0, 0.11, G4, G4, 1, Timbre::Bell},
                          {0.1, 0.11, C5, C5, 1, Timbre::Bell},
                          {0.2, 0.11, E5, E5, 1, Timbre::Bell},
                          {0.3, 0.32, G5, G5, 1, Timbre::Bell}};
    return Render(notes, kEndingPeak);
}

// Three notes falling in a minor key, the last sinking further.
std::vector<std::int16_t> GameOver() {
    const Note notes[] = {{0, 0.19, G4, G4, 1, Timbre::Sine},
                          {0.18, 0.19, Eb4, Eb4, 1, Timbre::Sine},
                          {0.36, 0.4, C4, B3, 1, Timbre::Sine}};
    return Render(notes, kEndingPeak);
}

} // namespace

std::vector<GameSound> GameSounds() {
    return {{"sounds/player1_meal.wav", Meal(880)},
            {"sounds/player2_meal.wav", Meal(587.33)},
            {"sounds/bite.wav", Bite()},
            {"sounds/next_level.wav", NextLevel()},
            {"sounds/campaign_won.wav", CampaignWon()},
            {"sounds/classic_won.wav", ClassicWon()},
            {"sounds/game_over.wav", GameOver()}};
}

} // namespace soundgen
