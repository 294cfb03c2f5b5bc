/*
 * dravlen.h - the public interface of libdravlen, the Velmora compliance engine.
 *
 * The engine checks a truckload of hazardous materials against 49 CFR 171-180
 * and the hazmat safety permit rules of 49 CFR 385.  It embeds the regulatory
 * tables (the Hazardous Materials Table of 49 CFR 172.101 in every version the
 * rulesets need, hazardous substances, marine pollutants, roadside-inspection
 * violation codes) and holds all compliance and inspection logic.
 *
 * Conventions
 *  - Every function is named Operation_Family and takes the family's record
 *    first.  Records live in storage the caller provides (GetSizeOf_X tells
 *    the size, Alloc_X returns uninitialised storage from the library heap)
 *    and are set up with Init_X.  Reset_X / Destroy_X release what a record
 *    owns, never the storage itself.
 *  - Booleans are 32-bit ints: 0 is false, any other value true.  Predicates
 *    answer 0 or 1.
 *  - Failures are reported by return value only: null, 0 or -1.
 *  - Text is UTF-8 with "\n" line ends, both ways.  Saved truckloads and item
 *    records keep storing Windows-1252: converted when written and read.
 *  - Ownership of returned pointers is stated at each function.  Text marked
 *    "caller frees" is released with qv_free(); every other returned pointer
 *    belongs to the library.
 *  - The library keeps process-wide state (the reference store and the
 *    current ruleset) without locking: call it from one thread only.
 *
 * This header compiles as C and as C++.
 */
#ifndef DRAVLEN_H
#define DRAVLEN_H

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32)
#define DRAVLEN_API __declspec(dllexport)
#else
#define DRAVLEN_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ======================================================================
 * Records
 *
 * The program reserves storage for these records; members are listed in
 * their fixed order.  Callers read results only through the accessor
 * functions below, never through the members.
 * ====================================================================== */

/* One parsed hazard class/division code such as "2.3", "1.4S" or "COMB". */
typedef struct HazDiv {
    uint8_t hazClass;   /* hazard class 1-9; 0 = no hazard */
    uint8_t division;   /* division within the class; 0 = none */
    char compatGroup;   /* class 1 compatibility letter; 'C' for COMB; else 0 */
} HazDiv;

/* Opaque records owned by the library. */
typedef struct CTRec CTRec;         /* one Hazardous Materials Table row */
typedef struct HSRec HSRec;         /* one hazardous substance (Appendix A) */
typedef struct MPRec MPRec;         /* one marine pollutant (Appendix B) */
typedef struct VIRec VIRec;         /* one roadside-inspection violation code */
typedef struct Rule Rule;           /* a switchable rule (the engine has none) */
typedef struct DictEntry DictEntry; /* one key/value entry of a Dict */
typedef struct Question Question;   /* one inspection question */
typedef struct Violation Violation; /* one inspection violation */

/* Ordered text key/value list owned by every truckload and item. */
typedef struct Dict {
    DictEntry *head;
} Dict;

/* A question list: first top-level question and count of all questions. */
typedef struct QuestionList {
    Question *head;
    uint32_t count;
} QuestionList;

/* A violation list: the chain and the count of enabled violations. */
typedef struct ViolationList {
    Violation *head;
    uint32_t enabledCount;
} ViolationList;

/* One hazardous-material item of a truckload.  The program may hold items
 * outside a truckload in 256 bytes of its own storage. */
typedef struct Hazmat {
    int32_t pid;              /* HMT entry; 0 = unbound */
    uint32_t wordA;           /* qualifier word A (stored raw in saved files) */
    uint32_t wordB;           /* qualifier word B (stored raw in saved files) */
    uint32_t nameIndex;       /* 0 = proper shipping name, n = n-th shipping name */
    uint32_t weight;          /* whole number in the item's weight unit */
    uint32_t transportIndex;  /* tenths */
    uint32_t csi;             /* criticality safety index, tenths */
    QuestionList questions;   /* the item's shipping-paper questions */
    Dict dict;                /* the item's saved audit answers */
    int32_t spaStale;         /* shipping-paper violations need re-evaluation */
    ViolationList violations; /* the item's shipping-paper violations */
} Hazmat;

/* The truckload. */
typedef struct Load {
    Hazmat *items;                 /* owned array, truckload order; null when empty */
    uint32_t itemCount;
    char *name;                    /* owned; null until set */
    int32_t criteria8820;          /* 8,820-pound single-material declaration */
    int32_t dodShipment;           /* Department of Defense shipment */
    int32_t vehicleCode;           /* a DravlenVehicle, 0-19 */
    int32_t lastInspectedVehicle;  /* vehicle code at the last cargo tank evaluation */
    int32_t forbiddenCursor;       /* GetNextVehicleForbiddenUN_Load position */
    Dict dict;
    QuestionList mctiQuestions;    /* cargo tank inspection questions */
    QuestionList spaQuestions;     /* load-level shipping-paper questions */
    ViolationList mctiViolations;
    ViolationList segregationViolations;
    ViolationList manualViolations;
    ViolationList spaViolations;
    int32_t mctiStale;
    int32_t spaStale;
    int32_t allGasoline;           /* summary flags written by the placarding analysis */
    int32_t allFuelOil;
    int32_t allSamePID;
    int32_t anyBulk;
    int32_t anyBulkInhalation;
} Load;

/* A marking; also the first member of every placard. */
typedef struct Marking {
    int32_t type;      /* marking type 1-13; 0 inside a placard: no number shown */
    int32_t pid;
    int32_t idNumber;  /* ID number without its prefix ("UN1203" -> 1203) */
    const char *psn;   /* borrowed: the item's shipping name */
} Marking;

typedef struct Placard {
    Marking marking;          /* non-zero type: the placard shows the ID number */
    int32_t primary;
    int32_t flammableAllowed; /* FLAMMABLE may stand for COMBUSTIBLE, 172.504(f)(2) */
    int32_t hazClass;         /* 0 only for DANGEROUS */
    int32_t division;
    char letter;              /* compatibility group or variant letter */
} Placard;

/* One placarding option. */
typedef struct PlacOp {
    Placard *placards;
    int32_t placardCount;
    int32_t placardCursor;
    Placard coverage;         /* DANGEROUS coverage placard */
    int32_t coverageValid;
    Marking *markings;
    int32_t markingCount;
    int32_t markingCursor;
} PlacOp;

/* One segregation or legality message. */
typedef struct HazSeg {
    int32_t type;             /* severity class: a DravlenMessageType */
    int32_t msg;              /* message code; the list is sorted by it */
    int32_t pid1;
    int32_t pid2;
    const char *id1;          /* borrowed */
    const char *id2;
    const char *class1;
    const char *class2;
    char reason[500];
    char citation[64];
} HazSeg;

/* Everything one computation produces. */
typedef struct Output {
    PlacOp *options;
    int32_t optionCount;
    PlacOp *current;
    Placard *allowed;
    int32_t allowedCount;
    int32_t allowedCursor;
    HazSeg *messages;
    int32_t messageCount;
    int32_t messageCursor;
    int32_t legal;
    int32_t undetermined;
} Output;

/* The handle of one computation.  The load is the first member, so an
 * engine's address is also its load's address. */
typedef struct Engine {
    Load load;
    Output output;
    int32_t dangerousFirst;
    int32_t bulkPlacards;
    int32_t placardAllHazmats;
} Engine;

#ifdef __cplusplus
static_assert(sizeof(Hazmat) <= 256, "the program reserves 256 bytes per item");
#else
_Static_assert(sizeof(Hazmat) <= 256, "the program reserves 256 bytes per item");
#endif

/* ======================================================================
 * Codes
 *
 * Named values of the integer codes the functions below take and answer.
 * The values are the ones the interface has always used, so a caller that
 * passes plain integers keeps working; parameters stay `int` where a C
 * caller would otherwise need a cast, and each comment names its enum.
 * ====================================================================== */

/* SearchCT_HazData: what the text is matched against. */
typedef enum DravlenSearchMode {
    SEARCH_PROPER_SHIPPING_NAME = 0,
    SEARCH_HAZARD_CLASS = 1,        /* hazard class or label code */
    SEARCH_ID_NUMBER = 2
} DravlenSearchMode;

/* GetLegality_Engine, GetLegality_Output. */
typedef enum DravlenLegality {
    LEGALITY_LEGAL = 0,
    LEGALITY_ILLEGAL = 1,
    LEGALITY_UNDETERMINED = 2       /* depends on a condition the user must judge */
} DravlenLegality;

/* HMT column codes (GetCTColName, the CTRec accessors, GetLink_HazData);
 * the columns of the 172.101 table, then the engine's own. */
typedef enum DravlenColumn {
    CT_COL_SYMBOLS = 0,                     /* column 1 */
    CT_COL_PROPER_SHIPPING_NAME = 1,        /* column 2 */
    CT_COL_HAZARD_CLASS = 2,                /* column 3 */
    CT_COL_ID_NUMBER = 3,                   /* column 4 */
    CT_COL_PACKING_GROUP = 4,               /* column 5 */
    CT_COL_LABEL_CODES = 5,                 /* column 6 */
    CT_COL_SPECIAL_PROVISIONS = 6,          /* column 7 */
    CT_COL_PACKAGING_EXCEPTIONS = 7,        /* column 8A */
    CT_COL_NON_BULK_PACKAGING = 8,          /* column 8B */
    CT_COL_BULK_PACKAGING = 9,              /* column 8C */
    CT_COL_PASSENGER_QUANTITY = 10,         /* column 9A */
    CT_COL_CARGO_AIRCRAFT_QUANTITY = 11,    /* column 9B */
    CT_COL_VESSEL_STOWAGE_LOCATION = 12,    /* column 10A */
    CT_COL_VESSEL_STOWAGE_OTHER = 13,       /* column 10B */
    CT_COL_SHIPPING_NAMES = 14,
    CT_COL_CAS_NUMBERS = 15,
    CT_COL_SHIPPING_NAME_DESCRIPTIONS = 16
} DravlenColumn;

/* Packing-group slots of the CTRec and Hazmat functions. */
typedef enum DravlenSlot {
    SLOT_ANY = -2,
    SLOT_ROW = -1,                  /* row level; for an item: none chosen */
    SLOT_NO_PACKING_GROUP = 0,
    SLOT_PG_I = 1,
    SLOT_PG_II = 2,
    SLOT_PG_III = 3
} DravlenSlot;

