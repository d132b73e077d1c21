/*
** Timber member check, print texts of the section, its values, the material, the design basis,
** the fire values, the whole limit-state print with deformations and the deflection check.
*/
#include <cmath>

#include "catalogue/mc_grades.h"
#include "catalogue/member_check_internal.h"
#include "foundation/files.h"

FILE *MC_First = nullptr;
FILE *MC_Second = nullptr;
const char *const MC_Ind1 = "  ";
const char *const MC_Ind2 = "   ";

static const char *const Default_Axes[4] = {"\xC1", "\xD3", "m", "n"};
static const char *Axes[4] = {Default_Axes[0], Default_Axes[1], Default_Axes[2], Default_Axes[3]};

void MC_Set_Output(FILE *first, FILE *second)
{
    MC_First = first;
    MC_Second = second;
}

void MC_Set_Axis_Names(const char *y, const char *z, const char *m, const char *n)
{
    if (y) Axes[0] = y;
    if (z) Axes[1] = z;
    if (m) Axes[2] = m;
    if (n) Axes[3] = n;
}

void MC_Reset_Axis_Names(void)
{
    for (int i = 0; i < 4; i++) Axes[i] = Default_Axes[i];
}

const char *MC_Axis_Name(int32_t i) { return i >= 0 && i < 4 ? Axes[i] : ""; }

int32_t MC_Mat_Group(int32_t grade_code)
{
    switch (Get_Holzgruppe(grade_code)) {
    case 0:
    case 4: return 0;
    case 1:
    case 5: return 1;
    case 2:
    case 6:
    case 7: return 2;
    case 8:
    case 9: return 4;
    default: return 3;
    }
}

/* ---------------------------------------------------------------- section */

void Print_Kennwerte(int32_t kind, const Section_Dims *dims, int32_t long_form)
{
    if (!dims) return;
    double v[10];
    Calc_Querschnittswerte(kind, dims, v, 10);
    FILE *f = MC_First;
    File_Printf(f, " %sKennwerte: ", MC_Ind1);
    File_Printf(f, "A = %.1f cm" SUP "2" NRM, v[SV_A]);
    if (!long_form) {
        File_Printf(f,
                    ",  W" SUB "o" NRM " = %.1f cm" SUP "3" NRM ",  W" SUB "u" NRM " = %.1f cm" SUP
                    "3" NRM,
                    std::fabs(-v[SV_W_O_NEG]), std::fabs(v[SV_W_U]));
        if (v[SV_A_QY] > 0.0)
            File_Printf(f, ",  A" SUB "Q" NRM " = %.1f cm" SUP "2" NRM, v[SV_A_QY]);
        File_Printf(f, "\n");
        return;
    }
    const double aq = 2.0 / 3.0 * v[SV_A], wt = std::fabs(v[SV_W_T]);
    if (aq > 0.0)
        File_Printf(f, ",  A" SUB "Q" NRM " = %.1f cm" SUP "2" NRM "%s", aq, wt > 0.0 ? "," : "");
    if (wt > 0.0) File_Printf(f, "  W" SUB "T" NRM " = %.1f cm" SUP "3" NRM, wt);
    File_Printf(f, "\n %s", MC_Ind1);
    File_Printf(f,
                "W" SUB "%s-" NRM "/W" SUB "%s+" NRM " = %.1f/%.1f cm" SUP "3" NRM ",  W" SUB
                "%s-" NRM "/W" SUB "%s+" NRM " = %.1f/%.1f cm" SUP "3" NRM "\n",
                AY, AY, std::fabs(v[SV_W_O_NEG]), std::fabs(v[SV_W_U]), AZ, AZ,
                std::fabs(v[SV_W_ZM_NEG]), std::fabs(v[SV_W_ZP]));
}

/* ",  Exzentrizität der Normalkraft:" with the nonzero eccentricities. */
static void Print_Eccentricity(double e_y, double e_z)
{
    if (e_y == 0.0 && e_z == 0.0) return;
    File_Printf(MC_First, ",  Exzentrizit" AE "t der Normalkraft:");
    if (e_y != 0.0) File_Printf(MC_First, "  e" SUB "%s" NRM " = %.2f cm", AY, e_y);
    if (e_z != 0.0)
        File_Printf(MC_First, "%s e" SUB "%s" NRM " = %.2f cm", e_y != 0.0 ? "," : " ", AZ, e_z);
}

