#include "gallery_options.h"

#include <cstring>

const char kGalleryUsage[] =
    "usage: ruzav-gallery [--locale NAME] [--profile FILE] [--out DIR] [--page NAME]\n"
    "       ruzav-gallery --live [--page NAME] [--locale NAME] [--profile FILE]\n"
    "       ruzav-gallery --list\n"
    "\n"
    "Opens each gallery page, drives it through a short session of real input, prints every\n"
    "notification the host receives and saves pictures before and after, with index.html\n"
    "showing them all. --live opens a page (the spin control unless --page names another) in\n"
    "a window on the X display for you to use.\n"
    "\n"
    "  --locale NAME   regional settings of this locale (e.g. de_DE.UTF-8);\n"
    "                  default: the user's own locale (LC_ALL, LC_TIME, LANG)\n"
    "  --profile FILE  read the regional settings from this profile file ([Intl] section);\n"
    "                  keys it lacks take the library's defaults\n"
    "  --out DIR       where the pictures go (default: gallery-out)\n"
    "  --page NAME     this page alone (--list names them)\n"
    "  --list          name the pages\n"
    "  --live          show the page on the X display given by DISPLAY\n";

bool ParseGalleryOptions(int argc, char** argv, GalleryOptions& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= argc) {
                error = std::string(arg) + " needs a value";
                return false;
            }
            into = argv[++i];
            return true;
        };
        if (std::strcmp(arg, "--locale") == 0) {
            if (!value(options.locale)) {
                return false;
            }
        } else if (std::strcmp(arg, "--profile") == 0) {
            if (!value(options.profile)) {
                return false;
            }
        } else if (std::strcmp(arg, "--out") == 0) {
            if (!value(options.out)) {
                return false;
            }
        } else if (std::strcmp(arg, "--page") == 0) {
            if (!value(options.page)) {
                return false;
            }
        } else if (std::strcmp(arg, "--list") == 0) {
            options.list = true;
        } else if (std::strcmp(arg, "--live") == 0) {
            options.live = true;
        } else if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            options.help = true;
        } else {
            error = std::string("unknown option ") + arg;
            return false;
        }
    }
    if (!options.locale.empty() && !options.profile.empty()) {
        error = "--locale and --profile exclude each other";
        return false;
    }
    return true;
}
