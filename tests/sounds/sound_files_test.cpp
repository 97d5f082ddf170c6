// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "game_sounds.h"
#include "synth.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// Every sound is a fraction of a second, starts at once, ends in silence
// and stays below full scale; together they are small.
TEST(SoundFiles, EverySoundIsShortQuietAndWhole) {
    std::size_t bytes = 0;
    for (const soundgen::GameSound& sound : soundgen::GameSounds()) {
        SCOPED_TRACE(sound.path);
        const std::vector<std::int16_t>& s = sound.samples;
        const double seconds = double(s.size()) / soundgen::kSampleRate;
        EXPECT_GT(seconds, 0.05);
        EXPECT_LT(seconds, 0.8);
        int peak = 0;
        for (const std::int16_t sample : s) {
            peak = std::max(peak, std::abs(int(sample)));
        }
        EXPECT_GT(peak, 32767 / 4) << "too quiet to hear";
        EXPECT_LT(peak, 32767 / 2) << "louder than a modest volume, or clipping";
        // The first 2 ms are heard; the last sample is silence, so nothing clicks.
        const auto attack = s.begin() + soundgen::kSampleRate / 500;
        EXPECT_GT(*std::max_element(s.begin(), attack), 32767 / 100);
        EXPECT_EQ(s.back(), 0);
        bytes += soundgen::WavFile(s).size();
    }
    EXPECT_LT(bytes, 200u * 1024u);
}

// The game embeds exactly what the generator writes now, and nothing else:
// a changed recipe without `make assets` is caught here.
TEST(SoundFiles, TheGameEmbedsWhatTheGeneratorWrites) {
    QStringList written;
    for (const soundgen::GameSound& sound : soundgen::GameSounds()) {
        SCOPED_TRACE(sound.path);
        const std::vector<std::uint8_t> file = soundgen::WavFile(sound.samples);
        QFile embedded(QStringLiteral(":/") + QString::fromStdString(sound.path));
        EXPECT_TRUE(embedded.open(QIODevice::ReadOnly) &&
                    embedded.readAll() == QByteArray(reinterpret_cast<const char*>(file.data()),
                                                     qsizetype(file.size())));
        written << QString::fromStdString(sound.path).section(u'/', -1);
    }
    written.sort();
    EXPECT_EQ(QDir(QStringLiteral(":/sounds")).entryList(), written);
}

} // namespace
