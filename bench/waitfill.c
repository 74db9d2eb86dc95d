// SPDX-License-Identifier: GPL-3.0-or-later
/* Starts a program and prints the milliseconds until a top-level window of
 * the given size is mapped on the X display and filled: at least PERMILLE of
 * its pixels differ from its most common colour, its background. The window
 * is looked at each time the X server reports drawing in it (DAMAGE), so
 * the watching costs the program nothing while it works. The moment is the
 * server's own time of the drawing that filled the window, so that how fast
 * this watcher is scheduled and reads the pixels does not count. With
 * PERMILLE 0 it waits two seconds and prints how much of the window is
 * filled then, in per mille, to choose the figure from. With -o it also
 * prints when the program next drew in the window, within two seconds:
 * its own paint, where the window was filled ahead of it with a picture
 * the X server showed ("-" if none came).
 * Usage: waitfill [-o] W H PERMILLE PROGRAM [ARGS] */
#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/Xdamage.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <sys/wait.h>
#include <unistd.h>

static int ignore(Display *d, XErrorEvent *e) { (void)d; (void)e; return 0; }

static pid_t child;
static void giveUp(int signal)
{
    (void)signal;
    kill(child, SIGTERM);
    static const char message[] = "waitfill: the window was not filled within 20 s\n";
    write(2, message, sizeof message - 1);
    _exit(1);
}

/* The server's time now: that of a property change on a window of our own. */
static Time serverTime(Display *d, Window w)
{
    XChangeProperty(d, w, XA_WM_NAME, XA_STRING, 8, PropModeReplace, (const unsigned char *)"t", 1);
    XEvent e;
    XWindowEvent(d, w, PropertyChangeMask, &e);
    return e.xproperty.time;
}

/* The window's pixels, read into memory shared with the server where it
 * offers that: a read then costs the server a copy and this watcher no
 * transfer, so watching does not slow the program it watches. The memory
 * is made, touched and read into once before the program starts, so that
 * neither side takes its first page faults while the program draws. */
static XImage *shared;
static XShmSegmentInfo segment;

static void shareMemory(Display *d, int width, int height)
{
    if (!XShmQueryExtension(d))
        return;
    const int s = DefaultScreen(d);
    shared = XShmCreateImage(d, DefaultVisual(d, s), (unsigned)DefaultDepth(d, s), ZPixmap, NULL, &segment,
        (unsigned)width, (unsigned)height);
    const size_t bytes = (size_t)shared->bytes_per_line * (size_t)height;
    segment.shmid = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    segment.shmaddr = shared->data = shmat(segment.shmid, NULL, 0);
    segment.readOnly = False;
    memset(shared->data, 0, bytes);
    XShmAttach(d, &segment);
    XSync(d, False);
    shmctl(segment.shmid, IPC_RMID, NULL);
    XShmGetImage(d, DefaultRootWindow(d), shared, 0, 0, AllPlanes);
}

static XImage *readPixels(Display *d, Window w, int width, int height)
{
    if (shared)
        return XShmGetImage(d, w, shared, 0, 0, AllPlanes) ? shared : NULL;
    return XGetImage(d, w, 0, 0, (unsigned)width, (unsigned)height, AllPlanes, ZPixmap);
}

static unsigned long pixel(XImage *img, int x, int y)
{
    if (img->bits_per_pixel == 32)
        return ((const unsigned int *)(img->data + (long)y * img->bytes_per_line))[x] & 0xffffff;
    return XGetPixel(img, x, y) & 0xffffff;
}

/* Per mille of the window's pixels that are not its most common colour,
 * on a grid of every third pixel both ways; the background is the colour
 * most of 256 of those points share. */
static int filled(Display *d, Window w, int width, int height)
{
    XImage *img = readPixels(d, w, width, height);
    if (!img)
        return -1;
    unsigned long probe[256];
    for (int i = 0; i < 256; ++i)
        probe[i] = pixel(img, (int)((i * 37L) % width), (int)((i * 101L) % height));
    unsigned long background = probe[0];
    int best = 0;
    for (int i = 0; i < 256; ++i) {
        int same = 0;
        for (int j = 0; j < 256; ++j)
            same += probe[j] == probe[i];
        if (same > best) {
            best = same;
            background = probe[i];
        }
    }
    long all = 0, other = 0;
    for (int y = 1; y < height; y += 3)
        for (int x = 1; x < width; x += 3) {
            ++all;
            other += pixel(img, x, y) != background;
        }
    if (img != shared)
        XDestroyImage(img);
    return (int)(1000 * other / all);
}

