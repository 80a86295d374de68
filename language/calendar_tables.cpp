// Calendar tables of the language library: month, day and half-day names and
// the date and time patterns. A pattern placeholder is "#" and one letter;
// the installer fills them in.
#include "language/language_tables.h"

namespace {

// The date and time halves repeat across rows; each distinct one is stored
// once and every row that holds it points to the same string.
constexpr char kDateWeekday[] = "#D, #d. #O #Y";
constexpr char kDateLong[] = "#d. #O #Y";
constexpr char kDateDots[] = "#d.#o.#Y";
constexpr char kDateDotsShort[] = "#d.#o.#y";
constexpr char kDateDashes[] = "#d-#o-#y";
constexpr char kDateSlashes[] = "#o/#d/#Y";
constexpr char kDateSlashesShort[] = "#o/#d/#y";

constexpr char kTimeUhr[] = "#h.#m Uhr";
constexpr char kTimeHalfDay[] = "#a:#m #p";
constexpr char kTimeHours[] = "#h:#m h";

}  // namespace

extern "C" {

// January first.
const char* const eMonthNames[] = {
    "Januar", "Februar", "März", "April", "Mai", "Juni",
    "Juli", "August", "September", "Oktober", "November", "Dezember",
    kTableEnd,
};

// Sunday first.
const char* const eDayNames[] = {
    "Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Sonnabend",
    kTableEnd,
};

const char* const eTimeNames[] = {
    "am",
    "pm",
    kTableEnd,
};

// The three pattern tables run in parallel: row i of eDateTimeFormats is row i
// of eDateOnlyFormats, ", " and row i of eTimeOnlyFormats.
const char* const eDateOnlyFormats[] = {
    /*  0 */ kDateWeekday,
    /*  1 */ kDateLong,
    /*  2 */ kDateDots,
    /*  3 */ kDateDotsShort,
    /*  4 */ kDateDotsShort,
    /*  5 */ kDateDotsShort,
    /*  6 */ kDateDashes,
    /*  7 */ kDateDashes,
    /*  8 */ kDateSlashes,
    /*  9 */ kDateSlashes,
    /* 10 */ kDateSlashesShort,
    /* 11 */ kDateSlashesShort,
    kTableEnd,
};

const char* const eTimeOnlyFormats[] = {
    /*  0 */ kTimeUhr,
    /*  1 */ kTimeUhr,
    /*  2 */ kTimeUhr,
    /*  3 */ kTimeUhr,
    /*  4 */ kTimeHalfDay,
    /*  5 */ kTimeHours,
    /*  6 */ kTimeHalfDay,
    /*  7 */ kTimeHours,
    /*  8 */ kTimeHalfDay,
    /*  9 */ kTimeHours,
    /* 10 */ kTimeHalfDay,
    /* 11 */ kTimeHours,
    kTableEnd,
};

const char* const eDateTimeFormats[] = {
    /*  0 */ "#D, #d. #O #Y, #h.#m Uhr",
    /*  1 */ "#d. #O #Y, #h.#m Uhr",
    /*  2 */ "#d.#o.#Y, #h.#m Uhr",
    /*  3 */ "#d.#o.#y, #h.#m Uhr",
    /*  4 */ "#d.#o.#y, #a:#m #p",
    /*  5 */ "#d.#o.#y, #h:#m h",
    /*  6 */ "#d-#o-#y, #a:#m #p",
    /*  7 */ "#d-#o-#y, #h:#m h",
    /*  8 */ "#o/#d/#Y, #a:#m #p",
    /*  9 */ "#o/#d/#Y, #h:#m h",
    /* 10 */ "#o/#d/#y, #a:#m #p",
    /* 11 */ "#o/#d/#y, #h:#m h",
    kTableEnd,
};

}  // extern "C"
