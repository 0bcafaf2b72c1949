#include "ReadingReport.h"

#include "Language.h"
#include "MomentLine.h"
#include "NakshatraTables.h"
#include "ResultTexts.h"
#include "ZoneCheck.h"
#include "modNakshatraInformation.h"

#include "ProgramInfo.h"
#include "aids/Gazetteer.h"
#include "engine/modEphemeris.h"
#include "platform/WholeFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QStringList>
#include <QTextLayout>

#include <algorithm>

namespace ReadingReport {

namespace {

QString title() {
    return QCoreApplication::translate("ReadingReport", "%1 reading")
        .arg(QString::fromUtf8(ProgramInfo::Name));
}

QString translated(const char* text) {
    return QCoreApplication::translate("ReadingReport", text);
}

// The picture's own size on paper, in inches (150 × 244 pixels at 96 per inch).
constexpr double PictureWidthInches = 150.0 / 96;
constexpr double PictureHeightInches = 244.0 / 96;
// The type sizes of a page that has room, in points, and the least the text shrinks to.
constexpr double TitlePoints = 16;
constexpr double TextPoints = 11;
constexpr double SmallestTextPoints = 6;
constexpr int PdfDotsPerInch = 300;
// A PDF has no printer to set its margins: 2 cm all round, as a printed letter would have.
constexpr double PdfMarginMillimetres = 20;

QString caption(std::size_t outputIndex) {
    return QCoreApplication::translate("frmMain", ResultTexts::Captions[outputIndex]);
}

// Shaping can be left off for text in Latin letters only; any other script (Devanagari's
// conjuncts and vowel signs) needs it to be readable at all.
bool needsShaping(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        const QChar::Script script = c.script();
        return script != QChar::Script_Latin && script != QChar::Script_Common &&
               script != QChar::Script_Inherited;
    });
}

// `side` is one of the four "%1°%2′ East" messages below.
QString degreesText(int degrees, int minutes, const char* side) {
    return QCoreApplication::translate("ReadingReport", side)
        .arg(degrees)
        .arg(minutes, 2, 10, QLatin1Char('0'));
}

QString coordinatesText(const PlaceRecord& place) {
    const QString longitude =
        degreesText(place.longitudeDegrees, place.longitudeMinutes,
                    place.east ? QT_TRANSLATE_NOOP("ReadingReport", "%1°%2′ East")
                               : QT_TRANSLATE_NOOP("ReadingReport", "%1°%2′ West"));
    const QString latitude =
        degreesText(place.latitudeDegrees, place.latitudeMinutes,
                    place.south ? QT_TRANSLATE_NOOP("ReadingReport", "%1°%2′ South")
                                : QT_TRANSLATE_NOOP("ReadingReport", "%1°%2′ North"));
    return QCoreApplication::translate("ReadingReport", "%1, %2", "longitude, latitude")
        .arg(longitude, latitude);
}

int pictureNumberOf(const QString& name) {
    const auto& table = modNakshatraInformation::NakshatraGroupTable;
    for (std::size_t row = 0; row < table.size(); ++row) {
        if (modNakshatraInformation::Shown(table[row].name) == name) {
            return static_cast<int>(row) + 1;
        }
    }
    return 0;
}

// `text` as it wraps at `width` in `font`, cut after `mostLines` lines when it takes more,
// the last line kept ended by "…".
QString atMostLines(const QString& text, const QFont& font, QPaintDevice* device, double width,
                    int mostLines) {
    QTextLayout layout(text, font, device);
    layout.beginLayout();
    int lines = 0;
    int lastStart = 0;
    bool more = false;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (++lines > mostLines) {
            more = true;
            break;
        }
        lastStart = line.textStart();
    }
    layout.endLayout();
    if (!more) {
        return text;
    }
    const QString last = text.mid(lastStart).simplified();
    return text.left(lastStart) +
           QFontMetricsF(font, device).elidedText(last + QChar(0x2026), Qt::ElideRight, width);
}

