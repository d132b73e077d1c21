/*
** A window of the program on a virtual display of its own, for the tests and benchmarks that run
** the executable in a real SDL window: Xvfb found along PATH and started with -displayfd, and the
** long print's splice (side timbers, 3 x 2 bolts M16 a half, 2 groups of 1,000 combinations).
*/
#pragma once

#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "catalogue/catalogue.h"
#include "splice/splice_app.h"

extern char **environ;

/* The full path of a program found along PATH, or "" where it is missing. */
inline std::string Find_Program(const char *name)
{
    const char *path = getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    for (size_t from = 0; from <= dirs.size();) {
        size_t to = dirs.find(':', from);
        if (to == std::string::npos) to = dirs.size();
        const std::string full = dirs.substr(from, to - from) + "/" + name;
        if (access(full.c_str(), X_OK) == 0) return full;
        from = to + 1;
    }
    return "";
}

/* A virtual display: the server's process and the display it took. */
struct Virtual_Display {
    pid_t pid = -1;
    std::string name; /* ":n" */
};

/* Start Xvfb (its full path xvfb) on a display it chooses itself: true, or false where it did not
** start. */
inline bool Start_Xvfb(const std::string &xvfb, Virtual_Display *d)
{
    int fds[2];
    if (pipe(fds) != 0) return false;
    const std::string fd = std::to_string(fds[1]);
    const char *argv[] = {"Xvfb",         "-displayfd", fd.c_str(), "-screen", "0",
                          "1600x1200x24", "-nolisten",  "tcp",      nullptr};
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclose(&quiet, fds[0]);
    const int spawned =
        posix_spawn(&d->pid, xvfb.c_str(), &quiet, nullptr, const_cast<char **>(argv), environ);
    posix_spawn_file_actions_destroy(&quiet);
    close(fds[1]);
    char buf[32] = {0};
    /* the server writes the number and its newline apart, and ends where the newline finds the
    ** pipe closed: read through the newline */
    ssize_t n = spawned == 0 ? 0 : -1;
    while (n >= 0 && (size_t)n < sizeof buf - 1 && memchr(buf, '\n', (size_t)n) == nullptr) {
        const ssize_t got = read(fds[0], buf + n, sizeof buf - 1 - (size_t)n);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        n += got;
    }
    close(fds[0]);
    if (n <= 0) {
        if (spawned == 0) {
            kill(d->pid, SIGTERM);
            waitpid(d->pid, nullptr, 0);
        }
        d->pid = -1;
        return false;
    }
    d->name = std::string(":") + std::to_string(atoi(buf));
    return true;
}

/* End the server, which then leaves no lock of its display behind. */
inline void Stop_Xvfb(Virtual_Display *d)
{
    if (d->pid <= 0) return;
    kill(d->pid, SIGTERM);
    waitpid(d->pid, nullptr, 0);
    d->pid = -1;
}

/* The splice of the long print into si (after its defaults, with the annex already active): side
** timbers 2 x 8/24 cm on a member 14/24 cm, 3 x 2 bolts M16 a half, groups 1 and 2 of 1,000
** smoothly varying combinations each, every section, every combination and every fastener
** printed. */
inline void Fill_Long_Print_Splice(Splice_Input_Record *si)
{
    Init_Dowel_Bolt_Diameters();
    Set_Splice_Input_Defaults(si);
    si->connection_kind = CONN_SIDE_TIMBERS;
    si->splice_kind = SPLICE_BENDING;
    si->b = 14.0;
    si->h = 24.0;
    si->t_s = 8.0;
    si->t_s_user = 1;
    si->h_s = 24.0;
    si->L_user = 0;
    si->vbm_type = VBM_BOLZEN;
    si->vbm_row = 4; /* M16 */
    si->d = 16.0;
    si->l = 320.0; /* mm: 14 + 2 x 8 cm and the nut */
    const int slot = VBM_TYPE_SLOT(VBM_BOLZEN);
    si->n_col[slot] = 3;
    si->n_row[slot] = 2;
    for (int g = 0; g < 2; g++) {
        Lkom_Group *grp = &si->lkom.groups[g];
        grp->used = 1;
        grp->kled = 1 + g;
        grp->kmod = 0.7 + 0.1 * g;
        grp->kmod_source = 0;
        for (int e = 0; e < LKOM_ENTRIES; e++) {
            Lkom_Entry *c = &grp->entries[e];
            c->used = 1;
            c->accidental = 0;
            c->M_d = 4.0 + 2.0 * std::sin(0.01 * e + g);
            c->N_d = 10.0 * std::cos(0.013 * e - g);
            c->V_d = 3.0 + 1.0 * std::sin(0.007 * e * (g + 1));
        }
    }
    si->print.fasteners = 1;
    si->print.combinations = 1;
    si->print.sections = PRINT_SEC_COORDINATES | PRINT_SEC_PLOT_VIEW | PRINT_SEC_PLOT_LONG
                         | PRINT_SEC_PLOT_CROSS | PRINT_SEC_SKETCHES;
}
