// The main window's reading details and sharing: the details under the verdict, Copy, Print,
// Export as PDF, and the result panel's keys.
#include "frmMain.h"

#include "CopiedNotice.h"
#include "Language.h"
#include "OpenUndo.h"
#include "PlaceFinder.h"
#include "ReadingDetails.h"
#include "ReadingRecord.h"
#include "ReadingReport.h"
#include "ReadingSave.h"
#include "ZoneCheck.h"
#include "modNakshatraInformation.h"

#include "platform/MessageBox.h"
#include "platform/PagePrinter.h"
#include "platform/RunStep.h"
#include "platform/SaveFileDialog.h"
#include "platform/Services.h"
#include "platform/UiText.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <memory>

namespace {

QLabel* detailLabel(const char* objectName, const char* accessibleName) {
    auto* label = new QLabel;
    label->setObjectName(QLatin1String(objectName));
    uiText::set(label, "accessibleName", {"frmMain", accessibleName});
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// The name and date of the reading on the result panel, which the boxes may no longer hold.
SavedReading::Record pdfNameOf(const ReadingInput& reading) {
    SavedReading::Record record;
    record.name = QString::fromStdString(reading.name);
    record.monthPosition = reading.month - 1;
    record.year = QString::number(reading.year);
    record.day = QString::number(reading.day);
    return record;
}

} // namespace

QLayout* frmMain::createDetailControls() {
    lblPosition = detailLabel("lblPosition", QT_TR_NOOP("Moon's position"));
    lblChange = detailLabel("lblChange", QT_TR_NOOP("Nearest change of reading"));
    lblCaution = detailLabel("lblCaution", QT_TR_NOOP("Caution"));
    QFont bold = lblCaution->font();
    bold.setBold(true);
    lblCaution->setFont(bold);
    lblCaution->hide();
    // In the caution's style: the reading may be for another moment than the place's.
    lblZoneWarning = detailLabel("lblZoneWarning", QT_TR_NOOP("Zone warning"));
    lblZoneWarning->setFont(bold);
    lblZoneWarning->hide();
    auto* details = new QVBoxLayout;
    details->setContentsMargins(0, 0, 0, 0);
    for (QLabel* label : {lblZoneWarning, lblPosition, lblChange, lblCaution}) {
        label->setMinimumWidth(label->fontMetrics().averageCharWidth() * 40);
        details->addWidget(label);
    }

    cmdCopy = new QPushButton;
    cmdCopy->setObjectName(QStringLiteral("cmdCopy"));
    uiText::set(cmdCopy, "text", {"frmMain", QT_TR_NOOP("&Copy")});
    uiText::set(cmdCopy, "accessibleName", {"frmMain", QT_TR_NOOP("Copy the reading")});
    cmdCopy->setEnabled(false);
    connect(cmdCopy, &QPushButton::clicked, this, &frmMain::cmdCopy_Click);
    copiedNotice_ = new CopiedNotice(*cmdCopy);

    auto* copyKey = new QShortcut(QKeySequence::Copy, this);
    copyKey->setObjectName(QStringLiteral("copyKey"));
    connect(copyKey, &QShortcut::activated, this, &frmMain::copyKey_Activated);
    auto* escapeKey = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escapeKey->setObjectName(QStringLiteral("escapeKey"));
    connect(escapeKey, &QShortcut::activated, this, &frmMain::escapeKey_Activated);
    // Both keys belong to the result panel; on the input panel the boxes keep their own use.
    for (QShortcut* key : {copyKey, escapeKey}) {
        key->setEnabled(false);
        connect(panels, &QStackedWidget::currentChanged, key,
                [this, key] { key->setEnabled(panels->currentWidget() == fraResult); });
    }
    return details;
}

void frmMain::showDetails() {
    // The place is captured with the reading, so that the report names the place whose
    // coordinates were read.
    const ReadingInput reading = currentReading();
    PlaceRecord place =
        PlaceRecordOf(reading, txtMCity->text(), txtMState->text(), txtMCountry->text());
    if (const std::optional<PlaceFinder::ChosenPlace> chosen = placeFinder_->state().place) {
        place.chosenName = chosen->name;
        place.zoneId = chosen->zoneId;
    }
    showDetails(reading, place);
}

void frmMain::showDetails(const ReadingInput& reading, const PlaceRecord& place) {
    const ReadingDetails::Details details = ReadingDetails::DetailsOf(reading, QLocale());
    // A reading outside the 27 nakshatras leaves the panel's last reading as it was.
    if (details.position.isEmpty()) {
        return;
    }
    lblPosition->setText(details.position);
    lblChange->setText(details.change);
    lblCaution->setText(details.caution);
    lblCaution->setHidden(details.caution.isEmpty());
    lblZoneWarning->setText(ZoneCheck::ZoneWarning(reading, place));
    lblZoneWarning->setHidden(lblZoneWarning->text().isEmpty());

    std::array<QString, 5> shown;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        shown[i] = lblResult[i]->text();
    }
    report_ = ReadingReport::MakeReport(reading, place, shown, details, QLocale());
    cmdCopy->setEnabled(true);
    emit shareableChanged(true);
}