/* HazmatNeedsPermit_Load: the paragraph of 49 CFR 385.403 that applies. */
typedef enum DravlenPermit {
    PERMIT_NONE = 0,
    PERMIT_HRCQ = 1,                /* (a) required: highway route controlled quantity */
    PERMIT_EXPLOSIVES = 2,          /* (b) may be: Division 1.5, or 1.1-1.3 over 55 lb */
    PERMIT_ZONE_A = 4,              /* (c) may be: inhalation hazard zone A */
    PERMIT_ZONE_B_BULK = 5,         /* (d) required: zone B in bulk */
    PERMIT_ZONE_C_D_BULK = 6,       /* (e) may be: zone C or D in bulk */
    PERMIT_METHANE_BULK = 7         /* (f) may be: methane in bulk */
} DravlenPermit;

/* Question sets of a truckload (the `mode` of the Vehicle functions). */
typedef enum DravlenQuestionSet {
    QUESTIONS_CARGO_TANK = 0,       /* cargo tank inspection of the vehicle type */
    QUESTIONS_SHIPPING_PAPER = 1
} DravlenQuestionSet;

/* Answers of inspection questions. */
typedef enum DravlenAnswer {
    ANSWER_NO = 0,
    ANSWER_YES = 1,
    ANSWER_UNANSWERED = 2
} DravlenAnswer;

/* Vehicle table codes (GetVehicleName, IsVehicleAllowed_Hazmat/_Load). */
typedef enum DravlenVehicle {
    VEHICLE_UNKNOWN = 0,
    VEHICLE_UNIT_LOAD = 1,
    VEHICLE_NON_SPEC_CARGO_TANK = 2,
    VEHICLE_DOT_406 = 3,
    VEHICLE_DOT_407 = 4,
    VEHICLE_DOT_412 = 5,
    VEHICLE_MC_300 = 6,
    VEHICLE_MC_301 = 7,
    VEHICLE_MC_302 = 8,
    VEHICLE_MC_303 = 9,
    VEHICLE_MC_304 = 10,
    VEHICLE_MC_305 = 11,
    VEHICLE_MC_306 = 12,
    VEHICLE_MC_307 = 13,
    VEHICLE_MC_310 = 14,
    VEHICLE_MC_311 = 15,
    VEHICLE_MC_312 = 16,
    VEHICLE_MC_330 = 17,
    VEHICLE_MC_331 = 18,
    VEHICLE_MC_338 = 19
} DravlenVehicle;

/* Severity class of a segregation or legality message (GetType_HazSeg). */
typedef enum DravlenMessageType {
    MESSAGE_RADIOACTIVE_NOTICE = 0, /* no effect on legality */
    MESSAGE_DO_NOT_LOAD = 1,        /* illegal */
    MESSAGE_SEPARATE = 2,           /* must be separated */
    MESSAGE_CONDITIONAL = 3,        /* illegal under a condition: undetermined */
    MESSAGE_INFORMATION = 4,
    MESSAGE_PERMIT_REQUIRED = 5,    /* 49 CFR 385.403 */
    MESSAGE_PERMIT_MAY_BE_REQUIRED = 6
} DravlenMessageType;

/* Weight units of the Hazmat weight functions. */
typedef enum DravlenWeightUnit {
    WEIGHT_POUNDS = 0,
    WEIGHT_KILOGRAMS = 1
} DravlenWeightUnit;

/* GetRadioactiveLabel_Hazmat (49 CFR 172.403). */
typedef enum DravlenRadioactiveLabel {
    RADIOACTIVE_NONE = 0,
    RADIOACTIVE_WHITE_I = 1,
    RADIOACTIVE_YELLOW_II = 2,
    RADIOACTIVE_YELLOW_III = 3
} DravlenRadioactiveLabel;

/* GetType_MPRec (49 CFR 172.101 Appendix B). */
typedef enum DravlenMarinePollutant {
    MARINE_POLLUTANT = 0,
    SEVERE_MARINE_POLLUTANT = 1
} DravlenMarinePollutant;

/* Exemption numbers 1-34 of the Hazmat exemption functions, each one
 * exception of 49 CFR 171-173 (named by its paragraph or special provision).
 * 20 and 24 are reserved: never allowed. */
typedef enum DravlenExemption {
    EXEMPTION_173_159_D = 1,        /* UN2800 batteries */
    EXEMPTION_173_159_E = 2,        /* UN2794, UN2795 batteries */
    EXEMPTION_173_320 = 3,          /* cryogenic liquids */
    EXEMPTION_SYMBOL_A = 4,         /* column 1 symbol A: aircraft only */
    EXEMPTION_SYMBOL_W = 5,         /* column 1 symbol W: vessel only */
    EXEMPTION_SYMBOLS_A_W = 6,
    EXEMPTION_173_309 = 7,          /* UN1044 fire extinguishers */
    EXEMPTION_ORM_D = 8,
    EXEMPTION_SP_30 = 9,
    EXEMPTION_SP_151 = 10,
    EXEMPTION_SP_156 = 11,
    EXEMPTION_173_453_FISSILE = 12, /* fissile exempt; clears the CSI */
    EXEMPTION_LEADED_GASOLINE = 13,
    EXEMPTION_PACKAGING_307 = 14,   /* column 8A 307 */
    EXEMPTION_PACKAGING_199 = 15,   /* column 8B 199 */
    EXEMPTION_172_504_F_2 = 16,     /* bulk combustible liquid */
    EXEMPTION_SP_188 = 17,
    EXEMPTION_SP_189 = 18,
    EXEMPTION_SP_190 = 19,
    EXEMPTION_RESERVED_20 = 20,
    EXEMPTION_173_12_B_LAB_PACK = 21,
    EXEMPTION_171_4_C = 22,         /* marine pollutant exception */
    EXEMPTION_SP_338 = 23,
    EXEMPTION_RESERVED_24 = 24,
    EXEMPTION_173_226_F = 25,
    EXEMPTION_173_151_E = 26,
    EXEMPTION_SP_380 = 27,          /* depends on the other items */
    EXEMPTION_SP_382 = 28,
    EXEMPTION_SP_B131 = 29,
    EXEMPTION_173_157 = 30,         /* reverse logistics */
    EXEMPTION_173_154_B = 31,
    EXEMPTION_173_225_C_8 = 32,
    EXEMPTION_NO_PLACARDING_EXCEPTIONS = 33, /* withdraws every placarding exception */
    EXEMPTION_SP_396 = 34,
    EXEMPTION_FIRST = 1,
    EXEMPTION_LAST = 34
} DravlenExemption;

/* ======================================================================
 * Memory
 * ====================================================================== */

/* Releases text (or other storage) that the library allocated for a caller.
 * Null is accepted. */
DRAVLEN_API void qv_free(void *p);

/* ======================================================================
 * HazDiv: hazard class and division codes
 * ====================================================================== */

/* Parses a code ("3", "2.3", "1.4S", "COMB"; null or "" = no hazard) into
 * *hd, which is always written (all zero when rejected).  1 = valid. */
DRAVLEN_API int Init_HazDiv(HazDiv *hd, const char *code);
DRAVLEN_API int GetClass_HazDiv(const HazDiv *hd);
DRAVLEN_API int GetDivision_HazDiv(const HazDiv *hd);
DRAVLEN_API char GetCompatGroup_HazDiv(const HazDiv *hd);
/* The canonical code, or null for class 0.  Library-owned buffer that the
 * next call overwrites: copy it before calling again. */
DRAVLEN_API const char *GetString_HazDiv(const HazDiv *hd);
/* A fixed description ("Flammable Gas", ..., "Unknown").  Library-owned. */
DRAVLEN_API const char *GetDesc_HazDiv(const HazDiv *hd);

/* ======================================================================
 * Rulesets and rules
 *
 * A ruleset (index 0-42) is one regulatory version of the HMT.  The current
 * ruleset is process-wide; every table lookup uses it.
 * ====================================================================== */

DRAVLEN_API int GetNumActiveRulesets_HazData(void);
/* Index of the n-th active ruleset (ascending); past the end the highest
 * active index; 0 when none is active. */
DRAVLEN_API int GetActiveRuleset_HazData(int n);
/* Docket text, library-owned; null for an index outside 0-42. */
DRAVLEN_API const char *GetDocket_Ruleset(int index);
/* "Upcoming", "Retired", "Voluntary", "Current", "Antiquated" or null.
 * Library-owned. */
DRAVLEN_API const char *GetStatus_Ruleset(int index);

DRAVLEN_API int GetRuleset_Engine(Engine *engine);
/* 1 when switched; 0 when the index is not active (nothing changes).
 * Items that cannot be represented in the new ruleset are removed. */
DRAVLEN_API int SetRuleset_Engine(Engine *engine, int index);
/* 1 when every item would survive a switch to index. */
DRAVLEN_API int TestRulesetConversion_Engine(Engine *engine, int index);

/* The engine defines no switchable rules: the count is always 0. */
DRAVLEN_API int GetNumRules_Engine(Engine *engine);
DRAVLEN_API Rule *GetRule_Engine(Engine *engine, int n);
DRAVLEN_API void EnableRule_Engine(Engine *engine, int n, int enabled);
DRAVLEN_API const char *GetName_Rule(const Rule *rule);
DRAVLEN_API uint32_t GetStartStamp_Rule(const Rule *rule);
DRAVLEN_API uint32_t GetStopStamp_Rule(const Rule *rule);
DRAVLEN_API const char *GetDescription_Rule(const Rule *rule);
DRAVLEN_API const char *GetRegulation_Rule(const Rule *rule);
DRAVLEN_API int IsEnabled_Rule(const Rule *rule);

/* ======================================================================
 * HazData / CTRec: the Hazardous Materials Table
 *
 * A PID (1-2607) names one HMT entry across rulesets.  Rows (CTRec) belong
 * to the library and stay valid until the last engine is destroyed; fetch a
 * row again after a ruleset change.  Slots 0-3 are the packing-group slots
 * (0 = no packing group, 1-3 = I-III); -1 = row level, -2 = any slot.
 * Column codes 0-16: DravlenColumn (titles from GetCTColName); slots:
 * DravlenSlot.
 * ====================================================================== */

