/*
** The system's temporary folder for the tests' scratch files: TMPDIR, which the tests' main
** points at the test's own scratch folder, else /tmp; never the folder a test was started in.
*/
#pragma once

#include <cstdlib>
#include <string>

/* TMPDIR when it is a whole path, else /tmp. */
inline std::string Temp_Folder(void)
{
    const char *t = getenv("TMPDIR");
    return t != nullptr && t[0] == '/' ? t : "/tmp";
}

/* A new folder below the temporary folder whose name starts with prefix (its whole path); ""
** when none can be made. */
inline std::string Make_Temp_Folder(const std::string &prefix)
{
    std::string name = Temp_Folder() + "/" + prefix + "XXXXXX";
    return mkdtemp(&name[0]) != nullptr ? name : std::string();
}