/* The server time of the next drawing in the window, within two seconds. */
static int nextDrawing(Display *d, Damage damage, int damageEvent, Time *when)
{
    XDamageSubtract(d, damage, None, None);
    for (int waited = 0; waited < 2000; waited += 5) {
        XEvent e;
        if (XCheckTypedEvent(d, damageEvent + XDamageNotify, &e)) {
            *when = ((XDamageNotifyEvent *)&e)->timestamp;
            return 1;
        }
        usleep(5000);
    }
    return 0;
}

int main(int argc, char **argv)
{
    const int own = argc > 1 && strcmp(argv[1], "-o") == 0;
    argc -= own;
    argv += own;
    if (argc < 5) {
        fprintf(stderr, "usage: waitfill [-o] W H PERMILLE PROGRAM [ARGS]\n");
        return 2;
    }
    const int width = atoi(argv[1]), height = atoi(argv[2]), wanted = atoi(argv[3]);
    Display *d = XOpenDisplay(NULL);
    if (!d) {
        fprintf(stderr, "waitfill: no display\n");
        return 2;
    }
    XSetErrorHandler(ignore);
    XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
    if (wanted > 0)
        shareMemory(d, width, height);
    // Xvfb starts with the pointer in the middle of the screen, inside a
    // centred window and outside one at the corner, and a window that
    // comes up under the pointer handles its entering first. Both come up
    // away from it here, as after a start from a menu or a desktop icon.
    const int s = DefaultScreen(d);
    XWarpPointer(d, None, DefaultRootWindow(d), 0, 0, 0, 0, DisplayWidth(d, s) - 1, DisplayHeight(d, s) - 1);
    // The server's clock at the start, just before the fork.
    Window clock = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 1, 1, 0, 0, 0);
    XSelectInput(d, clock, PropertyChangeMask);
    const Time serverStart = serverTime(d, clock);
    pid_t pid = child = fork();
    if (pid == 0) {
        execvp(argv[4], argv + 4);
        _exit(127);
    }
    signal(SIGALRM, giveUp);
    alarm(20);
    Window w = None;
    while (w == None) {
        XEvent e;
        XNextEvent(d, &e);
        XWindowAttributes a;
        if (e.type == MapNotify && XGetWindowAttributes(d, e.xmap.window, &a) && a.width == width
            && a.height == height)
            w = e.xmap.window;
    }
    if (wanted > 0) {
        int damageEvent, damageError;
        if (!XDamageQueryExtension(d, &damageEvent, &damageError)) {
            fprintf(stderr, "waitfill: the X server has no DAMAGE extension\n");
            kill(pid, SIGTERM);
            return 2;
        }
        Damage damage = XDamageCreate(d, w, XDamageReportNonEmpty);
        XSync(d, False);
        // The latest drawing reported before the pixels were read.
        Time drawn = serverStart;
        while (filled(d, w, width, height) < wanted) {
            XEvent e;
            do
                XNextEvent(d, &e);
            while (e.type != damageEvent + XDamageNotify);
            drawn = ((XDamageNotifyEvent *)&e)->timestamp;
            XDamageSubtract(d, damage, None, None);
        }
        // Drawing the server did before it read the pixels out may be what
        // filled them: its reports came in ahead of the pixels.
        XEvent e;
        while (XCheckTypedEvent(d, damageEvent + XDamageNotify, &e))
            drawn = ((XDamageNotifyEvent *)&e)->timestamp;
        // Drawn before it was watched: now is the most that can be said.
        if (drawn == serverStart)
            drawn = serverTime(d, clock);
        printf("%lu", (unsigned long)(drawn - serverStart));
        Time next;
        if (own && nextDrawing(d, damage, damageEvent, &next))
            printf(" %lu", (unsigned long)(next - serverStart));
        else if (own)
            printf(" -");
        printf("\n");
    } else {
        sleep(2);
        printf("%d\n", filled(d, w, width, height));
    }
    kill(pid, SIGTERM);
    waitpid(pid, NULL, 0);
    return 0;
}
