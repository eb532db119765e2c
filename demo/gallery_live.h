// The gallery's live mode: one page shown on the X display for a person to use. Kept apart
// from the pages, which know nothing of X11.
#pragma once

#include "gallery_pages.h"

#include <string>

// 0 when the page ran and was closed; 1 with a one-line message when there is no display or
// the page failed; 2 when the page has no live form.
int RunPageLive(const GalleryPage& page, const std::string& outDir);
