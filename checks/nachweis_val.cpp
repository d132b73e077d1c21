/*
** Reader of the coefficient override file "nachweis.val": lines "keyword: n1 n2 ..." replace a
** whole coefficient row (6 gamma values or 11 psi values). A line with too few numbers is
** reported on the standard output and changes nothing.
*/
#include "checks/beiwert.h"
#include "checks/nchw_settings.h"
#include "platform/zelkwin.h"

#include <cstdio>
#include <cstring>

typedef struct Val_Keyword {
    const char *keyword; /* with its colon */
    double *row;
    int count; /* 6 or 11 */
} Val_Keyword;

#define G(name)                                    \
    {                                              \
#name ":", Beiwert_Tables.name, BW_GAMMA_N \
    }
#define P(name)                                  \
    {                                            \
#name ":", Beiwert_Tables.name, BW_PSI_N \
    }

/* In the order they are tried: the first keyword that starts a line takes it. */
static const Val_Keyword Val_Keywords[] = {
    G(gamma_sup_gebrauch_allways),
    G(gamma_inf_gebrauch_allways),
    G(gamma_altenorm_allways_inf),
    G(gamma_altenorm_allways_sup),
    G(gamma_altenorm_NCHW001_sup),
    G(gamma_altenorm_NCHW002_sup),
    G(DIN1045_gamma_inf1_linear_norm),
    G(DIN1045_gamma_sup1_linear_norm),
    G(DIN1045_gamma_sup1_nonlin_norm),
    G(DIN1045_gamma_inf1_linear_spec),
    G(DIN1045_gamma_sup1_linear_spec),
    G(DIN1045_gamma_inf1_linear_nor1),
    G(DIN1045_gamma_sup1_linear_nor1),
    G(DIN1045_gamma_sup1_nonlin_nor1),
    G(DIN1045_gamma_inf1_linear_spe1),
    G(DIN1045_gamma_sup1_linear_spe1),
    G(DIN1045_gamma_inf1_linear_nor2),
    G(DIN1045_gamma_sup1_linear_nor2),
    G(DIN1045_gamma_sup1_nonlin_nor2),
    G(DIN1045_gamma_inf1_linear_spe2),
    G(DIN1045_gamma_sup1_linear_spe2),
    G(DIN1045_gamma_sup1_linear_mued),
    G(DIN1045_gamma_inf1_linear_mued),
    G(Eurocode_gamma_inf1_norm),
    G(Eurocode_gamma_sup1_norm),
    G(Eurocode_gamma_inf1_spec),
    G(Eurocode_gamma_sup1_spec),
    G(DIN18800_gamma_inf1_norm),
    G(DIN18800_gamma_sup1_norm),
    G(DIN18800_gamma_inf1_spec),
    G(DIN18800_gamma_sup1_spec),
    P(DIN1045_psi_X),
    P(DIN1045_psi_0),
    P(DIN1045_psi_1),
    P(DIN1045_psi_2),
    P(DIN1045_psi_0snow),
    P(DIN1045_psi_1snow),
    P(DIN1045_psi_2snow),
    P(DIN1045_psi_mued),
    P(Eurocode_psi_X),
    P(Eurocode_psi_0),
    P(Eurocode_psi_1),
    P(Eurocode_psi_2),
    P(DIN18800_psi_N),
    P(DIN18800_psi_H),
};

#undef G
#undef P

/* Write the format error of a keyword (colon included) to the standard output. */
void Report_Nachweis_Val_Error(const char *keyword)
{
    printf("Formatfehler in NACHWEIS.VAL bei Steuerwort %s\n", keyword);
    fflush(stdout);
}

/*
** Read count numbers ("%lf" conversions separated by blanks, tabs or the line end) behind the
** keyword. Return 0 when the line does not start with the keyword, else 1: the row is replaced
** as a whole when all numbers were read, otherwise the error is reported and the row kept.
** A count other than 6 or 11 is reported without reading.
*/
int Parse_Val_Psi_Line(const char *line, const char *keyword, double *row, int count)
{
    size_t klen = strlen(keyword);
    if (strncmp(line, keyword, klen) != 0) return 0;
    if (count != BW_GAMMA_N && count != BW_PSI_N) {
        Report_Nachweis_Val_Error(keyword);
        return 1;
    }
    double v[BW_PSI_N];
    const char *p = line + klen;
    int n = 0;
    while (n < count) {
        int used = 0;
        if (sscanf(p, "%lf%n", &v[n], &used) != 1) break;
        p += used;
        n++;
    }
    if (n < count) {
        Report_Nachweis_Val_Error(keyword);
        return 1;
    }
    memcpy(row, v, (size_t)count * sizeof(double));
    return 1;
}

int Parse_Val_Gamma_Line(const char *line, const char *keyword, double *row)
{
    return Parse_Val_Psi_Line(line, keyword, row, BW_GAMMA_N);
}

/* Read the override file at path; a file that cannot be opened changes nothing. */
void Read_Nachweis_Val_File(const char *path)
{
    FILE *f = Fopen_Read_Said(nullptr, path, "Es gelten die eingebauten Beiwerte.");
    if (!f) return;
    char line[300];
    while (fgets(line, (int)sizeof line, f)) {
        for (const Val_Keyword &k : Val_Keywords) {
            if (Parse_Val_Psi_Line(line, k.keyword, k.row, k.count)) break;
        }
    }
    fclose(f);
}

/* Read "nachweis.val" (or the name set for it) from the private data path. */
void Read_Nachweis_Val(void)
{
    const char *dir = CurOb_Privat_Datapath();
    char path[600];
    if (!dir) return;
    if (snprintf(path, sizeof path, "%s/%s", dir, Nachweis_Val_Name) >= (int)sizeof path) return;
    Read_Nachweis_Val_File(path);
}
