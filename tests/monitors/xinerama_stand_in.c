/* A test-only libXinerama.so.1 that reports two 1024 x 768 monitors side by side on one
 * 2048 x 768 X screen, so that Wine (which reads the monitor layout from Xinerama when the
 * X server has no RandR) sees a primary monitor at the origin and a second one right of it.
 * With VX_SECOND_MONITOR_LEFT set, the right half of the X screen comes first: Wine takes the
 * first screen as the primary one at the origin, and the second one lies left of it, at
 * negative coordinates. Built with the host's C compiler by ./dev; no X headers needed. */
#include <stdlib.h>

typedef struct _XDisplay Display;
typedef int Bool;

typedef struct {
    int screen_number;
    short x_org;
    short y_org;
    short width;
    short height;
} XineramaScreenInfo;

Bool XineramaQueryExtension(Display* display, int* event_base, int* error_base)
{
    (void)display;
    *event_base = 0;
    *error_base = 0;
    return 1;
}

int XineramaQueryVersion(Display* display, int* major, int* minor)
{
    (void)display;
    *major = 1;
    *minor = 1;
    return 1;
}

Bool XineramaIsActive(Display* display)
{
    (void)display;
    return 1;
}

XineramaScreenInfo* XineramaQueryScreens(Display* display, int* number)
{
    XineramaScreenInfo* screens = malloc(2 * sizeof(XineramaScreenInfo));
    (void)display;
    if (screens == NULL) {
        *number = 0;
        return NULL;
    }
    const int secondLeft = getenv("VX_SECOND_MONITOR_LEFT") != NULL;
    for (int i = 0; i < 2; ++i) {
        screens[i].screen_number = i;
        screens[i].x_org = (short)(1024 * (secondLeft ? 1 - i : i));
        screens[i].y_org = 0;
        screens[i].width = 1024;
        screens[i].height = 768;
    }
    *number = 2;
    return screens;
}
