// Segregation and legality messages: the fixed message table (code, severity
// type, reason text, citation key), the legality effect of each severity, and
// the operation that builds one message record and files it in the output.
//
// Every finding of the segregation pass, and the radioactive, battery and
// permit findings of the placarding analysis, is posted through
// AddSegregationMessage so that all of them share one ordering and one
// legality bookkeeping.
#pragma once

#include "dravlen.h"

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace dravlen {

// Severity class of a message (HazSeg::type).
enum MessageType : int32_t {
    kMsgRadioactiveNotice = 0,   // radioactive shipping notice; no legality effect
    kMsgDoNotLoad = 1,           // illegal: legality becomes 1 and stays 1
    kMsgSeparate = 2,            // must be separated; no legality effect
    kMsgConditional = 3,         // illegal under a condition the user must judge: 2
    kMsgInformation = 4,
    kMsgPermitRequired = 5,      // hazmat safety permit required, 49 CFR 385.403
    kMsgPermitMayBeRequired = 6,
};

// "No finding": the value the pair checks and the single-item checks return
// when they have nothing (more) to report.  It is not a message code.
constexpr int kNoFinding = 5;

// What the reason text of a code is filled with, in order.
enum class MessageArgs {
    None,        // fixed text
    Item,        // [id1]
    Pair,        // [id1, id2]
    Conflict,    // [id1, id2] then role1, class1, id1, role2, class2, id2
    Division,    // [id1] then class2 (the division the item must be shipped as)
    Vehicle,     // [id1] then the load's vehicle type name
};

struct MessageDef {
    int code;
    MessageType type;
    MessageArgs args;
    const char *reason;    // UTF-8; "%s" marks each argument
    const char *citation;  // cross-reference key, "" when none
};

// The table entry of a code, or null for a code outside the table.
const MessageDef *FindMessageDef(int code);

// The most arguments a reason text takes (MessageArgs::Conflict).
constexpr int kMostReasonArguments = 8;
// The length of def's reason without its "%s" marks.
size_t ReasonFixedLength(const MessageDef *def);
// Writes def's citation at `at`, terminated and cut to HazSeg::citation.
void WriteCitation(const MessageDef *def, char *at);
// Writes def's reason at `at` with each "%s" replaced by the next of args
// (kMostReasonArguments of them, "" for those not given), unterminated and
// unbounded: the caller has room for ReasonFixedLength and the arguments.
// Returns the end of the text.
char *WriteReason(const MessageDef *def, char *at, const std::string_view *args);
// The same into `size` bytes: cut to fit with its terminator, never inside
// a character.  Returns the text's length.
size_t WriteReasonCut(const MessageDef *def, char *out, size_t size, const std::string_view *args);
// All entries in code order (count in *n).
const MessageDef *MessageTable(int *n);

// The empty text of every message: one address wherever it is written, so
// that keys holding it compare equal (InternText gives it for "").
inline const char *const kNoText = "";

// The facts a message is built from, already in the order they are shown.
struct MessageSubject {
    int32_t pid1 = 0;
    const char *id1 = kNoText;
    const char *class1 = kNoText;
    int32_t index1 = 0;       // hazard index of class1 (0 = primary)
    int32_t pid2 = 0;
    const char *id2 = kNoText;
    const char *class2 = kNoText;
    int32_t index2 = 0;
    const char *vehicle = kNoText; // the load's vehicle type name (code 38)
    bool interned = false;    // id and class texts already come from InternText
};

// Builds the record of one code: type, msg, PIDs, the ID and hazard texts
// (interned, so the record may keep them), the formatted reason (cut to its
// 500-byte field) and the citation.  False for a code outside the table.
bool BuildSegregationMessage(const MessageSubject &subject, int code, HazSeg *out);

// What a message is about and its code, without its text: what the
// message record is built from, once it is known to be kept.  The texts are
// borrowed from the items and the tables, which outlive one pass.  False
// (nothing to post) when both items are given and share their PID.
bool MessageSubjectOf(const Engine *engine, const Hazmat *item1, const Hazmat *item2, int a, int b, int code,
                      MessageSubject *out);

// The messages of one pass, gathered before they reach the output.
//
// A pass posts a message for every finding, and the same finding many times
// over (a truckload of a hundred items posts thousands that reduce to a
// few).  The book keeps one entry per finding, keyed by what makes two
// postings the same finding (SameMessage: severity, code, IDs and hazard
// codes), with the subject of its latest posting.  Publish then writes the
// list InsertMessage would have left: ordered by code, newer postings ahead
// of older ones of the same code, without the separations of two items that
// must not be loaded together; only those messages have their text built.
//
// The legality effect of each posting (InsertMessage) is applied at once.
class MessageBook {
public:
    // The texts of a key are interned (InternText): one text, one address,
    // so keys compare and hash by address.
    struct Key {
        int32_t type;
        int32_t msg;
        const char *id1, *id2, *class1, *class2;
        bool operator==(const Key &) const = default;
    };
    // What a message is built from beside its key and the book's vehicle
    // (MessageSubject), kept small: a long truckload posts hundreds of
    // thousands.
    struct Facts {
        int32_t pid1 = 0, pid2 = 0;
        int32_t index1 = 0, index2 = 0;
    };
    // Entries are kept in the order of their latest posting: a finding
    // posted again is marked superseded where it stood and entered anew at
    // the end.  The messages of the output before the pass come first, the
    // last listed (the oldest) first of all.
    struct Entry {
        Key key;
        int32_t seeded;        // index into seeded_, or -1 for a posted subject
        bool current;          // false once posted again later
        bool hashed;           // has a slot (PostUnique entries have none)
        Facts facts;
    };
    // Two items named by a message (interned IDs, in address order) and
    // the entry that names them: a slot of the table that drops the
    // separations of do-not-load pairs.
    struct PairSlot {
        std::pair<const char *, const char *> ids{nullptr, nullptr};
        uint32_t entry = 0;
    };
    // The book's lists, which an engine may keep from one calculation to the
    // next so that a long truckload does not ask for megabytes anew each
    // time; every list is refilled before it is read.
    struct Room {
        std::vector<Entry> entries;
        // Open addressing, a power of two in size kept under half full: per
        // slot the entry index + 1 in the low half (0 when free) and the
        // high half of the key's hash, so a probe rarely reads an entry
        // that is not the one sought.
        std::vector<uint64_t> slotTable;
        std::vector<uint32_t> order;
        std::vector<uint32_t> start;
        std::vector<PairSlot> pairs;
    };

    // Starts from the messages already in the output, as older postings.
    // room, when given, lends its lists to the book for the pass.
    explicit MessageBook(Output *out, Room *room = nullptr);
    MessageBook(const MessageBook &) = delete;
    MessageBook &operator=(const MessageBook &) = delete;

    ~MessageBook();

    // The vehicle type name the messages of this pass name (code 38): the
    // pass is about one truckload, so its postings share it.
    void SetVehicle(const char *vehicle) { vehicle_ = vehicle ? vehicle : ""; }
    // Files a finding; subject.vehicle is not read (SetVehicle).
    void Post(const MessageSubject &subject, int code);
    // The same for texts already interned (InternText, or "").
    void PostInterned(int code, const char *id1, const char *id2, const char *class1, const char *class2,
                      const Facts &facts);
    // Codes (bits 0-63) whose postings the pass promises are each made once
    // with their key, by no other posting: PostUnique files them without
    // looking for an earlier copy, unless a message of the output before the
    // pass has one of those codes.
    void ExpectUniqueCodes(uint64_t codes);
    // PostInterned of a finding of an expected code posted nowhere else.
    void PostUnique(int code, const char *id1, const char *id2, const char *class1, const char *class2,
                    const Facts &facts);
    // Hands the book a message list of an earlier calculation (allocated
    // with malloc, room for capacity records) to write the messages into
    // when they fit; the book frees it otherwise.  Writing into memory in
    // use already spares the fresh pages a list of many megabytes costs.
    void OfferSpace(HazSeg *list, size_t capacity);
    // Replaces the output's messages by the book's.
    void Publish();

private:
    static uint64_t Hash(const Key &k);
    MessageSubject SubjectOf(const Entry &e) const;
    // Enters a posting at the end of the entries, superseding an entry of
    // the same key (hash: Hash(key)).
    void Enter(const Key &key, uint64_t hash, int32_t seeded, const Facts &facts);
    // Enters the postings held back, in the order they were posted.
    void Flush();
    // Sizes the slots for that many entries (a power of two, under half
    // full), placing the current entries.
    void Rehash(size_t entries);
    void DropSeparationsOfDoNotLoadPairs();
    // The current entries in the order of the list InsertMessage leaves
    // (indexes into entries_).
    const std::vector<uint32_t> &Ordered();

    Output *out_;
    const char *vehicle_ = "";
    Room own_;
    Room &room_;
    std::vector<Entry> &entries_;
    std::vector<uint64_t> &slots_;
    HazSeg *spare_ = nullptr;
    size_t spareCapacity_ = 0;
    size_t current_ = 0;       // entries not posted again later
    int32_t lowCode_ = 0;      // the lowest and highest code among them
    int32_t highCode_ = 0;
    size_t doNotLoad_ = 0;     // how many of them are do-not-load
    size_t separate_ = 0;      // and separations
    std::vector<HazSeg> seeded_;
    // Postings are entered a few at a time: the slot of each is asked of
    // the memory when it is posted, and has arrived when it is entered (a
    // long truckload's slots are megabytes, each posting a miss otherwise).
    struct Pending {
        Key key;
        uint64_t hash;
        Facts facts;
        bool unique;
    };
    void Post(const Key &key, const Facts &facts, bool unique);
    void Count(const Key &key);
    static constexpr size_t kBatch = 16;
    bool uniqueAllowed_ = false;
    size_t hashed_ = 0;        // current entries that have a slot
    Pending pending_[kBatch];
    size_t pendingCount_ = 0;
};

struct KindFacts;

// AddSegregationMessage into a book, about items of kinds read by a
// LoadKinds (kind_facts.h), whose texts are interned.
// unique: the finding is posted once by the pass and by nothing else
// (MessageBook::PostUnique).
void AddSegregationMessage(MessageBook &book, const KindFacts *item1, const KindFacts *item2, int a, int b,
                           int code, bool unique = false);

// Builds and files one message (InsertMessage applies the legality effect of
// its type and keeps the list ordered by code) about item1 and/or item2 (either may be null)
// with their hazard indexes a and b.  When both items are given the one with
// the smaller PID comes first (except for code 17, whose first item is the one
// the message is about); two items with the same PID post nothing.
void AddSegregationMessage(Output *output, Engine *engine, const Hazmat *item1,
                           const Hazmat *item2, int a, int b, int code);

// Stable copy of a short text (ID numbers, hazard codes): the message records
// borrow these pointers until the next calculation and beyond.
const char *InternText(const char *text);

} // namespace dravlen
