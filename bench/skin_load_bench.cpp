// The skin loader without decompression (INI parse, BMP decoding, derived
// images) on the stored blue skin's sources, and the composition routines
// painting leans on. Compare the ramp-cache hit with the miss in one run.
#include "core/colour_ramp.h"
#include "core/nine_slice.h"
#include "core/quick_ini.h"
#include "core/skin_loader.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <map>

namespace {

const std::string kSkinDir = VELMORA_SOURCE_DIR "/skins/blue/";

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void BM_ParseStoredSkin(benchmark::State& state) {
    const std::vector<std::uint8_t> ini = ReadBytes(kSkinDir + "skin.ini");
    std::map<std::string, std::vector<std::uint8_t>> cache;
    const TSkinFileSource files = [&cache](const std::string& name,
                                           std::vector<std::uint8_t>& out) {
        auto it = cache.find(name);
        if (it == cache.end()) it = cache.emplace(name, ReadBytes(kSkinDir + name)).first;
        out = it->second;
    };
    for (auto _ : state) {
        TQuickIni parsed;
        parsed.LoadFromStream(ini);
        TSkinModel model;
        ParseSkin(model, parsed, files);
        benchmark::DoNotOptimize(model.Colours);
    }
}
BENCHMARK(BM_ParseStoredSkin);

void BM_BuildSkinBitmap(benchmark::State& state) {
    TPixelBitmap source(120, 24, MakeColour(200, 210, 220));
    const TCentreFill fill = state.range(0) != 0 ? TCentreFill::Tile : TCentreFill::Stretch;
    for (auto _ : state) {
        TPixelBitmap result = BuildSkinBitmap(300, 200, TSkinFrame{&source, 2, 5}, {5, 5, 5, 5},
                                              TStripAxis::Horizontal, fill);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_BuildSkinBitmap)->Arg(0)->Arg(1);

void BM_GradientRampHit(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(RampCache().Ramp(400, kBlack, MakeColour(10, 200, 255)));
}
BENCHMARK(BM_GradientRampHit);

void BM_GradientRampMiss(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputeColourRamp(400, kBlack, MakeColour(10, 200, 255)));
}
BENCHMARK(BM_GradientRampMiss);

} // namespace
