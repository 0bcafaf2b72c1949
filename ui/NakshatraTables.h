#pragma once

#include <array>
#include <string_view>

namespace modNakshatraInformation {

struct NakshatraRow {
    std::string_view name;       // as the engine names it
    std::string_view group;      // a group of GroupVerdictTable
    std::string_view pictureKey; // the picture's key in the image list
};

// The 27 nakshatras in order; the picture of row i is image number i + 1. The groups follow
// no cycle after Moola: the table decides.
inline constexpr std::array<NakshatraRow, 27> NakshatraGroupTable{{
    {"Ashwini", "Group One (Mandaksh)", "01 ashwini.jpg"},
    {"Bharani", "Group Two (Madhayaksh)", "02 bharani.jpg"},
    {"Krittika", "Group Three (Sulochan)", "03 krittika.jpg"},
    {"Rohini", "Group Four (Andhaksh)", "04 rohini.jpg"},
    {"Mrigasira", "Group One (Mandaksh)", "05 mrigasira.jpg"},
    {"Ardra", "Group Two (Madhayaksh)", "06 ardra.jpg"},
    {"Punarvasu", "Group Three (Sulochan)", "07 punarvasu.jpg"},
    {"Pushya", "Group Four (Andhaksh)", "08 pushya.jpg"},
    {"Ashlesha", "Group One (Mandaksh)", "09 ashlesha.jpg"},
    {"Magha", "Group Two (Madhayaksh)", "10 magha.jpg"},
    {"Poorva Phalguni", "Group Three (Sulochan)", "11 poorvaphalguni.jpg"},
    {"Uttara Phalguni", "Group Four (Andhaksh)", "12 uttaraphalguni.jpg"},
    {"Hasta", "Group One (Mandaksh)", "13 hasta.jpg"},
    {"Chitra", "Group Two (Madhayaksh)", "14 chitra.jpg"},
    {"Swati", "Group Three (Sulochan)", "15 swati.jpg"},
    {"Vishakha", "Group Four (Andhaksh)", "16 vishakha.jpg"},
    {"Anuradha", "Group One (Mandaksh)", "17 anuradha.jpg"},
    {"Jyeshtha", "Group Two (Madhayaksh)", "18 jyeshtha.jpg"},
    {"Moola", "Group Three (Sulochan)", "19 moola.jpg"},
    {"Purva Ashadha", "Group Two (Madhayaksh)", "20 purvaashadha.jpg"},
    {"Uttara Ashadha", "Group One (Mandaksh)", "21 uttaraashadha.jpg"},
    {"Shravana", "Group Three (Sulochan)", "22 shravana.jpg"},
    {"Dhanistha", "Group Four (Andhaksh)", "23 dhanistha.jpg"},
    {"Shatabhisha", "Group One (Mandaksh)", "24 shatabhisha.jpg"},
    {"Poorva Bhadrapada", "Group Four (Andhaksh)", "25 poorvabhadrapada.jpg"},
    {"Uttara Bhadrapada", "Group Three (Sulochan)", "26 uttarabhadrapada.jpg"},
    {"Revati", "Group Four (Andhaksh)", "27 revati.jpg"},
}};

struct GroupVerdict {
    std::string_view group;
    std::string_view characteristics;
    std::string_view search;
    std::string_view fewWords; // the verdict in a few words, for a neighbouring reading
};

// The four groups' verdicts, in the order One, Two, Three, Four.
inline constexpr std::array<GroupVerdict, 4> GroupVerdictTable{{
    {"Group One (Mandaksh)",
     "Things lost during this group have gone towards South direction and will be retieved "
     "only after much effort.",
     "Search in the south direction to find the lost object. You will need to make a lot of "
     "effort to find the object.",
     "search to the south; found after much effort"},
    {"Group Two (Madhayaksh)",
     "Things lost during this group have gone to westernside and will not be available even "
     "after being traced.",
     "Search in the west direction to find the lost object. You will need to make a lot of "
     "effort but may not be able to use the object once found.",
     "search to the west; may not be usable once found"},
    {"Group Three (Sulochan)",
     "Things lost during this group goes towards North direction and are neither traced nor "
     "recovered.",
     "Search in the north direction to find the lost object. You may not find the object.",
     "search to the north; may not be found"},
    {"Group Four (Andhaksh)",
     "Things lost during this period have gone to the eastern side and will be recovered "
     "shortly.",
     "Search in the east direction to find the lost object. You will find the lost object "
     "soon.",
     "search to the east; found soon"},
}};

} // namespace modNakshatraInformation
