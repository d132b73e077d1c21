/*
** Records of the national-annex parameter store: one block per Eurocode (EN 1990, EN 1991,
** EN 1992, EN 1993, EN 1995, EN 1996, EN 1999) and the record NAD_Record that holds them.
** Fields are read by name everywhere; nobody indexes a block by number.
*/
#pragma once

#include <cstdint>

/* ---------------------------------------------------------------- EN 1995 (timber) */

/* Index of kmod: load-duration class k (0 permanent .. 4 instantaneous), service class s (0..2). */
#define NAD_KMOD_INDEX(k, s) (3 * (k) + (s))

typedef struct NAD_EC5_Params {
    int32_t variant;       /* annex variant; nonzero: German national rules */
    int32_t version;       /* block version (stored version after reading), 17 */
    int32_t use_table_na1; /* 1: Table NA.1, actions to load-duration classes (2.3.1.2(2)P) */
    int32_t use_na11;      /* 1: NA.11, penetration depths > 4 d (8.3.1.2) */
    double gamma_m_lvl;    /* gamma_M LVL, plywood, OSB */
    double gamma_m_particleboard;    /* gamma_M particle boards */
    double gamma_m_hardboard;        /* gamma_M hard fibreboards */
    double gamma_m_mediumboard;      /* gamma_M medium fibreboards */
    double gamma_m_mdf;              /* gamma_M MDF fibreboards */
    double gamma_m_softboard;        /* gamma_M soft fibreboards */
    double gamma_m_connections;      /* gamma_M connections */
    double gamma_m_nailplates;       /* gamma_M punched metal plate fasteners */
    double gamma_m_steel;            /* gamma_M steel in connections */
    double gamma_m_gypsum;           /* gamma_M plasterboard and similar */
    int32_t use_table_na4;           /* 1: Table NA.4, modification factors (3.1.3) */
    int32_t use_table_na15;          /* 1: Table NA.15, f_ax and f_head of profiled nails (8.3.2) */
    int32_t threaded_rods_na;        /* 1: threaded rods per the national annex (8.5.3(2)) */
    int32_t ltb_na;                  /* 1: lateral-torsional buckling per the annex (6.3.3(7)) */
    int32_t simplified_fasteners_na; /* 1: simplified fastener method of the annex (8.2.4(1)) */
    int32_t kmod_mean_rule; /* 1: kmod of marked actions = mean of short-term and instantaneous */
    int32_t aux_switch;     /* stored with gamma_m_fire; not read by the program */
    double gamma_m_solid;   /* gamma_M solid timber, persistent and transient */
    double gamma_m_glulam;  /* gamma_M glued laminated timber */
    double gamma_m_accidental;         /* gamma_M accidental situation, all materials */
    double gamma_m_fire;               /* gamma_M fire situation, all materials */
    double kmod[15];                   /* kmod[NAD_KMOD_INDEX(kled, service class)] */
    double kdef[3];                    /* kdef of service classes 1, 2, 3 */
    double w_inst_limit;               /* deflection limit l/x, instantaneous, normal span */
    double w_inst_limit_cantilever;    /* ... cantilever */
    double w_fin_limit;                /* final deflection, normal span */
    double w_fin_limit_cantilever;     /* ... cantilever */
    double w_net_fin_limit;            /* net final deflection, normal span */
    double w_net_fin_limit_cantilever; /* ... cantilever */
    int32_t k_cr_rule; /* 1: k_cr = k_cr_solid / k_cr_other; any other value: annex rules */
    int32_t
        net_deflection_rule; /* 1: w_inst from the characteristic combination; 0: quasi-permanent */
    double k_cr_solid;       /* k_cr of solid timber and glulam */
    double k_cr_other;       /* k_cr otherwise */
    int32_t na20_reduction;  /* 1: reduced capacity at horizontal joints (9.2.4.2, NA.20) */
    int32_t na21_sill_increase; /* 1: capacity +20 % under sill compression (9.2.4.2, NA.21) */
    int32_t
        na816_tension_reduction; /* 1: reduced tensile strength, symmetric tension joints (NA.8.1.6) */
    int32_t na7_hole_plus_1mm; /* 1: hole diameter in steel parts + 1 mm (8.6, NA.7) */
    double k_shape_factor;     /* k_shape = 1 + factor h/b ... */
    double k_shape_max;        /* ... at most this value (torsion) */
    double
        ltb_slenderness_factor; /* factor on the relative LTB slenderness of glulam (NCI 6.3.3(2)) */
    double gamma_m_clt;         /* gamma_M cross-laminated timber */
} NAD_EC5_Params;

