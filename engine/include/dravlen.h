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

/* ======================================================================
 * Hazmat: item record, qualifiers, serialization, predicates
 * ====================================================================== */

/* -- Identity and names.  Texts are library-owned (they point into the
 *    table) unless marked "caller frees". -- */
DRAVLEN_API const char *GetID_Hazmat(const Hazmat *item);
/* Proper shipping name with its "<I>" italic markup. */
DRAVLEN_API const char *GetPSN_Hazmat(const Hazmat *item);
DRAVLEN_API int GetNumRomanPSNs_Hazmat(const Hazmat *item);
/* 1 and stores n when 1 <= n <= GetNumRomanPSNs_Hazmat; else 0, no change. */
DRAVLEN_API int SetRomanIndex_Hazmat(Hazmat *item, int n);
DRAVLEN_API int GetRomanIndex_Hazmat(const Hazmat *item);
/* The chosen shipping name, or the proper shipping name for index 0. */
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

/* -- Weight: unit 0 pounds, 1 kilograms. -- */
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
DRAVLEN_API void SetLSA_Hazmat(Hazmat *item, int on);
DRAVLEN_API int GetLSA_Hazmat(const Hazmat *item);
DRAVLEN_API int IsLSA_Hazmat(const Hazmat *item);
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

/* -- Exemptions 1-34 (item alone, no truckload). -- */
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
DRAVLEN_API int ExemptFromPlacarding_Hazmat(const Hazmat *item);
DRAVLEN_API int ExemptFromMarking_Hazmat(const Hazmat *item);
DRAVLEN_API int IsExemptFromPlacarding_Hazmat(const Hazmat *item);
DRAVLEN_API int IsExemptFromShippingPaper_Hazmat(const Hazmat *item);
/* code: vehicle table code 0-19. */
DRAVLEN_API int IsVehicleAllowed_Hazmat(const Hazmat *item, int code);
/* Caller frees with qv_free. */
DRAVLEN_API char *GetAllowedTanksText_Hazmat(const Hazmat *item);
DRAVLEN_API int NoIDsOnPlacards_Hazmat(const Hazmat *item);
DRAVLEN_API int SameCategory_Hazmat(const Hazmat *item, const Hazmat *other);
DRAVLEN_API int NeedsNetExplosiveMass_Hazmat(const Hazmat *item);
/* 0 not radioactive, 1 White-I, 2 Yellow-II, 3 Yellow-III. */
DRAVLEN_API int GetRadioactiveLabel_Hazmat(const Hazmat *item);
DRAVLEN_API int IsExclusiveUse_Hazmat(const Hazmat *item);

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
