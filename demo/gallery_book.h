// The picture book: what each page printed and the pictures it saved, gathered while the
// gallery runs and written as index.html beside the pictures (one file, no scripts, nothing
// fetched from the network).
#pragma once

#include "gallery_pages.h"

#include <string>
#include <vector>

struct PageRecord {
    const GalleryPage* page = nullptr;
    bool ok = false;
    std::string transcript;            // what the host heard, as printed
    std::vector<std::string> pictures; // file names in the output folder, in the order saved
};

// Runs a page's session with its output both printed and kept, and notes the PNG files the
// session wrote into outDir.
PageRecord RunPageRecorded(const GalleryPage& page, const std::string& outDir);

// Writes outDir/index.html; false (with a message on stderr) when it cannot be written.
bool WriteIndexHtml(const std::string& outDir, const std::vector<PageRecord>& records);

// The text made safe inside HTML: & < > " become entities.
std::string HtmlEscape(const std::string& text);
