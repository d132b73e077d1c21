/*
** Paragraph writer: "#SHOWPARA" blocks of the print list. One global format record (current),
** a copy of the record the last header wrote (written), the writer state and the tab list.
** Every setting lasts for one paragraph: Oli_End_Text returns to the built-in defaults.
*/
#include "printlist/oli_para.h"

#include <cstdarg>
#include <cstring>

#include "foundation/format.h"
#include "platform/zelkwin.h"
#include "printlist/oli_internal.h"

/* Writer states */
enum { PARA_UNSET = 0, PARA_IDLE = 1, PARA_LINE_START = 2, PARA_IN_LINE = 3 };

static int para_tab_writer(FILE *file, uint32_t arg);

static const Oli_Para_State para_defaults = {
    0, nullptr, nullptr, 4, 0.0, 0.0, 2, 2, 0.0, 0.0, 2, 2, 1.0, 0, 0, nullptr, 0};

static Oli_Para_State para_current = para_defaults;
static Oli_Para_State para_written = para_defaults;
static int para_state = PARA_UNSET;
static double tab_positions[OLI_PARA_MAX_TABS];
static uint32_t tab_kinds[OLI_PARA_MAX_TABS];
static int32_t tab_count = 0;          /* 0 none, 1..100 a list, -1 one repeating step */
static uint32_t change_counter = 0;
static uint32_t header_counter = 0;    /* change counter when the last header was written */

/* ---- helpers ---- */

int Oli_Para_Unit_Code(uint32_t word) {
  if (word & 0x2) return 2;
  if (word & 0x1) return 1;
  return 4;
}

static void para_init(void) {
  if (para_state != PARA_UNSET) return;
  para_state = PARA_IDLE;
  para_current = para_defaults;
  para_written = para_defaults;
}

/* Field-wise comparison: the record holds padding, so no memcmp. */
static int para_same(const Oli_Para_State *a, const Oli_Para_State *b) {
  return a->flags == b->flags && a->hook_a == b->hook_a && a->hook_b == b->hook_b &&
         a->mode == b->mode && a->offset == b->offset && a->value_b == b->value_b &&
         a->unit_a == b->unit_a && a->unit_b == b->unit_b && a->value_c == b->value_c &&
         a->value_d == b->value_d && a->unit_c == b->unit_c && a->unit_d == b->unit_d &&
         a->value_e == b->value_e && a->pair_1 == b->pair_1 && a->pair_2 == b->pair_2 &&
         a->tab_hook == b->tab_hook && a->hook_arg == b->hook_arg;
}

static int put(FILE *file, const char *format, ...) __attribute__((format(printf, 2, 3)));
/* Every line goes through the formatted-write slot of the standard-I/O table that the program
** handed to the GUI library. */
static int put(FILE *file, const char *format, ...) {
  char buf[OLI_PARA_PRINTF_SIZE + 64];
  va_list ap;
  va_start(ap, format);
  int n = Format_V(buf, sizeof buf, format, ap);
  va_end(ap);
  if (n < 0) return -1;
  return VEL_STDIO_FCT->p_fprintf(file, "%s", buf) < 0 ? -1 : 0;
}

/* The end record that closes the current text part. */
static Oli_Para_End para_end_record(void) {
  Oli_Para_End e = {0, 0.0, 2};
  if ((para_current.flags & 0x80) && (para_written.flags & 0x80)) e.flags |= 0x100;
  if (para_current.offset != 0.0) {
    e.flags |= 0x1000;
    e.value = para_current.offset;
  }
  if (para_written.flags & 0x2000) e.flags |= 0x2000;
  return e;
}

/* ---- stream-level writers ---- */

int Oli_Para_Write_Header(FILE *file, const Oli_Para_State *record, int with_keyword) {
  if (file == nullptr) return -1;
  const Oli_Para_State *r = record ? record : &para_defaults;
  uint32_t f = r->flags & ~(uint32_t)(0x1 | 0x2 | 0x10 | 0x20 | 0x40 | 0x200 | 0x400 | 0x800);
  if (r->hook_a) f |= 0x1;
  if (r->hook_b) f |= 0x2;
  if (r->offset != 0.0) f |= 0x10;
  if (r->value_c != 0.0 || r->value_d != 0.0) f |= 0x20;
  if (r->tab_hook) f |= 0x40;
  if (r->value_e != 1.0) f |= 0x400;
  if (r->value_b != 0.0) f |= 0x800;
  if (r->pair_1 != 0 || r->pair_2 != 0) f |= 0x200;
  if (with_keyword && put(file, "\n#SHOWPARA\n") < 0) return -1;
  if (put(file, "0x%x\n", (unsigned)f) < 0) return -1;
  if (r->hook_a && r->hook_a(file, r->hook_arg) < 0) return -1;
  if (r->hook_b && r->hook_b(file, r->hook_arg) < 0) return -1;
  if (put(file, "%d\n", (int)r->mode) < 0) return -1;
  if ((f & 0x10) && put(file, "%d %.6g\n", Oli_Para_Unit_Code(r->unit_a), r->offset) < 0) return -1;
  if ((f & 0x20) && put(file, "%d %.6g %d %.6g\n", Oli_Para_Unit_Code(r->unit_c), r->value_c,
                        Oli_Para_Unit_Code(r->unit_d), r->value_d) < 0)
    return -1;
  if ((f & 0x40) && r->tab_hook(file, r->hook_arg) < 0) return -1;
  if ((f & 0x400) && put(file, "%.6g\n", r->value_e) < 0) return -1;
  if ((f & 0x800) && put(file, "%d %.6g\n", Oli_Para_Unit_Code(r->unit_b), r->value_b) < 0) return -1;
  if ((f & 0x200) && put(file, "%d %d\n", (int)r->pair_1, (int)r->pair_2) < 0) return -1;
  return 0;
}

