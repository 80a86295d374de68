// Message and name tables of the language library: everything the installer
// shows in German except the calendar texts. The source is UTF-8 and is
// compiled to code page 1252, the only encoding the installer reads.
#include "language/language_tables.h"

namespace {

// Texts that several rows hold are stored once, every such row pointing to
// the same string.
constexpr char kStandard[] = "*Standard";
constexpr char kDrawing[] = "Zeichnung";
constexpr char kIconGroupFailed[] = "Fehler beim Erzeugen der Icon-Gruppe.";

}  // namespace

extern "C" {

const char eApplicationName[] = "Quillstone® KARTOLIN 4 - Installation";

// The last row is a real, empty label, not the end of the table.
const char* const eButtonText[] = {
    /*  0 */ "&OK",
    /*  1 */ "&Abbruch",
    /*  2 */ "&Ja",
    /*  3 */ "&Nein",
    /*  4 */ "&Zurück",
    /*  5 */ "&Weiter",
    /*  6 */ "&Nochmal",
    /*  7 */ "&Ignorieren",
    /*  8 */ "&Einsetzen",
    /*  9 */ "&An",
    /* 10 */ "A&us",
    /* 11 */ "&Einstellen",
    /* 12 */ "&Schließen",
    /* 13 */ "Akti&vieren",
    /* 14 */ "",
    kTableEnd,
};

const char* const eAlertErrorText[] = {
    /*  0 */ "Die Datei\n"
             "%s\n"
             "ist nicht vorhanden.",
    /*  1 */ "Die Datei\n"
             "%s\n"
             "ist bereits vorhanden.",
    /*  2 */ "Die Datei\n"
             "%s\n"
             "ist fehlerhaft.",
    /*  3 */ "Die Datei\n"
             "%s\n"
             "ist nicht erstellbar.",
    /*  4 */ "Die Datei\n"
             "%s\n"
             "wurde nicht gefunden.",
    /*  5 */ "Die Datei\n"
             "%s\n"
             "ist fehlerhaft oder Speicher reicht nicht.",
    /*  6 */ "Die Datei\n"
             "%s\n"
             "wurde verändert.Datei sichern?",
    /*  7 */ "Die Datei\n"
             "%s\n"
             "kann nicht geladen werden.",
    /*  8 */ "Schreibfehler in der Datei\n"
             "%s\n"
             "Festplatte voll?",
    /*  9 */ "Fehler beim Kopieren der Datei\n"
             "%s.\n"
             "Festplatte voll?",
    /* 10 */ "Die Datei\n"
             "%s\n"
             "hat keine gültige Kennung.",
    /* 11 */ "Das Verzeichnis\n"
             "%s\n"
             "ist nicht erstellbar.",
    kTableEnd,
};

const char* const eCaptionTexts[] = {
    /* 0 */ "Quillstone® Installation - Meldung",
    /* 1 */ "Datei-Info",
    /* 2 */ "Pfad wählen",
    kTableEnd,
};

const char* const eUniTexts[] = {
    /*  0 */ "Bytes",
    /*  1 */ "Alle Benutzer",
    /*  2 */ "Programm",
    /*  3 */ "System",
    /*  4 */ "Referenz",
    /*  5 */ "Tutorial",
    /*  6 */ "Orva 4.0",
    /*  7 */ "Bibliothek",
    /*  8 */ kDrawing,
    /*  9 */ "ff",
    /* 10 */ "Quelle:",
    /* 11 */ "Ziel:",
    /* 12 */ "Datei:",
    kTableEnd,
};

const char* const eFileSearchTexts[] = {
    /* 0 */ "Alle Dateien (*.*)",
    /* 1 */ "RPX 4.0 Zeichnungen (*.k4g)",
    /* 2 */ "RPX 4.0 Bibliotheken (*.k4l)",
    /* 3 */ "RPX 4.0 Einstellungen (*.inf)",
    /* 4 */ "Erweiterte Metafiles (*.emf)",
    /* 5 */ "Windows Metafiles (*.wmf)",
    /* 6 */ "Windows Bitmaps (*.bmp)",
    /* 7 */ "Textdateien (*.txt)",
    /* 8 */ "RPX 4.0 Zeichnungen (*.dup)",
    /* 9 */ "Digitizer-Belegungen (*.dig)",
    kTableEnd,
};

const char* const eDefaultNames[] = {
    /*  0 */ "(Namenlos)",
    /*  1 */ kStandard,
    /*  2 */ kStandard,
    /*  3 */ kStandard,
    /*  4 */ kStandard,
    /*  5 */ "*Neue Zeichnung",
    /*  6 */ "*Neue Bibliothek",
    /*  7 */ "(Undefiniert)",
    /*  8 */ "Arial",
    /*  9 */ "*Bibliothek %d",
    /* 10 */ "*Schrift %d",
    /* 11 */ "RPX 4.0 Zeichnung",
    /* 12 */ "Erweitertes Metafile",
    /* 13 */ "Leer oder nicht nutzbar",
    /* 14 */ "MS Sans Serif",
    kTableEnd,
};

const char* const eDefaultPaths[] = {
    /* 0 */ "c:\\krtln4\\",
    /* 1 */ "c:\\",
    /* 2 */ "a:\\",
    kTableEnd,
};

const char* const eRelativePaths[] = {
    /* 0 */ "krtln4\\",
    /* 1 */ "system\\",
    /* 2 */ "biblio\\",
    /* 3 */ "zeichng\\",
    /* 4 */ "vordruck\\",
    /* 5 */ "tutorial\\",
    /* 6 */ "orva40\\",
    kTableEnd,
};

const char* const eProfileTitle[] = {
    /* 0 */ "KARTOLIN 4\\Deutsch",
    /* 1 */ "KARTOLIN 4 Demo\\Deutsch",
    /* 2 */ "d",
    /* 3 */ kDrawing,
    /* 4 */ "Quillstone® KARTOLIN 4 Deutsch",
    /* 5 */ "Quillstone® KARTOLIN 4 Demo Deutsch",
    kTableEnd,
};

// The megabyte figures of rows 18 and 32 arrive already formatted, hence "%s".
const char* const eMessageText[] = {
    /*  0 */ "Quillstone® KARTOLIN 4 ist ein\n"
             "vollwertiges 32bit-Programm und somit nicht\n"
             "lauffähig auf Windows 3.x und Win32s!\n"
             "\n"
             "Verwenden Sie Windows NT 3.51, Windows 95 oder höher.",
    /*  1 */ "Ausführung nicht möglich,\n"
             "da zuwenig Speicher zur Verfügung steht.",
    /*  2 */ "Fehler %ld in Dateiauswahlbox",
    /*  3 */ "Der Installationsvorgang ist noch nicht beendet.\n"
             "Wenn Sie das Installationsprogramm jetzt verlassen,\n"
             "dann wird KARTOLIN 4 nicht korrekt installiert sein.\n"
             "\n",
    /*  4 */ "Sind Sie sicher, daß Sie das Installationsprogramm verlassen möchten?",
    /*  5 */ "Geben Sie bitte den Pfad ein, in dem sich die erste Diskette bzw. die CD befindet, oder geben Sie das Verzeichnis ein, das die entsprechenden Installationsdateien enthält.",
    /*  6 */ "Bitte legen Sie Diskette %d ein, oder geben Sie das Verzeichnis der entsprechenden Installationsdateien ein.",
    /*  7 */ "Ungültige Diskettenversion.",
    /*  8 */ "Geben Sie bitte mindestens Ihren Namen an.",
    /*  9 */ "Name: %s\n"
             "Firma: %s\n"
             "\n"
             "Sind Ihre persönlichen Angaben korrekt?",
    /* 10 */ "KARTOLIN 4 wurde bereits auf diesem Rechner installiert.\n"
             "\n"
             "Soll die Installation trotzdem fortgesetzt werden?",
    /* 11 */ "Ungültiger oder nicht vollständiger Pfadname.\n"
             "\n"
             "Ein vollständiger Pfadname besteht aus einem\n"
             "Laufwerksbuchstaben und mindestens einem Verzeichnisnamen.",
    /* 12 */ "In dem angegebenen Verzeichnis (auf dem Server)\n"
             "wurde KARTOLIN 4 nicht installiert.\n"
             "\n"
             "Bevor KARTOLIN 4 auf einem Client installiert werden kann,\n"
             "muß KARTOLIN 4 zunächst auf dem Server installiert werden.\n"
             "\n"
             "Starten Sie dazu die \"Typische Installation\"\n"
             "bzw. die\"Benutzerdefinierte Installation\" erneut, und wählen Sie\n"
             "\"Server\" als Installationsmodus.\n"
             "Führen Sie dann die Installation auf dem Server durch.\n"
             "\n"
             "Nachdem dies geschehen ist, können Sie anschließend KARTOLIN 4\n"
             "auf einem oder auch mehreren Clients installieren.",
    /* 13 */ "KARTOLIN 4 wurde bereits in diesem Pfad auf dem Server installiert.",
    /* 14 */ "Sind Sie sicher, daß alle Angaben korrekt sind?",
    /* 15 */ "Die Datei\n"
             "%s\n"
             "existiert bereits.\n"
             "\n"
             "Datei ersetzen?",
    /* 16 */ "Soll eine Icon-Gruppe \"%s\" angelegt werden?\n"
             "Sollte bereits eine Gruppe gleichen Namens existieren,\n"
             "so wird diese vorher gelöscht.\n"
             "\n"
             "Um alle Möglichkeiten von KARTOLIN 4\n"
             "ausnutzen zu können, sollten Sie dies unbedingt tun.",
    /* 17 */ kIconGroupFailed,
    /* 18 */ "Die Installation wurde erfolgreich beendet.\n"
             "\n"
             "Anzahl kopierter Dateien: %d\n"
             "Belegte Festplattenkapazität: %s MB",
    /* 19 */ "Die Installation von KARTOLIN 4 ist abgeschlossen.\n"
             "\n"
             "Sie können KARTOLIN 4 jetzt über das Startmenü bzw. den\n"
             "Programm-Manager oder mit einem Doppelklick auf das\n"
             "Programmsymbol in der Icon-Gruppe starten.",
    /* 20 */ "Fehler bei der Installation.",
    /* 21 */ "KARTOLIN 4 ist auf diesem Rechner nicht installiert.",
    /* 22 */ "KARTOLIN 4 ist auf diesem Rechner\n"
             "in folgendem Verzeichnis installiert:\n"
             "%s\n"
             "Die Zeichnungen und die Bibliotheken befinden sich in:\n"
             "%s\n"
             "%s\n"
             "Insgesamt werden %d Dateien gelöscht werden.\n"
             "\n"
             "Mit Hilfe dieses Befehls werden ALLE oben angezeigten Verzeichnisse\n"
             "(inklusive Unterverzeichnisse) und ALLE darin enthaltenen Dateien\n"
             "(auch nachträglich hinzukopierte bzw. erzeugte Dateien) gelöscht.\n"
             "Sie sollten diesen Befehl also nur dann ausführen, wenn Sie sicher\n"
             "sind, daß Sie diese Dateien nicht mehr benötigen, oder Sie bereits\n"
             "Sicherheitskopien von ihnen angefertigt haben.\n"
             "\n"
             "Außerdem werden alle KARTOLIN 4 - Einträge aus der\n"
             "Registrationsdatenbank entfernt und die Icon-Gruppe gelöscht.\n"
             "\n"
             "Möchten Sie fortfahren?",
    /* 23 */ "Das zu löschende Zeichnungsverzeichnis bzw. Bibliotheksverzeichnis\n"
             "befindet sich nicht im KARTOLIN 4-Verzeichnis.\n"
             "\n",
    /* 24 */ "Sind Sie sicher, daß Sie fortfahren\n"
             "und die Installation entfernen möchten?",
    /* 25 */ "Die Installation von KARTOLIN 4 auf diesem Rechner wurde entfernt.\n"
             "Das Installationsprogramm wird beendet.",
    /* 26 */ "Datei-Kopiervorgang läuft...",
    /* 27 */ "Datei-Löschvorgang läuft...",
    /* 28 */ kIconGroupFailed,
    /* 29 */ "Die Anzahl der zu kopierenden Dateien ist 0.",
    /* 30 */ "Sie haben das\n"
             "%s\n"
             "Deinstallationsprogramm gestartet.\n"
             "\n"
             "Möchten Sie fortfahren?",
    /* 31 */ "Das Laufwerk %s hat nicht genug freie Plattenkapazität,\n"
             "um eine vollständige Installation mit der gewählten Konfiguration durchzuführen.\n"
             "\n"
             "Möchten Sie fortfahren?",
    /* 32 */ "Das Kopieren einzelner Dateien wurde erfolgreich beendet.\n"
             "\n"
             "Anzahl kopierter Dateien: %d\n"
             "Belegte Festplattenkapazität: %s MB",
    kTableEnd,
};

}  // extern "C"