void frmMain::keepInUndo(OpenUndo& undo) {
    // The report is kept beside the part rather than in the snapshot's variant.
    auto kept = std::make_shared<std::optional<ReadingReport::Report>>();
    undo.addPart(QStringLiteral("report"),
                 {[this, kept] {
                      *kept = report_;
                      return QVariant(true);
                  },
                  [this, kept](const QVariant&) {
                      report_ = *kept;
                      // A reading made before the language changed
                      // comes back in the language now in force.
                      if (report_ && report_->language != Language::Current()) {
                          showReadingAgain();
                      }
                      for (QLabel* label : {lblCaution, lblZoneWarning}) {
                          label->setHidden(label->text().isEmpty());
                      }
                      cmdCopy->setEnabled(report_.has_value());
                      emit shareableChanged(report_.has_value());
                  }});
}

void frmMain::cmdCopy_Click() {
    if (!report_) {
        return;
    }
    runStep([this] {
        QGuiApplication::clipboard()->setText(ReadingReport::SummaryText(*report_));
        copiedNotice_->show();
    });
}

void frmMain::copyKey_Activated() {
    if (panels->currentWidget() != fraResult) {
        return;
    }
    for (const QLabel* label : fraResult->findChildren<QLabel*>()) {
        if (label->hasSelectedText()) {
            const QString selection = label->selectedText();
            runStep([&] { QGuiApplication::clipboard()->setText(selection); });
            return;
        }
    }
    cmdCopy_Click();
}

void frmMain::escapeKey_Activated() {
    if (panels->currentWidget() == fraResult) {
        cmdBack_Click();
    }
}

QPixmap frmMain::reportPicture() const {
    // Paper gets the finer of the two pictures.
    return report_ ? modNakshatraInformation::NakshatraImage(report_->pictureNumber, 2) : QPixmap();
}

void frmMain::mnuPrint_Click() {
    if (!report_) {
        return;
    }
    const ReadingReport::Report report = *report_;
    const QPixmap picture = reportPicture();
    platform::PrintOutcome outcome = platform::PrintOutcome::Failed;
    runStep([&] {
        outcome = platform::services().printer->printPage(
            this, ReadingReport::ReportTitle(), [&](QPainter& painter, const QRect& page) {
                ReadingReport::PaintReport(painter, page, report, picture);
            });
    });
    if (outcome == platform::PrintOutcome::Failed) {
        runStep([this] {
            platform::services().messages->notify(this, tr("The reading could not be printed."),
                                                  platform::MessageIcon::Stop);
        });
    }
}

void frmMain::mnuExportPdf_Click() {
    if (!report_) {
        return;
    }
    const std::optional<QString> path = chooseSavePath(
        {tr("Export Reading as PDF"), tr("PDF files (*.pdf)"), QStringLiteral("*.pdf"),
         ReadingSave::SuggestedFileName(pdfNameOf(report_->reading), QStringLiteral(".pdf"))},
        QStringLiteral(".pdf"));
    if (!path) {
        return;
    }
    QString failure = tr("the file could not be written");
    runStep([&] { failure = ReadingReport::WriteReportPdf(*path, *report_, reportPicture()); });
    if (!failure.isEmpty()) {
        runStep([&] {
            platform::services().messages->notify(
                this,
                tr("The reading could not be saved as a PDF file.\n%1: %2.\nAny earlier file of "
                   "that name is unchanged.")
                    .arg(*path, failure),
                platform::MessageIcon::Stop);
        });
        return;
    }
    ReadingSave::NoteSaved(*path);
}
