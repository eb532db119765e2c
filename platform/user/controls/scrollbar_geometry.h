// Where the parts of a scroll bar lie along its axis (down a vertical bar, across a horizontal
// one): two arrow buttons at the ends, the shaft between them and the thumb in the shaft.
// Plain arithmetic, apart from any window.
#pragma once

namespace user_controls {

enum class ScrollPart { None, LineUp, PageUp, Thumb, PageDown, LineDown };

struct ScrollRange {
    int min = 0;
    int max = 0;
    unsigned page = 0;
    int pos = 0;
};

// The highest position the thumb can reach: max, less the page beyond its first line.
int ScrollMaxPos(const ScrollRange& range);
int ClampScrollPos(const ScrollRange& range, int pos);

struct ScrollGeometry {
    int length = 0;      // extent of the whole bar along its axis
    int arrow = 0;       // extent of each arrow button along the axis
    int thumbStart = 0;  // offset of the thumb from the bar's start; meaningless without a thumb
    int thumbLength = 0; // 0: no thumb (no room, no range, or disabled)
};

// arrowMetric is the system's arrow size (SM_CYVSCROLL or SM_CXHSCROLL). A bar shorter than two
// such arrows splits its length between them: a 20-pixel bar has two 10-pixel arrows and no
// shaft. pos is where the thumb is drawn (the tracking position while it is dragged).
ScrollGeometry ComputeScrollGeometry(int length, int arrowMetric, const ScrollRange& range, int pos,
                                     bool thumbAllowed);

ScrollPart HitScrollPart(const ScrollGeometry& geometry, int offset);

// The position a thumb dragged to start offset `thumbStart` stands for.
int ScrollPosFromThumb(const ScrollGeometry& geometry, const ScrollRange& range, int thumbStart);

} // namespace user_controls
