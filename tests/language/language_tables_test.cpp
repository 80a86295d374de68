// The exported text tables of kl4_lang.dll, read from the built library:
// their lengths, shared rows, code page, format conversions and the shape
// of the calendar patterns.
#include "tests/language/language_module.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

class LanguageTables : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(library_.Loaded()) << "cannot load " BIN_DIR "\\kl4_lang.dll"; }

    std::vector<const char*> RowsOf(const char* table) const
    {
        const char* const* rows = library_.Table(table);
        EXPECT_NE(rows, nullptr) << table << " is not exported";
        return Rows(rows);
    }

    LanguageModule library_;
};

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The conversions of a text read as a printf format, in order, each written
// with its length modifier ("%s", "%d", "%ld"); anything after a lone
// percent sign comes out too, so "%%" or a trailing "%" cannot hide.
std::vector<std::string> Conversions(const char* text)
{
    std::vector<std::string> found;
    for (const char* p = text; *p; ++p) {
        if (*p != '%') continue;
        std::string conversion = "%";
        ++p;
        while (*p && std::strchr("-+ #0123456789.lhL", *p)) conversion += *p++;
        if (!*p) {
            found.push_back(conversion);
            break;
        }
        conversion += *p;
        found.push_back(conversion);
    }
    return found;
}

TEST_F(LanguageTables, EveryTableEndsAfterItsRows)
{
    const struct {
        const char* table;
        size_t rows;
    } kCases[] = {
        {"eButtonText", 15},      {"eAlertErrorText", 12},  {"eCaptionTexts", 3},     {"eUniTexts", 13},
        {"eFileSearchTexts", 10}, {"eDefaultNames", 15},    {"eDefaultPaths", 3},     {"eRelativePaths", 7},
        {"eProfileTitle", 6},     {"eMessageText", 33},     {"eMonthNames", 12},      {"eDayNames", 7},
        {"eTimeNames", 2},        {"eDateTimeFormats", 12}, {"eDateOnlyFormats", 12}, {"eTimeOnlyFormats", 12},
    };
    for (const auto& c : kCases) EXPECT_EQ(RowsOf(c.table).size(), c.rows) << c.table;
}

TEST_F(LanguageTables, LastButtonLabelIsARealEmptyRow)
{
    const std::vector<const char*> rows = RowsOf("eButtonText");
    ASSERT_EQ(rows.size(), 15u);
    EXPECT_STREQ(rows[14], "");
    for (size_t i = 0; i < 14; ++i) EXPECT_NE(rows[i][0], '\0') << "row " << i;
}

TEST_F(LanguageTables, RepeatedTextsAreOneSharedString)
{
    const std::vector<const char*> names = RowsOf("eDefaultNames");
    const std::vector<const char*> messages = RowsOf("eMessageText");
    const std::vector<const char*> profile = RowsOf("eProfileTitle");
    const std::vector<const char*> words = RowsOf("eUniTexts");
    ASSERT_EQ(names.size(), 15u);
    ASSERT_EQ(messages.size(), 33u);
    ASSERT_EQ(profile.size(), 6u);
    ASSERT_EQ(words.size(), 13u);

    for (size_t row : {2, 3, 4}) EXPECT_EQ(names[row], names[1]) << "eDefaultNames row " << row;
    EXPECT_NE(names[0], names[1]);
    EXPECT_EQ(messages[28], messages[17]);
    EXPECT_EQ(profile[3], words[8]);
}

TEST_F(LanguageTables, RowsWithoutEndMarkerByte)
{
    // 0x04 marks the end of a table; inside a row it would cut the table
    // short for a reader that compares only the first byte.
    for (const std::string& text : AllTexts(library_)) EXPECT_EQ(text.find('\x04'), std::string::npos) << text;
}