int Oli_Para_Write_End(FILE *file, Oli_Para_End *end_record, int final) {
  if (file == nullptr || end_record == nullptr) return -1;
  if (final)
    end_record->flags &= ~(uint32_t)0x4;
  else
    end_record->flags |= 0x4;
  if (put(file, "0x%x\n", (unsigned)end_record->flags) < 0) return -1;
  if ((end_record->flags & 0x1000) &&
      put(file, "%d %.6g\n", Oli_Para_Unit_Code(end_record->unit), end_record->value) < 0)
    return -1;
  if (final && put(file, "-1\n") < 0) return -1;
  return 0;
}

int Oli_Para_Begin_Block(FILE *file, const Oli_Para_State *record) {
  return Oli_Para_Write_Header(file, record, 1);
}

int Oli_Para_Continue_Block(FILE *file, Oli_Para_End *end_record, const Oli_Para_State *record) {
  if (file == nullptr || end_record == nullptr) return -1;
  if (end_record->value != 0.0) end_record->flags |= 0x1000;
  if (Oli_Para_Write_End(file, end_record, 0) < 0) return -1;
  return Oli_Para_Write_Header(file, record, 0);
}

int Oli_Para_Close_Block(FILE *file, Oli_Para_End *end_record) {
  return Oli_Para_Write_End(file, end_record, 1);
}

int Oli_Para_Write_Header_End(FILE *file) {
  if (file == nullptr) return -1;
  return put(file, "-1\n");
}

int Oli_Para_Write_End_Of_Text(FILE *file) {
  if (file == nullptr) return -1;
  return put(file, "#END_OF_TEXT\n");
}

int Oli_Para_Write_Tab_List(FILE *file, uint32_t kind, const uint32_t *kinds,
                            const double *positions, int32_t n) {
  if (file == nullptr) return -1;
  if (n > OLI_PARA_MAX_TABS) n = OLI_PARA_MAX_TABS;
  if (positions == nullptr) n = 0;
  if (put(file, "0x%x %d\n", 0u, n < 0 ? 0 : (int)n) < 0) return -1;
  for (int32_t i = 0; i < n; i++)
    if (put(file, "%d %.6g\n", Oli_Para_Unit_Code(kinds ? kinds[i] : kind), positions[i]) < 0)
      return -1;
  return 0;
}

int Oli_Para_Write_Tab_Step(FILE *file, uint32_t kind, double step) {
  if (file == nullptr) return -1;
  if (put(file, "0x2\n") < 0) return -1;
  return put(file, "%d %.6g\n", Oli_Para_Unit_Code(kind), step);
}

/* The tab hook: the current tab list in one of its two forms. */
static int para_tab_writer(FILE *file, uint32_t arg) {
  (void)arg;
  if (tab_count < 0) return Oli_Para_Write_Tab_Step(file, tab_kinds[0], tab_positions[0]);
  return Oli_Para_Write_Tab_List(file, 0, tab_kinds, tab_positions, tab_count);
}

/* ---- printing ---- */

/* Write text into the open paragraph, piece by piece at the line feeds. */
static int para_write_text(FILE *file, const char *text) {
  const char *p = text;
  while (*p) {
    const char *lf = strchr(p, '\n');
    size_t n = lf ? (size_t)(lf - p) : strlen(p);
    if (para_state != PARA_IN_LINE) {
      if (put(file, " ") < 0) return -1;
      para_state = PARA_IN_LINE;
    }
    if (n > 0 && VEL_STDIO_FCT->p_fprintf(file, "%.*s", (int)n, p) < 0) return -1;
    if (lf == nullptr) break;
    if (put(file, "\n") < 0) return -1;
    para_state = PARA_LINE_START;
    p = lf + 1;
  }
  return 0;
}