/* Row of pid in the current ruleset, or null. */
DRAVLEN_API CTRec *GetCTRec_HazData(int pid);
DRAVLEN_API int HasPID_HazData(int pid);
/* Next matching PID after afterPid (0 = from the start), or 0.
 * mode: a DravlenSearchMode (0 proper shipping name, 1 hazard class or
 * label code, 2 ID number). */
DRAVLEN_API int SearchCT_HazData(const char *text, int mode, int afterPid);
/* Why an ID number is not available in the current ruleset; null when there
 * is nothing to say.  Caller frees with qv_free. */
DRAVLEN_API char *GetIDInfo_HazData(const char *idText);
/* Materials the table lists as Forbidden (172.101(d)(1)): they have no ID
 * number and no row.  Index of the next Forbidden name after `after` (-1
 * starts at the beginning) that matches `words` by the search word rule, or
 * -1; and the name at an index (library-owned), or null. */
DRAVLEN_API int SearchForbidden_HazData(const char *words, int after);
DRAVLEN_API const char *GetForbiddenName_HazData(int i);
/* Title of a column code 0-16, or null.  Library-owned. */
DRAVLEN_API const char *GetCTColName(int code);

DRAVLEN_API int GetPID_CTRec(const CTRec *row);
DRAVLEN_API int ActiveInRuleset_CTRec(const CTRec *row, int ruleset);
DRAVLEN_API int GetNumElements_CTRec(const CTRec *row, int slot, int code);
/* Element text (library-owned) or null. */
DRAVLEN_API const char *GetElement_CTRec(const CTRec *row, int slot, int code, int index);
DRAVLEN_API int HasElement_CTRec(const CTRec *row, int slot, int code, const char *text);
DRAVLEN_API int Query_CTRec(const CTRec *row, int slot, int code, const char *words);
DRAVLEN_API int HasPackingGroup_CTRec(const CTRec *row, int slot);
DRAVLEN_API int HasLabelCodes_CTRec(const CTRec *row, int slot);
DRAVLEN_API int IsLimitedQuantityAllowed_CTRec(const CTRec *row, int slot);
DRAVLEN_API int IsBulkPackagingAllowed_CTRec(const CTRec *row, int slot);
/* 'G', 'L', 'S' or 0. */
DRAVLEN_API char GetPhysicalState_CTRec(const CTRec *row);
DRAVLEN_API int IsCyanide_CTRec(const CTRec *row);
DRAVLEN_API int IsAcid_CTRec(const CTRec *row);
DRAVLEN_API int IsLSA_CTRec(const CTRec *row);
DRAVLEN_API int IsSCO_CTRec(const CTRec *row);
/* zone: 0 (no zone) or 'A'-'D'. */
DRAVLEN_API int IsHazardZoneAllowed_CTRec(const CTRec *row, int slot, char zone);
DRAVLEN_API int IsHRCQAllowed_CTRec(const CTRec *row);
DRAVLEN_API int IsYellowIIIAllowed_CTRec(const CTRec *row, int slot);

/* ======================================================================
 * HSRec, MPRec, VIRec and links: reference tables
 * ====================================================================== */

/* Records are indexed from 0; an index outside the table gives null.
 * Records and every returned text belong to the library and stay valid
 * until the last engine is destroyed.  The searches walk forward from the
 * record after `after` (a negative `after` starts at record 0) and answer
 * the index of the next match, or -1; iterate by passing the last index. */

/* Hazardous substances (49 CFR 172.101 Appendix A; 40 CFR 302.4), ordered
 * by CAS number; "NA" stands for a substance without one. */
DRAVLEN_API HSRec *GetHSRec_HazData(int i);
DRAVLEN_API int SearchHS_HazData(const char *cas, int after);
DRAVLEN_API const char *GetCAS_HSRec(const HSRec *rec);
DRAVLEN_API const char *GetName_HSRec(const HSRec *rec);
/* Reportable quantity in pounds (1, 10, 100, 1000 or 5000). */
DRAVLEN_API uint32_t GetRQ_HSRec(const HSRec *rec);

/* Marine pollutants (49 CFR 172.101 Appendix B), keyed by CAS number, by
 * the PID of an HMT entry, or not at all. */
DRAVLEN_API MPRec *GetMPRec_HazData(int i);
/* -1 at once for a PID of 0 or less. */
DRAVLEN_API int SearchMPByPID_HazData(int pid, int after);
DRAVLEN_API int SearchMPByCAS_HazData(const char *cas, int after);
/* Null when the record is not keyed by a CAS number. */
DRAVLEN_API const char *GetCAS_MPRec(const MPRec *rec);
/* 0 when the record is not keyed by a PID. */
DRAVLEN_API uint32_t GetPID_MPRec(const MPRec *rec);
DRAVLEN_API const char *GetName_MPRec(const MPRec *rec);
/* A DravlenMarinePollutant: 0 marine pollutant, 1 severe marine pollutant. */
DRAVLEN_API int GetType_MPRec(const MPRec *rec);

/* Roadside-inspection violation codes, ordered by ASPEN code. */
DRAVLEN_API VIRec *GetVIRec_HazData(int i);
/* First record (table order) whose citation (field 6) equals citation
 * exactly, or -1. */
DRAVLEN_API int SearchVI_HazData(const char *citation);
/* Field f: 0 ASPEN code, 1 description, 2 violation group number, 3 CFR
 * part, 4 N/X/B indicator, 5 out-of-service indicator ("Y", "P", "N", or
 * "U" where it is unknown: only "Y" and "P" mean out of service), 6
 * citation, 7 Y/N indicator, 8 violation group name, 9 category ("H"
 * hazardous materials, "V" vehicle, "D" driver).  Empty where unknown;
 * null for f outside 0-9. */
DRAVLEN_API const char *GetField_VIRec(const VIRec *rec, int f);

/* Regulation link of an HMT column value (column codes as GetCTColName),
 * e.g. (6, "101") -> "49cfr172.102(101)"; null when there is none. */
DRAVLEN_API const char *GetLink_HazData(int column, const char *value);

/* ======================================================================
 * Hazmat: item record, qualifiers, serialization, predicates
 * ====================================================================== */

/* Item lifecycle.  This is the start the item family extends. */
DRAVLEN_API int GetSizeOf_Hazmat(void);
/* Uninitialised storage of that size; the caller releases it with qv_free
 * after Reset_Hazmat(item, 0). */
DRAVLEN_API Hazmat *Alloc_Hazmat(void);
/* Makes the item's lists empty, then Reset_Hazmat(item, pid).  Call once on
 * fresh storage before anything else.  1 = bound to pid's row. */
DRAVLEN_API int Init_Hazmat(Hazmat *item, int pid);
/* Releases what the item owns (dictionary, question and violation lists),
 * clears it and binds it to pid's row in the current ruleset.  1 = bound;
 * 0 = no such row (the item is then unbound, PID 0).  Reset_Hazmat(item, 0)
 * releases an item. */
DRAVLEN_API int Reset_Hazmat(Hazmat *item, int pid);
/* dest (an initialised item) becomes an independent copy of src: members
 * and dictionary; its question and violation lists start empty and are
 * rebuilt when it joins a truckload. */
DRAVLEN_API void Copy_Hazmat(Hazmat *dest, const Hazmat *src);
DRAVLEN_API int GetPID_Hazmat(const Hazmat *item);
/* -- Identity and names.  Texts are library-owned (they point into the
 *    table) unless marked "caller frees". -- */
DRAVLEN_API const char *GetID_Hazmat(const Hazmat *item);
/* Proper shipping name with its "<I>" italic markup. */
DRAVLEN_API const char *GetPSN_Hazmat(const Hazmat *item);
DRAVLEN_API int GetNumRomanPSNs_Hazmat(const Hazmat *item);
/* 1 and stores n when 1 <= n <= GetNumRomanPSNs_Hazmat; else 0, no change. */
DRAVLEN_API int SetRomanIndex_Hazmat(Hazmat *item, int n);
DRAVLEN_API int GetRomanIndex_Hazmat(const Hazmat *item);
/* The chosen roman shipping name, or the first one for index 0. */
DRAVLEN_API const char *GetRomanPSN_Hazmat(const Hazmat *item);
DRAVLEN_API int GetNumCas_Hazmat(const Hazmat *item);
DRAVLEN_API const char *GetCas_Hazmat(const Hazmat *item, int i);
DRAVLEN_API const char *GetErgNumber_Hazmat(const Hazmat *item);

/* -- Hazard codes: 0 = primary, then the subsidiary hazards. -- */
DRAVLEN_API int GetNumHazDivs_Hazmat(const Hazmat *item);
DRAVLEN_API const char *GetHazDivString_Hazmat(const Hazmat *item, int i);
DRAVLEN_API const char *GetHazDivDesc_Hazmat(const Hazmat *item, int i);
/* Copy of hazard code 0; caller frees with qv_free. */
DRAVLEN_API char *GetPrimaryClass_Hazmat(const Hazmat *item);
DRAVLEN_API int HasSubsidiary_Hazmat(const Hazmat *item, const char *text);

/* -- Packing group: slot 0 (none), 1-3 (I-III); -1 = not chosen. -- */
DRAVLEN_API int HasPackingGroup_Hazmat(const Hazmat *item, int slot);
DRAVLEN_API int GetPackingGroup_Hazmat(const Hazmat *item);
DRAVLEN_API int SetPackingGroup_Hazmat(Hazmat *item, int slot);
/* "I, II, III", ..., "" (library-owned); null when unbound. */
DRAVLEN_API const char *GetPackingGroups_Hazmat(const Hazmat *item);

/* -- Weight: unit is a DravlenWeightUnit, 0 pounds, 1 kilograms. -- */
DRAVLEN_API void SetWeight_Hazmat(Hazmat *item, uint32_t weight);
DRAVLEN_API void SetWeightUnit_Hazmat(Hazmat *item, int unit);
DRAVLEN_API int GetWeightUnit_Hazmat(const Hazmat *item);
DRAVLEN_API uint32_t GetWeight_Hazmat(const Hazmat *item, int unit);

