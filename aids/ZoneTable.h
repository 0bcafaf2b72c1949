#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The named time zones of the picker, in the order the list shows them. The values are
// whole hours and minutes west of Greenwich, signed; the minutes carry the sign of the hours.
// "Indian Time, IST, +5.3" means five and a half hours east, hence -5 and -30.
namespace ZoneTable {

struct Zone {
    std::u16string_view listText;
    std::int16_t hourValue;
    std::int16_t minuteValue;
};

inline constexpr std::array<Zone, 71> Zones = {{
    {u"Alaska/Hawaii Daylight Time,AHDT,-9.0", 9, 0},
    {u"Alaska/Hawaii Standard Time,AHST,-10.0", 10, 0},
    {u"Alaska/Hawaii War Time,AHWT,-9.0", 9, 0},
    {u"Atlantic Standard Time,AST,-4.0", 4, 0},
    {u"Atlantic War Time,AWT,-3.0", 3, 0},
    {u"Australian Central Daylight Time,ACDT,+10.5", -10, -30},
    {u"Australian Central Standard Time,ACST,+9.5", -9, -30},
    {u"Australian Eastern Daylight Time,AEDT,+11.0", -11, 0},
    {u"Australian Eastern Standard Time,AEST,+10.0", -10, 0},
    {u"Australian Western Daylight Time,AWDT,+9.0", -9, 0},
    {u"Australian Western Standard Time,AWST,+8.0", -8, 0},
    {u"Azores Time, AT, -2.0", 2, 0},
    {u"Baghdad Time, BAT, +3.0", -3, 0},
    {u"Bering Standard Time,BET,-11.0", 11, 0},
    {u"Brazil Zone 2,BZT2,-3.0", 3, 0},
    {u"British Double Summer Time,BDST,+2.0", -2, 0},
    {u"British Summer Time,BST,+1.0", -1, 0},
    {u"British War Time,BWT,+2.0", -2, 0},
    {u"Central Daylight Time,CDT,-5.0", 5, 0},
    {u"Central European Daylight,CED,+2.0", -2, 0},
    {u"Central European Time,CET,+1.0", -1, 0},
    {u"Central Standard Time,CST,-6.0", 6, 0},
    {u"Central War Time,CWT,-5.0", 5, 0},
    {u"China Coast Time,CCT,+8.0", -8, 0},
    {u"Eastern Daylight Time,EDT,-4.0", 4, 0},
    {u"Eastern European Daylight Time,EED,+3.0", -3, 0},
    {u"Eastern European Time,EET,+2.0", -2, 0},
    {u"Eastern Standard Time,EST,-5.0", 5, 0},
    {u"Eastern War Time,EWT,-4.0", 4, 0},
    {u"Greenwich Mean Time,GMT,0.0", 0, 0},
    {u"Guam Standard Time,GST,+10.0", -10, 0},
    {u"Hawaiian Daylight Time,HDT,-9.5", 9, 30},
    {u"Hawaiian Standard Time,HST,-10.5", 10, 30},
    {u"Hawaiian War Time,HWT,-9.5", 9, 30},
    {u"Indian Time, IST, +5.3", -5, -30},
    {u"Int'l Date Line East,IDLE,+12.0", -12, 0},
    {u"Int'l Date Line West,IDLW,-12.0", 12, 0},
    {u"Iran Time, IT, +3.5", -3, -30},
    {u"Japan Standard Time,JST,+9.0", -9, 0},
    {u"Java Time, JT, +7.5", -7, -30},
    {u"Middle European Daylight Time,MED,+2.0", -2, 0},
    {u"Middle European Time,MET,+1.0", -1, 0},
    {u"Moluccas Time, MT, +8.5", -8, -30},
    {u"Mountain Daylight Time,MDT,-6.0", 6, 0},
    {u"Mountain Standard Time,MST,-7.0", 7, 0},
    {u"Mountain War Time,MWT,-6.0", 6, 0},
    {u"New Zealand Std Summer Time,NZST,+13.0", -13, 0},
    {u"New Zealand Std Time,NZT,+12.0", -12, 0},
    {u"New Zealand Summer Time,NZS,+12.5", -12, -30},
    {u"New Zealand Time,NZ,+11.5", -11, -30},
    {u"Newfoundland Standard Time,NST,-3.5", 3, 30},
    {u"Nome Time, NT, -11.0", 11, 0},
    {u"North Sumatra Time,NST,+6.5", -6, -30},
    {u"Pacific Daylight Time,PDT,-7.0", 7, 0},
    {u"Pacific Standard Time,PST,-8.0", 8, 0},
    {u"Pacific War Time,PWT,-7.0", 7, 0},
    {u"South Australia Daylight Time,SAD,+10.5", -10, -30},
    {u"South Australia Daylight Time,SDT,+10.5", -10, -30},
    {u"South Australia Standard Time,SAST,+9.5", -9, -30},
    {u"South Australia Standard Time,SAT,+9.5", -9, -30},
    {u"South Sumatra Time,SST,+7.0", -7, 0},
    {u"Universal Time, UT, 0.0", 0, 0},
    {u"USSR Zone 10,UZ10,+11.0", -11, 0},
    {u"USSR Zone 3,USZ3,+4.0", -4, 0},
    {u"USSR Zone 4,USZ4,+5.0", -5, 0},
    {u"USSR Zone 5,USZ5,+6.0", -6, 0},
    {u"USSR Zone 6,USZ6,+7.0", -7, 0},
    {u"West Africa Time,WAT,-1.0", 1, 0},
    {u"Yukon Daylight Time,YDT,-8.0", 8, 0},
    {u"Yukon Standard Time,YST,-9.0", 9, 0},
    {u"Yukon War Time,YWT,-8.0", 8, 0},
}};

} // namespace ZoneTable