int Oli_Printf(FILE *file, const char *format, ...) {
  if (file == nullptr || format == nullptr) return -1;
  char text[OLI_PARA_PRINTF_SIZE];
  va_list ap;
  va_start(ap, format);
  int n = Oli_Vformat(text, sizeof text, format, ap);
  va_end(ap);
  if (n < 0) return -1;
  if (para_state == PARA_UNSET) {
    para_state = PARA_IDLE;
    para_current = para_defaults;
    para_written = para_defaults;
    tab_count = 0;
    change_counter = header_counter = 0;
  }
  if (para_state == PARA_IDLE) {
    if (Oli_Para_Write_Header(file, &para_current, 1) < 0) return -1;
    if (put(file, "-1\n") < 0) return -1;
    para_current.offset = 0.0;
    para_written = para_current;
    para_state = PARA_LINE_START;
    change_counter = header_counter = 0;
  } else if (!para_same(&para_current, &para_written) || change_counter != header_counter) {
    if (para_state == PARA_IN_LINE) {
      if (put(file, "\n") < 0) return -1;
      para_state = PARA_LINE_START;
    }
    Oli_Para_End e = para_end_record();
    para_current.offset = 0.0;
    if (put(file, "#END_OF_TEXT\n") < 0) return -1;
    if (Oli_Para_Write_End(file, &e, 0) < 0) return -1;
    if (Oli_Para_Write_Header(file, &para_current, 0) < 0) return -1;
    if (put(file, "-1\n") < 0) return -1;
    para_written = para_current;
    header_counter = change_counter;
  }
  if (text[0] == 0) return 0;
  return para_write_text(file, text);
}

int Oli_End_Text(FILE *file) {
  if (file == nullptr) return -1;
  int rc = -1;
  if (para_state == PARA_UNSET) para_written = para_defaults;
  if (para_state == PARA_IN_LINE) {
    rc = put(file, "\n");
    para_state = PARA_LINE_START;
  }
  if (para_state == PARA_LINE_START) {
    Oli_Para_End e = para_end_record();
    rc = put(file, "#END_OF_TEXT\n");
    if (rc == 0) rc = Oli_Para_Write_End(file, &e, 1);
  }
  change_counter++;
  para_current = para_defaults;
  tab_count = 0;
  para_state = PARA_IDLE;
  return rc;
}

/* ---- format setters and getters ---- */

void Oli_Para_Reset(void) {
  para_init();
  para_current = para_defaults;
  tab_count = 0;
  change_counter++;
}

void Oli_Para_Set_Mode(int32_t mode) {
  para_init();
  para_current.mode = mode;
}

int32_t Oli_Para_Get_Mode(void) {
  para_init();
  return para_current.mode;
}

void Oli_Para_Add_Offset(double d) {
  para_init();
  para_current.offset += d;
}

void Oli_Para_Set_Value_B(double d) { para_init(); para_current.value_b = d; }
double Oli_Para_Get_Value_B(void) { para_init(); return para_current.value_b; }
void Oli_Para_Set_Value_C(double d) { para_init(); para_current.value_c = d; }
double Oli_Para_Get_Value_C(void) { para_init(); return para_current.value_c; }
void Oli_Para_Set_Value_D(double d) { para_init(); para_current.value_d = d; }
double Oli_Para_Get_Value_D(void) { para_init(); return para_current.value_d; }
void Oli_Para_Set_Value_E(double d) { para_init(); para_current.value_e = d; }
double Oli_Para_Get_Value_E(void) { para_init(); return para_current.value_e; }

void Oli_Para_Set_Flags(uint32_t bits) {
  para_init();
  para_current.flags = (para_current.flags & ~(uint32_t)0x188) | (bits & 0x188);
}

void Oli_Para_Set_Flag13(void) {
  para_init();
  para_written.flags |= 0x2000;
}

static void tabs_changed(void) {
  change_counter++;
  para_current.tab_hook = para_tab_writer;
}

void Oli_Para_Clear_Tabs(void) {
  para_init();
  if (tab_count == 0) return;
  tab_count = 0;
  tabs_changed();
}

void Oli_Para_Set_Tabs(uint32_t kind, const uint32_t *kinds, const double *positions, int32_t n) {
  para_init();
  if (n <= 0 || positions == nullptr) {
    Oli_Para_Clear_Tabs();
    return;
  }
  if (n > OLI_PARA_MAX_TABS) n = OLI_PARA_MAX_TABS;
  for (int32_t i = 0; i < n; i++) {
    tab_positions[i] = positions[i];
    tab_kinds[i] = kinds ? kinds[i] : kind;
  }
  tab_count = n;
  tabs_changed();
}

void Oli_Para_Set_Tab_Step(uint32_t kind, double step) {
  para_init();
  if (step <= 0) {
    Oli_Para_Clear_Tabs();
    return;
  }
  tab_positions[0] = step;
  tab_kinds[0] = kind;
  tab_count = -1;
  tabs_changed();
}
