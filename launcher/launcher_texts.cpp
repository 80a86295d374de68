// Texts of the launcher. This file is compiled to code page 1252.
#include "launcher/launcher_texts.h"

const char szAppTitle[] = "Quillstone® KARTOLIN 4";

// Source i on the medium is copied to entry i + FILE_COUNT in the temporary folder.
const char* const FileNames[] = {
    "_000010_",
    "_000020_",
    "_000030_",
    "kl4_inst.exe",
    "kl4_inst.hlp",
    "kl4_lang.dll",
    "\x04",
};

const char* const MsgPreparing[] = {
    "Installation wird vorbereitet...",
    "Preparing Installation...",
    "\x04",
};

const char* const MsgCopyFailed[] = {
    "Das Installationsprogramm konnte nicht vollständig kopiert werden.\n"
    "Fehler beim Kopieren von Datei\n%s\nnach\n%s.\n\nDie Installation wird abgebrochen.",
    "The installation program couldn't be copied completely.\n"
    "Error during copying of file\n%s\nto\n%s.\n\nThe installation is canceled.",
    "\x04",
};

const char* const MsgStartFailed[] = {
    "Das Installationsprogramm konnte nicht gestartet werden.\n\nDie Installation wird abgebrochen.",
    "The installation program couldn't be started.\n\nThe installation is canceled.",
    "\x04",
};

const char* const MsgSourceUnknown[] = {
    "Der Ordner des Installationsprogramms konnte nicht ermittelt werden,\n"
    "da sein Pfad zu lang ist.\n\nDie Installation wird abgebrochen.",
    "The folder of the installation program couldn't be determined\n"
    "because its path is too long.\n\nThe installation is canceled.",
    "\x04",
};

const char* const MsgTempUnknown[] = {
    "Der temporäre Ordner konnte nicht ermittelt werden,\n"
    "oder sein Pfad ist zu lang.\n\nDie Installation wird abgebrochen.",
    "The temporary folder couldn't be determined,\n"
    "or its path is too long.\n\nThe installation is canceled.",
    "\x04",
};
