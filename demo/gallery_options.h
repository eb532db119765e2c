// The gallery's command line.
#pragma once

#include <string>

struct GalleryOptions {
    std::string locale;  // --locale NAME: regional settings of that POSIX locale
    std::string profile; // --profile FILE: the user profile (WIN.INI text) to read them from
    std::string out = "gallery-out";
    std::string page; // --page NAME: that page alone
    bool help = false;
    bool list = false; // --list: name the pages and stop
    bool live = false; // --live: show the page in an X11 window for a person to use
};

// False, with a message in error, for an unknown option or a missing value.
bool ParseGalleryOptions(int argc, char** argv, GalleryOptions& options, std::string& error);

extern const char kGalleryUsage[];