/* ---------------------------------------------------------------- EN 1990 (basis) */

typedef struct NAD_EC0_Params {
    int32_t version;            /* block version as read (5 in files written here) */
    int32_t reserved;           /* stays 0 */
    double gamma_bld[4][7][2];  /* buildings: situation x action type x (gamma_sup, gamma_inf) */
    double psi_bld[12][4];      /* buildings: category x (psi0, psi1, psi2, psi2,E) */
    double gamma_brg[4][15][2]; /* bridges: situation x action type x (sup, inf) */
    double psi_road[14][3];     /* road bridges: psi0, psi1, psi2 */
    double psi_foot[7][3];      /* footbridges */
    double psi_rail[31][3];     /* railway bridges */
    double track_factors[3];    /* 1, 2, 3+ tracks loaded at the same time */
} NAD_EC0_Params;

/* Design situations (first index of gamma_bld / gamma_brg). */
enum { NAD_SIT_PERSISTENT = 0, NAD_SIT_ACCIDENTAL = 1, NAD_SIT_SEISMIC = 2, NAD_SIT_SERVICE = 3 };
/* Action types of buildings (second index of gamma_bld). */
enum {
    NAD_ACT_PERMANENT = 0,
    NAD_ACT_VARIABLE = 1,
    NAD_ACT_FLUID = 2,
    NAD_ACT_RESTRAINT = 3,
    NAD_ACT_PRESTRESS = 4,
    NAD_ACT_ACCIDENTAL = 5,
    NAD_ACT_SEISMIC = 6
};
/* Categories of buildings (first index of psi_bld). */
enum {
    NAD_PSI_RESIDENTIAL = 0,
    NAD_PSI_ASSEMBLY = 1,
    NAD_PSI_STORAGE = 2,
    NAD_PSI_VEHICLE_30 = 3,
    NAD_PSI_VEHICLE_160 = 4,
    NAD_PSI_ROOF = 5,
    NAD_PSI_SNOW_LOW = 6,
    NAD_PSI_SNOW_HIGH = 7,
    NAD_PSI_WIND = 8,
    NAD_PSI_TEMPERATURE = 9,
    NAD_PSI_SETTLEMENT = 10,
    NAD_PSI_OTHER = 11
};

/* ---------------------------------------------------------------- EN 1991 (wind and snow) */

typedef struct EC1_Table {
    char *title1;     /* first title line of the definition */
    char *title2;     /* second title line */
    char *caption;    /* caption of the values; null until values are loaded */
    char *unit;       /* unit token */
    int32_t cols;     /* columns per row */
    int32_t rows;     /* rows of the value matrix */
    int32_t loaded;   /* 1 when values were read */
    int32_t frame[4]; /* four numbers of the definition */
    int32_t cell[4];  /* four further numbers; first two relative to frame[0..1] */
    double *values;   /* rows*cols values, row by row; zero until loaded */
} EC1_Table;

#define NAD_EC1_MAX_TABLES 10

typedef struct NAD_EC1_Tables {
    int32_t table_set;        /* number behind the annex name; 1 or 2 after the variant */
    int32_t data_a;           /* second number of the "~DATA" line */
    int32_t data_b;           /* third number of the "~DATA" line */
    int32_t tab99_values[10]; /* numbers of the "~TAB99" line */
    EC1_Table *tables[NAD_EC1_MAX_TABLES]; /* table n in element n-1; null when undefined */
} NAD_EC1_Tables;

/* ---------------------------------------------------------------- EN 1992 (concrete) */

