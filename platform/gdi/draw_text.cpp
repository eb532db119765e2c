// DrawTextA: text laid out in a rectangle, with line breaks, word wrapping, alignment, tab
// expansion and '&' prefixes.
//
// A prefix '&' underlines the character after it and is not drawn; "&&" draws one '&'. So
// "&Save && Exit" draws "Save & Exit" with the S underlined. DT_CALCRECT sets the rectangle's
// width to the widest line and its height to the lines' total.
#include "gdi/text_render.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

using namespace gdi;

namespace {

struct Line {
    std::string text;
    int underline = -1; // index in text of the prefixed character
};

// The lines of one call, kept from call to call with their strings' room, so that laying out
// a label allocates nothing once a text of its length has been drawn.
class LinePool {
public:
    void Clear() { used_ = 0; }
    Line& Next() {
        if (used_ == lines_.size())
            lines_.emplace_back();
        Line& line = lines_[used_++];
        line.text.clear();
        line.underline = -1;
        return line;
    }
    const Line* begin() const { return lines_.data(); }
    const Line* end() const { return lines_.data() + used_; }
    std::size_t size() const { return used_; }

private:
    std::vector<Line> lines_;
    std::size_t used_ = 0;
};

// Removes prefixes into `line`. When several characters carry one, the last is the one
// underlined; a '&' at the very end prefixes nothing and is drawn as itself.
void StripPrefixes(const std::string& raw, bool prefixes, Line& line) {
    line.text.clear();
    line.underline = -1;
    if (!prefixes) {
        line.text = raw;
        return;
    }
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '&' && i + 1 < raw.size()) {
            ++i;
            if (raw[i] != '&')
                line.underline = static_cast<int>(line.text.size());
        }
        line.text += raw[i];
    }
}

class Layout {
public:
    Layout(FontFace* face, UINT format) : face_(face), format_(format) {
        tabWidth_ = 8 * std::max(1, face->averageWidth);
    }

    // Width of text[0, n) from the line's start, with tabs expanded when asked.
    int Width(const std::string& text, std::size_t n) const {
        int x = 0;
        for (std::size_t i = 0; i < n; ++i)
            x += Advance(text[i], x);
        return x;
    }
    // How far character c moves the pen from x.
    int Advance(char c, int x) const {
        if (c == '\t' && (format_ & DT_EXPANDTABS))
            return (x / tabWidth_ + 1) * tabWidth_ - x;
        return face_->Advance(static_cast<unsigned char>(c));
    }
    int Width(const std::string& text) const { return Width(text, text.size()); }

    // Breaks one paragraph into lines no wider than `width` where spaces allow. A word wider
    // than the line stands alone on its line and is clipped, not split.
    void Wrap(const Line& paragraph, int width, LinePool& out) const {
        const std::string& s = paragraph.text;
        if (s.empty()) {
            out.Next() = paragraph;
            return;
        }
        std::size_t start = 0;
        while (start < s.size()) {
            int x = 0;
            std::size_t i = start, lastBreak = std::string::npos;
            for (; i < s.size(); ++i) {
                const int advance = Advance(s[i], x);
                if (s[i] != ' ' && x + advance > width && i > start)
                    break;
                if (s[i] == ' ')
                    lastBreak = i;
                x += advance;
            }
            if (i >= s.size()) {
                Slice(paragraph, start, s.size(), out.Next());
                return;
            }
            std::size_t cut = lastBreak;
            if (cut == std::string::npos || cut <= start) {
                cut = s.find(' ', i); // the word runs on to its end
                if (cut == std::string::npos) {
                    Slice(paragraph, start, s.size(), out.Next());
                    return;
                }
            }
            Slice(paragraph, start, cut, out.Next());
            start = cut;
            while (start < s.size() && s[start] == ' ')
                ++start;
        }
    }

private:
    static void Slice(const Line& from, std::size_t begin, std::size_t end, Line& line) {
        std::size_t stop = end;
        while (stop > begin && from.text[stop - 1] == ' ')
            --stop; // spaces at a break belong to neither line
        line.text.assign(from.text, begin, stop - begin);
        if (from.underline >= static_cast<int>(begin) && from.underline < static_cast<int>(stop))
            line.underline = from.underline - static_cast<int>(begin);
    }