// Lays the report out from the top of `page` and returns the height it took; paints only
// when `paint` is set, so that the same walk measures and draws.
double layOut(QPainter& painter, const QRect& page, const Report& report, const QPixmap& picture,
              double scale, bool paint) {
    const double dpi = painter.device()->logicalDpiY();
    const QSizeF pictureSize(PictureWidthInches * dpi, PictureHeightInches * dpi);
    const double gap = TextPoints * dpi / 72;
    const double textWidth = page.width() - (picture.isNull() ? 0 : pictureSize.width() + gap);

    // Without shaping, Latin text gets no ligatures: every letter stays a letter of its own in
    // the PDF, so that "find" is found and copied as four letters.
    QFont plain = painter.font();
    plain.setStyleStrategy(QFont::PreferNoShaping);
    QFont titleFont = plain;
    titleFont.setPointSizeF(TitlePoints * scale);
    titleFont.setBold(true);
    QFont captionFont = plain;
    captionFont.setPointSizeF(TextPoints * scale);
    captionFont.setBold(true);
    QFont textFont = captionFont;
    textFont.setBold(false);

    double y = page.top();
    const auto block = [&](QFont font, const QString& text, double width) {
        if (needsShaping(text)) {
            font.setStyleStrategy(QFont::PreferDefault);
        }
        painter.setFont(font);
        const QRectF area(page.left(), y, width, page.height());
        const QRectF used = painter.boundingRect(area, Qt::TextWordWrap, text);
        if (paint) {
            painter.drawText(area, Qt::TextWordWrap, text);
        }
        y += used.height();
    };
    block(titleFont, title(), textWidth);
    y += gap;
    for (const Item& item : report.items) {
        // Beside the picture the lines are narrower; below it they take the page's width.
        const double width = y < page.top() + pictureSize.height() ? textWidth : page.width();
        block(captionFont, item.caption, width);
        block(textFont,
              item.mostLines > 0
                  ? atMostLines(item.text, textFont, painter.device(), width, item.mostLines)
                  : item.text,
              width);
        y += gap / 2;
    }
    if (paint && !picture.isNull()) {
        painter.drawPixmap(
            QRectF(QPointF(page.right() - pictureSize.width(), page.top()), pictureSize), picture,
            QRectF(picture.rect()));
    }
    return std::max(y - page.top(), picture.isNull() ? 0.0 : pictureSize.height());
}

// The zone as entered, with the direction the reading took it in: "1:00 ahead of universal
// time, no daylight saving". The engine's own time values say which way it ran before
// daylight saving.
QString zoneText(const ReadingInput& reading) {
    ReadingInput standard = reading;
    standard.daylightSaving = false;
    const modEphemeris::TimeBase time = modEphemeris::ComputeTimeBase(standard);
    QString text = ReadingDetails::ClockText(reading.zoneHours, reading.zoneMinutes);
    if (time.localHours > time.universalHours) {
        text = QCoreApplication::translate("ReadingMoment", "%1 ahead of universal time").arg(text);
    } else if (time.localHours < time.universalHours) {
        text = QCoreApplication::translate("ReadingMoment", "%1 behind universal time").arg(text);
    }
    return reading.daylightSaving
               ? QCoreApplication::translate("ReadingReport", "%1, daylight saving").arg(text)
               : QCoreApplication::translate("ReadingReport", "%1, no daylight saving").arg(text);
}

} // namespace