typedef struct NAD_EC2_Params {
    int32_t variant;                  /* variant switch (copied from the record header) */
    int32_t version;                  /* block version, 20 */
    char exposure_names[12][5];       /* "---", "X0", "XC1" .. "XS3" */
    char roughness_names[4][11];      /* interface roughness classes */
    char situation_names[4][21];      /* design situations (code page 850) */
    double exposure_cmin_dur[12];     /* c_min,dur per exposure class [cm] */
    double exposure_dc_dur_gamma[12]; /* delta c_dur,gamma per exposure class [cm] (4.4.1.2(6)) */
    double gamma_c[4];                /* gamma_c per design situation */
    double gamma_s[4];                /* gamma_s per design situation */
    double gamma_c_sls;               /* gamma_c at SLS (2.4.2.4(2)) */
    double gamma_s_sls;               /* gamma_s at SLS */
    double dc_dev;                    /* delta c_dev [cm] (4.4.1.3(1)P) */
    double dc_dur_st;                 /* cover reduction for stainless steel [cm] (4.4.1.2(7)) */
    double dc_dur_add;          /* cover reduction for additional protection [cm] (4.4.1.2(8)) */
    double alpha_cc;            /* 3.1.6(1)P */
    double alpha_ct;            /* 3.1.6(2)P */
    double alpha_cc_pl;         /* plain concrete (12.3.1(1)) */
    double alpha_ct_pl;         /* plain concrete */
    double alpha_lcc;           /* lightweight concrete (11.3.5(1)) */
    double alpha_lct;           /* lightweight concrete (11.3.5(2)) */
    double gamma_ce;            /* gamma_cE (5.8.6(3)) */
    double as_min_factor;       /* 9.2.1.1(1) */
    double as_min_column;       /* 9.5.2(2) */
    double as_vmin_wall;        /* 9.6.2(1) */
    double as_min_floor;        /* lower limit of 9.2.1.1(1) */
    double as_min_column_floor; /* lower limit of 9.5.2(2) */
    double k_redistribution[6]; /* k1..k6 of 5.5(4) */
    double coef_extra;          /* a further coefficient */
    double c_rd_c;              /* C_Rd,c (divided by gamma_c) (6.2.2(1)) */
    double v_min;               /* v_min factor */
    double k1_shear;            /* k1 */
    double nu_shear;            /* nu of 6.2.2(6) */
    double nu_torsion;          /* nu of 6.3.2(4) */
    double c_lrd_c;             /* lightweight concrete shear (11.6.1(1)) */
    double v_l_min;
    double k_l1;
    double nu_l;
    double nu_l_b;
    double cot_theta_min; /* 6.2.3(2) */
    double cot_theta_max;
    double nu1;        /* 6.2.3 */
    double nu1_l;      /* 11.6.2(1) */
    double alpha_cw;   /* 6.2.3(3) */
    double k_flange;   /* 6.2.4(6) */
    double rough_c[4]; /* interface coefficients per roughness class (6.2.5(1)) */
    double rough_mu[4];
    double rough_nu[4];
    double rho_w_min;           /* 9.2.2(5) */
    double cot_theta_f_tension; /* 6.2.4(4) */
    double cot_theta_f_compression;
    double k_p;      /* plain concrete (12.6.3(2)) */
    double k3_crack; /* 7.3.4(3) */
    double k4_crack;
    double k1_fatigue;       /* 6.8.7(1) */
    double gamma_f_fat;      /* gamma_F,fat (6.8.4(1)) */
    double k_slenderness[5]; /* K of 7.4.2(2) */
    double k1_bar_spacing;   /* 8.2(2) */
    double beta1_support;    /* 9.2.1.2(1) */
    double beta2_anchorage;  /* 9.2.1.4(1) */
    double theta0_inv;       /* theta0 = 1/value (5.2(6)) */
    double gamma_m_fi;       /* gamma_M,fi (EN 1992-1-2, 2.3(2)) */
    double alpha_ec;         /* 3.3.3(1) */
    double k_hsc_section;    /* 6.4.2.1(3) */
    double km_hsc;           /* 6.4.2.2(2) */
    double lambda_lim;       /* lambda_lim = value / sqrt(n) (5.8.3.1(1)) */
    double gamma_c_brg[4];   /* bridges (EN 1992-2) */
    double gamma_s_brg[4];
    double alpha_cc_brg; /* EN 1992-2, 3.1.6(101)P */
    double alpha_ct_brg; /* EN 1992-2, 3.1.6(102)P */
    double c_rd_c_brg;   /* EN 1992-2, 6.2.2(101) */
    double v_min_brg;
    double k1_shear_brg;
    double cot_theta_min_brg; /* EN 1992-2, 6.2.3 */
    double cot_theta_max_brg;
    double alpha_cw_brg;
    double nu1_brg;
    double k1_fatigue_brg;    /* EN 1992-2, 6.8.7(101) */
    double k_stress[5];       /* k1..k5 of the stress limits (7.2) */
    double as_min_column_brg; /* EN 1992-2, 9.5.2(2) */
    double as_min_column_floor_brg;
    double r_sup_pre;     /* prestress P_sup, pretensioned or unbonded */
    double r_sup_post;    /* P_sup, post-tensioned */
    double r_inf_pre;     /* P_inf, pretensioned or unbonded */
    double r_inf_post;    /* P_inf, post-tensioned */
    int32_t switches[20]; /* rule switches; [14] is the class of high-strength concrete */
    double extra_a;       /* a further value */
    double extra_b;       /* a further value */
    int32_t flag_last;    /* a further switch */
} NAD_EC2_Params;

