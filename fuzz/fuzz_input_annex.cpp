/*
** Fuzz target: the input file read as the program opens it, with its damage message and the
** activation of the annex it names at its end (the annex files come from the host folders). A
** save never takes the keyword for the name, never makes up a plain name that a file cut before
** its end does not hold, and "Deutschland" in the place of a name the file does not give is said.
*/
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "foundation/codepage.h"
#include "nad/nad.h"
#include "splice/splice_app.h"

static bool Plain(const std::string &s)
{
    for (char c : s)
        if ((unsigned char)c >= 0x80) return false;
    return true;
}

/* The lines of the file as the reader takes them: without the line feed and one carriage return
** before it; the words split at blanks and tabs. */
static std::vector<std::string> Words(const std::string &line)
{
    std::vector<std::string> w;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) i++;
        size_t j = i;
        while (j < line.size() && line[j] != ' ' && line[j] != '\t') j++;
        if (j > i) w.push_back(line.substr(i, j - i));
        i = j;
    }
    return w;
}

/* Whether the file opens with the head "SPLICE <version>" and has no line "END" behind it: a
** file of this program cut before or inside its end record (whatever else is damaged). */
static bool Spliced_Without_End(const std::string &bytes)
{
    bool head = false;
    for (size_t at = 0, n = 0; at < bytes.size(); n++) {
        const size_t nl = bytes.find('\n', at);
        std::string line = bytes.substr(at, nl == std::string::npos ? std::string::npos : nl - at);
        at = nl == std::string::npos ? bytes.size() : nl + 1;
        if (line.size() > 4096) return false; /* a line the reader refuses whole */
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (n == 0 && line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);
        const std::vector<std::string> w = Words(line);
        if (w.empty() || w[0][0] == '#') continue;
        if (!head) {
            if (w.size() != 2 || w[0] != "SPLICE" || w[1].size() > 6 || w[1][0] < '1'
                || w[1][0] > '9' || w[1].find_first_not_of("0123456789") != std::string::npos)
                return false;
            head = true;
            continue;
        }
        if (w[0] == "END" || w[0] == "ACTIV_NADNAME") return false;
    }
    return head;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static std::string host; /* the scratch folder the annex files were put into */
    if (host != fz::Scratch()) {
        /* the annex files of the environment, so that a named annex can be found */
        const std::string nad = SPLICE_SOURCE_DIR "/environment/data/NAD/";
        for (const char *name : {"Deutschland.NAD", "Standard.NAD"}) {
            FILE *in = fopen((nad + name).c_str(), "rb");
            if (!in) break;
            std::string bytes;
            char buf[4096];
            size_t n;
            while ((n = fread(buf, 1, sizeof buf, in)) > 0) bytes.append(buf, n);
            fclose(in);
            fz::Put((std::string("data/NAD/") + name).c_str(),
                    reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size());
        }
        host = fz::Scratch();
    }
    Splice_Input_Record *si = static_cast<Splice_Input_Record *>(calloc(1, sizeof *si));
    Set_Splice_Input_Defaults(si);
    const std::string path = fz::Put("bauteil_01.inp", data, size);
    if (Read_Splice_Input_File(path.c_str(), si, 1) != 1) abort();
    /* the name a save writes: the keyword is never taken for a name, and a file without its end
    ** record (cut before it, or inside it) never gets a plain name it does not hold */
    char *saved = nullptr;
    size_t saved_size = 0;
    FILE *out = open_memstream(&saved, &saved_size);
    if (!out) abort();
    Write_Active_NAD_Name_In(out, CODE_PAGE_850);
    fclose(out);
    const std::string section(saved, saved_size);
    free(saved);
    const size_t open = section.find('\xAE'), close = section.rfind('\xAF');
    const std::string name =
        open != std::string::npos && close > open ? section.substr(open + 1, close - open - 1) : "";
    if (name == "ACTIV_NADNAME") abort();
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    if (!name.empty() && Plain(name) && Spliced_Without_End(bytes)
        && bytes.find(name) == std::string::npos)
        abort();
    /* "Deutschland" that the file does not name (no section, an empty name, a lost one) is never
    ** taken without a word: a box says so */
    if (name == "Deutschland" && bytes.find(name) == std::string::npos) {
        bool said = false;
        for (const std::string &l : ZW_Test_Log_Lines()) said |= l.rfind("MESSAGE", 0) == 0;
        if (!said) abort();
    }
    free(si->Vorbemerkungen_Text);
    free(si);
    Clear_NAD_State();
    fz::Done();
    return 0;
}
