// Texts of the launcher. Message tables are indexed by nLanguage
// (0 German, 1 English); every table ends with the "\x04" entry.
#pragma once

extern const char szAppTitle[];
extern const char* const FileNames[];
extern const char* const MsgPreparing[];
extern const char* const MsgCopyFailed[];
extern const char* const MsgStartFailed[];
extern const char* const MsgSourceUnknown[];
extern const char* const MsgTempUnknown[];

constexpr int FILE_COUNT = 3;  // FileNames[i] is copied to FileNames[i + FILE_COUNT]
