#include "modNakshatraInformation.h"

#include "Language.h"
#include "MomentLine.h"
#include "NakshatraTables.h"
#include "ReadingRecord.h"

#include "platform/RunStep.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLocale>

#include <map>
#include <string_view>
#include <utility>
#include <vector>

// Outside any namespace, as the resource system requires.
static void initPictureResources() {
    Q_INIT_RESOURCE(nakshatra_pictures);
}

namespace modNakshatraInformation {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

namespace {

// Writes one output label; a label that is not there is passed over like a failing step.
void write(QLabel* label, const QString& text) {
    if (label != nullptr) {
        label->setText(text);
    }
}

// One image list: the 27 pictures in table order, with their names in the language `code`
// ("<key stem>.<code>.jpg", English without a code), at their own size or, doubled, at twice
// it for screens at scale 2 and for paper. A language without pictures of its own shows the
// English ones.
std::vector<QPixmap> loadImages(const QString& code, bool doubled) {
    initPictureResources();
    std::vector<QPixmap> loaded;
    loaded.reserve(NakshatraGroupTable.size());
    const QString size = doubled ? QStringLiteral("@2x.jpg") : QStringLiteral(".jpg");
    for (const NakshatraRow& row : NakshatraGroupTable) {
        const QString stem = QStringLiteral(":/nakshatra/") + toQString(row.pictureKey).chopped(4);
        const QString own = stem + QLatin1Char('.') + code + size;
        QPixmap picture(code != QLatin1String("en") && QFile::exists(own) ? own : stem + size);
        if (doubled) {
            picture.setDevicePixelRatio(2);
        }
        loaded.push_back(picture);
    }
    return loaded;
}

// Each list loads when first asked for: one language's pictures at one size.
const std::vector<QPixmap>& imageList(bool doubled) {
    static std::map<std::pair<QString, bool>, std::vector<QPixmap>> lists;
    const std::pair<QString, bool> key{Language::Current(), doubled};
    auto found = lists.find(key);
    if (found == lists.end()) {
        found = lists.emplace(key, loadImages(key.first, doubled)).first;
    }
    return found->second;
}

} // namespace

QString Shown(std::string_view tableText) {
    // The tables' texts are whole literals, so each view ends where its literal does.
    return QCoreApplication::translate(
        "modNakshatraInformation",
        QByteArray(tableText.data(), static_cast<qsizetype>(tableText.size())).constData());
}

QPixmap NakshatraImage(int number, qreal pixelRatio) {
    const std::vector<QPixmap>& images = imageList(pixelRatio > 1);
    if (number < 1 || number > static_cast<int>(images.size())) {
        return {};
    }
    return images[static_cast<std::size_t>(number - 1)];
}

std::optional<QString> DateLine(int month, int day, int year, const QLocale& locale) {
    if (month < 1 || month > 12) {
        return std::nullopt;
    }
    // Month, day and year, in the order of the language in force ("7 जनवरी 2025" in Hindi).
    return QCoreApplication::translate("modNakshatraInformation", "%1 %2, %3")
        .arg(locale.standaloneMonthName(month, QLocale::LongFormat), QString::number(day),
             QString::number(year));
}

void ShowNakshatraInformation(const QString& name, const ResultView& view,
                              const ReadingInput& reading) {
    std::size_t row = 0;
    while (row < NakshatraGroupTable.size() && toQString(NakshatraGroupTable[row].name) != name) {
        ++row;
    }
    if (row == NakshatraGroupTable.size()) {
        return;
    }
    const NakshatraRow& found = NakshatraGroupTable[row];
    runStep([&] {
        write(view.lblResult[0], Shown(found.name));
        write(view.lblResult[1], Shown(found.group));
    });
    // The verdict follows the group name as shown.
    runStep([&] {
        const QString shownGroup =
            view.lblResult[1] != nullptr ? view.lblResult[1]->text() : Shown(found.group);
        for (const GroupVerdict& verdict : GroupVerdictTable) {
            if (Shown(verdict.group) == shownGroup) {
                write(view.lblResult[2], Shown(verdict.characteristics));
                write(view.lblResult[3], Shown(verdict.search));
                break;
            }
        }
    });
    // The picture is chosen by its position in the list, not by its key.
    runStep([&] {
        const QPixmap picture = NakshatraImage(
            static_cast<int>(row) + 1,
            view.imgNakshatra != nullptr ? view.imgNakshatra->devicePixelRatioF() : 1.0);
        if (!picture.isNull() && view.imgNakshatra != nullptr) {
            view.imgNakshatra->setPixmap(picture);
        }
    });
    runStep([&] {
        const std::optional<QString> line =
            DateLine(reading.month, reading.day, reading.year, QLocale());
        if (line) {
            write(view.lblResult[4], *line);
            // The moment read goes with its date: a zone that went the wrong way shows here.
            if (view.lblMoment != nullptr) {
                const QString moment = ReadingMoment::MomentLine(reading, QLocale());
                view.lblMoment->setText(moment);
                view.lblMoment->setAccessibleDescription(moment);
            }
        }
    });
}

void ShowNakshatraInformation(const QString& name, const ResultView& view) {
    ShowNakshatraInformation(name, view, currentReading());
}

} // namespace modNakshatraInformation
