// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <string_view>

namespace soundgen {

namespace {

constexpr double kAttack = 0.003; // seconds: fast enough to start at once, slow enough not to click
constexpr double kRelease = 0.012; // seconds: every note ends at zero

// Loud at once, then a decay to a third by the end, and a release to zero
// at `last`, the time of the note's last sample.
double Envelope(double t, double last) {
    const double attack = std::min(1.0, t / kAttack);
    const double release = std::min(1.0, (last - t) / kRelease);
    return attack * std::exp(-1.1 * t / last) * std::max(0.0, release);
}

double Wave(Timbre timbre, double phase, std::mt19937& noise, double& softened) {
    switch (timbre) {
    case Timbre::Sine:
        return std::sin(phase);
    case Timbre::Bell:
        return (std::sin(phase) + 0.3 * std::sin(2 * phase) + 0.12 * std::sin(3 * phase)) / 1.42;
    case Timbre::Noise:
        // The engine's raw output, never a distribution, so that every
        // build of the generator writes the same samples.
        softened += 0.35 * (noise() / 2147483648.0 - 1.0 - softened);
        return 2.5 * softened;
    }
    return 0;
}

void Add(const Note& note, std::vector<double>& mix) {
    std::mt19937 noise(7);
    double softened = 0;
    double phase = 0;
    const auto first = static_cast<std::size_t>(std::lround(note.start * kSampleRate));
    const auto count = static_cast<std::size_t>(std::lround(note.length * kSampleRate));
    mix.resize(std::max(mix.size(), first + count), 0.0);
    const double last = static_cast<double>(count - 1) / kSampleRate;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double hz = note.startHz * std::pow(note.endHz / note.startHz, t / note.length);
        mix[first + i] +=
            note.level * Envelope(t, last) * Wave(note.timbre, phase, noise, softened);
        phase += 2 * std::numbers::pi * hz / kSampleRate;
    }
}

void Put16(std::vector<std::uint8_t>& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xff));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xff));
}

void Put32(std::vector<std::uint8_t>& out, unsigned value) {
    Put16(out, value & 0xffff);
    Put16(out, value >> 16);
}

void PutTag(std::vector<std::uint8_t>& out, std::string_view tag) {
    for (const char letter : tag) {
        out.push_back(static_cast<std::uint8_t>(letter));
    }
}

} // namespace

std::vector<std::int16_t> Render(std::span<const Note> notes, double peak) {
    std::vector<double> mix;
    for (const Note& note : notes) {
        Add(note, mix);
    }
    double loudest = 0;
    for (const double sample : mix) {
        loudest = std::max(loudest, std::abs(sample));
    }
    std::vector<std::int16_t> samples(mix.size());
    const double scale = loudest > 0 ? peak * 32767 / loudest : 0;
    std::transform(mix.begin(), mix.end(), samples.begin(), [scale](double sample) {
        return static_cast<std::int16_t>(std::lround(sample * scale));
    });
    return samples;
}

// The canonical 44-byte header of 16-bit mono PCM, then the samples, all
// little-endian.
std::vector<std::uint8_t> WavFile(std::span<const std::int16_t> samples) {
    const auto dataBytes = static_cast<unsigned>(samples.size() * 2);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    PutTag(out, "RIFF");
    Put32(out, 36 + dataBytes);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1); // PCM
    Put16(out, 1); // mono
    Put32(out, kSampleRate);
    Put32(out, kSampleRate * 2); // bytes a second
    Put16(out, 2);               // bytes a frame
    Put16(out, 16);              // bits a sample
    PutTag(out, "data");
    Put32(out, dataBytes);
    for (const std::int16_t sample : samples) {
        Put16(out, static_cast<std::uint16_t>(sample));
    }
    return out;
}

} // namespace soundgen
