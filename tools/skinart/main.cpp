// skinart: paints the two stored skins (blue and yellow) into skins/<name>/
// and refuses to finish when a text colour does not stand out enough.
//
//   skinart [OUTPUT_ROOT]      (default: skins)

#include "contrast.h"
#include "skin_art.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    using namespace skinart;
    if (argc > 2 || (argc == 2 && std::string(argv[1]).rfind("-", 0) == 0)) {
        std::fprintf(stderr, "usage: skinart [OUTPUT_ROOT]\n");
        return 2;
    }
    const std::string root = argc == 2 ? argv[1] : "skins";
    bool contrastOk = true;
    for (const Palette& palette : {BluePalette(), YellowPalette()}) {
        const SkinOutput skin = PaintSkin(palette);
        std::printf("%s (%s)\n", palette.folder.c_str(), palette.skinName.c_str());
        for (const auto& [what, ratio] : skin.Contrasts()) {
            const bool ok = ratio >= kMinimumTextContrast;
            contrastOk = contrastOk && ok;
            std::printf("  %-42s %5.2f:1 %s\n", what.c_str(), ratio, ok ? "ok" : "TOO LOW");
        }
        if (!contrastOk) continue; // nothing is written for a skin that fails
        const long bytes = WriteSkin(skin, root + "/" + palette.folder);
        if (bytes < 0) {
            std::fprintf(stderr, "skinart: cannot write %s/%s\n", root.c_str(),
                         palette.folder.c_str());
            return 1;
        }
        std::printf("  %zu files, %ld bytes\n", skin.Images().size() + 1, bytes);
    }
    if (!contrastOk) {
        std::fprintf(stderr, "skinart: text contrast below %.1f:1\n", kMinimumTextContrast);
        return 1;
    }
    return 0;
}
