// Calendar tables of the language library (filled in by the tables' author).
#include "language/language_tables.h"

extern "C" {
const char* const eMonthNames[] = {"\x04"};
const char* const eDayNames[] = {"\x04"};
const char* const eTimeNames[] = {"\x04"};
const char* const eDateTimeFormats[] = {"\x04"};
const char* const eDateOnlyFormats[] = {"\x04"};
const char* const eTimeOnlyFormats[] = {"\x04"};
}