#define NAD_EC2_HSC_CLASS 14 /* index of the high-strength class in switches[] */

/* ---------------------------------------------------------------- EN 1993 (steel) */

typedef struct NAD_EC3_1_Params { /* EN 1993-1-1 */
    int32_t version;              /* sub-block version, 5 */
    int32_t reserved;             /* stays 0 */
    double gamma_m0;              /* cross-section resistance, persistent and transient */
    double gamma_m1;              /* member instability */
    double gamma_m2;              /* fracture in tension */
    double gamma_m0_acc;          /* the same, accidental situation */
    double gamma_m1_acc;
    double gamma_m2_acc;
    int32_t ltb_switch;   /* switch of the lateral-torsional buckling rules (6.3.2) */
    double gamma_m_fi;    /* fire (EN 1993-1-2) */
    double lambda_lt0;    /* plateau length (6.3.2.3) */
    double beta_lt;       /* correction factor beta (6.3.2.3) */
    int32_t f_switch;     /* 1: modification factor f given */
    double f_value;       /* modification factor f */
    int32_t kc_switch;    /* choice of kc (Table 6.6 or given) */
    double kc_value;      /* given kc */
    double e0_elastic[5]; /* bow imperfection L/e0, elastic, curves a0, a, b, c, d */
    double e0_plastic[5]; /* the same for plastic analysis */
} NAD_EC3_1_Params;

typedef struct NAD_EC3_8_Params { /* EN 1993-1-8, partial factors of joints (2.2(2)) */
    int32_t version;              /* sub-block version, 5 */
    int32_t reserved;             /* stays 0 */
    double factors_a[6];          /* gamma_M2, gamma_M3, gamma_M5 (hollow sections), ... */
    int32_t count_b;
    double factor_c;
    double factors_d[4];
    double factor_e;
    double factor_f;
} NAD_EC3_8_Params;

typedef struct NAD_EC3_Params {
    int32_t variant;        /* variant switch (copied from the record header) */
    int32_t reserved;       /* stays 0 */
    NAD_EC3_1_Params ec3_1; /* EN 1993-1-1 */
    NAD_EC3_8_Params ec3_8; /* EN 1993-1-8 */
} NAD_EC3_Params;

/* ---------------------------------------------------------------- EN 1996, EN 1999 */

typedef struct NAD_EC6_Params {
    int32_t variant;           /* variant switch */
    int32_t version;           /* not set by the initialiser or the reader */
    double gamma_m_masonry[4]; /* ULS persistent/transient, accidental, third, SLS */
} NAD_EC6_Params;

typedef struct NAD_EC9_Params {
    int32_t variant;         /* variant switch */
    int32_t version;         /* block version, 5 */
    double gamma_m1;         /* cross-section resistance (6.1.3(1)) */
    double gamma_m1b;        /* second factor for cross-section failure */
    double gamma_m2;         /* fracture in tension (6.1.3(1)) */
    double gamma_m_bolts;    /* bolted joints (8.1.1(2)) */
    double gamma_m_welds;    /* welded joints */
    double gamma_m_slip_sls; /* sliding resistance, SLS */
    double gamma_m_slip_uls; /* sliding resistance, ULS */
    double gamma_m_adhesive; /* bonded joints */
    double gamma_m_pins_sls; /* pins, SLS */
    double yield_constant;   /* constant of 6.2.1(5), note 2 */
} NAD_EC9_Params;

/* ---------------------------------------------------------------- the whole record */

#define NAD_NAME_MAX 27 /* characters of NAD_Record.name */

typedef struct NAD_Record {
    int32_t flag_index;          /* flag icon row; 19 standard, 18 Germany; <0 never loaded */
    int32_t user_defined;        /* 1 when read from a user file */
    int32_t variant;             /* variant of the annex (third header value) */
    char name[NAD_NAME_MAX + 1]; /* name from the file header */
    NAD_EC0_Params ec0;          /* EN 1990 */
    NAD_EC1_Tables ec1;          /* EN 1991 */
    NAD_EC2_Params ec2;          /* EN 1992 */
    NAD_EC3_Params ec3;          /* EN 1993 */
    NAD_EC5_Params ec5;          /* EN 1995 */
    NAD_EC6_Params ec6;          /* EN 1996 */
    NAD_EC9_Params ec9;          /* EN 1999 */
} NAD_Record;
