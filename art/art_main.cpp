// The build-time artwork tool: draws every bitmap of one gauge's recipe, checks each against its
// declared number and size, and writes the resource pack (and, on request, each bitmap as a BMP file).
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "art/bitmap_file.h"
#include "art/recipe.h"

namespace {

bool write_file(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream f(path, std::ios::binary);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(f);
}

}  // namespace

int main(int argc, char** argv) {
    std::string out, bmp_dir;
    for (int i = 1; i < argc; ++i) {
        if (!strcmp(argv[i], "--out") && i + 1 < argc) out = argv[++i];
        else if (!strcmp(argv[i], "--bmp-dir") && i + 1 < argc) bmp_dir = argv[++i];
        else {
            fprintf(stderr, "usage: %s --out PACK [--bmp-dir DIR]\n", argv[0]);
            return 2;
        }
    }
    if (out.empty()) {
        fprintf(stderr, "%s: --out is required\n", argv[0]);
        return 2;
    }
    std::vector<art::PackEntry> entries;
    std::set<int> seen;
    try {
        for (const auto& r : gauge_art()) {
            if (!seen.insert(r.number).second) {
                fprintf(stderr, "bitmap %d is declared twice\n", r.number);
                return 1;
            }
            art::Canvas c = r.draw();
            if (c.width() != r.width || c.height() != r.height) {
                fprintf(stderr, "bitmap %d (%s) is declared %d x %d but drawn %d x %d\n", r.number, r.what.c_str(),
                        r.width, r.height, c.width(), c.height());
                return 1;
            }
            entries.push_back({static_cast<uint32_t>(r.number), art::encode_bmp(c)});
        }
    } catch (const std::exception& e) {
        fprintf(stderr, "drawing failed: %s\n", e.what());
        return 1;
    }
    if (!bmp_dir.empty()) {
        std::filesystem::create_directories(bmp_dir);
        for (auto& e : entries)
            if (!write_file(std::filesystem::path(bmp_dir) / (std::to_string(e.number) + ".bmp"), e.bmp)) {
                fprintf(stderr, "cannot write into %s\n", bmp_dir.c_str());
                return 1;
            }
    }
    if (!write_file(out, art::encode_pack(entries))) {
        fprintf(stderr, "cannot write %s\n", out.c_str());
        return 1;
    }
    return 0;
}
