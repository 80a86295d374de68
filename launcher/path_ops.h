// Path operations on 8-bit paths of the active code page. Every output buffer
// holds PATH_BUFFER (260) bytes; a double-byte character is always taken whole.
#pragma once

// Drive ("C:"), folder (up to the last separator), base name and extension
// (from the last dot after the folder). Any output may be null.
void SplitPathParts(const char* path, char* drive, char* folder, char* base, char* extension);
// The reverse of SplitPathParts; null or empty parts are skipped.
void JoinPathParts(char* out, const char* drive, const char* folder, const char* base, const char* extension);
void AppendBackslash(char* path);
// Drive and folder of a file, ending in a backslash.
void GetPathFolder(const char* path, char* folder);
// Display form of a path for a message box: long paths lose their leading
// folders to "\...". Does nothing when out is null.
void ShortenPath(const char* path, char* out);
