/*
** The outside tools of the environment: the probe and the run of the section-force selection
** tool, and the start of the plan editor (see exchange/exchange.h).
*/
#include "exchange/exchange.h"

#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/runtime.h"
#include "platform/zelkwin.h"

enum { TOOL_PATH_MAX = 512 }; /* bytes of a tool's path, terminator included */

int Morvelab_Available(void)
{
    const char *exec = VELGetEnv("EXEC");
    if (exec == nullptr || exec[0] == 0) return 0;
    std::string path = std::string(exec) + "/Morvelab.exe";
    struct stat st;
    if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return 0;
    return access(path.c_str(), X_OK) == 0 ? 1 : 0;
}

int Exchange_Run_Selection_Tool(const char *component, int file_number, char *result, size_t size)
{
    if (component == nullptr || result == nullptr || size == 0) return 0;
    const char *exec = VELGetEnv("EXEC");
    char tool[TOOL_PATH_MAX];
    snprintf(tool, sizeof tool, "%s/Morvelab.exe", exec ? exec : ".");
    snprintf(result, size, "%s_%02d.mvl", component, file_number);
    const char *argv[] = {tool, component, result, nullptr};
    remove(result);
    const int rc = VELSpawnv(tool, argv);
    const bool written = Rt_Is_Regular_File(result) != 0;
    return rc == 0 && written ? 1 : 0;
}

int Exchange_Start_Plan_Editor(const char *component, const char *print_list)
{
    const char *exec = VELGetEnv("EXEC");
    char tool[TOOL_PATH_MAX];
    snprintf(tool, sizeof tool, "%s/Planeditor", exec ? exec : ".");
    if (!Rt_Is_Regular_File(tool)) return 0;
    const char *argv[] = {tool, component ? component : "", print_list ? print_list : "", nullptr};
    VELSpawnv(tool, argv);
    return 1;
}