TEST_F(LanguageTables, TextsAreSingleByteCodePage1252)
{
    // Compiled from UTF-8 without the code page conversion, every umlaut
    // would turn into a two-byte sequence led by 0xC3 (0xC2 for ®).
    const std::string allowedHigh = "\xE4\xF6\xFC\xDF\xAE";
    const std::vector<std::string> texts = AllTexts(library_);
    ASSERT_FALSE(texts.empty());
    for (const std::string& text : texts) {
        for (unsigned char byte : text) {
            if (byte >= 0x80) {
                EXPECT_NE(allowedHigh.find(static_cast<char>(byte)), std::string::npos)
                    << "byte 0x" << std::hex << int(byte) << " in: " << text;
            } else if (byte < 0x20) {
                EXPECT_EQ(byte, '\n') << "control byte " << int(byte) << " in: " << text;
            }
        }
    }

    const std::vector<const char*> buttons = RowsOf("eButtonText");
    const std::vector<const char*> months = RowsOf("eMonthNames");
    ASSERT_EQ(buttons.size(), 15u);
    ASSERT_EQ(months.size(), 12u);
    EXPECT_STREQ(buttons[4], "&Zur\xFC" "ck");
    EXPECT_STREQ(buttons[12], "&Schlie\xDF" "en");
    EXPECT_EQ(std::strlen(months[2]), 4u);
    EXPECT_EQ(static_cast<unsigned char>(months[2][1]), 0xE4);
    const char* title = library_.Text("eApplicationName");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(std::string(title).find("Quillstone\xAE KARTOLIN 4"), 0u);
}

TEST_F(LanguageTables, ConversionsAreExactlyThePlaceholders)
{
    const std::vector<std::string> none;
    const std::vector<std::string> oneString = {"%s"};
    std::map<std::string, std::map<size_t, std::vector<std::string>>> expected;
    for (size_t row = 0; row < 12; ++row) expected["eAlertErrorText"][row] = oneString;
    expected["eDefaultNames"] = {{9, {"%d"}}, {10, {"%d"}}};
    expected["eMessageText"] = {
        {2, {"%ld"}},
        {6, {"%d"}},
        {9, {"%s", "%s"}},
        {15, {"%s"}},
        {16, {"%s"}},
        {18, {"%d", "%s"}},
        {22, {"%s", "%s", "%s", "%d"}},
        {30, {"%s"}},
        {31, {"%s"}},
        {32, {"%d", "%s"}},
    };

    for (const char* table : kTableNames) {
        const std::vector<const char*> rows = RowsOf(table);
        ASSERT_FALSE(rows.empty()) << table;
        for (size_t row = 0; row < rows.size(); ++row) {
            const auto found = expected[table].find(row);
            const std::vector<std::string>& want = found == expected[table].end() ? none : found->second;
            EXPECT_EQ(Conversions(rows[row]), want) << table << " row " << row;
            if (want.empty()) {
                // Used as a format, a row without placeholders must come out as it is.
                char formatted[1100] = {};
                ASSERT_LT(std::strlen(rows[row]), 1024u) << table << " row " << row;
                wsprintfA(formatted, rows[row]);
                EXPECT_STREQ(formatted, rows[row]) << table << " row " << row;
            }
        }
    }

    const char* title = library_.Text("eApplicationName");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(std::strchr(title, '%'), nullptr);
}

TEST_F(LanguageTables, FileNameStandsOnALineOfItsOwn)
{
    const std::vector<const char*> rows = RowsOf("eAlertErrorText");
    ASSERT_EQ(rows.size(), 12u);
    for (size_t row = 0; row < rows.size(); ++row) {
        const std::vector<std::string> lines = Lines(rows[row]);
        const std::string own = row == 9 ? "%s." : "%s";
        EXPECT_EQ(std::count(lines.begin(), lines.end(), own), 1) << "row " << row;
    }
}

