// Index: capturing a page's output - the pictures it saved - writing index.html.
#include "gallery_book.h"
#include "gallery_files.h"
#include "gallery_support.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <unistd.h>

namespace {

using gallery::PngStamps;
using Stamps = std::map<std::string, gallery::Stamp>;

// The pictures that are new or rewritten since `before`, oldest first: a page saves its
// "before" picture ahead of its "after" one, and the book shows them in that order.
std::vector<std::string> SavedSince(const Stamps& before, const Stamps& after) {
    std::vector<std::pair<gallery::Stamp, std::string>> saved;
    for (const auto& [name, time] : after) {
        const auto old = before.find(name);
        if (old == before.end() || old->second != time) {
            saved.emplace_back(time, name);
        }
    }
    std::sort(saved.begin(), saved.end());
    std::vector<std::string> names;
    for (auto& s : saved) {
        names.push_back(std::move(s.second));
    }
    return names;
}

// Sends stdout into a temporary file for as long as it lives, then puts it back and hands over
// what was written. If the redirection cannot be made, output goes to stdout as usual and the
// transcript stays empty.
class StdoutCapture {
public:
    StdoutCapture() {
        std::fflush(stdout);
        file_ = std::tmpfile();
        saved_ = file_ != nullptr ? dup(STDOUT_FILENO) : -1;
        if (saved_ < 0 || dup2(fileno(file_), STDOUT_FILENO) < 0) {
            Release();
        }
    }
    ~StdoutCapture() { Release(); }
    StdoutCapture(const StdoutCapture&) = delete;
    StdoutCapture& operator=(const StdoutCapture&) = delete;

    std::string Finish() {
        std::string text;
        if (saved_ < 0) {
            return text;
        }
        std::fflush(stdout);
        dup2(saved_, STDOUT_FILENO);
        std::rewind(file_);
        char buffer[4096];
        size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, file_)) > 0) {
            text.append(buffer, n);
        }
        Release();
        std::fwrite(text.data(), 1, text.size(), stdout);
        std::fflush(stdout);
        return text;
    }

private:
    void Release() {
        if (saved_ >= 0) {
            std::fflush(stdout);
            dup2(saved_, STDOUT_FILENO);
            close(saved_);
            saved_ = -1;
        }
        if (file_ != nullptr) {
            std::fclose(file_);
            file_ = nullptr;
        }
    }
    std::FILE* file_ = nullptr;
    int saved_ = -1;
};

const char kStyle[] = "body{font-family:sans-serif;margin:2em;background:#f4f4f4}"
                      "section{background:#fff;padding:1em;margin-bottom:2em;border:1px solid #ccc}"
                      "figure{display:inline-block;margin:0 1em 1em 0;vertical-align:top}"
                      "img{image-rendering:pixelated;border:1px solid #999}"
                      "pre{background:#fafafa;border:1px solid #ddd;padding:.5em;overflow:auto}"
                      ".failed{color:#b00}";

} // namespace

std::string HtmlEscape(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

PageRecord RunPageRecorded(const GalleryPage& page, const std::string& outDir) {
    PageRecord record;
    record.page = &page;
    const Stamps before = PngStamps(outDir);
    {
        StdoutCapture capture;
        record.ok = page.run(outDir);
        record.transcript = capture.Finish();
    }
    record.pictures = SavedSince(before, PngStamps(outDir));
    return record;
}

bool WriteIndexHtml(const std::string& outDir, const std::vector<PageRecord>& records) {
    const std::string path = gallery::Join(outDir, "index.html");
    std::ofstream out(path);
    out << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
        << "<title>RUZAV32 gallery</title>\n<style>" << kStyle << "</style>\n</head>\n<body>\n"
        << "<h1>RUZAV32 gallery</h1>\n<ul>\n";
    for (const PageRecord& r : records) {
        out << "<li><a href=\"#" << r.page->name << "\">" << HtmlEscape(r.page->title)
            << "</a></li>\n";
    }
    out << "</ul>\n";
    for (const PageRecord& r : records) {
        out << "<section id=\"" << r.page->name << "\">\n<h2>" << HtmlEscape(r.page->title)
            << " <small>(" << r.page->name << ")</small></h2>\n";
        if (!r.ok) {
            out << "<p class=\"failed\">This page did not complete.</p>\n";
        }
        for (const std::string& picture : r.pictures) {
            const std::string name = HtmlEscape(picture);
            out << "<figure><img src=\"" << name << "\" alt=\"" << name << "\"><figcaption>" << name
                << "</figcaption></figure>\n";
        }
        out << "<h3>What the host received</h3>\n<pre>" << HtmlEscape(r.transcript)
            << "</pre>\n</section>\n";
    }
    out << "</body>\n</html>\n";
    out.close();
    if (!out) {
        std::fprintf(stderr, "ruzav-gallery: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}
