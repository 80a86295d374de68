# Checks the built kl4_lang.dll from its PE headers as objdump prints them:
# a relocatable 32-bit DLL named KL4_LANG.dll with exactly its nineteen
# exports at ordinals 1 to 19, importing from USER32 and KERNEL32 only.
# Usage: cmake -DOBJDUMP=<objdump> -DDLL=<kl4_lang.dll> -P check_pe_structure.cmake
execute_process(COMMAND ${OBJDUMP} -p ${DLL} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "objdump failed on ${DLL}")
endif()

set(failures "")
function(require regex what)
    if(NOT dump MATCHES "${regex}")
        set(failures "${failures}  ${what}\n" PARENT_SCOPE)
    endif()
endfunction()

require("file format pei-i386" "a PE file for i386")
require("Magic[ \t]+010b[ \t]+\\(PE32\\)" "PE32 (32-bit) optional header")
require("Characteristics 0x[0-9a-f]+\n([^\n]*\n)*[ \t]+DLL\n" "the DLL characteristic")
require("\nName[ \t]+[0-9a-f]+ KL4_LANG\\.dll\n" "export directory name KL4_LANG.dll")
require("Ordinal Base[ \t]+1\n" "ordinal base 1")
require("Export Address Table[ \t]+00000013\n" "19 exported addresses")
require("\\[Name Pointer/Ordinal\\] Table[ \t]+00000013\n" "19 exported names")
require("Entry 5 [0-9a-f]*[1-9a-f][0-9a-f]* [0-9a-f]*[1-9a-f][0-9a-f]* Base Relocation Directory"
        "a base relocation table")

# Names in byte order, ordinals from 1. The name table lists them with the
# zero-based index into the address table, i.e. ordinal minus one.
set(names OrvaLanguageExit OrvaLanguageInit eAlertErrorText eApplicationName eButtonText eCaptionTexts
          eDateOnlyFormats eDateTimeFormats eDayNames eDefaultNames eDefaultPaths eFileSearchTexts
          eMessageText eMonthNames eProfileTitle eRelativePaths eTimeNames eTimeOnlyFormats eUniTexts)
string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table\n(([ \t]+\\[[ 0-9]+\\] [^\n]+\n)+)" table "${dump}")
set(listed "${CMAKE_MATCH_1}")
string(REGEX MATCHALL "\\[[ 0-9]+\\] [^\n]+" entries "${listed}")
set(expected "")
set(index 0)
foreach(name IN LISTS names)
    if(index LESS 10)
        list(APPEND expected "[   ${index}] ${name}")
    else()
        list(APPEND expected "[  ${index}] ${name}")
    endif()
    math(EXPR index "${index} + 1")
endforeach()
if(NOT entries STREQUAL expected)
    string(REPLACE ";" "\n    " got "${entries}")
    string(APPEND failures "  exports with ordinals 1..19 in name order; objdump lists:\n    ${got}\n")
endif()
# Undecorated cdecl names: no leading underscore, no @n suffix anywhere.
if(listed MATCHES "@[0-9]" OR listed MATCHES "\\] _")
    string(APPEND failures "  decorated export names\n")
endif()

# Imports: no runtime DLL of any kind beside the two system libraries.
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
if(NOT imports)
    string(APPEND failures "  no import of USER32.dll (the refusal box needs it)\n")
endif()
foreach(import IN LISTS imports)
    string(TOUPPER "${import}" upper)
    if(NOT upper MATCHES "^DLL NAME: (USER32|KERNEL32)\\.DLL$")
        string(APPEND failures "  unexpected import: ${import}\n")
    endif()
endforeach()

if(failures)
    message(FATAL_ERROR "${DLL} lacks:\n${failures}")
endif()
message(STATUS "kl4_lang.dll: PE32 DLL KL4_LANG.dll, 19 exports, imports: ${imports}")