TEST_F(LanguageTables, RemovalQuestionFormatsToNineteenLines)
{
    const std::vector<const char*> messages = RowsOf("eMessageText");
    ASSERT_EQ(messages.size(), 33u);
    char text[1024] = {};
    const int length = wsprintfA(text, messages[22], "C:\\KRTLN4", "D:\\ZEICHNUNGEN", "E:\\BIBLIOTHEK", 1234);
    ASSERT_GT(length, 0);

    const std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), 19u) << text;
    EXPECT_EQ(lines[2], "C:\\KRTLN4");
    EXPECT_EQ(lines[4], "D:\\ZEICHNUNGEN");
    EXPECT_EQ(lines[5], "E:\\BIBLIOTHEK");
    EXPECT_NE(lines[6].find(" 1234 "), std::string::npos) << lines[6];
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i == 6) continue;
        EXPECT_EQ(lines[i].find("1234"), std::string::npos) << "line " << i + 1;
    }
}

TEST_F(LanguageTables, MessageTextsHaveTheirShape)
{
    const std::vector<const char*> messages = RowsOf("eMessageText");
    ASSERT_EQ(messages.size(), 33u);
    // Only rows 3 and 23 end with a blank line; a lost or added line feed at
    // the end would change how the installer's box reads.
    for (size_t row = 0; row < messages.size(); ++row) {
        const std::string text = messages[row];
        const bool blankLineAtEnd = text.size() >= 2 && text.compare(text.size() - 2, 2, "\n\n") == 0;
        EXPECT_EQ(blankLineAtEnd, row == 3 || row == 23) << "row " << row;
    }
    // The closing notice is ours to word; it must at least say something.
    EXPECT_GT(std::strlen(messages[19]), 20u);
}

TEST_F(LanguageTables, PathsEndWithOneBackslash)
{
    for (const char* path : RowsOf("eDefaultPaths")) {
        const std::string text = path;
        ASSERT_GE(text.size(), 3u);
        EXPECT_EQ(text.substr(1, 2), ":\\") << text;
        EXPECT_EQ(text.back(), '\\') << text;
    }
    for (const char* folder : RowsOf("eRelativePaths")) {
        const std::string text = folder;
        ASSERT_GE(text.size(), 2u);
        EXPECT_NE(text.front(), '\\') << text;
        EXPECT_EQ(text.back(), '\\') << text;
        EXPECT_EQ(text.find("\\\\"), std::string::npos) << text;
        EXPECT_TRUE(std::none_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; })) << text;
    }
    const std::vector<const char*> titles = RowsOf("eProfileTitle");
    ASSERT_EQ(titles.size(), 6u);
    for (size_t row : {0, 1}) {
        const std::string text = titles[row];
        EXPECT_EQ(std::count(text.begin(), text.end(), '\\'), 1) << text;
        EXPECT_NE(text.front(), '\\');
        EXPECT_NE(text.back(), '\\');
    }
}

TEST_F(LanguageTables, FileTypesEndWithTheirPatternInParentheses)
{
    for (const char* type : RowsOf("eFileSearchTexts")) {
        const std::string text = type;
        const size_t open = text.rfind(" (*.");
        ASSERT_NE(open, std::string::npos) << text;
        EXPECT_GT(open, 0u) << text;
        EXPECT_EQ(text.back(), ')') << text;
        EXPECT_EQ(text.find_first_of("()", open + 2), text.size() - 1) << text;
    }
}

TEST_F(LanguageTables, CalendarNames)
{
    const std::vector<const char*> months = RowsOf("eMonthNames");
    const std::vector<const char*> days = RowsOf("eDayNames");
    const std::vector<const char*> halves = RowsOf("eTimeNames");
    ASSERT_EQ(months.size(), 12u);
    ASSERT_EQ(days.size(), 7u);
    ASSERT_EQ(halves.size(), 2u);
    EXPECT_STREQ(months[0], "Januar");
    EXPECT_STREQ(months[4], "Mai");
    EXPECT_STREQ(months[11], "Dezember");
    EXPECT_STREQ(days[0], "Sonntag");
    EXPECT_STREQ(days[6], "Sonnabend");
    EXPECT_STREQ(halves[0], "am");
    EXPECT_STREQ(halves[1], "pm");
    std::set<std::string> distinct(months.begin(), months.end());
    distinct.insert(days.begin(), days.end());
    EXPECT_EQ(distinct.size(), 19u);
}

