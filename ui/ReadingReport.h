#pragma once

#include "PlaceRecord.h"
#include "ReadingDetails.h"

#include "engine/ReadingInput.h"

#include <QString>

#include <array>
#include <vector>

class QLocale;
class QPainter;
class QPixmap;
class QRect;

// One reading as a report: the same captioned lines for the copied summary, the printed page
// and the PDF. Its content is captured when the reading is calculated, since the place names
// are not part of the reading record.
namespace ReadingReport {

struct Item {
    QString caption;
    QString text;
    // On paper a text the user typed is cut to this many lines, ended by "…", so that the
    // verdict stays on the page; 0 for no limit. The copied text keeps it whole.
    int mostLines = 0;
};

// The most lines a name or a place takes on paper.
inline constexpr int TypedTextLines = 3;

struct Report {
    std::vector<Item> items;
    int pictureNumber = 0; // image number 1 to 27 of the nakshatra shown; 0 for none
    // What it was made from, so that it can be made again in another language.
    ReadingInput reading;
    PlaceRecord place;
    QString language; // the code of the language it is written in
};

// The report of a reading: name, date, moment with universal time, place and coordinates
// (both from the place record), zone, the zone check's warning when there is one, then the five
// texts the result panel shows (by output label index, as `lblResult`) and the details. Empty
// details are left out.
Report MakeReport(const ReadingInput& reading, const PlaceRecord& place,
                  const std::array<QString, 5>& shown, const ReadingDetails::Details& details,
                  const QLocale& locale);

// Plain text: a title line, then one "caption: text" line for each item, lines ended by "\n".
// The report's heading, also its printed document's and PDF's title: "<program> reading".
QString ReportTitle();

QString SummaryText(const Report& report);

// Paints the report on one page whose printable area is `page` in device pixels: the title,
// the picture at the top right, and the items below, shrunk to fit when they would not.
void PaintReport(QPainter& painter, const QRect& page, const Report& report,
                 const QPixmap& picture);

// Writes the report as a one-page PDF whose text can be searched and copied. The file is
// replaced only when the whole PDF was written. Returns the empty text on success, else the
// reason, and then any earlier file is as it was.
QString WriteReportPdf(const QString& path, const Report& report, const QPixmap& picture);

} // namespace ReadingReport