/* -- Physical state: 'G', 'L', 'N', 'S' or 0. -- */
DRAVLEN_API int FixedPhysicalState_Hazmat(const Hazmat *item);
DRAVLEN_API void SetPhysicalState_Hazmat(Hazmat *item, char state);
DRAVLEN_API char GetPhysicalState_Hazmat(const Hazmat *item);
DRAVLEN_API int IsLiquid_Hazmat(const Hazmat *item);

/* -- Hazard zone: 0 (no zone) or 'A'-'D'. -- */
DRAVLEN_API int IsHazardZoneAllowed_Hazmat(const Hazmat *item, char zone);
DRAVLEN_API void SetHazardZone_Hazmat(Hazmat *item, char zone);
/* 'A'-'D', 0 for no zone; not chosen: '*' (no zone possible) or '?'. */
DRAVLEN_API char GetHazardZone_Hazmat(const Hazmat *item);
/* Library-owned text, or null. */
DRAVLEN_API const char *GetHazardZones_Hazmat(const Hazmat *item);
DRAVLEN_API int GetPIH_Hazmat(const Hazmat *item);

/* -- Qualifiers.  Setters take a boolean (any non-zero value = on) and
 *    leave the item unchanged when the value cannot be applied. -- */
DRAVLEN_API void SetBulkPackaging_Hazmat(Hazmat *item, int on);
DRAVLEN_API int IsBulkPackaging_Hazmat(const Hazmat *item);
DRAVLEN_API int IsBulkPackagingAllowed_Hazmat(const Hazmat *item);
DRAVLEN_API void SetLimitedQuantity_Hazmat(Hazmat *item, int on);
DRAVLEN_API int IsLimitedQuantity_Hazmat(const Hazmat *item);
DRAVLEN_API int IsLimitedQuantityAllowed_Hazmat(const Hazmat *item);
DRAVLEN_API void SetExceptedQuantity_Hazmat(Hazmat *item, int on);
DRAVLEN_API int IsExceptedQuantity_Hazmat(const Hazmat *item);
DRAVLEN_API int IsExceptedQuantityAllowed_Hazmat(const Hazmat *item);
DRAVLEN_API void SetHazardousSubstance_Hazmat(Hazmat *item, int on);
DRAVLEN_API int IsHazardousSubstance_Hazmat(const Hazmat *item);
DRAVLEN_API int IsHazardousSubstanceAllowed_Hazmat(const Hazmat *item);
DRAVLEN_API void SetHazardousWaste_Hazmat(Hazmat *item, int on);
DRAVLEN_API int IsHazardousWaste_Hazmat(const Hazmat *item);
DRAVLEN_API int IsHazardousWasteAllowed_Hazmat(const Hazmat *item);
DRAVLEN_API void SetMarinePollutant_Hazmat(Hazmat *item, int on);
DRAVLEN_API int IsMarinePollutant_Hazmat(const Hazmat *item);
DRAVLEN_API int IsMarinePollutantLocked_Hazmat(const Hazmat *item);
DRAVLEN_API void SetSevereMarinePollutant_Hazmat(Hazmat *item, int on);
/* 1 only when the item was set severe (both storage bits). */
DRAVLEN_API int IsSevereMarinePollutant_Hazmat(const Hazmat *item);
DRAVLEN_API void SetMarinePollutantExemption_Hazmat(Hazmat *item, int on);
DRAVLEN_API int IsMarinePollutantExempt_Hazmat(const Hazmat *item);
DRAVLEN_API void SetElevatedTemperature_Hazmat(Hazmat *item, int on);
DRAVLEN_API int IsElevatedTemperature_Hazmat(const Hazmat *item);
DRAVLEN_API int IsElevatedTemperatureAllowed_Hazmat(const Hazmat *item);
DRAVLEN_API int IsElevatedTemperatureLocked_Hazmat(const Hazmat *item);
/* 0 when the reclassification is not allowed (the bit is then clear). */
DRAVLEN_API int ReclassifyToCombustible_Hazmat(Hazmat *item, int on);
DRAVLEN_API int ReclassedToCombustible_Hazmat(const Hazmat *item);
DRAVLEN_API int IsCombustibleAllowed_Hazmat(const Hazmat *item);
DRAVLEN_API void SetResidue_Hazmat(Hazmat *item, int on);
DRAVLEN_API int IsResidue_Hazmat(const Hazmat *item);
DRAVLEN_API int IsResidueAllowed_Hazmat(const Hazmat *item);
DRAVLEN_API void SetOrmD_Hazmat(Hazmat *item, int on);
DRAVLEN_API int IsOrmD_Hazmat(const Hazmat *item);
/* Returns IsReverseLogistics_Hazmat after the change. */
DRAVLEN_API int SetReverseLogistics_Hazmat(Hazmat *item, int on);
DRAVLEN_API int IsReverseLogistics_Hazmat(const Hazmat *item);
DRAVLEN_API int IsReverseLogisticsAllowed_Hazmat(const Hazmat *item);
DRAVLEN_API void SetLabPackExemption_Hazmat(Hazmat *item, int on);
DRAVLEN_API int GetLabPackExemption_Hazmat(const Hazmat *item);
DRAVLEN_API int IsLabPackExemptionAllowed_Hazmat(const Hazmat *item);
DRAVLEN_API void SetNonOdorizedLPG_Hazmat(Hazmat *item, int on);
DRAVLEN_API int GetNonOdorizedLPG_Hazmat(const Hazmat *item);
/* Old names of SetLSAPlacard_Hazmat / GetLSAPlacard_Hazmat. */
DRAVLEN_API void SetLSA_Hazmat(Hazmat *item, int on);
DRAVLEN_API int GetLSA_Hazmat(const Hazmat *item);
DRAVLEN_API int IsLSA_Hazmat(const Hazmat *item);
/* Old names of SetSCOPlacard_Hazmat / GetSCOPlacard_Hazmat. */
DRAVLEN_API void SetSCO_Hazmat(Hazmat *item, int on);
DRAVLEN_API int GetSCO_Hazmat(const Hazmat *item);
DRAVLEN_API int IsSCO_Hazmat(const Hazmat *item);
/* 'N' (or 0), '1', '2', '3', 'H'. */
DRAVLEN_API void SetRadiationClassification_Hazmat(Hazmat *item, char c);
DRAVLEN_API char GetRadiationClassification_Hazmat(const Hazmat *item);
DRAVLEN_API int IsHRCQAllowed_Hazmat(const Hazmat *item);
DRAVLEN_API int IsYellowIIIPossible_Hazmat(const Hazmat *item);
/* Transport index and criticality safety index in tenths. */
DRAVLEN_API void SetTransportIndex_Hazmat(Hazmat *item, uint32_t tenths);
DRAVLEN_API uint32_t GetTransportIndex_Hazmat(const Hazmat *item);
DRAVLEN_API void SetCSI_Hazmat(Hazmat *item, uint32_t tenths);
DRAVLEN_API uint32_t GetCSI_Hazmat(const Hazmat *item);
DRAVLEN_API int NeedsCSI_Hazmat(const Hazmat *item);

/* -- Exemptions 1-34 (n: a DravlenExemption; item alone, no truckload). -- */
DRAVLEN_API void SetExemption_Hazmat(Hazmat *item, unsigned n, int on);
DRAVLEN_API int HasExemption_Hazmat(const Hazmat *item, unsigned n);
DRAVLEN_API int IsExemptionAllowed_Hazmat(const Hazmat *item, unsigned n);

/* -- The table entry. -- */
DRAVLEN_API int IsCyanide_Hazmat(const Hazmat *item);
DRAVLEN_API int IsAcid_Hazmat(const Hazmat *item);
DRAVLEN_API int HasLabelCodes_Hazmat(const Hazmat *item);
DRAVLEN_API int HasSymbol_Hazmat(const Hazmat *item, char symbol);
DRAVLEN_API int ActiveInRuleset_Hazmat(const Hazmat *item, int ruleset);
DRAVLEN_API int IsFuelOil_Hazmat(const Hazmat *item);
DRAVLEN_API int IsDieselFuel_Hazmat(const Hazmat *item);
DRAVLEN_API int IsGasoline_Hazmat(const Hazmat *item);
DRAVLEN_API int IsLPG_Hazmat(const Hazmat *item);
DRAVLEN_API int IsSourCrudeOil_Hazmat(const Hazmat *item);
DRAVLEN_API int IsBulkSourCrudeOil_Hazmat(const Hazmat *item);

/* -- Regulatory predicates. -- */
DRAVLEN_API int IsTable1_Hazmat(const Hazmat *item);
DRAVLEN_API int IsTable2_Hazmat(const Hazmat *item);
DRAVLEN_API int SubsidiaryNeedsPlacard_Hazmat(const Hazmat *item, int i);
DRAVLEN_API int HasPlacardableSubsidiary_Hazmat(const Hazmat *item);
/* Old name of HasPlacardingException_Hazmat. */
DRAVLEN_API int ExemptFromPlacarding_Hazmat(const Hazmat *item);
/* Old name of HasMarkingException_Hazmat. */
DRAVLEN_API int ExemptFromMarking_Hazmat(const Hazmat *item);
/* Old name of IsResidueExemptFromPlacarding_Hazmat. */
DRAVLEN_API int IsExemptFromPlacarding_Hazmat(const Hazmat *item);
DRAVLEN_API int IsExemptFromShippingPaper_Hazmat(const Hazmat *item);
/* code: a DravlenVehicle, 0-19. */
DRAVLEN_API int IsVehicleAllowed_Hazmat(const Hazmat *item, int code);
/* Caller frees with qv_free. */
DRAVLEN_API char *GetAllowedTanksText_Hazmat(const Hazmat *item);
DRAVLEN_API int NoIDsOnPlacards_Hazmat(const Hazmat *item);
DRAVLEN_API int SameCategory_Hazmat(const Hazmat *item, const Hazmat *other);
DRAVLEN_API int NeedsNetExplosiveMass_Hazmat(const Hazmat *item);
/* A DravlenRadioactiveLabel: 0 not radioactive, 1 White-I, 2 Yellow-II,
 * 3 Yellow-III (49 CFR 172.403). */
DRAVLEN_API int GetRadioactiveLabel_Hazmat(const Hazmat *item);
DRAVLEN_API int IsExclusiveUse_Hazmat(const Hazmat *item);

/* -- Clearer names for pairs that read alike (the old names above stay as
 *    aliases and answer the same). -- */