Report MakeReport(const ReadingInput& reading, const PlaceRecord& place,
                  const std::array<QString, 5>& shown, const ReadingDetails::Details& details,
                  const QLocale& locale) {
    QStringList placeParts;
    for (const QString& part : {place.city, place.state, place.country}) {
        if (!part.trimmed().isEmpty()) {
            placeParts << part.trimmed();
        }
    }
    const QString placeName = PlaceText::PlaceName(placeParts);
    const QString zone = zoneText(reading);
    const QString coordinates = coordinatesText(place);

    Report report;
    report.items = {
        {translated(QT_TRANSLATE_NOOP("ReadingReport", "Name")),
         QString::fromStdString(reading.name), TypedTextLines},
        {caption(4), shown[4]},
        {translated(QT_TRANSLATE_NOOP("ReadingReport", "Moment")),
         ReadingMoment::MomentLine(reading, locale)},
        {translated(QT_TRANSLATE_NOOP("ReadingReport", "Place")),
         placeName.isEmpty() ? translated(QT_TRANSLATE_NOOP("ReadingReport", "not given"))
                             : placeName,
         TypedTextLines},
        {translated(QT_TRANSLATE_NOOP("ReadingReport", "Longitude and latitude")), coordinates},
        {translated(QT_TRANSLATE_NOOP("ReadingReport", "Time zone")), zone},
        {caption(0), shown[0]},
        {caption(1), shown[1]},
        {caption(2), shown[2]},
        {caption(3), shown[3]},
    };
    // The zone check's warning stands right under the zone it is about.
    if (const QString warning = ZoneCheck::ZoneWarning(reading, place); !warning.isEmpty()) {
        report.items.insert(
            report.items.begin() + 6,
            {translated(QT_TRANSLATE_NOOP("ReadingReport", "Zone check")), warning});
    }
    const std::pair<QString, QString> extras[] = {
        {translated(QT_TRANSLATE_NOOP("ReadingReport", "Position")), details.position},
        {translated(QT_TRANSLATE_NOOP("ReadingReport", "Nearest change")), details.change},
        {translated(QT_TRANSLATE_NOOP("ReadingReport", "Caution")), details.caution},
    };
    for (const auto& [title, text] : extras) {
        if (!text.isEmpty()) {
            report.items.push_back({title, text});
        }
    }
    report.pictureNumber = pictureNumberOf(shown[0]);
    report.reading = reading;
    report.place = place;
    report.language = Language::Current();
    return report;
}

QString ReportTitle() {
    return title();
}

QString SummaryText(const Report& report) {
    QString text = title() + QLatin1Char('\n');
    for (const Item& item : report.items) {
        text += QCoreApplication::translate("ReadingReport", "%1: %2", "caption: text")
                    .arg(item.caption, item.text) +
                QLatin1Char('\n');
    }
    return text;
}

void PaintReport(QPainter& painter, const QRect& page, const Report& report,
                 const QPixmap& picture) {
    painter.save();
    painter.setPen(Qt::black);
    // A very long name or place could run off the page: the type shrinks until it fits.
    double scale = 1;
    while (scale * TextPoints > SmallestTextPoints &&
           layOut(painter, page, report, picture, scale, false) > page.height()) {
        scale *= 0.9;
    }
    layOut(painter, page, report, picture, scale, true);
    painter.restore();
}

QString WriteReportPdf(const QString& path, const Report& report, const QPixmap& picture) {
    // Drawn into memory first: a one-page report is small, and only a whole document may
    // take the place of an earlier file.
    QByteArray document;
    {
        QBuffer buffer(&document);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(PdfDotsPerInch);
        writer.setTitle(title());
        writer.setCreator(title());
        writer.setPageSize(QPageSize(
            QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                               : QPageSize::A4));
        writer.setPageMargins(QMarginsF(PdfMarginMillimetres, PdfMarginMillimetres,
                                        PdfMarginMillimetres, PdfMarginMillimetres),
                              QPageLayout::Millimeter);
        QPainter painter;
        if (!painter.begin(&writer)) {
            return translated(
                QT_TRANSLATE_NOOP("ReadingReport", "the document could not be drawn"));
        }
        PaintReport(painter, QRect(0, 0, writer.width(), writer.height()), report, picture);
        if (!painter.end()) {
            return translated(
                QT_TRANSLATE_NOOP("ReadingReport", "the document could not be drawn"));
        }
    }
    return platform::writeWholeFile(path, document);
}

} // namespace ReadingReport
