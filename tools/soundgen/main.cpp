// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
//
// Synthesises every sound of the game and writes them as WAV files into the
// assets directory given as the only argument.
#include "game_sounds.h"
#include "synth.h"

#include <filesystem>
#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: zorvik_soundgen ASSETS_DIRECTORY\n";
        return 2;
    }
    bool failed = false;
    for (const soundgen::GameSound& sound : soundgen::GameSounds()) {
        const std::filesystem::path path = std::filesystem::path(argv[1]) / sound.path;
        std::filesystem::create_directories(path.parent_path());
        const std::vector<std::uint8_t> bytes = soundgen::WavFile(sound.samples);
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) {
            std::cerr << "zorvik_soundgen: cannot write " << path << '\n';
            failed = true;
        }
    }
    return failed ? 1 : 0;
}