static const char *const Notch_Side[5] = {"", " (oben)", " (links)", " (unten)", " (rechts)"};
static const char *const Fire_Side[5] = {" (vierseitig)", " (oben gesch" UE "tzt)",
                                         " (links gesch" UE "tzt)", " (unten gesch" UE "tzt)",
                                         " (rechts gesch" UE "tzt)"};

void Print_Querschnitt(const Member_Record *m, int32_t fire_method)
{
    if (!m) return;
    MC_Reset_Axis_Names();
    FILE *f = MC_First;
    const float *v = m->dims.v;
    Section_Dims dims = m->dims;
    switch (m->section_kind) {
    case SECTION_USER:
        File_Printf(f, " %sBenutzerdefinierter Querschnitt aus N5-QUER\n", MC_Ind1);
        break;
    case SECTION_PLATTENBALKEN:
        File_Printf(f,
                    " %sPlattenbalken:  b = %.1f cm,  d = %.1f cm,  b" SUB "o" NRM
                    " = %.1f cm,  d" SUB "o" NRM " = %.1f cm\n",
                    MC_Ind1, (double)v[2], (double)v[3] + v[1], (double)v[0], (double)v[3]);
        break;
    case SECTION_DOPPEL_T:
        File_Printf(f,
                    " %sDoppel-T:  b = %.1f cm,  d = %.1f cm,  b" SUB "o" NRM " = %.1f cm,  d" SUB
                    "o" NRM " = %.1f cm,  b" SUB "u" NRM " = %.1f cm,  d" SUB "u" NRM
                    " = %.1f cm\n",
                    MC_Ind1, (double)v[3], (double)v[0] + v[2] + v[4], (double)v[1], (double)v[0],
                    (double)v[5], (double)v[4]);
        break;
    case SECTION_KREIS: File_Printf(f, " %sKreis:     d = %.1f cm\n", MC_Ind1, (double)v[0]); break;
    case SECTION_RECHTECK: {
        double db = 0.0, dd = 0.0, ey = 0.0, ez = 0.0;
        if (m->notch_e > 0.0 && m->notch_position >= 1 && m->notch_position <= 4) {
            File_Printf(f, " %sEinkerbung:  e = %.1f cm%s", MC_Ind1, m->notch_e,
                        Notch_Side[m->notch_position]);
            Calc_Restquerschnitt_Einfach(/*kind=*/1, /*notch_position=*/m->notch_position,
                                         /*e=*/m->notch_e, /*fire_exposure=*/-1, /*fire_method=*/1,
                                         /*t=*/0.0, /*db=*/nullptr, /*dd=*/nullptr, /*e_y=*/&ey,
                                         /*e_z=*/&ez);
            Print_Eccentricity(ey, ez);
            File_Printf(f, "\n");
        }
        /* the charring belongs to the fire check only (a method of 1 or 2) */
        if (fire_method > 0 && m->char_t > 0.0 && m->fire_exposure >= 0 && m->fire_exposure <= 4) {
            File_Printf(f, " %sBrandbeanspruchung:  t = %.1f cm%s", MC_Ind1, m->char_t,
                        Fire_Side[m->fire_exposure]);
            Calc_Restquerschnitt_Einfach(/*kind=*/1, /*notch_position=*/0, /*e=*/0.0,
                                         /*fire_exposure=*/m->fire_exposure,
                                         /*fire_method=*/fire_method, /*t=*/m->char_t,
                                         /*db=*/nullptr, /*dd=*/nullptr, /*e_y=*/&ey, /*e_z=*/&ez);
            Print_Eccentricity(ey, ez);
            File_Printf(f, "\n");
        }
        const int fire = fire_method > 0 ? m->fire_exposure : -1;
        Calc_Restquerschnitt_Einfach(/*kind=*/1, /*notch_position=*/m->notch_position,
                                     /*e=*/m->notch_e, /*fire_exposure=*/fire,
                                     /*fire_method=*/fire_method, /*t=*/m->char_t, /*db=*/&db,
                                     /*dd=*/&dd, /*e_y=*/nullptr, /*e_z=*/nullptr);
        dims.v[0] = (float)(v[0] + db);
        dims.v[1] = (float)(v[1] + dd);
        File_Printf(f, " %sRechteck:  b = %.1f cm,  d = %.1f cm\n", MC_Ind1, (double)dims.v[0],
                    (double)dims.v[1]);
        break;
    }
    default: File_Printf(f, " %s?????\n", MC_Ind1); break;
    }
    Print_Kennwerte(m->section_kind, &dims, 0);
    MC_Reset_Axis_Names();
}

/* ---------------------------------------------------------------- material and design basis */

