// Font matching (fontconfig) and glyph rendering (FreeType, one bit per pixel, no smoothing),
// cached per font description.
//
// The usual Windows face names are mapped to the DejaVu families before matching, so a face
// such as "MS Sans Serif" measures and draws the same on every machine that has
// fonts-dejavu-core, whatever other fonts it has installed.
#include "gdi/font_cache.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <tuple>

namespace gdi {
namespace {

FT_Library Library() {
    static FT_Library library = [] {
        FT_Library lib = nullptr;
        if (FT_Init_FreeType(&lib) != 0)
            lib = nullptr;
        return lib;
    }();
    return library;
}

std::string Lower(const char* s) {
    std::string out(s ? s : "");
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// The family to ask fontconfig for.
std::string FamilyFor(const LOGFONTA& lf) {
    static const char* const sans[] = {
        "",      "ms sans serif", "ms shell dlg",         "ms shell dlg 2", "system",   "tahoma",
        "arial", "helv",          "microsoft sans serif", "small fonts",    "segoe ui", "verdana"};
    static const char* const mono[] = {"courier", "courier new", "fixedsys", "terminal",
                                       "lucida console"};
    static const char* const serif[] = {"times new roman", "times", "ms serif", "tms rmn"};
    const std::string name = Lower(lf.lfFaceName);
    for (const char* s : mono)
        if (name == s)
            return "DejaVu Sans Mono";
    if (name.empty() && (lf.lfPitchAndFamily & 3) == FIXED_PITCH)
        return "DejaVu Sans Mono";
    for (const char* s : serif)
        if (name == s)
            return "DejaVu Serif";
    for (const char* s : sans)
        if (name == s)
            return "DejaVu Sans";
    return lf.lfFaceName;
}

struct Match {
    std::string file;
    int index = 0;
    std::string family;
    bool bold = false;
};

// Starts fontconfig once, and has it release its configuration at exit so leak checkers see a
// clean process.
bool FontconfigReady() {
    static const bool ready = [] {
        if (!FcInit())
            return false;
        std::atexit(FcFini);
        return true;
    }();
    return ready;
}

Match MatchFont(const std::string& family, bool bold, bool italic) {
    Match m;
    if (FontconfigReady()) {
        FcPattern* pattern = FcPatternCreate();
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
        FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
        FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
        FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
        FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern* found = FcFontMatch(nullptr, pattern, &result);
        if (found) {
            FcChar8* file = nullptr;
            FcChar8* name = nullptr;
            int index = 0, weight = 0;
            if (FcPatternGetString(found, FC_FILE, 0, &file) == FcResultMatch)
                m.file = reinterpret_cast<const char*>(file);
            if (FcPatternGetInteger(found, FC_INDEX, 0, &index) == FcResultMatch)
                m.index = index;
            if (FcPatternGetString(found, FC_FAMILY, 0, &name) == FcResultMatch)
                m.family = reinterpret_cast<const char*>(name);
            if (FcPatternGetInteger(found, FC_WEIGHT, 0, &weight) == FcResultMatch)
                m.bold = weight >= FC_WEIGHT_DEMIBOLD;
            FcPatternDestroy(found);
        }
        FcPatternDestroy(pattern);
    }
    if (m.file.empty()) {
        m.file = bold ? "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
                      : "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
        m.family = "DejaVu Sans";
        m.bold = bold;
    }
    return m;
}

// Windows code page 1252 for the bytes 0x80..0x9F; the other bytes are Latin-1 already.
FT_ULong ToUnicode(unsigned char c) {
    static const unsigned short high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    return c >= 0x80 && c < 0xA0 ? high[c - 0x80] : c;
}

void SetupMetrics(FontFace& f, const LOGFONTA& lf) {
    FT_Face face = static_cast<FT_Face>(f.ftFace);
    // Design ascent and descent per em, to turn a cell height into a character height.
    double ascentPerEm = 0.93, descentPerEm = 0.24;
    if (face && face->units_per_EM) {
        ascentPerEm = static_cast<double>(face->ascender) / face->units_per_EM;
        descentPerEm = static_cast<double>(-face->descender) / face->units_per_EM;
    }
    // Ascent and descent round to the nearest pixel: an 11-pixel DejaVu Sans has 10 and 3, a
    // 13-pixel cell like the 8-point face it stands for.
    auto ascentFor = [&](int em) { return static_cast<int>(std::lround(em * ascentPerEm)); };
    auto descentFor = [&](int em) { return static_cast<int>(std::lround(em * descentPerEm)); };
    auto cellFor = [&](int em) { return ascentFor(em) + descentFor(em); };
    int em;
    if (lf.lfHeight < 0) {
        em = -lf.lfHeight;
    } else {
        // A positive height is the cell; zero asks for the default cell of about 13 pixels.
        const int cell = lf.lfHeight > 0 ? lf.lfHeight : 13;
        em = std::max(1, static_cast<int>(std::lround(cell / (ascentPerEm + descentPerEm))));
        while (em > 1 && cellFor(em) > cell)
            --em;
    }
    em = std::min(em, 2048);
    if (face && FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(em)) != 0)
        f.ftFace = face = nullptr;
    f.ascent = ascentFor(em);
    f.descent = descentFor(em);
    f.height = f.ascent + f.descent;
    f.internalLeading = std::max(0, f.height - em);
    const int x = f.Advance('x');
    f.averageWidth = x > 0 ? x : std::max(1, em / 2);
    int widest = 0;
    for (int c = 32; c < 256; ++c)
        widest = std::max(widest, f.Advance(static_cast<unsigned char>(c)));
    f.maxWidth = widest;
}

TEXTMETRICA TextMetricsOf(const FontFace& face) {
    TEXTMETRICA tm{};
    tm.tmHeight = face.height;
    tm.tmAscent = face.ascent;
    tm.tmDescent = face.descent;
    tm.tmInternalLeading = face.internalLeading;
    tm.tmExternalLeading = 0;
    tm.tmAveCharWidth = face.averageWidth;
    tm.tmMaxCharWidth = face.maxWidth;
    tm.tmWeight = face.weight;
    tm.tmDigitizedAspectX = 96;
    tm.tmDigitizedAspectY = 96;
    tm.tmFirstChar = 0x20;
    tm.tmLastChar = 0xFF;
    tm.tmDefaultChar = 0x1F;
    tm.tmBreakChar = 0x20;
    tm.tmItalic = face.italic ? 0xFF : 0;
    tm.tmUnderlined = face.underline ? 0xFF : 0;
    tm.tmStruckOut = face.strikeOut ? 0xFF : 0;
    // In this field a set low bit means variable pitch, the reverse of what its name says.
    tm.tmPitchAndFamily =
        static_cast<BYTE>(face.fixedPitch ? (0x06 | FF_MODERN) : (0x07 | FF_SWISS));
    tm.tmCharSet = ANSI_CHARSET;
    return tm;
}

using Key = std::tuple<std::string, LONG, bool, bool, bool, bool, BYTE>;

std::map<Key, std::unique_ptr<FontFace>>& Faces() {
    static auto* faces = new std::map<Key, std::unique_ptr<FontFace>>;
    return *faces;
}

FontFace* Resolve(const LOGFONTA& lf) {
    const bool bold = lf.lfWeight >= FW_SEMIBOLD;
    const std::string family = FamilyFor(lf);
    Key key{Lower(lf.lfFaceName),
            lf.lfHeight,
            bold,
            lf.lfItalic != 0,
            lf.lfUnderline != 0,
            lf.lfStrikeOut != 0,
            static_cast<BYTE>(lf.lfPitchAndFamily & 3)};
    auto& faces = Faces();
    auto it = faces.find(key);
    if (it != faces.end())
        return it->second.get();

    auto f = std::make_unique<FontFace>();
    const Match match = MatchFont(family, bold, lf.lfItalic != 0);
    FT_Face face = nullptr;
    if (Library() && FT_New_Face(Library(), match.file.c_str(), match.index, &face) != 0)
        face = nullptr;
    f->ftFace = face;
    f->weight = bold ? FW_BOLD : FW_NORMAL;
    if (lf.lfWeight > 0)
        f->weight = lf.lfWeight;
    f->italic = lf.lfItalic != 0;
    f->underline = lf.lfUnderline != 0;
    f->strikeOut = lf.lfStrikeOut != 0;
    f->syntheticBold = bold && face && !(face->style_flags & FT_STYLE_FLAG_BOLD);
    f->fixedPitch = face && FT_IS_FIXED_WIDTH(face);
    f->faceName = lf.lfFaceName[0] ? std::string(lf.lfFaceName) : match.family;
    SetupMetrics(*f, lf);
    f->metrics = TextMetricsOf(*f);
    FontFace* result = f.get();
    faces.emplace(key, std::move(f));
    return result;
}

} // namespace

const Glyph& FontFace::LoadGlyph(unsigned char c) {
    Glyph& g = glyphs[c];
    g.loaded = true;
    FT_Face face = static_cast<FT_Face>(ftFace);
    if (!face) {
        g.advance = std::max(1, (ascent + descent) / 3);
        return g;
    }
    if (FT_Load_Char(face, ToUnicode(c), FT_LOAD_DEFAULT | FT_LOAD_TARGET_MONO) != 0)
        return g;
    FT_GlyphSlot slot = face->glyph;
    FT_Pos advance = slot->advance.x;
    if (syntheticBold && slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        FT_Outline_Embolden(&slot->outline, 64);
        advance += 64;
    }
    g.advance = static_cast<int>((advance + 32) >> 6);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0)
        return g;
    const FT_Bitmap& bm = slot->bitmap;
    g.left = slot->bitmap_left;
    g.top = slot->bitmap_top;
    g.width = static_cast<int>(bm.width);
    g.height = static_cast<int>(bm.rows);
    g.words = (g.width + 63) / 64;
    g.ink.assign(static_cast<std::size_t>(g.words) * g.height, 0);
    bool any = false;
    for (int y = 0; y < g.height; ++y) {
        const unsigned char* row = bm.buffer + static_cast<std::ptrdiff_t>(y) * bm.pitch;
        std::uint64_t* words = g.ink.data() + static_cast<std::size_t>(y) * g.words;
        for (int x = 0; x < g.width; ++x)
            if (bm.pixel_mode == FT_PIXEL_MODE_MONO ? (row[x / 8] >> (7 - x % 8)) & 1
                                                    : row[x] >= 128) {
                words[x / 64] |= std::uint64_t{1} << (x % 64);
                any = true;
            }
    }
    if (!any)
        g.ink.clear();
    return g;
}

FontFace* ResolveFaceOf(HFONT handle) {
    Font* font = LookupFont(handle);
    if (!font)
        font = LookupFont(Stock(SYSTEM_FONT));
    if (!font->face)
        font->face = Resolve(font->logfont);
    return font->face;
}

} // namespace gdi
