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
 *  - Text is single-byte (ASCII; ruleset dockets also use the Windows-1252
 *    en dash 0x96).
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
    int32_t vehicleCode;           /* 0-19, the vehicle table */
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
    int32_t type;             /* severity class 0-6 */
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
/* Docket text (Windows-1252), library-owned; null for an index outside 0-42. */
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
 * Column codes 0-16: see GetCTColName.
 * ====================================================================== */

/* Row of pid in the current ruleset, or null. */
DRAVLEN_API CTRec *GetCTRec_HazData(int pid);
DRAVLEN_API int HasPID_HazData(int pid);
/* Next matching PID after afterPid (0 = from the start), or 0.
 * mode 0 proper shipping name, 1 hazard class or label code, 2 ID number. */
DRAVLEN_API int SearchCT_HazData(const char *text, int mode, int afterPid);
/* Why an ID number is not available in the current ruleset; null when there
 * is nothing to say.  Caller frees with qv_free. */
DRAVLEN_API char *GetIDInfo_HazData(const char *idText);
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
/* 0 marine pollutant, 1 severe marine pollutant. */
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

/* ======================================================================
 * Engine: handle and calculation
 * ====================================================================== */

/* ======================================================================
 * Load: truckload
 * ====================================================================== */

/* ======================================================================
 * Dict: text key/value list
 * ====================================================================== */

/* ======================================================================
 * Output, Placard, Marking, HazSeg: compliance results
 * ====================================================================== */

/* ======================================================================
 * Vehicle, Question: inspection questions
 * ====================================================================== */

/* ======================================================================
 * Violation: inspection violations and Show-Me state
 * ====================================================================== */

#ifdef __cplusplus
}
#endif

#endif /* DRAVLEN_H */
