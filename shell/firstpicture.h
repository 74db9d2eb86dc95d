// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace kolomaf {

namespace desktop {
class SentPicture;
}

// The screen in front at a start, drawn when the program was built. The
// window system shows it from the moment the screen's window is mapped,
// while the fonts its own paint needs are still being read; that paint then
// lays the same pixels over it.
struct FirstPicture
{
    const char *screen = nullptr; // the screen's object name
    int width = 0;
    int height = 0;
    int dpi = 0; // the logical dots per inch it was drawn at
    const std::uint32_t *runs = nullptr;
    std::size_t words = 0;
};

// The welcome screen's, drawn by tools/first-picture.cpp when the program
// is built; in the library kolomaf_firstpicture.
extern const FirstPicture builtFirstPicture;

// An RGB32 image as runs: a word with the top bit set repeats the pixel
// after it that many times, any other word is the count of pixels that
// follow as they are. Flat screens shrink to a tenth.
std::vector<std::uint32_t> encodeRuns(const QImage &image);
// A null image where the runs do not fill the picture's size exactly.
QImage decodeRuns(const FirstPicture &picture);

// Unpacks the picture and sends it to the X server on a thread of its own,
// from before the application is made, for Runtime::setFirstPicture(). Null
// where the program does not run on X.
std::shared_ptr<desktop::SentPicture> sendFirstPicture(const FirstPicture &picture);

} // namespace kolomaf
