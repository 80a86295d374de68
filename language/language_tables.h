// The exported text tables of the language library. Every table is an array
// of texts ended by the entry "\x04"; eApplicationName is a plain text.
#pragma once

// The end marker of every table. An empty text before it is a real row.
inline constexpr char kTableEnd[] = "\x04";

extern "C" {
extern const char eApplicationName[];
extern const char* const eButtonText[];
extern const char* const eAlertErrorText[];
extern const char* const eCaptionTexts[];
extern const char* const eUniTexts[];
extern const char* const eFileSearchTexts[];
extern const char* const eDefaultNames[];
extern const char* const eDefaultPaths[];
extern const char* const eRelativePaths[];
extern const char* const eProfileTitle[];
extern const char* const eMessageText[];
extern const char* const eMonthNames[];
extern const char* const eDayNames[];
extern const char* const eTimeNames[];
extern const char* const eDateTimeFormats[];
extern const char* const eDateOnlyFormats[];
extern const char* const eTimeOnlyFormats[];
}
