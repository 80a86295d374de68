// Path operations. Scans go character by character (CharNextA), so a trail
// byte of a double-byte character is never taken for a separator or a dot.
#include "launcher/path_ops.h"

#include "launcher/launcher.h"

#include <cstring>

namespace {

constexpr int PART_LIMIT = 255;
constexpr int SHORTEN_FROM = 40;    // paths at least this long are shortened
constexpr int SHORTEN_BUDGET = 35;  // characters a shortened path aims for
constexpr int SHORTEN_SAVING = 6;   // a shortening must save at least this many
const char kElision[] = "\\...";

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

// Copies [begin, end) into out, cut to `limit` bytes without splitting a
// double-byte character. A null out is skipped.
void CopyPart(char* out, const char* begin, const char* end, int limit)
{
    if (!out) return;
    const char* stop = begin;
    for (const char* p = begin; p < end;) {
        const char* next = CharNextA(p);
        if (next - begin > limit) break;
        stop = p = next;
    }
    const size_t length = static_cast<size_t>(stop - begin);
    std::memcpy(out, begin, length);
    out[length] = '\0';
}

// Start of the last character of a non-empty text.
const char* LastChar(const char* text)
{
    return CharPrevA(text, text + std::strlen(text));
}

// Appends text to out (holding `used` bytes), never past PATH_BUFFER - 1.
void Append(char* out, size_t& used, const char* text)
{
    const char* end = text + std::strlen(text);
    const char* stop = text;
    for (const char* p = text; p < end;) {
        const char* next = CharNextA(p);
        if (used + static_cast<size_t>(next - text) > PATH_BUFFER - 1) break;
        stop = p = next;
    }
    const size_t length = static_cast<size_t>(stop - text);
    std::memcpy(out + used, text, length);
    used += length;
    out[used] = '\0';
}

}  // namespace

void SplitPathParts(const char* path, char* drive, char* folder, char* base, char* extension)
{
    const char* rest = path;
    if (path[0] && !IsDBCSLeadByte(static_cast<BYTE>(path[0])) && path[1] == ':') rest = path + 2;
    CopyPart(drive, path, rest, PART_LIMIT);

    const char* nameStart = rest;
    const char* lastDot = nullptr;
    for (const char* p = rest; *p; p = CharNextA(p)) {
        if (IsSeparator(*p)) nameStart = p + 1;
        else if (*p == '.') lastDot = p;
    }
    const char* end = nameStart + std::strlen(nameStart);
    const char* extensionStart = lastDot && lastDot >= nameStart ? lastDot : end;
    CopyPart(folder, rest, nameStart, PART_LIMIT);
    CopyPart(base, nameStart, extensionStart, PART_LIMIT);
    CopyPart(extension, extensionStart, end, PART_LIMIT);
}

void JoinPathParts(char* out, const char* drive, const char* folder, const char* base, const char* extension)
{
    size_t used = 0;
    out[0] = '\0';
    if (drive && *drive) {
        const char driveSpec[] = {drive[0], ':', '\0'};
        Append(out, used, driveSpec);
    }
    if (folder && *folder) {
        Append(out, used, folder);
        if (!IsSeparator(*LastChar(folder))) Append(out, used, "\\");
    }
    if (base) Append(out, used, base);
    if (extension && *extension) {
        if (*extension != '.') Append(out, used, ".");
        Append(out, used, extension);
    }
}

void AppendBackslash(char* path)
{
    const size_t length = std::strlen(path);
    if (length == 0 || length > PATH_BUFFER - 2) return;
    if (!IsSeparator(*LastChar(path))) std::strcat(path, "\\");
}

void GetPathFolder(const char* path, char* folder)
{
    char drive[PATH_BUFFER];
    char directory[PATH_BUFFER];
    SplitPathParts(path, drive, directory, nullptr, nullptr);
    JoinPathParts(folder, drive, directory, nullptr, nullptr);
    AppendBackslash(folder);
}

void ShortenPath(const char* path, char* out)
{
    if (!out) return;
    const int pathLength = lstrlenA(path);
    if (pathLength < SHORTEN_FROM) {
        lstrcpynA(out, path, PATH_BUFFER);
        return;
    }
    char drive[PATH_BUFFER], folder[PATH_BUFFER], newFolder[PATH_BUFFER], base[PATH_BUFFER], extension[PATH_BUFFER];
    SplitPathParts(path, drive, folder, base, extension);

    // Keep the end of the folder from the leftmost separator among the last
    // `budget` bytes.
    const int budget = SHORTEN_BUDGET - lstrlenA(drive) - lstrlenA(base) - lstrlenA(extension);
    const int folderLength = lstrlenA(folder);
    const char* lookedAt = folder + folderLength - (budget > 0 ? (budget < folderLength ? budget : folderLength) : 0);
    const char* tail = folder + folderLength;
    for (const char* p = folder; *p; p = CharNextA(p)) {
        if (p >= lookedAt && IsSeparator(*p)) {
            tail = p;
            break;
        }
    }
    lstrcpyA(newFolder, kElision);
    lstrcatA(newFolder, tail);
    JoinPathParts(out, drive, newFolder, base, extension);

    if (pathLength - lstrlenA(out) < SHORTEN_SAVING) lstrcpynA(out, path, PATH_BUFFER);
}
