// What the printed reports show, as plain values: the truckload with its
// manifest and placarding options, the driver certification settings, the
// search results and the saved loads.  Filled from the engine (see
// report_reader.h) or from the program's lists; the builders never call the
// engine, so they are tested on small fixtures.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace velmora::reports {

struct ReportPlacard {
    QString resource;     // picture resource, e.g. "IDB_P_B30"; empty when unknown
    QString name;         // display name, e.g. "Bulk Combustible/Flammable"
    int idNumber = 0;     // number shown on the placard (172.334), 0 when none
    bool primary = true;
};

struct ReportMarking {
    int type = 0;            // marking type 1-13
    int idNumber = 0;        // orange panels (types 1-3)
    QString shippingName;    // type 7: the name a cargo tank of gas is marked with
    QString picture;         // picture resource, empty for panels and type 7
    QString name;            // short name of the marking
    QString citation;        // citation key, e.g. "49CFR172.302(a)"
};

struct ReportMessage {
    int type = 0;            // 0 Radiation ... 6 Possible Permit
    QString reason;          // may hold "\n\n" between paragraphs
    QString citation;        // citation key, empty when none
};

// One line of the explanation of an option (the reasons page).
struct ReportReason {
    QString about;           // "placard", "no placard", "permit", ...
    QString text;            // the rule with its figures
    QString citation;        // "49 CFR 172.504(c)", or empty
};

struct PlacardingOption {
    std::vector<ReportPlacard> placards;
    std::vector<ReportPlacard> allowed;
    std::vector<ReportMarking> markings;
    std::vector<ReportMessage> messages;
    std::vector<ReportReason> reasons;   // filled on request (report_reasons.h)
};

// Manifest columns: ID, PSN, Class, PG, Permit, Weight, Packaging, PIH.
using ManifestRow = QStringList;

struct TruckloadReport {
    QString truckId;
    QString vehicle;
    QString ruleset;             // "Current Rules (HM-215Q ...)"
    std::vector<ManifestRow> manifest;
    std::vector<PlacardingOption> options;
    int currentOption = 0;
    int legality = 2;            // 0 legal, 1 illegal, 2 cannot be determined
    QString permit;              // "Yes", "Maybe" or "No" (49 CFR 385.403)
};

// The settings of the certification page (the Certification section of the
// settings file).
struct CertificationSettings {
    bool enabled = false;            // EnablePrintCertification
    bool defaultMessage = true;      // EnableDefaultMessage
    QString customMessage;           // CustomMessage, line breaks as "||" or CR LF
    bool driverSignature = true;     // EnableDriverSig
    bool trailer = true;             // EnableTrailer
    bool supervisorSignature = false;// EnableSupervisorSig
    bool customEntry = false;        // EnableCustomEntryItem
    QString customEntryCaption;      // CustomEntryItem
};

// Search view columns: Proper Shipping Name, Class, ID, PG, Hazard Zone.
using SearchReportRow = QStringList;

struct SavedLoadsReport {
    bool processedLegality = false;  // six columns when true, else two
    // Truckload, Last Saved[, Legal, Placards, Markings, Messages]
    std::vector<QStringList> rows;
};

} // namespace velmora::reports