static const char *const Old_Group_Names[4] = {"Nadelholz", "Laubholz", "Brettschichtholz",
                                               "Furnierschichtholz"};
static const char *const Old_Grade_Names[15] = {"S7",   "S10",  "S13",  "MS7",  "MS10",
                                                "MS13", "MS17", "BS11", "BS14", "B16",
                                                "BS18", "LH A", "LH B", "LH C", "Kerto"};

void Print_Material(const Member_Record *m)
{
    if (!m) return;
    FILE *f = MC_First;
    if (m->old_kind) {
        const char *g = m->old_group >= 0 && m->old_group < 4 ? Old_Group_Names[m->old_group] : "";
        const char *n = m->old_grade >= 0 && m->old_grade < 15 ? Old_Grade_Names[m->old_grade] : "";
        File_Printf(f, " %sMaterial:  Holz %s %s\n", MC_Ind1, g, n);
    } else {
        const int32_t g1 = Get_Holzgruppe(m->grade_code), g2 = Get_Holzgruppe(m->grade_code_ec);
        const Holzguete_Record *r1 = Get_Holzguete_Record(m->grade_code);
        const Holzguete_Record *r2 = Get_Holzguete_Record(m->grade_code_ec);
        if (r1->code == r2->code && g1 == g2) {
            File_Printf(f, " %sMaterial:  Holz %s %s\n", MC_Ind1, Get_Holzgruppe_Name(g1),
                        r1->name);
        } else {
            File_Printf(f, " %sMaterial (DIN 1052-2008):  Holz %s %s\n", MC_Ind1,
                        Get_Holzgruppe_Name(g1), r1->name);
            File_Printf(f, " %sMaterial (DIN EN 1995):  Holz %s %s\n", MC_Ind1,
                        Get_Holzgruppe_Name(g2), r2->name);
        }
    }
    Print_Querschnitt(m, 0);
}

void Print_Bemessungsart(const Member_Record *m, double factor, uint32_t flags)
{
    if (!m) return;
    FILE *f = MC_First;
    Zul_Spannungen z;
    const int32_t code = m->old_kind ? m->old_grade : m->grade_code;
    Get_Zul_Spannungen(code, m->load_case_set, &z);
    const int normal = !(flags & ZUL_NO_NORMAL), shear = !(flags & ZUL_NO_SHEAR);
    const int torsion = !(flags & ZUL_NO_TORSION);
    File_Printf(f, " %sBemessung f" UE "r ", MC_Ind1);
    if (normal) File_Printf(f, "Zug/Druck/Biegung%s", shear || torsion ? ", " : "");
    if (shear) File_Printf(f, "Querkraft%s", torsion ? ", " : "");
    if (torsion) File_Printf(f, "Torsion (m=%.0f)", z.m);
    File_Printf(f, ":  %s" SUB "M" NRM " = %.2f\n", GAMMA, factor);
    File_Printf(f, " %sZul" AE "ssige Spannungen:  ", MC_Ind1);
    if (normal)
        File_Printf(f,
                    "zul %s" SUB "Z" NRM " = %.1f, zul %s" SUB "D" NRM " = %.1f, zul %s" SUB "B" NRM
                    " = %.1f%s",
                    SIGMA, z.sigma_Z * factor, SIGMA, z.sigma_D * factor, SIGMA, z.sigma_B * factor,
                    shear || torsion ? ", " : "");
    if (shear)
        File_Printf(f, "zul %s" SUB "Q" NRM " = %.1f%s", TAU, z.tau_Q * factor,
                    torsion ? ", " : "");
    if (torsion) File_Printf(f, "zul %s" SUB "T" NRM " = %.1f", TAU, z.tau_T * factor);
    File_Printf(f, MNM2 "\n");
}

/* ---------------------------------------------------------------- fire values */

/* "k_c" and "k_crit" factors of the set stability flags after a lead text. */
void MC_Print_Stability(const char *lead, uint32_t flags, double kcy, double kcz, double kky,
                        double kkz)
{
    FILE *f = MC_First;
    File_Printf(f, "%s", lead);
    const char *sep = "";
    if (flags & SCI_BUCKLING_Y) {
        File_Printf(f, "%s k" SUB "c,%s" NRM " = %.3f", sep, AY, kcy);
        sep = ",";
    }
    if (flags & SCI_BUCKLING_Z) {
        File_Printf(f, "%s k" SUB "c,%s" NRM " = %.3f", sep, AZ, kcz);
        sep = ",";
    }
    if (flags & SCI_KIPPEN) {
        File_Printf(f, "%s k" SUB "crit,%s" NRM " = %.3f", sep, AY, kky);
        File_Printf(f, ", k" SUB "crit,%s" NRM " = %.3f", AZ, kkz);
    }
    File_Printf(f, "\n");
}

