// Where the painters put images and texts: pure integer geometry, no window calls.
#pragma once

#include <windows.h>

namespace vxcore {

// The engine's sizes are given for 96 DPI and scaled to the DPI a window is painted at,
// rounded as MulDiv rounds.
inline int ScaleToDpi(int pixels, int dpi)
{
    return (pixels * dpi + 48) / 96;
}

struct Spacing {
    int padding; // between a face's edge and its content
    int gap;     // between an image and its text
};

inline Spacing SpacingAt(int dpi)
{
    Spacing spacing = {ScaleToDpi(3, dpi), ScaleToDpi(3, dpi)};
    return spacing;
}

struct ContentPlaces {
    RECT image; // empty (all zero) when there is no image
    RECT text;
    bool stacked; // image above the text, both centred (a tile), else image left of the text
};

inline RECT MakeRect(int left, int top, int right, int bottom)
{
    RECT r = {left, top, right, bottom};
    return r;
}

// Image and caption of a button face. A face tall enough for the image above one text line
// gets a tile (image centred above the centred caption); otherwise the image sits at the left,
// vertically centred, and the caption takes the rest.
inline ContentPlaces PlaceButtonContent(const RECT& face, SIZE image, int textHeight,
                                        bool hasText, const Spacing& spacing)
{
    ContentPlaces places = {};
    const int padding = spacing.padding;
    RECT inner = MakeRect(face.left + padding, face.top + padding, face.right - padding, face.bottom - padding);
    int innerHeight = inner.bottom - inner.top;
    int innerWidth = inner.right - inner.left;
    if (image.cx <= 0 || image.cy <= 0) {
        places.text = inner;
        return places;
    }
    int tileHeight = image.cy + (hasText ? spacing.gap + textHeight : 0);
    if (!hasText || tileHeight <= innerHeight) {
        // Tile: the block of image and text is centred both ways.
        int top = inner.top + (innerHeight - tileHeight) / 2;
        int left = inner.left + (innerWidth - image.cx) / 2;
        places.image = MakeRect(left, top, left + image.cx, top + image.cy);
        int textTop = top + image.cy + spacing.gap;
        places.text = MakeRect(inner.left, textTop, inner.right, hasText ? textTop + textHeight : textTop);
        places.stacked = true;
        return places;
    }
    // Side by side: image at the left, vertically centred.
    int top = inner.top + (innerHeight - image.cy) / 2;
    places.image = MakeRect(inner.left, top, inner.left + image.cx, top + image.cy);
    places.text = MakeRect(places.image.right + spacing.gap, inner.top, inner.right, inner.bottom);
    return places;
}

// Image and text of one row (a list entry, a header band): image at the left edge plus the
// indent, vertically centred; the text after it.
inline ContentPlaces PlaceRowContent(const RECT& row, SIZE image, int indent, const Spacing& spacing)
{
    ContentPlaces places = {};
    int left = row.left + indent;
    if (image.cx > 0 && image.cy > 0) {
        int top = row.top + ((row.bottom - row.top) - image.cy) / 2;
        places.image = MakeRect(left, top, left + image.cx, top + image.cy);
        left = places.image.right + spacing.gap;
    }
    places.text = MakeRect(left, row.top, row.right - indent, row.bottom);
    return places;
}

// The places of a right-to-left window: mirrored across the area they were placed in, so that
// the image stands at the right and the text runs leftward from it.
inline RECT MirroredIn(const RECT& r, const RECT& area)
{
    return MakeRect(area.left + area.right - r.right, r.top, area.left + area.right - r.left, r.bottom);
}

inline void MirrorPlaces(ContentPlaces& places, const RECT& area)
{
    if (places.image.right > places.image.left)
        places.image = MirroredIn(places.image, area);
    places.text = MirroredIn(places.text, area);
}

// The rectangle of entry `index` of a list whose entries are `itemHeight` high and whose first
// shown entry is `topIndex`; rows above the top index lie above the client area.
inline RECT ListRowRect(int index, int topIndex, int itemHeight, int clientWidth)
{
    int top = (index - topIndex) * itemHeight;
    return MakeRect(0, top, clientWidth, top + itemHeight);
}

// Entries shown in a client area of the given height: from the top index up to and including
// the last one that reaches into it, at most `count`.
inline int ListLastShownRow(int topIndex, int itemHeight, int clientHeight, int count)
{
    if (count <= 0 || itemHeight <= 0 || topIndex >= count)
        return topIndex - 1;
    int shown = (clientHeight + itemHeight - 1) / itemHeight;
    int last = topIndex + shown - 1;
    return last < count - 1 ? last : count - 1;
}

// The entry under client point y, or -1 when no entry is there.
inline int ListRowAt(int y, int topIndex, int itemHeight, int clientHeight, int count)
{
    if (y < 0 || y >= clientHeight || itemHeight <= 0)
        return -1;
    int row = topIndex + y / itemHeight;
    return row < count ? row : -1;
}

} // namespace vxcore
