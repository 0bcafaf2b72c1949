#pragma once

#include "ProgramInfo.h"
#include "platform/UiText.h"

// The program's texts that name it, as translatable sources; in English they read as
// ProgramInfo's own.
namespace ProgramTexts {

// ProgramInfo::Description.
inline constexpr uiText::Source Description{
    "ProgramInfo",
    QT_TRANSLATE_NOOP("ProgramInfo",
                      "%1 helps you find objects that have been misplaced on the basis of "
                      "calculation of the constellation the moon was placed in on the day of "
                      "loss."),
    ProgramInfo::Name};

} // namespace ProgramTexts
