// The built kl4_lang.dll, loaded by file name and read through its exports,
// as the installer reads it.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

class LanguageModule {
public:
    LanguageModule() : module_(LoadLibraryA(BIN_DIR "\\kl4_lang.dll")) {}
    ~LanguageModule()
    {
        if (module_) FreeLibrary(module_);
    }
    LanguageModule(const LanguageModule&) = delete;
    LanguageModule& operator=(const LanguageModule&) = delete;

    bool Loaded() const { return module_ != nullptr; }
    FARPROC Export(const char* name) const { return module_ ? GetProcAddress(module_, name) : nullptr; }

    // Through void (*)(): GetProcAddress's own function type says nothing.
    template <typename Function>
    Function Entry(const char* name) const
    {
        return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(Export(name)));
    }

    // A data export is the array itself, so its address is the table.
    const char* const* Table(const char* name) const
    {
        return reinterpret_cast<const char* const*>(Export(name));
    }
    const char* Text(const char* name) const { return reinterpret_cast<const char*>(Export(name)); }

private:
    HMODULE module_;
};

// The sixteen exported text tables.
inline const char* const kTableNames[] = {
    "eAlertErrorText", "eButtonText",   "eCaptionTexts",  "eDateOnlyFormats", "eDateTimeFormats",
    "eDayNames",       "eDefaultNames", "eDefaultPaths",  "eFileSearchTexts", "eMessageText",
    "eMonthNames",     "eProfileTitle", "eRelativePaths", "eTimeNames",       "eTimeOnlyFormats",
    "eUniTexts",
};

// Rows before the end marker "\x04". A table that has no marker within a
// sane length yields no rows at all, so that its row count fails loudly
// instead of the walk running off through memory.
inline std::vector<const char*> Rows(const char* const* table)
{
    constexpr size_t kSaneLength = 64;
    std::vector<const char*> rows;
    if (!table) return rows;
    for (size_t i = 0; i < kSaneLength; ++i) {
        if (std::strcmp(table[i], "\x04") == 0) return rows;
        rows.push_back(table[i]);
    }
    return {};
}

// Every text of the library, the table rows and eApplicationName, by value.
inline std::vector<std::string> AllTexts(const LanguageModule& library)
{
    std::vector<std::string> texts;
    if (const char* name = library.Text("eApplicationName")) texts.emplace_back(name);
    for (const char* table : kTableNames)
        for (const char* row : Rows(library.Table(table))) texts.emplace_back(row);
    return texts;
}