/* The reduction factors of the normal-stress check (DIN EN 1995 layout). */
void MC_Print_Reduction(const Member_Design_Values *ds)
{
    FILE *f = MC_First;
    File_Printf(
        f, " %sReduktionsfaktoren f" UE "r Normalspannungsnachweis:  k" SUB "m" NRM " = %.3f,  ",
        MC_Ind1, ds->k_m);
    if (ds->k_h_y == ds->k_h_z) File_Printf(f, "k" SUB "h" NRM " = %.3f", ds->k_h_y);
    else
        File_Printf(f, "k" SUB "h,%s" NRM " = %.3f, k" SUB "h,%s" NRM " = %.3f", AY, ds->k_h_y, AZ,
                    ds->k_h_z);
    File_Printf(f, ",  k" SUB "h,t" NRM " = %.3f", ds->k_h_t);
}

static double One_If_None(double k) { return k > 0.0 ? k : 1.0; }

void Print_Brand_Werte(const Member_Record *m, int32_t kind, int32_t set, uint32_t flags)
{
    if (!m || (set != 1 && set != 2)) return;
    const Member_Fire_Values *fv = &m->fire[set - 1];
    FILE *f = MC_First;
    if (m->notch_position >= 1 && m->notch_position <= 4 && m->notch_e > 0.0)
        File_Printf(f, " %sKerben werden beim Brandnachweis nicht ber" UE "cksichtigt.\n", MC_Ind1);
    Section_Dims dims = {};
    if (kind == SECTION_RECHTECK) {
        File_Printf(f, " %sRechteck:  b = %.1f cm,  d = %.1f cm\n", MC_Ind1, fv->b, fv->d);
        dims.v[0] = (float)fv->b;
        dims.v[1] = (float)fv->d;
    } else if (kind == SECTION_KREIS) {
        File_Printf(f, " %sKreis:  d = %.1f cm\n", MC_Ind1, fv->d);
        dims.v[0] = (float)fv->d;
    } else {
        File_Printf(f, " %sUnzul" AE "ssiger Querschnittstyp %d !!!\n", MC_Ind1, (int)kind);
    }
    if (fv->e_y != 0.0 || fv->e_z != 0.0) {
        File_Printf(f, " %sExzentrizit" AE "t der Normalkraft:", MC_Ind1);
        if (fv->e_y != 0.0) File_Printf(f, "  e" SUB "%s" NRM " = %.2f cm", AY, fv->e_y);
        if (fv->e_z != 0.0)
            File_Printf(f, "%s e" SUB "%s" NRM " = %.2f cm", fv->e_y != 0.0 ? "," : " ", AZ,
                        fv->e_z);
        File_Printf(f, "\n");
    }
    Print_Kennwerte(kind, &dims, 0);
    if (flags & (SCI_BUCKLING_Y | SCI_BUCKLING_Z | SCI_KIPPEN)) {
        char lead[64];
        snprintf(lead, sizeof lead, " %sBeiwerte f" UE "r Stabilit" AE "t: ", MC_Ind1);
        MC_Print_Stability(lead, flags, One_If_None(fv->k_c_y), One_If_None(fv->k_c_z),
                           One_If_None(fv->k_crit_y), One_If_None(fv->k_crit_z));
    }
    MC_Print_Reduction(&m->ds[1]);
    File_Printf(f, "\n");
    File_Printf(f, " %sFestigkeitskennwerte in MN/m" SUP "2" NRM ":", MC_Ind1);
    if (fv->f_m_y_d == fv->f_m_z_d)
        File_Printf(f, "  f" SUB "m,%s,d" NRM " = f" SUB "m,%s,d" NRM " = %.2f", AY, AZ,
                    fv->f_m_y_d);
    else
        File_Printf(f, "  f" SUB "m,%s,d" NRM " = %.2f, f" SUB "m,%s,d" NRM " = %.2f", AY,
                    fv->f_m_y_d, AZ, fv->f_m_z_d);
    File_Printf(f, ", f" SUB "t,0,d" NRM " = %.2f", fv->f_t_0_d);
    File_Printf(f, ", f" SUB "c,0,d" NRM " = %.2f", fv->f_c_0_d);
    File_Printf(f, "\n %sEine Schubbeanspruchung darf vernachl" AE "ssigt werden. ", MC_Ind1);
    File_Printf(f, "\n");
}
