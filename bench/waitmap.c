// SPDX-License-Identifier: GPL-3.0-or-later
/* Starts a program and prints the milliseconds until a top-level window of
 * the given size is mapped on the X display. Usage: waitmap W H PROGRAM [ARGS] */
#include <X11/Xlib.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static int ignore(Display *d, XErrorEvent *e) { (void)d; (void)e; return 0; }

int main(int argc, char **argv)
{
    if (argc < 4) {
        fprintf(stderr, "usage: waitmap W H PROGRAM [ARGS]\n");
        return 2;
    }
    int w = atoi(argv[1]), h = atoi(argv[2]);
    Display *d = XOpenDisplay(NULL);
    if (!d) {
        fprintf(stderr, "waitmap: no display\n");
        return 2;
    }
    XSetErrorHandler(ignore);
    XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
    XSync(d, False);
    struct timespec t0, t1;
    clock_gettime(CLOCK_MONOTONIC, &t0);
    pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[3], argv + 3);
        _exit(127);
    }
    for (;;) {
        XEvent e;
        XNextEvent(d, &e);
        if (e.type != MapNotify)
            continue;
        XWindowAttributes a;
        if (XGetWindowAttributes(d, e.xmap.window, &a) && a.width == w && a.height == h)
            break;
    }
    clock_gettime(CLOCK_MONOTONIC, &t1);
    printf("%.1f\n", (t1.tv_sec - t0.tv_sec) * 1e3 + (t1.tv_nsec - t0.tv_nsec) / 1e6);
    kill(pid, SIGTERM);
    waitpid(pid, NULL, 0);
    return 0;
}
