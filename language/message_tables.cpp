// Message and name tables of the language library (filled in by the tables' author).
#include "language/language_tables.h"

extern "C" {
const char eApplicationName[] = "";
const char* const eButtonText[] = {"\x04"};
const char* const eAlertErrorText[] = {"\x04"};
const char* const eCaptionTexts[] = {"\x04"};
const char* const eUniTexts[] = {"\x04"};
const char* const eFileSearchTexts[] = {"\x04"};
const char* const eDefaultNames[] = {"\x04"};
const char* const eDefaultPaths[] = {"\x04"};
const char* const eRelativePaths[] = {"\x04"};
const char* const eProfileTitle[] = {"\x04"};
const char* const eMessageText[] = {"\x04"};
}