/* 1 when a placarding exception of 49 CFR 171-173 applies to the item:
 * limited or excepted quantity, ORM-D, a non-bulk residue of a Table 2
 * material (172.504(d)), or a claimed exemption that lifts placarding;
 * exemption 33 withdraws them all. */
DRAVLEN_API int HasPlacardingException_Hazmat(const Hazmat *item);
/* 1 when the item is non-bulk residue that needs no placard: no inhalation
 * hazard and no placardable subsidiary hazard. */
DRAVLEN_API int IsResidueExemptFromPlacarding_Hazmat(const Hazmat *item);
/* 1 when the item needs no identification number marking (172.301,
 * 172.302): ORM-D, batteries of 173.159(d), Class 1 non-bulk, non-bulk
 * combustible liquids and materials not regulated on the highway. */
DRAVLEN_API int HasMarkingException_Hazmat(const Hazmat *item);
/* Whether an LSA or SCO item needs the RADIOACTIVE placard (172.504(e)
 * Table 1), as the user answered; IsLSA_Hazmat / IsSCO_Hazmat say whether
 * the entry is LSA or SCO at all.  Setting is ignored for other entries. */
DRAVLEN_API void SetLSAPlacard_Hazmat(Hazmat *item, int on);
DRAVLEN_API int GetLSAPlacard_Hazmat(const Hazmat *item);
DRAVLEN_API void SetSCOPlacard_Hazmat(Hazmat *item, int on);
DRAVLEN_API int GetSCOPlacard_Hazmat(const Hazmat *item);

/* -- Item records (little-endian).  The engine writes version 7 and reads
 *    versions 0-7; reading binds the item to its PID's row in the current
 *    ruleset. -- */
DRAVLEN_API uint32_t GetLatestSerialHazmatVersion(void);
/* Byte size of the item's record at version (0 for an unknown version).
 * For version 7 it first mirrors the item's shipping-paper answers into
 * its dictionary: call it on the item about to be written. */
DRAVLEN_API uint32_t GetSerialSize_Hazmat(Hazmat *item, uint32_t version);
/* Writes the version 7 record into caller storage of at least
 * GetSerialSize_Hazmat(item, 7) bytes; returns the bytes written. */
DRAVLEN_API uint32_t Serialize_Hazmat(Hazmat *item, void *buffer);
/* Reads one record into an initialised item and returns its byte size; 0
 * when it cannot be read (the item's members are then left as they were). */
DRAVLEN_API uint32_t Unserialize_Hazmat(Hazmat *item, const void *record, uint32_t version);

/* -- Exemptions 1-34 with the truckload taken into account (load may be
 *    null: an empty truckload).  Only exemption 27 (172.102 special
 *    provision 380) depends on the other items. -- */
DRAVLEN_API int IsExemptionAllowedForLoad_Hazmat(const Hazmat *item, unsigned n, const Load *load);
/* 1 when exemption n is allowed and set; 0 for 20, 24 and n outside 1-34. */
DRAVLEN_API int HasExemptionForLoad_Hazmat(const Hazmat *item, unsigned n, const Load *load);
/* Sets exemption n when allowed and value is non-zero, else clears it.
 * Setting 12 (fissile exempt) also clears the criticality safety index.
 * Exemption 20 is ignored. */
DRAVLEN_API void SetExemptionForLoad_Hazmat(Hazmat *item, unsigned n, int value, const Load *load);
/* 1 when the item is not subject to the segregation rules of 177.848
 * (limited quantity, exceptions, special provisions 30 and 50, ...). */
DRAVLEN_API int ExemptFromSegregationForLoad_Hazmat(const Hazmat *item, const Load *load);

/* ======================================================================
 * Engine: handle and calculation
 * ====================================================================== */

DRAVLEN_API int GetSizeOf_Engine(void);
/* Uninitialised storage of that size; the caller releases it with qv_free
 * after Destroy_Engine. */
DRAVLEN_API Engine *Alloc_Engine(void);
/* Empty truckload and output, switches at their defaults (DANGEROUS option
 * not first, ID numbers on bulk placards, 1,001-pound aggregate applied);
 * takes one reference on the library's reference data.  Returns engine. */
DRAVLEN_API Engine *Init_Engine(Engine *engine);
/* Releases the truckload and the output and the reference taken by
 * Init_Engine.  The storage stays the caller's. */
DRAVLEN_API void Destroy_Engine(Engine *engine);
/* The embedded truckload (same address as the engine). */
DRAVLEN_API Load *GetLoad_Engine(Engine *engine);
/* Recomputes placarding options, markings, messages and legality from the
 * truckload.  Always 1.  Pointers obtained from the output before the call
 * become invalid. */
DRAVLEN_API int Calculate_Engine(Engine *engine);
/* A DravlenLegality: 0 legal, 1 illegal, 2 cannot be determined. */
DRAVLEN_API int GetLegality_Engine(const Engine *engine);
DRAVLEN_API int GetNumOutputs_Engine(const Engine *engine);
/* Makes option index current and returns the embedded output (always the
 * same address; library-owned), or null when index is out of range (the
 * current option is then unchanged). */
DRAVLEN_API Output *GetOutput_Engine(Engine *engine, int index);
/* Placarding switches, stored as given; they take effect at the next
 * Calculate_Engine. */
DRAVLEN_API void ShowDangerousOptionFirst_Engine(Engine *engine, int value);
DRAVLEN_API int IsDangerousOptionFirst_Engine(const Engine *engine);
DRAVLEN_API void SetBulkPlacards_Engine(Engine *engine, int value);
DRAVLEN_API int UsingBulkPlacards_Engine(const Engine *engine);
DRAVLEN_API void SetPlacardAllHazmats_Engine(Engine *engine, int value);
DRAVLEN_API int PlacardAllHazmats_Engine(const Engine *engine);
/* -- Placarding steps of Calculate_Engine, also callable on their own. -- */
/* Recomputes the truckload's summary flags (all gasoline, all fuel oil, all
 * one entry, any bulk, any bulk inhalation hazard). */
DRAVLEN_API void AnalyzeLoad_Engine(Engine *engine);
/* Adds every distinct placard the items could show to the output's allowed
 * placards (which the next Calculate_Engine rebuilds from scratch). */
DRAVLEN_API void DoAllPossiblePlacards_Engine(Engine *engine);
/* 1 when a DANGEROUS placarding option is offered (49 CFR 172.504(b)). */
DRAVLEN_API int IsDangerousPossible_Engine(Engine *engine);
/* 1 when choosing the named vehicle type keeps the load at least as legal
 * as it is (also for "Unknown", which restricts nothing); 0 when some item
 * may not travel in it while the load is not already illegal, with *out
 * set to 1.  A name outside the vehicle table gives 0, *out untouched.
 * Calculates the engine; does not change the vehicle. */
DRAVLEN_API int TestVehicle_Engine(Engine *engine, const char *name, int *out);

/* ======================================================================
 * Load: truckload
 * ====================================================================== */

DRAVLEN_API int GetSizeOf_Load(void);
/* Uninitialised storage of that size; the caller releases it with qv_free
 * after Reset_Load. */
DRAVLEN_API Load *Alloc_Load(void);
/* An empty truckload: no items, no name, flags 0, vehicle "Unknown". */
DRAVLEN_API void Init_Load(Load *load);
/* Releases every item and everything else the truckload owns and returns
 * it to the Init_Load state. */
DRAVLEN_API void Reset_Load(Load *load);

DRAVLEN_API uint32_t GetItemCount_Load(const Load *load);
/* Item i (library-owned, valid until the next Add_Load or Remove_Load), or
 * null when i is out of range. */
DRAVLEN_API Hazmat *GetHazmat_Load(Load *load, uint32_t i);
/* Appends a copy of item (the caller keeps its own) and returns the new
 * item's index; -1 when item is null or memory runs out. */
DRAVLEN_API int Add_Load(Load *load, const Hazmat *item);
/* Releases item i and moves the later items down.  0 when i is out of
 * range, else 1. */
DRAVLEN_API int Remove_Load(Load *load, uint32_t i);

/* The truckload's name (library-owned), or null when never set. */
DRAVLEN_API const char *GetName_Load(const Load *load);
/* Stores a copy of name; null clears it. */
DRAVLEN_API void SetName_Load(Load *load, const char *name);

/* Name of the truckload's vehicle type (library-owned). */
DRAVLEN_API const char *GetVehicle_Load(const Load *load);
/* 1 when name is one of the 20 vehicle types ("Unknown", "Unit Load",
 * ..., "MC/TC 338"); 0 (nothing changes) otherwise. */
DRAVLEN_API int SetVehicle_Load(Load *load, const char *name);

/* Shipper declarations, stored as given. */
DRAVLEN_API int Has8820Criteria_Load(const Load *load);
DRAVLEN_API void Set8820Criteria_Load(Load *load, int value);
DRAVLEN_API int IsDODShipment_Load(const Load *load);
DRAVLEN_API void SetDODShipment_Load(Load *load, int value);

/* Load-level questions. */
DRAVLEN_API int HasNonBulk_Load(const Load *load);
DRAVLEN_API int HasFuelOil_Load(const Load *load);      /* NA1993 fuel oil */
DRAVLEN_API int HasDieselFuel_Load(const Load *load);   /* NA1993 diesel fuel */
DRAVLEN_API int HasGasoline_Load(const Load *load);     /* UN1203 gasoline */
DRAVLEN_API int HasMoltenSulfur_Load(const Load *load);
DRAVLEN_API int HasMoltenAluminum_Load(const Load *load);
/* As found by the last Calculate_Engine. */
DRAVLEN_API int IsOnlyFuelOil_Load(const Load *load);
DRAVLEN_API int IsOnlyGasoline_Load(const Load *load);
/* 1 when the 8,820-pound single-material declaration may be offered. */
DRAVLEN_API int Is8820Allowed_Load(const Load *load);
/* Whether item i may be covered by a DANGEROUS placard (0 for i out of
 * range). */
DRAVLEN_API int CanUseDangerousPlacard_Hazmat_Load(const Load *load, uint32_t i);
/* Index of the item whose ID number the inhalation hazard display shows,
 * or -1. */
DRAVLEN_API int GetGreatestPIH_Vehicle(const Load *load);
/* Every item may travel in vehicle code, a DravlenVehicle (an empty load
 * allows all). */
