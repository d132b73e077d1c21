/*
** The computation as the pages ask for it, once per state of its input: a generation number that
** follows the splice input, the annex blocks and the catalogues by comparing them with a copy,
** and for each of the two computations (preparation; preparation and design run) the state of
** the globals it left. The preparation is skipped while the globals are as it left them; the
** design run is never repeated for an unchanged input: its state is put back instead.
**
** Both computations are idempotent (a second run on their own result gives that result bit for
** bit; the tests prove it), so that a page that finds its computation done for the present
** generation shows exactly what running it again would show.
*/
#include "results/calc_cache.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "catalogue/catalogue.h"
#include "foundation/foundation.h"
#include "nad/nad.h"
#include "results/results.h"

uint32_t Splice_Calc_Serial = 0;

/* ---------------------------------------------------------------- the input and its copy */

/* The parts of the input record a computation reads: everything but the comments of the
** combinations, the remarks of the actions and the pointer of the preliminary remarks (the
** pages pad and trim the texts while drawing; no computation reads them). fn(offset, size) is
** called for each part in order. */
template <typename Fn>
static void For_Each_Read_Part(Fn fn)
{
    typedef Splice_Input_Record R;
    fn((size_t)0, offsetof(R, lkom));
    for (int g = 0; g < LKOM_GROUPS; g++) {
        const size_t group = offsetof(R, lkom) + sizeof(Lkom_Group) * (size_t)g;
        fn(group, offsetof(Lkom_Group, entries));
        for (int e = 0; e < LKOM_ENTRIES; e++) {
            const size_t entry =
                group + offsetof(Lkom_Group, entries) + sizeof(Lkom_Entry) * (size_t)e;
            fn(entry, offsetof(Lkom_Entry, comment));
            fn(entry + offsetof(Lkom_Entry, actions),
               sizeof(Lkom_Entry) - offsetof(Lkom_Entry, actions));
        }
    }
    for (int i = 0; i < CHAR_ACTION_COUNT; i++) {
        const size_t action = offsetof(R, Char_Actions) + sizeof(Char_Action_Rec) * (size_t)i;
        fn(action, offsetof(Char_Action_Rec, remark));
        fn(action + offsetof(Char_Action_Rec, category),
           sizeof(Char_Action_Rec) - offsetof(Char_Action_Rec, category));
    }
    fn(offsetof(R, print), offsetof(R, Vorbemerkungen_Text) - offsetof(R, print));
}

static bool Same_Read_Parts(const Splice_Input_Record *a, const Splice_Input_Record *b)
{
    const char *pa = (const char *)a, *pb = (const char *)b;
    bool same = true;
    For_Each_Read_Part([&](size_t at, size_t size) {
        if (same && memcmp(pa + at, pb + at, size) != 0) same = false;
    });
    return same;
}

static void Copy_Read_Parts(Splice_Input_Record *to, const Splice_Input_Record *from)
{
    char *pt = (char *)to;
    const char *pf = (const char *)from;
    For_Each_Read_Part([&](size_t at, size_t size) { memcpy(pt + at, pf + at, size); });
}

/* Everything besides the record that the computations read. */
typedef struct Outer_State {
    const NAD_EC5_Params *ec5; /* the blocks in use and their contents */
    const NAD_EC3_Params *ec3;
    NAD_EC5_Params ec5_values;
    NAD_EC3_Params ec3_values;
    uint32_t catalogues; /* Vbm_Catalogue_Generation */
} Outer_State;

static void Take_Outer_State(Outer_State *o)
{
    memset(o, 0, sizeof *o);
    o->ec5 = Nad_Params;
    o->ec3 = Nad_EC3_Params_Ptr;
    if (Nad_Params != nullptr) memcpy(&o->ec5_values, Nad_Params, sizeof o->ec5_values);
    if (Nad_EC3_Params_Ptr != nullptr)
        memcpy(&o->ec3_values, Nad_EC3_Params_Ptr, sizeof o->ec3_values);
    o->catalogues = Vbm_Catalogue_Generation();
}

static Splice_Input_Record *Seen = nullptr; /* the record at the last look */
static Outer_State Seen_Outer;
static uint32_t Generation = 1;

static void *Alloc_Or_Exit(size_t size)
{
    void *p = calloc(1, size);
    Check_Alloc_Or_Exit(p);
    return p;
}

/* Take the present state as seen, without a new generation: after a computation wrote its
** results into the record, and after the results of one were put back. */
static void Absorb(void)
{
    if (Seen == nullptr) Seen = (Splice_Input_Record *)Alloc_Or_Exit(sizeof *Seen);
    Copy_Read_Parts(Seen, &Splice_Input);
    Take_Outer_State(&Seen_Outer);
}

uint32_t Splice_Input_Generation(void)
{
    Outer_State now;
    Take_Outer_State(&now);
    if (Seen == nullptr || !Same_Read_Parts(Seen, &Splice_Input)
        || memcmp(&now, &Seen_Outer, sizeof now) != 0) {
        Generation++;
        Absorb();
    }
    return Generation;
}

/* ---------------------------------------------------------------- kept results */

/* KEPT_PREPARED_ON_CHECKED: the preparation run on what the design run left (a page of the
** preparation visited after "Ausnutzungen"), which differs from the preparation's state before
** the run in what the run wrote and the preparation leaves (the partial factors, the utilisation
** list). */
enum {
    KEPT_PREPARED = 0,
    KEPT_CHECKED = 1,
    KEPT_PREPARED_ON_CHECKED = 2,
    KEPT_KINDS = 3,
    KEPT_NONE = -1
};

