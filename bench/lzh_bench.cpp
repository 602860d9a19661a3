// Expansion speed of skin file images. Inputs are generated here and packed
// with the skin tool's encoder: a skin-sized archive (bitmaps and an INI,
// about 215 KB expanded) and a 4 MB mix of text, bitmap rows, binary records
// and incompressible blocks.
//
// Instructions per expanded byte, the figure the decoder is tuned by: build
// with clang -O2 -gdwarf-4, run
//   valgrind --tool=callgrind --toggle-collect='TLZH::Decode(int)' core_bench
//     --benchmark_filter=BM_LzhExpandMixed4MB --benchmark_min_time=0.01
// (one iteration under valgrind) and divide the total Ir by the expanded
// size (4,194,304 bytes mixed, 215,458 skin-sized).
#include "core/lzh_decoder.h"
#include "core/skin_reader.h"

#include "lzh_encoder.h"
#include "skin_archive_writer.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace {

using Bytes = std::vector<std::uint8_t>;

void AppendInt(Bytes& out, std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A 24-bit bottom-up BMP of a frame strip: magenta surround, a gradient body,
// a darker border and a little anti-aliasing noise, as skin artwork has.
Bytes MakeSkinBitmap(int width, int height, std::mt19937& rng) {
    const int stride = (width * 3 + 3) & ~3;
    Bytes bmp = {'B', 'M'};
    AppendInt(bmp, static_cast<std::uint32_t>(54 + stride * height), 4);
    AppendInt(bmp, 0, 4);
    AppendInt(bmp, 54, 4);
    AppendInt(bmp, 40, 4);
    AppendInt(bmp, static_cast<std::uint32_t>(width), 4);
    AppendInt(bmp, static_cast<std::uint32_t>(height), 4);
    AppendInt(bmp, 1, 2);
    AppendInt(bmp, 24, 2);
    for (int i = 0; i < 6; ++i)
        AppendInt(bmp, 0, 4);
    const int hue = static_cast<int>(rng() % 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t px[3] = {0xFF, 0x00, 0xFF};
            const bool corner = (x < 2 || x >= width - 2) && (y < 2 || y >= height - 2);
            if (!corner) {
                const bool border = x == 0 || y == 0 || x == width - 1 || y == height - 1;
                const int shade = border ? 60 : 140 + (y * 100) / height;
                px[0] = static_cast<std::uint8_t>(hue == 0 ? 255 : shade);
                px[1] = static_cast<std::uint8_t>(shade);
                px[2] = static_cast<std::uint8_t>(hue == 2 ? 255 : shade - 40);
                if (rng() % 4 == 0) px[1] = static_cast<std::uint8_t>(px[1] ^ (rng() & 7));
            }
            bmp.insert(bmp.end(), px, px + 3);
        }
        bmp.resize(bmp.size() + static_cast<std::size_t>(stride - width * 3), 0);
    }
    return bmp;
}

std::string MakeSkinIni(int bitmaps) {
    std::string ini = "; generated skin description\r\n";
    for (int i = 0; i < bitmaps; ++i) {
        ini += "[Element" + std::to_string(i) + "]\r\nImage=element" + std::to_string(i) +
               ".bmp\r\nLeftWidth=4\r\nTopHeight=3\r\nRightWidth=4\r\nBottomHeight=3\r\n"
               "Trans=1\r\nFrameCount=4\r\nColour=236 233 216\r\n";
    }
    return ini;
}

Bytes MakeSkinArchive() {
    std::mt19937 rng(1);
    std::vector<TSkinArchiveEntry> entries;
    const std::string ini = MakeSkinIni(34);
    entries.push_back({"skin.ini", Bytes(ini.begin(), ini.end())});
    for (int i = 0; i < 34; ++i) {
        const int width = 16 + static_cast<int>(rng() % 70);
        const int height = 8 + static_cast<int>(rng() % 24);
        entries.push_back(
            {"element" + std::to_string(i) + ".bmp", MakeSkinBitmap(width * 2, height, rng)});
    }
    return BuildSkinArchive(entries);
}

void AppendText(Bytes& out, std::size_t size, std::mt19937& rng) {
    static const char* const kWords[] = {"skin",  "window", "caption", "button", "theme",
                                         "frame", "colour", "bitmap",  "menu",   "the",
                                         "of",    "and",    "scroll",  "=",      "\r\n"};
    while (size > 0) {
        const std::string word = std::string(kWords[rng() % 15]) + (rng() % 4 ? " " : ", ");
        const std::size_t n = std::min(size, word.size());
        out.insert(out.end(), word.begin(), word.begin() + static_cast<std::ptrdiff_t>(n));
        size -= n;
    }
}

Bytes MakeMixedInput(std::size_t total) {
    std::mt19937 rng(2);
    Bytes out;
    constexpr std::size_t kBlock = 16 * 1024;
    for (int block = 0; out.size() < total; ++block) {
        switch (block % 8) {
        case 0:
        case 3:
        case 6:
            AppendText(out, kBlock, rng);
            break;
        case 1:
        case 4: {
            const Bytes bmp = MakeSkinBitmap(128, 42, rng);
            out.insert(out.end(), bmp.begin(), bmp.begin() + std::min(bmp.size(), kBlock));
            break;
        }
        case 2:
        case 5:
            for (std::size_t i = 0; i < kBlock / 16; ++i) {
                AppendInt(out, static_cast<std::uint32_t>(block * 1000 + i), 4);
                AppendInt(out, 0x3401, 4);
                AppendInt(out, rng() % 640, 4);
                AppendInt(out, 0, 4);
            }
            break;
        default:
            for (std::size_t i = 0; i < kBlock; ++i)
                out.push_back(static_cast<std::uint8_t>(rng()));
        }
    }
    out.resize(total);
    return out;
}

void ExpandImage(benchmark::State& state, const Bytes& image) {
    std::size_t expanded = 0;
    for (auto _ : state) {
        Bytes out = LzhExpandImage(image.data(), image.size());
        expanded = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * expanded));
    state.counters["expanded"] = static_cast<double>(expanded);
    state.counters["packed"] = static_cast<double>(image.size());
}

void BM_LzhExpandSkin(benchmark::State& state) {
    static const Bytes image = LzhCompressImage(MakeSkinArchive());
    ExpandImage(state, image);
}
BENCHMARK(BM_LzhExpandSkin);

void BM_LzhExpandMixed4MB(benchmark::State& state) {
    static const Bytes image = LzhCompressImage(MakeMixedInput(4 * 1024 * 1024));
    ExpandImage(state, image);
}
BENCHMARK(BM_LzhExpandMixed4MB);

// The whole skin load path of the archive reader: expand, check, index.
void BM_SkinReaderLoad(benchmark::State& state) {
    static const Bytes image = LzhCompressImage(MakeSkinArchive());
    for (auto _ : state) {
        TSkinReader reader;
        benchmark::DoNotOptimize(reader.Load(image));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(MakeSkinArchive().size()));
}
BENCHMARK(BM_SkinReaderLoad);

} // namespace
