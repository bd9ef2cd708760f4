// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The smallest files the tag readers accept, built from their bytes, so no
// sample file has to be kept or fetched.

#include <string>

namespace tollwick::test {

/// A baseline JPEG of 8x8 grey pixels: one block whose coefficients are all
/// zero, coded with one-symbol Huffman tables (DC "0" = no difference, AC
/// "0" = end of block).
inline std::string TinyJpeg()
{
    using namespace std::string_literals;
    std::string jpeg = "\xFF\xD8"s;
    jpeg += "\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00"s;
    jpeg += "\xFF\xDB\x00\x43\x00"s + std::string(64, '\x01');
    jpeg += "\xFF\xC0\x00\x0B\x08\x00\x08\x00\x08\x01\x01\x11\x00"s; // 8 bits, 8x8, one component
    for (const char tableClass : {'\x00', '\x10'}) {
        jpeg += "\xFF\xC4\x00\x14"s + tableClass + '\x01' + std::string(15, '\0') + '\0';
    }
    jpeg += "\xFF\xDA\x00\x08\x01\x01\x00\x00\x3F\x00"s;
    jpeg += "\x3F\xFF\xD9"s; // the bits 00, padded with ones
    return jpeg;
}

/// MPEG-1 layer III frames at 128 kbit/s, 44.1 kHz, mono, all side
/// information and data zero: silence.
inline std::string SilentMp3(int frames = 4)
{
    using namespace std::string_literals;
    std::string frame = "\xFF\xFB\x90\xC4"s;
    frame.resize(417, '\0');
    std::string mp3;
    for (int i = 0; i < frames; ++i) {
        mp3 += frame;
    }
    return mp3;
}

/// A FLAC stream of nothing but its STREAMINFO: 44.1 kHz, mono, 16 bits.
inline std::string MinimalFlac()
{
    using namespace std::string_literals;
    std::string flac = "fLaC\x80\x00\x00\x22"s;          // the last metadata block, 34 bytes
    flac += "\x10\x00\x10\x00\x00\x00\x00\x00\x00\x00"s; // block sizes 4096, frame sizes unknown
    flac += "\x0A\xC4\x40\xF0\x00\x00\x00\x00"s;         // 44100 Hz, 1 channel, 16 bits, 0 samples
    flac += std::string(16, '\0');                       // no MD5
    return flac;
}

} // namespace tollwick::test
