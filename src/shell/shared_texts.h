#pragma once

#include "shell/version.h"

#include <QString>

// Texts that more than one window shows, each defined once: the commands of
// the common buttons and the table window's menu, and the names of windows
// as other windows name them.
namespace vielnis::texts {

// The program's name with its version: the start window's caption.
inline constexpr const char *kProgramTitle = "Vielnis " VIELNIS_VERSION;

// Commands: the common buttons' tooltips and the table window's menu items.
inline constexpr const char *kBack = "Atpakaļ!";
inline constexpr const char *kMinimise = "Minimizēt!";
inline constexpr const char *kExit = "Iziet!";

// Window names: captions, menu items, the legend button's tooltip.
inline constexpr const char *kLegend = "Apzīmējumi";
inline constexpr const char *kAuthors = "Par autoriem";
inline constexpr const char *kBiography = "D. Mendeļejevs";
inline constexpr const char *kHelp = "Palīgs";
inline constexpr const char *kAbout = "Par programmu";

// Section headings: the start window's entries and the sections' titles.
inline constexpr const char *kPeriodicTableHeading = "ĶĪMISKO ELEMENTU PERIODISKĀ TABULA";
inline constexpr const char *kMetalSeriesHeading = "METĀLU ELEKTROĶĪMISKĀ SPRIEGUMU RINDA";
inline constexpr const char *kNonmetalSeriesHeading = "NEMETĀLU ELEKTRONEGATIVITĀTES RINDA";
inline constexpr const char *kAcidSeriesHeading = "SKĀBJU AKTIVITĀTES RINDA";

// The text with a menu access key ('&') before its character at the given
// place: withAccessKey("Iziet!", 3) is "Izi&et!".
inline QString withAccessKey(const char *text, qsizetype at) {
    return QString::fromUtf8(text).insert(at, QLatin1Char('&'));
}

} // namespace vielnis::texts
