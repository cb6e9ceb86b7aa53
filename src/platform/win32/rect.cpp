// user32's rectangle helpers.
#include "platform/win32/window.h"

#include <algorithm>

BOOL SetRect(LPRECT rect, int left, int top, int right, int bottom) {
    if (rect == nullptr) {
        return FALSE;
    }
    *rect = {left, top, right, bottom};
    return TRUE;
}

BOOL SetRectEmpty(LPRECT rect) {
    return SetRect(rect, 0, 0, 0, 0);
}

BOOL IsRectEmpty(const RECT* rect) {
    return rect == nullptr || rect->right <= rect->left || rect->bottom <= rect->top ? TRUE : FALSE;
}

BOOL PtInRect(const RECT* rect, POINT p) {
    return rect != nullptr && p.x >= rect->left && p.x < rect->right && p.y >= rect->top &&
                   p.y < rect->bottom
               ? TRUE
               : FALSE;
}

BOOL OffsetRect(LPRECT rect, int dx, int dy) {
    if (rect == nullptr) {
        return FALSE;
    }
    rect->left += dx;
    rect->right += dx;
    rect->top += dy;
    rect->bottom += dy;
    return TRUE;
}

BOOL InflateRect(LPRECT rect, int dx, int dy) {
    if (rect == nullptr) {
        return FALSE;
    }
    rect->left -= dx;
    rect->right += dx;
    rect->top -= dy;
    rect->bottom += dy;
    return TRUE;
}

BOOL IntersectRect(LPRECT out, const RECT* a, const RECT* b) {
    if (out == nullptr || a == nullptr || b == nullptr) {
        return FALSE;
    }
    RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
           std::min(a->bottom, b->bottom)};
    if (IsRectEmpty(&r)) {
        *out = {};
        return FALSE;
    }
    *out = r;
    return TRUE;
}

BOOL UnionRect(LPRECT out, const RECT* a, const RECT* b) {
    if (out == nullptr || a == nullptr || b == nullptr) {
        return FALSE;
    }
    if (IsRectEmpty(a)) {
        *out = IsRectEmpty(b) ? RECT{} : *b;
    } else if (IsRectEmpty(b)) {
        *out = *a;
    } else {
        *out = {std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
                std::max(a->bottom, b->bottom)};
    }
    return IsRectEmpty(out) ? FALSE : TRUE;
}

BOOL EqualRect(const RECT* a, const RECT* b) {
    return a != nullptr && b != nullptr && a->left == b->left && a->top == b->top &&
                   a->right == b->right && a->bottom == b->bottom
               ? TRUE
               : FALSE;
}

BOOL CopyRect(LPRECT out, const RECT* in) {
    if (out == nullptr || in == nullptr) {
        return FALSE;
    }
    *out = *in;
    return TRUE;
}
