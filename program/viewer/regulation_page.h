// The pages of the regulations viewer as HTML text: a section with one
// paragraph highlighted, the page of a citation that is not in the copy, and
// the edition line.  Pure functions.
#pragma once

#include "viewer/citation.h"
#include "viewer/regulation_library.h"

#include <QString>

namespace velmora::viewer {

// The anchor name of line i of a section page ("p12").
QString lineAnchor(int line);

// One line of section text as HTML: markup of the copy (**bold**, *italic*,
// \* escapes, <br> inside table cells) converted, everything else escaped,
// and references such as "§ 173.403" or "§ 172.504(e)" turned into links
// "cite:173.403" that the viewer follows.
QString lineHtml(const QString &line);

// "Text as of October 1, 2024 (CFR annual edition)" or, for an eCFR copy,
// "Text as of January 2025 (eCFR)".
QString editionText(const Section &section);

// A whole section: heading, edition line, paragraphs indented by depth,
// tables; the lines of `highlight` on a yellow ground; `note` (when not
// empty) in a box above the text; words of `searchTerm` marked.
QString sectionPageHtml(const Section &section, const ParagraphSpan &highlight, const QString &note = {},
                        const QString &searchTerm = {});

// The page for a citation whose section (or part) is not in the copy: what
// is missing, the eCFR address, and which parts the copy holds.
QString missingPageHtml(const Citation &citation, const QStringList &partsInCopy);

// The note shown above a section when a cited paragraph was not found.
QString paragraphNotFoundNote(const Citation &citation, const ParagraphSpan &span);

} // namespace velmora::viewer