DRAVLEN_API int IsVehicleAllowed_Load(const Load *load, int code);
DRAVLEN_API int IsCurrentVehicleAllowed_Load(const Load *load);
/* Tests a vehicle name without setting it: 0 for "Unknown" or a name not
 * in the table (*out untouched); otherwise IsVehicleAllowed_Load of its
 * code, and *out = 0 when allowed, 1 when not. */
DRAVLEN_API int TestSetVehicle_Load(const Load *load, const char *name, int *out);
/* ID numbers (library-owned) of the items the current vehicle does not
 * allow, in item order; null at the end.  First restarts the walk. */
DRAVLEN_API const char *GetFirstVehicleForbiddenUN_Load(Load *load);
DRAVLEN_API const char *GetNextVehicleForbiddenUN_Load(Load *load);

/* -- Saved truckload image and files (.vlm).  The image is version 7,
 *    32-bit little-endian; images of versions 0-7 are read. -- */
/* The truckload's image.  First stores the shipper declarations, the three
 * saved violation lists and the load-level shipping-paper answers in the
 * truckload's dictionary, and each item's answers in its own.  Caller frees
 * with qv_free; *size receives the length.  Null (and *size 0) when the
 * image cannot be made. */
DRAVLEN_API void *Serialize_Load(Load *load, uint32_t *size);
/* Reads length bytes of an image.  test 0: the truckload is replaced by the
 * image's content, items that the current ruleset cannot represent being
 * skipped.  test non-zero: nothing changes.  0 read; 1 malformed image
 * (any count, length or terminator that does not fit the bytes; the
 * truckload is then left empty when test is 0); 2 (test only) some item
 * cannot be represented under the current ruleset. */
DRAVLEN_API int Unserialize_Load(Load *load, const void *image, uint32_t length, int test);
/* Reads an image as Unserialize_Load with test 0 does, answering as it
 * does, for a truckload that is only calculated (a list of saved truckloads,
 * the checker): the items' shipping-paper questions are not built and their
 * violations not evaluated, so reading is faster; the question and violation
 * lists of the items stay empty.  Calculate_Engine and every output answer as
 * after Unserialize_Load.  Such a truckload is not for inspecting, editing or
 * saving (its answers would be saved empty): read it with Unserialize_Load
 * for that. */
DRAVLEN_API int UnserializeForCalculation_Load(Load *load, const void *image, uint32_t length);
/* Writes the image to path, replacing the file only once the new content
 * is complete on disk: a failure leaves the previous file intact.  1 on
 * success, 0 on failure. */
DRAVLEN_API int Save_Load(Load *load, const char *path);
/* Reads the file at path with Unserialize_Load; 1 when that answers 0, else
 * 0 (also when the file cannot be read).  test 0 then names the truckload
 * after the file: the path after its last "/" or "\", cut at its last ".". */
DRAVLEN_API int Open_Load(Load *load, const char *path, int test);

/* -- Why a saved truckload could not be opened, saved or read.  The
 *    *WithReason_Load functions answer exactly as the functions without the
 *    suffix and write the reason to *why (when why is not null): LOAD_OK on
 *    success.  Nothing is kept between calls. -- */
typedef enum DravlenLoadFailure {
    LOAD_OK = 0,
    LOAD_FAILURE_ARGUMENT = 1,         /* null load, path or image */
    LOAD_FAILURE_NOT_FOUND = 2,        /* no such file, or its folder is missing */
    LOAD_FAILURE_PERMISSION = 3,       /* not allowed to read or write it */
    LOAD_FAILURE_NOT_A_FILE = 4,       /* a folder or another non-regular file */
    LOAD_FAILURE_NO_SPACE = 5,         /* disk full, quota or file size limit */
    LOAD_FAILURE_TOO_LONG = 6,         /* path name too long, or file larger than any image */
    LOAD_FAILURE_IO = 7,               /* any other system failure */
    LOAD_FAILURE_NO_MEMORY = 8,        /* the image could not be made */
    LOAD_FAILURE_NOT_A_TRUCKLOAD = 9,  /* bytes of another kind (too short, foreign header) */
    LOAD_FAILURE_VERSION = 10,         /* an image version newer than this engine reads */
    LOAD_FAILURE_MALFORMED = 11,       /* a truckload image that is cut or inconsistent */
    LOAD_FAILURE_NOT_REPRESENTABLE = 12 /* test mode: an item the current ruleset cannot represent */
} DravlenLoadFailure;
DRAVLEN_API int OpenWithReason_Load(Load *load, const char *path, int test, DravlenLoadFailure *why);
DRAVLEN_API int SaveWithReason_Load(Load *load, const char *path, DravlenLoadFailure *why);
DRAVLEN_API int UnserializeWithReason_Load(Load *load, const void *image, uint32_t length, int test,
                                           DravlenLoadFailure *why);
/* A short English sentence for a reason ("The file does not exist.");
 * library-owned static text, never null. */
DRAVLEN_API const char *DescribeFailure_Load(int why);

/* -- Exclusive use and hazardous materials safety permits (49 CFR 385.403). -- */
/* Radioactive exclusive use (173.403, 177.842(a)): a total criticality
 * safety index or total transport index above 50.0, or one transport index
 * above 10.0. */
DRAVLEN_API int IsExclusiveUse_Load(const Load *load);
/* 1 when the load has items and every one is marked for exclusive use. */
DRAVLEN_API int IsExclusiveUseShipment_Load(const Load *load);
/* Permit code (a DravlenPermit) of item i: 0 none; 1 required, 385.403(a) HRCQ; 2 may be
 * required, (b) Division 1.5, or the item at which a Division 1.1, 1.2 or
 * 1.3 total first passes 55 lb; 4 may be required, (c) zone A; 5 required,
 * (d) zone B bulk; 6 may be required, (e) zone C or D bulk; 7 may be
 * required, (f) methane in bulk.  0 for i out of range. */
DRAVLEN_API int HazmatNeedsPermit_Load(const Load *load, uint32_t i);
/* "No", "Yes" (codes 1, 5) or "Maybe"; library-owned static text.  Null
 * when i is not below the item count. */
DRAVLEN_API const char *HazmatPermitString_Load(const Load *load, uint32_t i);

/* ======================================================================
 * Dict: text key/value list
 * ====================================================================== */

/* With a value: replaces the value of key (its position kept) or appends a
 * new entry.  Without a value (null): removes key's entry.  0 when key is
 * null (nothing changes), else 1. */
DRAVLEN_API int Add_Dict(Dict *dict, const char *key, const char *value);
/* key's value (library-owned, valid until the entry changes), or null. */
DRAVLEN_API const char *Find_Dict(const Dict *dict, const char *key);

/* ======================================================================
 * Output, Placard, Marking, HazSeg: compliance results
 * ====================================================================== */

/* Every pointer below is library-owned and valid until the next
 * Calculate_Engine or Destroy_Engine.  The per-option accessors read the
 * current option (GetOutput_Engine / SetPlacOp_Output); with none current
 * they answer 0 or null.  The First/Next functions with an out argument
 * copy the record into caller storage and answer 1, or answer 0 at the end. */

DRAVLEN_API int GetSizeOf_Output(void);
DRAVLEN_API int GetSizeOf_Placard(void);
DRAVLEN_API int GetSizeOf_Marking(void);
DRAVLEN_API int GetSizeOf_HazSeg(void);
/* Uninitialised storage; the caller releases it with qv_free. */
DRAVLEN_API Output *Alloc_Output(void);
DRAVLEN_API Placard *Alloc_Placard(void);
DRAVLEN_API Marking *Alloc_Marking(void);
DRAVLEN_API HazSeg *Alloc_HazSeg(void);

DRAVLEN_API void Init_Output(Output *output);
/* Frees every option, the allowed placards and the messages; then as
 * Init_Output. */
DRAVLEN_API void Reset_Output(Output *output);
DRAVLEN_API int GetNumPlacOps_Output(const Output *output);
/* Makes option index current and returns it, or null (current unchanged). */
DRAVLEN_API PlacOp *SetPlacOp_Output(Output *output, uint32_t index);
/* A DravlenLegality: 0 legal, 1 illegal, 2 cannot be determined. */
DRAVLEN_API int GetLegality_Output(const Output *output);

/* Placards of the current option, sorted by key.  Reaching the end resets
 * the iterator to the first placard. */
DRAVLEN_API int GetNumPlacards_Output(const Output *output);
DRAVLEN_API int GetFirstPlacard_Output(Output *output, Placard *out);
DRAVLEN_API int GetNextPlacard_Output(Output *output, Placard *out);
DRAVLEN_API Placard *GetFirstPlacardPointer_Output(Output *output);
DRAVLEN_API Placard *GetNextPlacardPointer_Output(Output *output);
DRAVLEN_API Placard *GetPlacardPointer_Output(Output *output, uint32_t index);
/* The placard iterator's position; -1 when no option is current. */
DRAVLEN_API int GetCurrentPlacardIndex(const Output *output);

/* Markings of the current option; same conventions as the placards. */
DRAVLEN_API int GetNumMarkings_Output(const Output *output);
DRAVLEN_API int GetFirstMarking_Output(Output *output, Marking *out);
DRAVLEN_API int GetNextMarking_Output(Output *output, Marking *out);
DRAVLEN_API Marking *GetFirstMarkingPointer_Output(Output *output);
DRAVLEN_API Marking *GetNextMarkingPointer_Output(Output *output);
DRAVLEN_API Marking *GetMarkingPointer_Output(Output *output, uint32_t index);

/* Allowed placards visible for the current option: those whose key matches
 * none of the option's placards nor its valid DANGEROUS-coverage placard.
 * Counting walks the list (it moves the allowed-placard iterator). */
DRAVLEN_API int GetNumAllowedPlacards_Output(Output *output);
DRAVLEN_API int GetFirstAllowedPlacard_Output(Output *output, Placard *out);
DRAVLEN_API int GetNextAllowedPlacard_Output(Output *output, Placard *out);
DRAVLEN_API Placard *GetFirstAllowedPlacardPointer_Output(Output *output);
DRAVLEN_API Placard *GetNextAllowedPlacardPointer_Output(Output *output);
DRAVLEN_API Placard *GetAllowedPlacardPointer_Output(Output *output, uint32_t n);

