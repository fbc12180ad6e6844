// Where windows go: the layout class of the frame and the placement of children and dialogs, in
// twips (1/1440 inch), the unit every size and position of the windows is given in.
#pragma once

namespace brisk {

inline constexpr int kLayoutNormal = 6810;
inline constexpr int kLayoutLarge = 8670;

struct TwipPoint {
    int x, y;
    bool operator==(const TwipPoint&) const = default;
};

// The frame's outer height decides the layout class.
inline int layoutClassForHeight(int outerHeightTwips) {
    return outerHeightTwips > 8500 ? kLayoutLarge : kLayoutNormal;
}
inline bool isLargeLayout(int layoutClass) {
    return layoutClass >= 8501;
}

// Every full-size child sits just over the frame's client edge in the normal layout (its border
// pushed outside) and further in on a large frame. A class of 0 (before the first resize) is normal.
inline TwipPoint childPosition(int layoutClass) {
    return isLargeLayout(layoutClass) ? TwipPoint{1200, 1000} : TwipPoint{-60, -30};
}

// A dialog's offset from the frame's own left and top edges, one pair per layout class.
struct DialogOffsets {
    TwipPoint normal, large;
    TwipPoint forLayout(int layoutClass) const { return isLargeLayout(layoutClass) ? large : normal; }
};

inline constexpr DialogOffsets kMessageBoxOffsets{{3600, 2000}, {4650, 3000}};
inline constexpr DialogOffsets kYesNoOffsets{{3500, 2000}, {4500, 3000}};
inline constexpr DialogOffsets kHeaderInputOffsets{{3400, 3000}, {4500, 4000}};

// The frame as it opens.
inline constexpr TwipPoint kFrameOrigin{0, 0};
inline constexpr int kFrameWidth = 9615;
inline constexpr int kFrameHeight = 6810;

} // namespace brisk