    FontFace* face_;
    UINT format_;
    int tabWidth_;
};

} // namespace

int WINAPI DrawTextA(HDC hdc, LPCSTR text, int count, LPRECT rect, UINT format) {
    Dc* dc = LookupDc(hdc);
    if (!dc || !rect || (!text && count != 0))
        return 0;
    // Kept from call to call, like the lines: DrawTextA calls back into nothing, and runs for
    // every label.
    static std::string& raw = *new std::string;
    static std::string& part = *new std::string;
    static Line& paragraph = *new Line;
    static LinePool& lines = *new LinePool;
    if (count < 0)
        raw.assign(text);
    else
        raw.assign(text, text ? static_cast<std::size_t>(count) : 0);
    FontFace* face = FaceOf(dc->state.font);
    const Layout layout(face, format);
    const int lineHeight = face->height;
    const int rectWidth = rect->right - rect->left;
    const bool single = (format & DT_SINGLELINE) != 0;

    lines.Clear();
    if (single) {
        StripPrefixes(raw, !(format & DT_NOPREFIX), lines.Next());
    } else {
        std::size_t start = 0;
        while (true) {
            std::size_t nl = raw.find('\n', start);
            part.assign(raw, start, nl == std::string::npos ? nl : nl - start);
            if (!part.empty() && part.back() == '\r')
                part.pop_back();
            StripPrefixes(part, !(format & DT_NOPREFIX), paragraph);
            if (format & DT_WORDBREAK)
                layout.Wrap(paragraph, rectWidth, lines);
            else
                lines.Next() = paragraph;
            if (nl == std::string::npos)
                break;
            start = nl + 1;
        }
    }

    int widest = 0;
    for (const Line& line : lines)
        widest = std::max(widest, layout.Width(line.text));
    const int height = lineHeight * static_cast<int>(lines.size());

    if (format & DT_CALCRECT) {
        // The width becomes the widest line's, wrapped or not.
        rect->right = rect->left + widest;
        rect->bottom = rect->top + height;
        return height;
    }

    int top = rect->top;
    if (single && (format & DT_VCENTER))
        top = rect->top + (rect->bottom - rect->top) / 2 - lineHeight / 2;
    else if (single && (format & DT_BOTTOM))
        top = rect->bottom - lineHeight;

    const UINT options = (format & DT_NOCLIP) ? 0 : ETO_CLIPPED;
    int y = top;
    for (const Line& line : lines) {
        const int width = layout.Width(line.text);
        int x = rect->left;
        if (format & DT_CENTER)
            x = rect->left + (rectWidth - width) / 2;
        else if (format & DT_RIGHT)
            x = rect->right - width;
        // Draw tab-separated pieces at their expanded positions.
        std::size_t start = 0;
        while (start <= line.text.size()) {
            std::size_t tab =
                (format & DT_EXPANDTABS) ? line.text.find('\t', start) : std::string::npos;
            std::size_t end = tab == std::string::npos ? line.text.size() : tab;
            int underline =
                line.underline >= static_cast<int>(start) && line.underline < static_cast<int>(end)
                    ? line.underline - static_cast<int>(start)
                    : -1;
            if (end > start)
                OutputText(hdc, x + layout.Width(line.text, start), y, options, rect,
                           line.text.data() + start, static_cast<int>(end - start), nullptr,
                           underline, true);
            if (tab == std::string::npos)
                break;
            start = tab + 1;
        }
        y += lineHeight;
    }
    if (single && (format & (DT_VCENTER | DT_BOTTOM)))
        return top - rect->top + lineHeight;
    return height;
}