/* Segregation and legality messages, ordered by message code.  Past the
 * end the iterator stays there until the next GetFirstSegregation_Output. */
DRAVLEN_API int GetNumSegregations_Output(const Output *output);
DRAVLEN_API int GetFirstSegregation_Output(Output *output, HazSeg *out);
DRAVLEN_API int GetNextSegregation_Output(Output *output, HazSeg *out);

/* Placard members.  A placard begins with its Marking, so the Marking
 * accessors below also read a placard's number, PID and name. */
DRAVLEN_API int GetClass_Placard(const Placard *placard);
DRAVLEN_API int GetDivision_Placard(const Placard *placard);
/* The compatibility letter for class 1, else 0. */
DRAVLEN_API char GetCompatGroup_Placard(const Placard *placard);
DRAVLEN_API char GetRawCompatGroup_Placard(const Placard *placard);
DRAVLEN_API int IsPrimary_Placard(const Placard *placard);
/* 1 when the placard shows the identification number. */
DRAVLEN_API int IsBulk_Placard(const Placard *placard);
DRAVLEN_API int GetIDNo_Placard(const Placard *placard);
DRAVLEN_API int GetIDNoBypass_Placard(const Placard *placard);
/* The placard key: placards with the same key look alike.
 *   bits 0-4  letter index (A=1 .. Z=26) unless class 1; 0 for the
 *             number-showing class 3 placards with variant F or G
 *   bits 5-7  division       bits 8-11 class
 *   bit 12    set unless bits 0-11 are exactly 4 (DANGEROUS)
 *   bit 13    the placard shows the identification number
 * DANGEROUS 4, FLAMMABLE 0x1300, COMBUSTIBLE 0x1303, FLAMMABLE with number
 * 0x3300, POISON INHALATION HAZARD 0x1621, Division 1.4 0x1180. */
DRAVLEN_API uint32_t GetHash_Placard(const Placard *placard);

/* Marking members; the shipping name text belongs to the reference data. */
DRAVLEN_API int GetType_Marking(const Marking *marking);
DRAVLEN_API int GetPID_Marking(const Marking *marking);
DRAVLEN_API int GetIDNo_Marking(const Marking *marking);
DRAVLEN_API const char *GetPSN_Marking(const Marking *marking);

/* Message members (GetType_HazSeg: a DravlenMessageType); texts are library-owned ("" when absent).  Reason and
 * citation are the texts inside the record itself. */
DRAVLEN_API int GetType_HazSeg(const HazSeg *seg);
DRAVLEN_API int GetMsg_HazSeg(const HazSeg *seg);
DRAVLEN_API int GetPID1_HazSeg(const HazSeg *seg);
DRAVLEN_API int GetPID2_HazSeg(const HazSeg *seg);
DRAVLEN_API const char *GetID1_HazSeg(const HazSeg *seg);
DRAVLEN_API const char *GetID2_HazSeg(const HazSeg *seg);
DRAVLEN_API const char *GetClass1_HazSeg(const HazSeg *seg);
DRAVLEN_API const char *GetClass2_HazSeg(const HazSeg *seg);
DRAVLEN_API const char *GetReason_HazSeg(const HazSeg *seg);
DRAVLEN_API const char *GetCitation_HazSeg(const HazSeg *seg);

/* ======================================================================
 * Vehicle, Question: inspection questions
 * ====================================================================== */

/* A truckload carries two question sets: mode 0 the cargo tank inspection
 * questions of its vehicle type, mode 1 the shipping-paper questions (the
 * load-level list, indexes 0..L-1, then each item's list in item order).
 * Question handles and texts are library-owned and valid until the list
 * that holds them is rebuilt.  mode is a DravlenQuestionSet; answers are
 * DravlenAnswer values: 0 No, 1 Yes, 2 unanswered. */

/* The vehicle table: 20 kinds, codes 0 ("Unknown") to 19 ("MC/TC 338"). */
DRAVLEN_API int GetNumVehicles(void);
/* Library-owned name, or null outside 0-19. */
DRAVLEN_API const char *GetVehicleName(int code);
/* Exact, case-sensitive match; -1 when none. */
DRAVLEN_API int GetVehicleCode(const char *name);

DRAVLEN_API uint32_t GetNumQuestions_Vehicle(Load *load, int mode);
/* Null outside the mode's index space or for a mode other than 0 or 1. */
DRAVLEN_API Question *GetQuestion_Vehicle(Load *load, uint32_t index, int mode);
/* -1 when there is no such question. */
DRAVLEN_API int GetAnswer_Vehicle(Load *load, uint32_t index, int mode);
/* 1 when set (the violations of its list become stale); 0 for an answer
 * outside 0-2, no such question or another mode. */
DRAVLEN_API int SetAnswer_Vehicle(Load *load, uint32_t index, int answer, int mode);
/* Mode 0: the first cargo tank question with that ID; 0 when none. */
DRAVLEN_API int SetAnswerByID_Vehicle(Load *load, int id, int answer);
/* 1 when the set is partly answered and a visible question is still
 * unanswered (mode 1 rebuilds the set first). */
DRAVLEN_API int HasUnansweredQuestions_Vehicle(Load *load, int mode);
/* Rebuilds the mode's lists; shipping-paper answers survive through the
 * dictionaries ("SPA_QID" + ID).  Returns the load-level list's count. */
DRAVLEN_API uint32_t UpdateQuestions_Vehicle(Load *load, int mode);

/* Mode-1 indexes.  Past the end: 0 children, level 0, hidden, "". */
DRAVLEN_API uint32_t GetNumChildren_Vehicle(Load *load, uint32_t index);
DRAVLEN_API int QuestionHasChildren_Vehicle(Load *load, uint32_t index);
DRAVLEN_API int GetQuestionLevel_Vehicle(Load *load, uint32_t index);
DRAVLEN_API int IsQuestionVisible_Vehicle(Load *load, uint32_t index);
/* Dotted number ("15", "15.1", "15.1.2").  Library-owned buffer that the
 * next call overwrites. */
DRAVLEN_API const char *GetQuestionNumber_Vehicle(Load *load, uint32_t index);

/* Question members; texts library-owned ("" when there is none, the help
 * link may be null for cargo tank questions). */
DRAVLEN_API const char *GetTopCat_Question(const Question *q);
DRAVLEN_API const char *GetSubCat_Question(const Question *q);
DRAVLEN_API const char *GetText_Question(const Question *q);
DRAVLEN_API const char *GetReg_Question(const Question *q);
DRAVLEN_API int GetAnswer_Question(const Question *q);
DRAVLEN_API const char *GetQuestionLink_Question(const Question *q);

/* Category names 0-9 ("MCTI", "", "Front", "Back", "Sides", "Vehicle Type",
 * "Top", "Rear", "Bottom", "Shipping"); null outside.  Library-owned. */
DRAVLEN_API const char *GetCategoryName(int index);

/* The truckload's dictionary.  Values are library-owned; a null value
 * removes the key. */
DRAVLEN_API const char *GetValue_Vehicle(Load *load, const char *key);
DRAVLEN_API int SetValue_Vehicle(Load *load, const char *key, const char *value);
DRAVLEN_API Dict *GetDictionary_Vehicle(Load *load);

/* Names of the cargo tanks (codes 2-19) every item allows, ", "-separated,
 * or "No tanks are allowed.".  Caller frees with qv_free. */
DRAVLEN_API char *GetAllowedTanksText_Vehicle(Load *load);
/* 1 when some item is oxygen (UN1072 or UN1073). */
DRAVLEN_API int CanUseOxygenPlacard_Vehicle(Load *load);

/* ======================================================================
 * Violation: inspection violations and Show-Me state
 * ====================================================================== */

/* One sequence: cargo tank inspection, segregation, hand-added, load-level
 * shipping-paper, each item's shipping-paper violations, then the Show-Me
 * findings.  Indexes count enabled (not deleted) violations only.  List
 * violations are library-owned and valid until their list changes. */

/* Brings the lists up to date; the number of enabled violations. */
DRAVLEN_API uint32_t GetNumViolations_Vehicle(Load *load);
/* Null while the cargo tank violations are stale (count first) or past the
 * end.  Ownership depends on the index: a Show-Me finding (the indexes after
 * every list violation) comes as a new record that the caller frees with
 * qv_free; every other result is library-owned, valid until its list
 * changes, and must not be freed.  Callers that do not track which is which
 * use CopyViolation_Vehicle. */
DRAVLEN_API Violation *GetViolation_Vehicle(Load *load, uint32_t index);
/* As GetViolation_Vehicle, but always a new record of the caller's own,
 * belonging to no list: caller frees with qv_free.  Null as above. */
DRAVLEN_API Violation *CopyViolation_Vehicle(Load *load, uint32_t index);
/* Hides the violation.  0 while stale or past the end; else 1. */
DRAVLEN_API int DeleteViolation_Vehicle(Load *load, uint32_t index);
/* Shows again every deleted violation that CanRestoreDeletedViolations_
 * Vehicle counts (all but the hand-added ones). */
DRAVLEN_API void RestoreDeletedViolations_Vehicle(Load *load);
DRAVLEN_API int CanRestoreDeletedViolations_Vehicle(Load *load);
/* 0 when the citation is not in the violation table. */
DRAVLEN_API int AddViolation_Vehicle(Load *load, const char *citation);
DRAVLEN_API uint32_t GetNumUnfilteredMCTIViolations_Vehicle(Load *load);
DRAVLEN_API Violation *GetUnfilteredMCTIViolation_Vehicle(Load *load, uint32_t index);
DRAVLEN_API uint32_t GetNumSPAViolations_Vehicle(Load *load);
DRAVLEN_API uint32_t GetNumUnfilteredSPAViolations_Vehicle(Load *load);
/* Library-owned, or null while stale or past the end. */
DRAVLEN_API Violation *GetSPAViolation_Vehicle(Load *load, uint32_t index);
DRAVLEN_API Violation *GetUnfilteredSPAViolation_Vehicle(Load *load, uint32_t index);
/* Edits of the violation at a combined index; 1 when it exists.  Show-Me
 * findings are edited in the dictionary.  Any non-zero value means out of
 * service. */
