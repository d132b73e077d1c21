/*
** Names of the error, rule and note codes of the connection design (Design_Error_Code) that the
** design and the splice checks raise. The texts are those of Get_Error_Text / Get_Hint_Text; the
** names say what the text says (SPAX: approved screws of the first line, ETA-12/0114; ASSY: the
** second line, ETA-11/0190; ETA19: the third line, ETA-19/0553; 2.25HE, 1.2D: the minimum thickness
** in connector or fastener sizes).
*/
#pragma once

#include <cstdint>

enum : int32_t {
    DERR_NONE = 0,
    /* the fastener and the joint */
    DERR_DIAMETER_NOT_POSITIVE = 4, /* d <= 0 (or below the smallest size) */
    DERR_LENGTH_TOO_SMALL = 5,
    DERR_FASTENER_TOO_SHORT = 6,
    DERR_TOO_SHORT_DOUBLE_SHEAR = 7,
    DERR_NAIL_PENETRATION_4D = 8,
    DERR_SCREW_PENETRATION_4D = 9,
    DERR_PLATE_SINGLE_SHEAR_ONLY = 10, /* nails, screws, staples with plates */
    DERR_FASTENER_TOO_LONG = 11,
    DERR_STEEL_STEEL = 12,
    /* splitting of thin timber, EN 1995-1-1 eq. (8.18) and (8.19) */
    DERR_SPLIT_TIMBER_818 = 13,
    DERR_SPLIT_SIDE_818 = 14,
    DERR_SPLIT_SIDE2_818 = 15,
    DERR_SPLIT_MIDDLE_818 = 16,
    DERR_SPLIT_TIMBER_819 = 17,
    DERR_SPLIT_SIDE_819 = 18,
    DERR_SPLIT_SIDE2_819 = 19,
    DERR_SPLIT_MIDDLE_819 = 20,
    /* minimum thicknesses and spacings */
    DERR_SIDE_MIN_24MM = 21,
    DERR_SIDE_MIN_30MM_ETA19 = 22,
    DERR_SIDE_MIN_40MM_ETA19 = 23,
    DERR_SPACING_A1 = 24,
    DERR_SPACING_A2 = 25,
    DERR_MIDDLE_MIN_24MM = 26,
    DERR_MIDDLE_MIN_30MM_ETA19 = 27,
    DERR_MIDDLE_MIN_40MM_ETA19 = 28,
    DERR_CONNECTOR_SIDE_2_25HE = 29,
    DERR_CONNECTOR_MIDDLE_3_75HE = 30,
    /* approved screws */
    DERR_SPAX_GYPSUM = 31,
    DERR_SPAX_FERMACELL = 32,
    DERR_ASSY_GYPSUM = 33,
    DERR_ASSY_PANEL_HEAD_SIDE_ONLY = 34,
    DERR_ASSY_FERMACELL = 35,
    DERR_FLAT_HEAD_ON_STEEL = 36, /* cylinder or pan head on a steel plate */
    DERR_SPAX_PANEL_1_2D = 37,
    DERR_SPAX_PANEL_WASHER_12MM = 38,
    DERR_ASSY_PANEL_1_2D = 39,
    DERR_SPAX_SIDE_30MM_UNDRILLED = 40,
    DERR_SPAX_SIDE_40MM_UNDRILLED = 41,
    DERR_SPAX_SIDE_80MM_UNDRILLED = 42,
    DERR_SPAX_MIDDLE_30MM_UNDRILLED = 43,
    DERR_SPAX_MIDDLE_40MM_UNDRILLED = 44,
    DERR_SPAX_MIDDLE_80MM_UNDRILLED = 45,
    DERR_CONNECTOR_DENSITY_500 = 48,
    DERR_CONNECTOR_TIMBER_ONLY = 49,
    DERR_PLATE_END_DISTANCE_E1 = 50,
    DERR_ASSY_SIDE_24MM = 51,
    DERR_ASSY_MIDDLE_24MM = 52,
    DERR_ASSY_SIDE_30MM = 53,
    DERR_ASSY_SIDE_40MM = 54,
    DERR_ASSY_SIDE_80MM = 55,
    DERR_ASSY_MIDDLE_30MM = 57,
    DERR_ASSY_MIDDLE_40MM = 58,
    DERR_ASSY_MIDDLE_80MM = 59,
    DERR_ASSY_SPECIES_8MM_UNDRILLED = 61,
    DERR_SPAX_SPECIES_8MM = 62,
    DERR_ETA19_SPECIES_8MM = 63,
    DERR_ASSY_SERVICE_CLASS_1_2 = 64, /* d > 4 mm */
    DERR_ASSY_SERVICE_CLASS_1 = 65,   /* d <= 4 mm */
    DERR_ASSY_OSB_12MM = 66,
    DERR_SPAX_HARDWOOD_UNDRILLED = 68,
    DERR_SPAX_PANEL_HEAD_SIDE_ONLY = 69,
    DERR_SPAX_MIN_THICKNESS = 70,
    /* connectors and materials */
    DERR_ALU_CONNECTOR_SERVICE_CLASS = 86,
    DERR_FUK_ZERO = 87,
    DERR_SPECIAL_NAIL_NEEDS_ANNEX = 94,
    /* the splice: members, pattern and combinations */
    DERR_SIDE_TIMBER_TOO_SHORT = 95,
    DERR_MEMBER_NOT_HIGH_ENOUGH = 96, /* too low for its edge distances a2,tc / a4,tc */
    DERR_SPLIT_SIDE_OR_NAIL_THICK = 97,
    DERR_STAGGERED_ROWS_ODD = 98,
    DERR_GROUPED_COLUMNS_EVEN = 99,
    DERR_STAGGERED_COLUMNS_3 = 100,
    DERR_TWO_FASTENERS_PER_HALF = 101,
    DERR_PRESSED_C1_HARDWOOD = 102, /* toothed-plate connectors in hardwood */
    DERR_PRESSED_C2_HARDWOOD = 103,
    DERR_PRESSED_C5_HARDWOOD = 104,
    DERR_PRESSED_C10_HARDWOOD = 105,
    DERR_PRESSED_C11_HARDWOOD = 106,
    DERR_SPACING_TOO_LONG = 107, /* side timber too long */
    DERR_SPACING_TOO_HIGH = 109, /* side timber too high */
    DERR_SHORT_OR_SIDE_THICK = 110,
    DERR_MIDDLE_MIN_THICKNESS = 111,
    DERR_CONNECTOR_TOO_HIGH = 112, /* member too thin for the connector depth */
    DERR_SIDE_THIN_OR_NAIL_THICK = 113,
    DERR_SIDE_MIN_24MM_MEMBER = 114,
    DERR_END_DISTANCE_A3 = 119,
    DERR_EDGE_DISTANCE_A4 = 120,
    DERR_NO_VALID_COMBINATION = 124,
    DERR_PLATE_MIN_3MM = 130,
    DERR_PLATE_EDGE_E2_E3 = 131,
    DERR_FAX_BELOW_MIN = 133,
    DERR_LEF_BELOW_8D = 135,
    DERR_ETA19_PENETRATION_TAB4 = 138, /* undrilled penetration limits */
    DERR_ETA19_PENETRATION_TAB5 = 139,
    DERR_ETA19_PENETRATION_LVL = 140,
    DERR_PENETRATION_BELOW_4D = 146,
    DERR_OBSERVE_NA16 = 147,
    /* rules of the axial resistance (EN 1995-1-1 wording) */
    DERR_ASSY_PLYWOOD_6MM = 150,
    DERR_ASSY_PANEL_8MM = 151,
    DERR_SPAX_PLYWOOD_6MM = 152,
    DERR_SPAX_PANEL_8MM = 153,
    DERR_ETA19_MIN_6MM = 154,
    DERR_ETA19_MIN_8MM = 155,
    DERR_ETA19_MIN_12MM = 156,
    DERR_ASSY_HEAD_MEMBER_1_2D = 157,
    DERR_ASSY_POINT_MEMBER_1_2D = 158,
    DERR_SMOOTH_NAIL_PREDRILLED = 159,
    DERR_SMOOTH_NAIL_PENETRATION = 160,
    DERR_PROFILED_NAIL_PENETRATION = 161,
    DERR_STAPLE_PENETRATION = 162,
    DERR_SCREW_PENETRATION_6D = 163,
    DERR_STAPLE_RESIN_LENGTH = 164,
    DERR_SMOOTH_NAIL_LEF = 165,
    DERR_SPECIAL_NAIL_LEF = 166,
    DERR_LEF_LIMITED_20D = 167,
    DERR_FVRK_UNDEFINED = 168,
    /* the splice: nails from both sides overlap in the middle member closer than 4 d to its far
    ** face (EN 1995-1-1, 8.3.1.1(7)) */
    DERR_NAIL_OVERLAP = 171,
    /* plain nails farther apart than 40 d along or 20 d across the grain (107, 109 name the
    ** side timbers): the plates or the lap too long, the plates or the middle member too high */
    DERR_SPACING_TOO_LONG_PLATES = 172,
    DERR_SPACING_TOO_LONG_LAP = 173,
    DERR_SPACING_TOO_HIGH_PLATES = 174,
    DERR_SPACING_TOO_HIGH_MIDDLE = 178,
    /* a grade without kmod in the service class (EN 1995-1-1, Table 3.1): the code carries
    ** group, grade and class (Board_Service_Class_Code), FIRST + 100 group + 10 grade + class */
    DERR_BOARD_SERVICE_CLASS_FIRST = 3000,
    DERR_BOARD_SERVICE_CLASS_LAST = 5199,
    /* the splice's plates or lap shorter than the spacings ask (the side timbers: 95) */
    DERR_PLATES_TOO_SHORT = 175,
    DERR_LAP_TOO_SHORT = 176,
    /* the plates too low for their edge distance e2 beside the rows (EN 1993-1-8, Table 3.3) */
    DERR_PLATES_NOT_HIGH_ENOUGH = 177,
    /* the member that a refused thickness names where 97, 110, 113 and 114 name the side timbers
    ** and 111 the middle member: the timber lamellas beside inner plates (their least thickness,
    ** splitting), the middle member, the halves of a lap, a lamella, the plate */
    DERR_LAMELLA_MIN_24MM = 180,
    DERR_SPLIT_MIDDLE_OR_NAIL_THICK = 181,
    DERR_SPLIT_LAP_OR_NAIL_THICK = 182,
    DERR_MIDDLE_THIN_OR_NAIL_THICK = 183,
    DERR_LAP_THIN_OR_NAIL_THICK = 184,
    DERR_SHORT_OR_LAMELLA_THICK = 185,
    DERR_SHORT_OR_PLATE_THICK = 186,
    DERR_SHORT_OR_LAP_THICK = 187,
    DERR_LAP_MIN_24MM = 188,
    DERR_SPLIT_LAMELLA_OR_NAIL_THICK = 189,
    /* the splice: a fastener that the connection kind cannot take (EN 1995-1-1, 8.4, 8.9,
    ** 8.10), a washer below 3 d (10.4.3), staples that do not reach their least penetration
    ** (8.4(3); the German annex, NA.16), screws of d <= 6 mm overlapping like nails (8.7.1,
    ** 8.3.1.1(7)), a fastener without lateral resistance in the connection */
    DERR_STAPLE_THROUGH_STEEL = 190,
    DERR_SHEAR_PLATE_WITHOUT_STEEL = 191,
    DERR_RING_AGAINST_STEEL = 192,
    DERR_TWO_SIDED_C5_AGAINST_STEEL = 193,
    DERR_STAPLE_PENETRATION_LEAST = 194,
    DERR_WASHER_BELOW_3D = 195,
    DERR_SCREW_OVERLAP = 196,
    DERR_NO_LATERAL_RESISTANCE = 197,
    /* alternately driven nails: a side whose fasteners stand in one point has no polar moment
    ** for its share of the moment */
    DERR_SIDE_WITHOUT_POLAR_MOMENT = 198,
    /* nails not pre-drilled in timber above 500 kg/m³ or of d > 6 mm (EN 1995-1-1, 8.3.1.2(2)) */
    DERR_NAIL_NEEDS_PREDRILLING = 199,
    /* the bolt through a connector outside the bolt diameters of its catalogue row (EN 912;
    ** EN 1995-1-1, 8.9, 8.10) */
    DERR_CONNECTOR_BOLT_OUTSIDE_ROW = 200,
    /* wood screws to DIN 571 not pre-drilled in hardwood or of d > 6 mm (EN 1995-1-1, 10.4.5) */
    DERR_SCREW_NEEDS_PREDRILLING = 201,
    /* a two-sided toothed plate beside steel whose single-sided counterpart of the same d_c the
    ** catalogue lacks (EN 912; EN 1995-1-1, 8.10) */
    DERR_NO_SINGLE_SIDED_COUNTERPART = 202,
    /* notes on rules the design applied */
    DNOTE_PREDRILLED_NAIL_NO_WITHDRAWAL = 1007,
    DNOTE_STAPLE_F1K_THIRD = 1009,
    DNOTE_RAX_70_PERCENT = 1010,
    DNOTE_SPAX_ANGLE_30 = 1013,
    DNOTE_SPAX_ANGLE_15 = 1014,
    DNOTE_ASSY_ANGLE_30 = 1015,
    DNOTE_FHEAD_BELOW_MIN = 1023
};
