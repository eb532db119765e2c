// Fonts as they are measured and drawn: a matched face at one pixel size with its metrics and a
// cache of one-bit glyph images. Each distinct description is resolved once and kept for the
// life of the process, so a text draw costs only the copying of cached pixels.
#pragma once

#include "gdi/gdi_objects.h"

#include <cstdint>
#include <string>
#include <vector>

namespace gdi {

struct Glyph {
    bool loaded = false;
    int advance = 0; // pixels to the next character's origin
    int left = 0;    // bitmap position relative to the origin on the baseline
    int top = 0;     // rows above the baseline to the bitmap's first row
    int width = 0;
    int height = 0;
    // The ink as bits, `words` 64-bit words per row, bit i of word w for column 64 * w + i:
    // drawing visits only the ink pixels, and a clip cuts a row with one mask. Empty for a
    // glyph without ink.
    int words = 0;
    std::vector<std::uint64_t> ink;
};

struct FontFace {
    int ascent = 0;
    int descent = 0;
    int height = 0; // ascent + descent: the cell height, tmHeight
    int internalLeading = 0;
    int averageWidth = 0;
    int maxWidth = 0;
    int weight = FW_NORMAL;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool fixedPitch = false;
    std::string faceName;   // as GetTextFaceA reports it
    TEXTMETRICA metrics{};  // as GetTextMetricsA reports them, made once with the face
    void* ftFace = nullptr; // FT_Face, or nullptr when no font file could be loaded
    bool syntheticBold = false;
    Glyph glyphs[256];

    // Inline for the common case of a glyph loaded before: text is measured all the time.
    const Glyph& GetGlyph(unsigned char c) {
        const Glyph& g = glyphs[c];
        return g.loaded ? g : LoadGlyph(c);
    }
    int Advance(unsigned char c) { return GetGlyph(c).advance; }

private:
    const Glyph& LoadGlyph(unsigned char c);
};

// The face for a font handle's description, or the system font's for a bad handle. Never null.
FontFace* ResolveFaceOf(HFONT font);
// The same, inline for a font whose face is known already: every measure and text draw asks.
inline FontFace* FaceOf(HFONT handle) {
    const Font* font = LookupFont(handle);
    return font && font->face ? font->face : ResolveFaceOf(handle);
}

} // namespace gdi