DRAVLEN_API int SetDesc_Violation_Vehicle(Load *load, uint32_t index, const char *text);
DRAVLEN_API int SetCitation_Violation_Vehicle(Load *load, uint32_t index, const char *text);
DRAVLEN_API int SetUnit_Violation_Vehicle(Load *load, uint32_t index, char unit);
DRAVLEN_API int SetOOS_Violation_Vehicle(Load *load, uint32_t index, int value);

/* Show-Me audit state in the truckload's dictionary. */
DRAVLEN_API void ClearShowMeViolations_Vehicle(Load *load);
DRAVLEN_API int CompletedShowMe_Vehicle(Load *load);
DRAVLEN_API void SetShowMeChanged_Vehicle(Load *load, int flag);
DRAVLEN_API int ShowMeChanged_Vehicle(Load *load);
DRAVLEN_API int HasShowMeAudit_Vehicle(Load *load);
DRAVLEN_API void ResetShowMeStatus_Vehicle(Load *load);
DRAVLEN_API int ShowMeUpdatedVersion_Vehicle(Load *load, double version);
DRAVLEN_API int EditedShowMeViolations_Vehicle(Load *load);
DRAVLEN_API void SetShowMeViosEdited_Violation(Dict *dict, int flag);

/* One violation record. */
DRAVLEN_API int GetSizeOf_Violation(void);
/* 1, or 0 for a citation not in the violation table. */
DRAVLEN_API int Init_Violation(Violation *v, const char *citation);
/* Caller frees with qv_free; null for an unknown citation. */
DRAVLEN_API Violation *InitAlloc_Violation(const char *citation);
/* Texts library-owned (or inside the record). */
DRAVLEN_API const char *GetAspenCode_Violation(const Violation *v);
DRAVLEN_API const char *GetReg_Violation(const Violation *v);
DRAVLEN_API const char *GetDescription_Violation(const Violation *v);
DRAVLEN_API void SetDescription_Violation(Violation *v, const char *text);
DRAVLEN_API const char *GetCitation_Violation(const Violation *v);
DRAVLEN_API void SetCitation_Violation(Violation *v, const char *text);
DRAVLEN_API int IsOOS_Violation(const Violation *v);
DRAVLEN_API void SetOOS_Violation(Violation *v, int value);
DRAVLEN_API char GetUnit_Violation(const Violation *v);
DRAVLEN_API void SetUnit_Violation(Violation *v, char unit);
DRAVLEN_API int IsDisabled_Violation(const Violation *v);
DRAVLEN_API int GetQuestionReference_Violation(const Violation *v);

/* Shipping-paper element report.  item -1: the load-level paragraph;
 * item 0..count-1: element 0-8 of that item (layout 1 swaps elements 1-3
 * into name, class, ID order).  Null for an item outside the truckload or
 * exempt from shipping papers, or an element outside 0-8.  Caller frees
 * with qv_free. */
DRAVLEN_API char *GetSPAElement_Vehicle(Load *load, int item, int layout, int element);

/* ======================================================================
 * Hazmat quantity facts: what a safety permit turns on
 *
 * Three optional facts of an item that its gross weight does not tell,
 * read by the hazmat safety permit rules (49 CFR 385.403, HazmatNeedsPermit_
 * Load):
 *  - net explosive mass, of a Division 1.1, 1.2 or 1.3 item: (b) "more than
 *    25 kg (55 pounds) net weight";
 *  - the capacity of the largest package (for a combination packaging, of
 *    the largest inner packaging) in litres, of an inhalation hazard zone A
 *    item: (c) "more than one liter per package";
 *  - the capacity of the bulk packaging in US gallons, of a bulk item of
 *    zone C or D or methane: (e), (f) "13,248 L (3,500 gallons)".
 * Each is absent until set; an absent fact leaves the paragraph's answer at
 * "Maybe" where the rest of the item cannot settle it.  The facts live in
 * the item's dictionary, so they travel with Copy_Hazmat, item records and
 * saved truckloads; an item or truckload written before has none.  Stored
 * precision: 1 g, 1 mL, 0.01 gallon.
 *
 * The setters answer 1 when stored and 0 (nothing changes) for a value that
 * is not a number, negative, or too large to store (above about 4.29
 * million kg, 4.29 million L, 42.9 million gallons).  The getters answer 1
 * and write the value (when the out pointer is not null), or 0 when the
 * fact is absent (the out value untouched).
 * ====================================================================== */

/* unit: a DravlenWeightUnit (0 pounds, 1 kilograms). */
DRAVLEN_API int SetNetExplosiveMass_Hazmat(Hazmat *item, double mass, int unit);
DRAVLEN_API int GetNetExplosiveMass_Hazmat(const Hazmat *item, int unit, double *mass);
DRAVLEN_API void ClearNetExplosiveMass_Hazmat(Hazmat *item);
DRAVLEN_API int SetPackageCapacity_Hazmat(Hazmat *item, double litres);
DRAVLEN_API int GetPackageCapacity_Hazmat(const Hazmat *item, double *litres);
DRAVLEN_API void ClearPackageCapacity_Hazmat(Hazmat *item);
DRAVLEN_API int SetBulkCapacity_Hazmat(Hazmat *item, double gallons);
DRAVLEN_API int GetBulkCapacity_Hazmat(const Hazmat *item, double *gallons);
DRAVLEN_API void ClearBulkCapacity_Hazmat(Hazmat *item);

/* HazmatNeedsPermit_Load codes beyond DravlenPermit: a "may be" paragraph
 * that the facts above settle as required, and Division 1.5, which is
 * always settled.  HazmatPermitString_Load answers "Yes" for each. */
typedef enum DravlenPermitRequired {
    PERMIT_DIVISION_1_5 = 3,         /* (b) Division 1.5 requiring placarding */
    PERMIT_EXPLOSIVES_NET_MASS = 8,  /* (b) more than 25 kg net of Division 1.1-1.3 */
    PERMIT_ZONE_A_PACKAGE = 9,       /* (c) zone A, more than 1 L in a package */
    PERMIT_ZONE_C_D_CAPACITY = 10,   /* (e) zone C or D, capacity of 13,248 L or more */
    PERMIT_METHANE_CAPACITY = 11     /* (f) methane, capacity of 13,248 L or more */
} DravlenPermitRequired;

/* ======================================================================
 * Rulesets by date
 *
 * SetRuleset_Engine chooses among the rulesets active today.  To check a
 * truckload against the rules of another day (a past inspection), the
 * ruleset in force on that day is chosen by its date, whether or not it is
 * still active.  Days are calendar days of UTC: year 1970-9999, month 1-12,
 * day 1 to the month's last.
 * ====================================================================== */

/* The ruleset in force on the day: the highest index whose compliance date
 * (when it became mandatory) falls on or before that day.  -1 for a day
 * that does not exist or that comes before every compliance date. */
DRAVLEN_API int GetRulesetInForce_HazData(int year, int month, int day);
/* Makes that ruleset current as SetRuleset_Engine does (items it cannot
 * represent are removed) and answers its index; -1 (nothing changes) as
 * above or for a null engine.  The choice is process-wide like every
 * ruleset: it stays until the next switch. */
DRAVLEN_API int SetRulesetInForce_Engine(Engine *engine, int year, int month, int day);

/* ======================================================================
 * Explanation: why a computed truckload needs what it needs
 *
 * On request, after Calculate_Engine, the engine explains one placarding
 * option: for each placard the rule and the figures that required or
 * allowed it, for each material without a placard why none is needed,
 * whether DANGEROUS is offered, each identification number display and
 * marking, each segregation finding and the hazmat safety permit.  Each line
 * has a kind, a one-line UTF-8 text with its figures ("Table 2 aggregate
 * 1,200 lb ≥ 1,001 lb"), a citation ("49 CFR 172.504(c)") and the indexes of
 * the items it is about.  Calculate_Engine never builds explanations.
 * ====================================================================== */

/* GetKind_Explanation. */
typedef enum DravlenReasonKind {
    REASON_PLACARD = 1,             /* a placard of the option and what requires or allows it */
    REASON_NO_PLACARD = 2,          /* a material that needs no placard, and why */
    REASON_DANGEROUS = 3,           /* DANGEROUS offered or not (172.504(b)) */
    REASON_IDENTIFICATION_NUMBER = 4, /* an identification number on a placard or orange panel */
    REASON_MARKING = 5,             /* any other marking of the option */
    REASON_SEGREGATION = 6,         /* a finding of 177.848 or another loading rule */
    REASON_PERMIT = 7,              /* the hazmat safety permit (385.403) */
    REASON_NOTICE = 8               /* any other message of the calculation */
} DravlenReasonKind;

typedef struct DravlenExplanation DravlenExplanation;

/* Explains option index (0-based) of the engine's last Calculate_Engine,
 * which the caller must not have changed the truckload since.  The current
 * option is left as it was.  Caller frees with Free_Explanation; null when
 * index is not an option or memory runs out. */
DRAVLEN_API DravlenExplanation *Explain_Engine(Engine *engine, int index);
/* Releases an explanation; null is accepted. */
DRAVLEN_API void Free_Explanation(DravlenExplanation *explanation);
/* The number of lines; 0 for null. */
DRAVLEN_API int GetCount_Explanation(const DravlenExplanation *explanation);
/* Line i's DravlenReasonKind; 0 outside 0..count-1. */
DRAVLEN_API int GetKind_Explanation(const DravlenExplanation *explanation, int i);
/* Line i's text and citation ("" when it has none): library-owned, valid
 * until Free_Explanation; null outside 0..count-1. */
DRAVLEN_API const char *GetText_Explanation(const DravlenExplanation *explanation, int i);
DRAVLEN_API const char *GetCitation_Explanation(const DravlenExplanation *explanation, int i);
/* The items line i is about: their number, and the truckload index of the
 * n-th (-1 outside the ranges). */
DRAVLEN_API int GetItemCount_Explanation(const DravlenExplanation *explanation, int i);
DRAVLEN_API int GetItem_Explanation(const DravlenExplanation *explanation, int i, int n);
/* The index of the option's placard (as GetPlacardPointer_Output counts
 * them) that line i explains or whose number it explains; -1 for any other
 * line or outside 0..count-1. */
DRAVLEN_API int GetPlacard_Explanation(const DravlenExplanation *explanation, int i);

#ifdef __cplusplus
}
#endif

#endif /* DRAVLEN_H */
