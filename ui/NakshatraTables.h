#pragma once

#include <QtGlobal>

#include <array>
#include <string_view>

namespace modNakshatraInformation {

struct NakshatraRow {
    std::string_view name;       // as the engine names it
    std::string_view group;      // a group of GroupVerdictTable
    std::string_view pictureKey; // the picture's key in the image list
};

// The texts are English sources, shown through their translations in the context
// "modNakshatraInformation" (modNakshatraInformation::Shown); the English names are also the
// keys that the engine's names match.
// The 27 nakshatras in order; the picture of row i is image number i + 1. The groups follow
// no cycle after Moola: the table decides.
inline constexpr std::array<NakshatraRow, 27> NakshatraGroupTable{{
    {QT_TRANSLATE_NOOP("modNakshatraInformation", "Ashwini"),
     QT_TRANSLATE_NOOP("modNakshatraInformation", "Group One (Mandaksh)"), "01 ashwini.jpg"},
    {QT_TRANSLATE_NOOP("modNakshatraInformation", "Bharani"),
     QT_TRANSLATE_NOOP("modNakshatraInformation", "Group Two (Madhayaksh)"), "02 bharani.jpg"},
    {QT_TRANSLATE_NOOP("modNakshatraInformation", "Krittika"),
     QT_TRANSLATE_NOOP("modNakshatraInformation", "Group Three (Sulochan)"), "03 krittika.jpg"},
    {QT_TRANSLATE_NOOP("modNakshatraInformation", "Rohini"),
     QT_TRANSLATE_NOOP("modNakshatraInformation", "Group Four (Andhaksh)"), "04 rohini.jpg"},
    {QT_TRANSLATE_NOOP("modNakshatraInformation", "Mrigasira"),
     QT_TRANSLATE_NOOP("modNakshatraInformation", "Group One (Mandaksh)"), "05 mrigasira.jpg"},
    {QT_TRANSLATE_NOOP("modNakshatraInformation", "Ardra"),
     QT_TRANSLATE_NOOP("modNakshatraInformation", "Group Two (Madhayaksh)"), "06 ardra.jpg"},
    {QT_TRANSLATE_NOOP("modNakshatraInformation", "Punarvasu"),
     QT_TRANSLATE_NOOP("modNakshatraInformation", "Group Three (Sulochan)"), "07 punarvasu.jpg"},
    {QT_TRANSLATE_NOOP("modNakshatraInformation", "Pushya"),
     QT_TRANSLATE_NOOP("modNakshatraInformation", "Group Four (Andhaksh)"), "08 pushya.jpg"},
    {QT_TRANSLATE_NOOP("modNakshatraInformation", "Ashlesha"),
     QT_TRANSLATE_NOOP("modNakshatraInformation", "Group One (Mandaksh)"), "09 ashlesha.jpg"},
    {QT_TRANSLATE_NOOP("modNakshatraInformation", "Magha"),
     QT_TRANSLATE_NOOP("modNakshatraInformation", "Group Two (Madhayaksh)"), "10 magha.jpg"},
    {QT_TRANSLATE_NOOP("modNakshatraInformation", "Poorva Phalguni"),
     QT_TRANSLATE_NOOP("modNakshatraInformation", "Group Three (Sulochan)"),
     "11 poorvaphalguni.jpg"},
    {QT_TRANSLATE_NOOP("modNakshatraInformation", "Uttara Phalguni"),
     QT_TRANSLATE_NOOP("modNakshatraInformation", "Group Four (Andhaksh)"),
     "12 uttaraphalguni.jpg"},
    {QT_TRANSLATE_NOOP("modNakshatraInformation", "Hasta"),
     QT_TRANSLATE_NOOP("modNakshatraInformation", "Group One (Mandaksh)"), "13 hasta.jpg"},
    {QT_TRANSLATE_NOOP("modNakshatraInformation", "Chitra"),
     QT_TRANSLATE_NOOP("modNakshatraInformation", "Group Two (Madhayaksh)"), "14 chitra.jpg"},
    {QT_TRANSLATE_NOOP("modNakshatraInformation", "Swati"),
     QT_TRANSLATE_NOOP("modNakshatraInformation", "Group Three (Sulochan)"), "15 swati.jpg"},
    {QT_TRANSLATE_NOOP("modNakshatraInformation", "Vishakha"),
     QT_TRANSLATE_NOOP("modNakshatraInformation", "Group Four (Andhaksh)"), "16 vishakha.jpg"},
    {QT_TRANSLATE_NOOP("modNakshatraInformation", "Anuradha"),
     QT_TRANSLATE_NOOP("modNakshatraInformation", "Group One (Mandaksh)"), "17 anuradha.jpg"},
    {QT_TRANSLATE_NOOP("modNakshatraInformation", "Jyeshtha"),
     QT_TRANSLATE_NOOP("modNakshatraInformation", "Group Two (Madhayaksh)"), "18 jyeshtha.jpg"},
    {QT_TRANSLATE_NOOP("modNakshatraInformation", "Moola"),
     QT_TRANSLATE_NOOP("modNakshatraInformation", "Group Three (Sulochan)"), "19 moola.jpg"},
    {QT_TRANSLATE_NOOP("modNakshatraInformation", "Purva Ashadha"),
     QT_TRANSLATE_NOOP("modNakshatraInformation", "Group Two (Madhayaksh)"), "20 purvaashadha.jpg"},
    {QT_TRANSLATE_NOOP("modNakshatraInformation", "Uttara Ashadha"),
     QT_TRANSLATE_NOOP("modNakshatraInformation", "Group One (Mandaksh)"), "21 uttaraashadha.jpg"},
    {QT_TRANSLATE_NOOP("modNakshatraInformation", "Shravana"),
     QT_TRANSLATE_NOOP("modNakshatraInformation", "Group Three (Sulochan)"), "22 shravana.jpg"},
    {QT_TRANSLATE_NOOP("modNakshatraInformation", "Dhanistha"),
     QT_TRANSLATE_NOOP("modNakshatraInformation", "Group Four (Andhaksh)"), "23 dhanistha.jpg"},
    {QT_TRANSLATE_NOOP("modNakshatraInformation", "Shatabhisha"),
     QT_TRANSLATE_NOOP("modNakshatraInformation", "Group One (Mandaksh)"), "24 shatabhisha.jpg"},
    {QT_TRANSLATE_NOOP("modNakshatraInformation", "Poorva Bhadrapada"),
     QT_TRANSLATE_NOOP("modNakshatraInformation", "Group Four (Andhaksh)"),
     "25 poorvabhadrapada.jpg"},
    {QT_TRANSLATE_NOOP("modNakshatraInformation", "Uttara Bhadrapada"),
     QT_TRANSLATE_NOOP("modNakshatraInformation", "Group Three (Sulochan)"),
     "26 uttarabhadrapada.jpg"},
    {QT_TRANSLATE_NOOP("modNakshatraInformation", "Revati"),
     QT_TRANSLATE_NOOP("modNakshatraInformation", "Group Four (Andhaksh)"), "27 revati.jpg"},
}};

struct GroupVerdict {
    std::string_view group;
    std::string_view characteristics;
    std::string_view search;
    std::string_view fewWords; // the verdict in a few words, for a neighbouring reading
};

// The four groups' verdicts, in the order One, Two, Three, Four.
inline constexpr std::array<GroupVerdict, 4> GroupVerdictTable{{
    {QT_TRANSLATE_NOOP("modNakshatraInformation", "Group One (Mandaksh)"),
     QT_TRANSLATE_NOOP(
         "modNakshatraInformation",
         "Things lost during this group have gone towards South direction and will be retieved "
         "only after much effort."),
     QT_TRANSLATE_NOOP(
         "modNakshatraInformation",
         "Search in the south direction to find the lost object. You will need to make a lot of "
         "effort to find the object."),
     QT_TRANSLATE_NOOP("modNakshatraInformation", "search to the south; found after much effort")},
    {QT_TRANSLATE_NOOP("modNakshatraInformation", "Group Two (Madhayaksh)"),
     QT_TRANSLATE_NOOP(
         "modNakshatraInformation",
         "Things lost during this group have gone to westernside and will not be available even "
         "after being traced."),
     QT_TRANSLATE_NOOP(
         "modNakshatraInformation",
         "Search in the west direction to find the lost object. You will need to make a lot of "
         "effort but may not be able to use the object once found."),
     QT_TRANSLATE_NOOP("modNakshatraInformation",
                       "search to the west; may not be usable once found")},
    {QT_TRANSLATE_NOOP("modNakshatraInformation", "Group Three (Sulochan)"),
     QT_TRANSLATE_NOOP(
         "modNakshatraInformation",
         "Things lost during this group goes towards North direction and are neither traced nor "
         "recovered."),
     QT_TRANSLATE_NOOP(
         "modNakshatraInformation",
         "Search in the north direction to find the lost object. You may not find the object."),
     QT_TRANSLATE_NOOP("modNakshatraInformation", "search to the north; may not be found")},
    {QT_TRANSLATE_NOOP("modNakshatraInformation", "Group Four (Andhaksh)"),
     QT_TRANSLATE_NOOP(
         "modNakshatraInformation",
         "Things lost during this period have gone to the eastern side and will be recovered "
         "shortly."),
     QT_TRANSLATE_NOOP(
         "modNakshatraInformation",
         "Search in the east direction to find the lost object. You will find the lost object "
         "soon."),
     QT_TRANSLATE_NOOP("modNakshatraInformation", "search to the east; found soon")},
}};

} // namespace modNakshatraInformation
