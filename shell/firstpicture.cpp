// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/firstpicture.h"

#include "shell/desktop.h"

#include <algorithm>
#include <cstdint>
#ifdef __linux__
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace kolomaf {

namespace {
constexpr std::uint32_t repeat = 0x80000000u;
// Shorter runs cost as much as the pixels they stand for.
constexpr std::size_t shortestRun = 3;
} // namespace

std::vector<std::uint32_t> encodeRuns(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    std::vector<std::uint32_t> pixels;
    pixels.reserve(std::size_t(rgb.width()) * std::size_t(rgb.height()));
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const std::uint32_t *>(rgb.constScanLine(y));
        pixels.insert(pixels.end(), line, line + rgb.width());
    }
    std::vector<std::uint32_t> out;
    constexpr std::size_t none = SIZE_MAX;
    std::size_t literalAt = none;
    for (std::size_t i = 0; i < pixels.size();) {
        std::size_t run = 1;
        while (i + run < pixels.size() && pixels[i + run] == pixels[i] && run < repeat - 1)
            ++run;
        if (run >= shortestRun) {
            out.push_back(repeat | std::uint32_t(run));
            out.push_back(pixels[i]);
            literalAt = none;
        } else {
            if (literalAt == none) {
                literalAt = out.size();
                out.push_back(0);
            }
            out.insert(
                out.end(), pixels.begin() + std::ptrdiff_t(i), pixels.begin() + std::ptrdiff_t(i + run));
            out[literalAt] += std::uint32_t(run);
        }
        i += run;
    }
    return out;
}

QImage decodeRuns(const FirstPicture &picture)
{
    if (picture.width <= 0 || picture.height <= 0 || !picture.runs)
        return {};
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    if (image.isNull() || image.bytesPerLine() != picture.width * 4)
        return {};
    auto *to = reinterpret_cast<std::uint32_t *>(image.bits());
    const std::size_t room = std::size_t(picture.width) * std::size_t(picture.height);
    std::size_t at = 0;
    for (std::size_t w = 0; w < picture.words;) {
        const std::uint32_t word = picture.runs[w++];
        const std::size_t count = word & ~repeat;
        if (count > room - at)
            return {};
        if (word & repeat) {
            if (w == picture.words)
                return {};
            std::fill_n(to + at, count, picture.runs[w++]);
        } else {
            if (count > picture.words - w)
                return {};
            std::copy_n(picture.runs + w, count, to + at);
            w += count;
        }
        at += count;
    }
    return at == room ? image : QImage();
}

namespace {

// The runs are read once at a start: their pages go back to the system.
void dropPages(const FirstPicture &picture)
{
#ifdef __linux__
    // Only the pages the runs fill alone. A hint that keeps the contents:
    // read-only pages of the binary are dropped, others stay as they are.
    const auto page = std::uintptr_t(sysconf(_SC_PAGESIZE));
    const auto begin = (std::uintptr_t(picture.runs) + page - 1) / page * page;
    const auto end = (std::uintptr_t(picture.runs + picture.words)) / page * page;
#ifdef MADV_PAGEOUT
    if (end > begin)
        madvise(reinterpret_cast<void *>(begin), end - begin, MADV_PAGEOUT);
#endif
#else
    (void)picture;
#endif
}

} // namespace

std::shared_ptr<desktop::SentPicture> sendFirstPicture(const FirstPicture &picture)
{
    return desktop::sendPicture([&picture] {
        QImage image = decodeRuns(picture);
        dropPages(picture);
        return image;
    });
}

} // namespace kolomaf
