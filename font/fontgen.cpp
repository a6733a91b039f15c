// Build-time tool: reads the misc-fixed bitmap fonts and writes their printable ASCII glyphs as a C++
// table, so that neither the artwork tool nor the host needs the font files at run time.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc < 3 || (argc - 2) % 2 != 0) {
        fprintf(stderr, "usage: %s OUT.inc NAME FONT.pcf.gz [NAME FONT.pcf.gz...]\n", argv[0]);
        return 2;
    }
    FT_Library lib;
    if (FT_Init_FreeType(&lib)) {
        fprintf(stderr, "fontgen: FreeType did not start\n");
        return 1;
    }
    FILE* out = fopen(argv[1], "w");
    if (!out) {
        fprintf(stderr, "fontgen: cannot write %s\n", argv[1]);
        return 1;
    }
    fprintf(out, "// Generated from the misc-fixed fonts; do not edit.\n");
    for (int f = 2; f + 1 < argc; f += 2) {
        const char* name = argv[f];
        FT_Face face;
        if (FT_New_Face(lib, argv[f + 1], 0, &face) || face->num_fixed_sizes < 1) {
            fprintf(stderr, "fontgen: cannot read the bitmap font %s\n", argv[f + 1]);
            return 1;
        }
        FT_Select_Size(face, 0);
        const int height = face->available_sizes[0].height;
        const int ascent = static_cast<int>(face->size->metrics.ascender >> 6);
        int cell = 0;
        std::string rows;
        fprintf(out, "constexpr Glyph %s_GLYPHS[95] = {\n", name);
        for (int c = 32; c < 127; ++c) {
            if (FT_Load_Char(face, static_cast<FT_ULong>(c), FT_LOAD_RENDER | FT_LOAD_MONOCHROME | FT_LOAD_TARGET_MONO)) {
                fprintf(out, "    {0, 0, 0, 0, 0, {}},\n");
                continue;
            }
            FT_GlyphSlot g = face->glyph;
            const int adv = static_cast<int>(g->advance.x >> 6);
            if (adv > cell) cell = adv;
            fprintf(out, "    {%d, %d, %d, %d, %d, {", adv, g->bitmap_left, ascent - g->bitmap_top,
                    static_cast<int>(g->bitmap.width), static_cast<int>(g->bitmap.rows));
            for (unsigned y = 0; y < g->bitmap.rows && y < 16; ++y) {
                unsigned bits = 0;
                for (unsigned x = 0; x < g->bitmap.width && x < 16; ++x)
                    if (g->bitmap.buffer[y * g->bitmap.pitch + x / 8] & (0x80 >> (x % 8))) bits |= 1u << x;
                fprintf(out, "%s0x%04x", y ? ", " : "", bits);
            }
            fprintf(out, "}},\n");
        }
        fprintf(out, "};\nconstexpr Face %s{\"%s\", %d, %d, %d, %s_GLYPHS};\n\n", name, name, cell, height, ascent, name);
        FT_Done_Face(face);
    }
    fclose(out);
    FT_Done_FreeType(lib);
    return 0;
}
