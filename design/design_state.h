/*
** The run record of the connection design: what a design keeps between its steps and from one
** call to the next (the message lists, the kept sines, embedment plan and yield moment, the text
** buffers of the getters). Every design works in the record current in its thread: the thread's
** own, or one that a caller makes current for the designs it runs, so that designs in two threads,
** or two designs interleaved in one thread with a record each, never see each other's state.
*/
#pragma once

#include <cstddef>
#include <type_traits>

#include "design/design_types.h"

/* The embedment rule of dowels and bolts in solid timber, glulam and the like (EN 1995-1-1,
** (8.31) and (8.32)) as the last call without user coefficients chose it: fh0 and k90 with the
** arguments they came from, so that the designs of one member at many angles only turn it. */
typedef struct Design_Fh_Plan {
    bool valid;
    bool din;   /* no annex */
    bool metal; /* the member is a metal plate */
    int type, predrilled, mat, grade;
    double d, t, rho_k; /* mm, mm, kg/m³ */
    double fh0;         /* N/mm² */
    double k90;
    int status; /* 0 or 1008 */
} Design_Fh_Plan;

#define DESIGN_TEXT_SIZE  1024 /* bytes of a message text buffer */
#define DESIGN_LABEL_SIZE 64   /* bytes of a label buffer */

struct Design_Run_Rec {
    Msg_Code_Block messages{}; /* Msg_Codes with Msg_Count and Msg_Count2 */
    /* sin and cos of the last angle (rad) the embedment rule turned */
    double sin_cos_alpha = 0.0, sin_alpha = 0.0, cos_alpha = 1.0;
    Design_Fh_Plan fh_plan{};
    /* the last density of the slip modulus (kg/m³) and its power 1.5 */
    struct {
        bool valid;
        double rho, rho_15;
    } kser{};
    /* the last effective number of a row of bolts parallel to the grain, with its arguments */
    struct {
        bool valid;
        int n;
        double d, a1, ref, n0; /* mm, mm, -, - */
    } bolt_n_ef{};
    /* the last yield moment of the general formula, with what chose and fed it */
    struct {
        bool valid;
        int type, threaded_rod;
        double d, fu, my; /* mm, N/mm², Nmm */
    } yield{};
    char error_text[DESIGN_TEXT_SIZE] = "";         /* Get_Error_Text */
    char hint_text[DESIGN_TEXT_SIZE] = "";          /* Get_Hint_Text */
    char hint_text_1252[DESIGN_TEXT_SIZE] = "";     /* the hint in code page 1252 */
    char equation_label[DESIGN_LABEL_SIZE] = "";    /* Get_Equation_Label */
    char proof_method_text[DESIGN_LABEL_SIZE] = ""; /* Get_Proof_Method_Text */
};
/* Design_Run_Messages takes the record for its message lists */
static_assert(std::is_standard_layout_v<Design_Run_Rec> && offsetof(Design_Run_Rec, messages) == 0,
              "the message lists open the run record");

/*
** Make *run the record of the designs of the calling thread (null: the thread's own record) and
** return the record that was current. A run record must outlive its use; a fresh one is a value-
** initialised Design_Run_Rec.
*/
Design_Run_Rec *Design_Run_Use(Design_Run_Rec *run);

/*
** Write sin(alpha) and cos(alpha) (radians, bitwise std::sin and std::cos) through s and c; the
** values of the last angle are kept in the current run record.
*/
void Design_Sin_Cos(double alpha, double *s, double *c);

/* While it lives, *run is the record of the calling thread's designs; the one before after it. */
class Design_Run_Scope {
  public:
    explicit Design_Run_Scope(Design_Run_Rec *run) : before_(Design_Run_Use(run)) {}
    ~Design_Run_Scope() { Design_Run_Use(before_); }
    Design_Run_Scope(const Design_Run_Scope &) = delete;
    Design_Run_Scope &operator=(const Design_Run_Scope &) = delete;

  private:
    Design_Run_Rec *before_;
};
