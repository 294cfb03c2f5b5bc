// The report pages as HTML text, in the form the program's HTML views show
// and print: truckload placarding instructions (current option or all
// options, optionally detailed with legality, permit and citations), the
// driver certification page, the search results and the saved loads.
// Pictures are named images that the document resolves (report_pictures.h):
// "Placards_n", "Allowed_n" and "Marking_n_i" for marking i of option n.
#pragma once

#include "report_model.h"

#include <QString>

namespace velmora::reports {

struct TruckloadReportStyle {
    bool allOptions = false;     // every placarding option, else the current one
    bool showAllowed = false;    // the "Allowed Placards" column
    bool detailed = false;       // vehicle, rules, legality, permit, citations
    bool reasons = false;        // the reasons page of the options shown (report_reasons.h)
};

// The two first lines of every report's header.
QString reportProgramStamp();    // "RAZU 7.51.1"
QString productTitle();          // "Velmora - Commercial"
QString defaultCertificationMessage();

// The citation key of a message or marking as a reader sees it:
// "49CFR177.848(d)" -> "49 CFR 177.848(d)".
QString citationText(const QString &key);

// "This truckload is legal." and its two siblings.
QString legalityText(int legality);
// The hazmat safety permit verdict as printed ("Required (49 CFR 385.403)"...).
QString permitText(const QString &verdict);

// `printedAt` is the date and time shown at the top right of the header.
QString truckloadReportHtml(const TruckloadReport &report, const TruckloadReportStyle &style,
                            const QString &printedAt);
QString certificationHtml(const QString &truckId, const CertificationSettings &settings, const QString &printedAt);
QString searchResultsHtml(const std::vector<SearchReportRow> &rows, const QString &printedAt);
QString savedLoadsHtml(const SavedLoadsReport &report, const QString &printedAt);

// Picture names used in the HTML.
QString placardsPictureName(int option);
QString allowedPictureName(int option);
QString markingPictureName(int option, int marking);

} // namespace velmora::reports