/* What one computation left in the globals. */
typedef struct Kept_Result {
    uint32_t generation; /* 0: nothing kept */
    int code;
    double total;
    Splice_Input_Record *input;    /* the read parts of the record */
    Fastener_Pattern_Rec *pattern; /* up to its count */
    Governing_Lkom_Rec governing;
    std::vector<int> errors; /* error boxes of the run, in order */
} Kept_Result;

static Kept_Result Kept[KEPT_KINDS];
/* The globals hold what Kept[Owner] describes as long as no computation ran since Owner_Serial. */
static int Owner = KEPT_NONE;
static uint32_t Owner_Serial = 0;

static void Keep(int kind, uint32_t generation, int code, double total)
{
    Kept_Result *k = &Kept[kind];
    if (k->input == nullptr) {
        k->input = (Splice_Input_Record *)Alloc_Or_Exit(sizeof *k->input);
        k->pattern = (Fastener_Pattern_Rec *)Alloc_Or_Exit(sizeof *k->pattern);
    }
    k->generation = generation;
    k->code = code;
    k->total = total;
    Copy_Read_Parts(k->input, &Splice_Input);
    const size_t used = (size_t)(Fastener_Pattern.count > 0 && Fastener_Pattern.count <= PATTERN_MAX
                                     ? Fastener_Pattern.count
                                     : 0);
    memcpy(k->pattern, &Fastener_Pattern,
           offsetof(Fastener_Pattern_Rec, recs) + used * sizeof(Fastener_Rec));
    k->governing = Governing_Lkom;
    k->errors.clear();
    /* only a run that ran has errors: after a refused preparation they are another input's; the
    ** preparation on the run's state leaves the run's */
    if ((kind == KEPT_CHECKED && code == 0) || kind == KEPT_PREPARED_ON_CHECKED)
        for (int i = 0; i < Run_Error_Count(); i++) k->errors.push_back(Run_Error_Codes()[i]);
    Owner = kind;
    Owner_Serial = Splice_Calc_Serial;
    Absorb();
}

/* Put the globals back to what computation `kind` left (the texts of the record stay). Used for
** the design run: it overwrites all that the preparation, the fastener page or the print list
** wrote since, so that running it again would give just this state; and for the preparation run
** on the design run's state, which starts from that state alone. */
static void Restore(int kind)
{
    const Kept_Result *k = &Kept[kind];
    if (Owner == kind && Owner_Serial == Splice_Calc_Serial) return;
    Copy_Read_Parts(&Splice_Input, k->input);
    const size_t used =
        (size_t)(k->pattern->count > 0 && k->pattern->count <= PATTERN_MAX ? k->pattern->count : 0);
    memcpy(&Fastener_Pattern, k->pattern,
           offsetof(Fastener_Pattern_Rec, recs) + used * sizeof(Fastener_Rec));
    Governing_Lkom = k->governing;
    Set_Run_Errors(k->errors.data(), (int)k->errors.size());
    Owner = kind;
    Owner_Serial = Splice_Calc_Serial;
    Absorb();
}

/* ---------------------------------------------------------------- the two computations */

/* Whether the globals hold what computation `kind` left for the present generation g. */
static bool Left_By(int kind, uint32_t g)
{
    return Kept[kind].generation == g && Owner == kind && Owner_Serial == Splice_Calc_Serial;
}

int Splice_Calc_Prepared(void)
{
    /* Only while nothing else ran since: the preparation leaves in the record what the design
    ** run wrote there before (the partial factors, the utilisation list), so that putting back
    ** its own state would not be what running it again gives. */
    const uint32_t g = Splice_Input_Generation();
    if (Left_By(KEPT_PREPARED, g)) return Kept[KEPT_PREPARED].code;
    if (Left_By(KEPT_PREPARED_ON_CHECKED, g)) return Kept[KEPT_PREPARED_ON_CHECKED].code;
    /* On the design run's state of this generation the preparation gives the state it gave there
    ** before: a page of the preparation visited after "Ausnutzungen" again and again runs it
    ** once. */
    const bool on_checked = Left_By(KEPT_CHECKED, g);
    if (on_checked && Kept[KEPT_PREPARED_ON_CHECKED].generation == g) {
        Restore(KEPT_PREPARED_ON_CHECKED);
        return Kept[KEPT_PREPARED_ON_CHECKED].code;
    }
    const int code = Prepare_Splice_Calc();
    Keep(on_checked ? KEPT_PREPARED_ON_CHECKED : KEPT_PREPARED, g, code, 0.0);
    return code;
}

double Splice_Calc_Checked(int *code)
{
    const uint32_t g = Splice_Input_Generation();
    Kept_Result *k = &Kept[KEPT_CHECKED];
    if (k->generation == g) {
        Restore(KEPT_CHECKED);
        *code = k->code;
        return k->total;
    }
    /* A page of the preparation drawn since the change left its state: the preparation would
    ** give that state again (it is idempotent), so the run starts from it. */
    *code = Left_By(KEPT_PREPARED, g) ? Kept[KEPT_PREPARED].code : Prepare_Splice_Calc();
    const double total = *code == 0 ? Run_Nachweise(nullptr, 0) : 0.0;
    Keep(KEPT_CHECKED, g, *code, total);
    return total;
}

void Splice_Calc_Written(uint32_t g)
{
    if (g == Generation && Seen != nullptr) Absorb();
}

void Splice_Calc_Forget(void)
{
    for (Kept_Result &k : Kept) k.generation = 0;
    Owner = KEPT_NONE;
}
