/*
** Shared set-up of the splice benchmarks: a bending splice of side x side dowels of 12 mm on
** inner steel plates (C24, national annex "Deutschland") with 10 groups of smoothly varying
** combinations, the print settings that write every section of the print list, the host folders
** of the repository's environment, and the executable started as a process of its own.
*/
#pragma once

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <vector>

#include "catalogue/catalogue.h"
#include "nad/nad.h"
#include "results/results.h"
#include "results/print_list.h"

/* The annex "Deutschland" activated by its name, as the program activates the annex an input
** file names: read from $DATA/NAD, the repository's own data when DATA is not set. (A record
** reset to the built-in defaults holds the recommended values of the Eurocodes, k_cr = 0.67
** among them, not the German ones: the splice saved from a benchmark that ran on it gave
** another result when the program opened it.) */
static inline void Bench_Activate_Annex(void)
{
    setenv("DATA", SPLICE_SOURCE_DIR "/environment/data", 0);
    setenv("DRAM", SPLICE_SOURCE_DIR "/environment/dram", 0);
    Set_Active_NAD(NAD_NAME_GERMANY);
    Nad_Params = Get_NAD_EC5_Params();
    Nad_EC3_Params_Ptr = Get_NAD_EC3_Params();
}

/* Fill Splice_Input with the benchmark splice: side x side dowels (member 60 cm high, 80 cm
** from 7 dowels a side on), 10 groups of per_group combinations (at most LKOM_ENTRIES). */
static inline void Bench_Set_Up_Splice(int per_group, int side)
{
    Bench_Activate_Annex();
    Init_Dowel_Bolt_Diameters();
    Set_Splice_Input_Defaults(&Splice_Input);
    Splice_Input_Record *si = &Splice_Input;
    si->connection_kind = CONN_INNER_PLATES;
    si->splice_kind = SPLICE_BENDING;
    si->b = 20.0;
    si->h = side > 6 ? 80.0 : 60.0;
    si->h_p = si->h - 4.0;
    si->plate_count = 2.0;
    si->t_p = 1.0;
    si->L_user = 0;
    si->vbm_type = 29;
    si->vbm_row = 3;
    si->d = 12.0;
    const int slot = VBM_TYPE_SLOT(29);
    si->n_col[slot] = side;
    si->n_row[slot] = side;
    /* moments, normal and shear forces that vary smoothly */
    for (int g = 0; g < LKOM_GROUPS; g++) {
        Lkom_Group *grp = &si->lkom.groups[g];
        grp->used = 1;
        grp->kled = g % 5;
        grp->kmod = 0.6 + 0.05 * (g % 5);
        grp->kmod_source = 0;
        for (int e = 0; e < per_group && e < LKOM_ENTRIES; e++) {
            Lkom_Entry *c = &grp->entries[e];
            c->used = 1;
            c->accidental = 0;
            c->M_d = 20.0 + 10.0 * std::sin(0.01 * e + g);
            c->N_d = 50.0 * std::cos(0.013 * e - g);
            c->V_d = 15.0 + 5.0 * std::sin(0.007 * e * (g + 1));
        }
    }
}

/* Print every combination and every section into "<id>_01.oli" (plots "<id>01.SPF".."03")
** under the title line `title`. */
static inline void Bench_Print_Everything(const char *id, const char *title)
{
    Splice_Input_Record *si = &Splice_Input;
    si->print.combinations = 1;
    si->print.sections = PRINT_SEC_COORDINATES | PRINT_SEC_PLOT_VIEW | PRINT_SEC_PLOT_LONG
                         | PRINT_SEC_PLOT_CROSS | PRINT_SEC_SKETCHES;
    snprintf(Bauteilkennung, sizeof Bauteilkennung, "%s", id);
    char oli[80];
    snprintf(oli, sizeof oli, "%s_01.oli", id);
    Set_Print_List_Names(oli, title);
}

/* The host folders of the repository's environment, and a scratch working folder (once). */
static inline void Bench_Use_Environment(void)
{
    static bool done = false;
    if (done) return;
    done = true;
    const std::string root = SPLICE_SOURCE_DIR;
    setenv("EXEC", (root + "/environment/exec").c_str(), 1);
    setenv("DATA", (root + "/environment/data").c_str(), 1);
    setenv("DRAM", (root + "/environment/dram").c_str(), 1);
    setenv("SPLICE_PRIVATE_DATA", (root + "/environment/exec/splice").c_str(), 1);
    char tmpl[] = "/tmp/splicebench_XXXXXX";
    if (!mkdtemp(tmpl) || chdir(tmpl) != 0) abort();
    setenv("TEMP", tmpl, 1);
    unsetenv("SPLICE_GUI_LOG");
    unsetenv("SPLICE_GUI_SCRIPT");
}

/* What one start of a process cost: its wall time from the start to its end and its CPU time
** (user and system, from wait4), seconds; status as waitpid gives it (-1: not started). */
struct Bench_Process_Cost {
    double wall_s, cpu_s;
    int status;
};

/* Start the executable with argv in the working folder, with this process's environment less
** every SPLICE_GUI_ variable and DISPLAY, plus env ("NAME=value" each), its output to /dev/null,
** and wait for its end. */
static inline Bench_Process_Cost Bench_Run_Process(const char *path, const char *const *argv,
                                                   const std::vector<std::string> &env)
{
    std::vector<std::string> env_text;
    for (char **e = environ; *e; e++)
        if (strncmp(*e, "SPLICE_GUI_", 11) != 0 && strncmp(*e, "DISPLAY=", 8) != 0)
            env_text.emplace_back(*e);
    env_text.insert(env_text.end(), env.begin(), env.end());
    std::vector<char *> envp;
    for (std::string &e : env_text) envp.push_back(e.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    Bench_Process_Cost cost{0.0, 0.0, -1};
    timespec t0{}, t1{};
    clock_gettime(CLOCK_MONOTONIC, &t0);
    pid_t pid = 0;
    if (posix_spawn(&pid, path, &quiet, nullptr, const_cast<char **>(argv), envp.data()) == 0) {
        struct rusage ru {};
        if (wait4(pid, &cost.status, 0, &ru) == pid) {
            clock_gettime(CLOCK_MONOTONIC, &t1);
            cost.wall_s =
                (double)(t1.tv_sec - t0.tv_sec) + 1e-9 * (double)(t1.tv_nsec - t0.tv_nsec);
            cost.cpu_s = (double)(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec)
                         + 1e-6 * (double)(ru.ru_utime.tv_usec + ru.ru_stime.tv_usec);
        } else {
            cost.status = -1;
        }
    }
    posix_spawn_file_actions_destroy(&quiet);
    return cost;
}