class CalendarPatterns : public LanguageTables {
protected:
    void SetUp() override
    {
        LanguageTables::SetUp();
        dates_ = RowsOf("eDateOnlyFormats");
        times_ = RowsOf("eTimeOnlyFormats");
        both_ = RowsOf("eDateTimeFormats");
        ASSERT_EQ(dates_.size(), 12u);
        ASSERT_EQ(times_.size(), 12u);
        ASSERT_EQ(both_.size(), 12u);
    }

    std::vector<const char*> dates_, times_, both_;
};

// The placeholder letters of a pattern, in order; '\0' for a "#" that ends it.
std::string PlaceholderLetters(const std::string& pattern)
{
    std::string letters;
    for (size_t i = 0; i < pattern.size(); ++i)
        if (pattern[i] == '#') letters += i + 1 < pattern.size() ? pattern[++i] : '\0';
    return letters;
}

TEST_F(CalendarPatterns, DateTimeIsDateCommaTime)
{
    for (size_t row = 0; row < 12; ++row)
        EXPECT_EQ(std::string(both_[row]), std::string(dates_[row]) + ", " + times_[row]) << "row " << row;
    EXPECT_EQ(std::set<std::string>(both_.begin(), both_.end()).size(), 12u);
}

TEST_F(CalendarPatterns, RepeatedHalvesAreOneSharedString)
{
    const std::vector<std::vector<size_t>> dateGroups = {{0}, {1}, {2}, {3, 4, 5}, {6, 7}, {8, 9}, {10, 11}};
    const std::vector<std::vector<size_t>> timeGroups = {{0, 1, 2, 3}, {4, 6, 8, 10}, {5, 7, 9, 11}};
    const struct {
        const char* table;
        const std::vector<const char*>& rows;
        const std::vector<std::vector<size_t>>& groups;
    } kTables[] = {{"eDateOnlyFormats", dates_, dateGroups}, {"eTimeOnlyFormats", times_, timeGroups}};

    for (const auto& t : kTables) {
        for (const auto& group : t.groups)
            for (size_t row : group) EXPECT_EQ(t.rows[row], t.rows[group.front()]) << t.table << " row " << row;
        // Rows of different groups differ, as texts too.
        std::set<std::string> texts(t.rows.begin(), t.rows.end());
        std::set<const char*> pointers(t.rows.begin(), t.rows.end());
        EXPECT_EQ(texts.size(), t.groups.size()) << t.table;
        EXPECT_EQ(pointers.size(), t.groups.size()) << t.table;
    }
}

TEST_F(CalendarPatterns, PlaceholdersUseTheLettersOfTheirHalf)
{
    for (size_t row = 0; row < 12; ++row) {
        SCOPED_TRACE("row " + std::to_string(row));
        const std::string date = PlaceholderLetters(dates_[row]);
        const std::string time = PlaceholderLetters(times_[row]);
        EXPECT_EQ(date.find_first_not_of("DdOoYy"), std::string::npos) << dates_[row];
        EXPECT_EQ(time.find_first_not_of("hamp"), std::string::npos) << times_[row];

        const auto count = [](const std::string& letters, const char* set) {
            return std::count_if(letters.begin(), letters.end(),
                                 [set](char c) { return c != '\0' && std::strchr(set, c); });
        };
        EXPECT_EQ(count(date, "d"), 1);
        EXPECT_EQ(count(date, "Oo"), 1);
        EXPECT_EQ(count(date, "Yy"), 1);
        EXPECT_EQ(count(date, "D"), row == 0 ? 1 : 0);
        EXPECT_EQ(count(time, "ha"), 1);
        EXPECT_EQ(count(time, "m"), 1);
        EXPECT_EQ(count(time, "p"), count(time, "a"));
        EXPECT_EQ(PlaceholderLetters(both_[row]), date + time) << both_[row];
    }
}

}  // namespace
