// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <cstdint>
#include <span>
#include <vector>

// A small synthesiser for the game's sounds: notes that glide in pitch under
// a soft envelope, mixed into 16-bit mono samples and written as WAV files.
namespace soundgen {

// Half the rate of most sound servers, so that they resample by a plain
// factor; plenty for short tones and keeps the files small.
inline constexpr int kSampleRate = 24000;

enum class Timbre {
    Sine,
    // A sine with two quiet overtones: rounder, like a small bell.
    Bell,
    // Softened white noise, for a snap.
    Noise,
};

struct Note {
    double start;  // seconds after the sound begins
    double length; // seconds
    double startHz;
    double endHz; // the pitch glides to this by the note's end
    double level; // relative to the sound's other notes
    Timbre timbre;
};

// Mixes the notes and scales the mix so that its loudest sample is `peak`
// of full scale. Every sound starts at once and ends in silence.
std::vector<std::int16_t> Render(std::span<const Note> notes, double peak);

// The bytes of a WAV file holding the samples at kSampleRate.
std::vector<std::uint8_t> WavFile(std::span<const std::int16_t> samples);

} // namespace soundgen
