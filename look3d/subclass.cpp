// Which windows get the look, and the swap of their window procedures. The
// previous procedure of a subclassed window is kept in the look property,
// which also marks the window as done.
#include "look3d/c3d.h"
#include "look3d/look_procs.h"
#include "look3d/look_state.h"
#include "look3d/subclass.h"

namespace look3d {

namespace {

BOOL AcceptAny(HWND, LONG, WORD)
{
    return TRUE;
}

// Owner-drawn buttons and those with extra style flags draw themselves.
BOOL AcceptButton(HWND, LONG style, WORD)
{
    return LOWORD(style) <= BS_AUTORADIOBUTTON;
}

// A drop-down combo box keeps its own procedure; its edit field gets the look.
// A simple combo box is framed through its children.
BOOL AcceptComboBox(HWND window, LONG style, WORD)
{
    HWND child = GetWindow(window, GW_CHILD);
    switch (style & 3) {
    case CBS_SIMPLE:
        if (!child) return FALSE;
        SubclassByClass(child, LOOK_LISTBOX);
        if (HWND next = GetWindow(child, GW_HWNDNEXT)) SubclassByClass(next, LOOK_EDIT);
        return TRUE;
    case CBS_DROPDOWN:
        if (child) SubclassByClass(child, LOOK_EDIT);
        return FALSE;
    default:
        return TRUE;
    }
}

BOOL AcceptStatic(HWND, LONG style, WORD classMask)
{
    const int type = style & 0x0F;
    if (type == SS_ICON) return FALSE;
    if ((classMask & LOOK_STATICTEXT) && (type <= SS_RIGHT || type == SS_LEFTNOWORDWRAP)) return TRUE;
    if ((classMask & LOOK_STATICFRAME) && type >= SS_BLACKRECT && type <= SS_WHITEFRAME) return TRUE;
    return FALSE;
}

LPCSTR LookPropertyName()
{
    return MAKEINTATOM(c3dAtom);
}

// Each thread remembers the window it passed a message on for last and that
// window's previous procedure: the messages of one painting come in a row for
// one window, and every property lookup is a round trip to the window
// manager. Two thread-local slots of the system hold the pair, so no thread
// sees another's or a half-written one. They live as long as the process:
// subclassed windows outlive a shutdown of the look.
DWORD memoWindowSlot = TLS_OUT_OF_INDEXES;
DWORD memoProcSlot = TLS_OUT_OF_INDEXES;

void InitPrevProcMemo()
{
    if (memoProcSlot != TLS_OUT_OF_INDEXES) return;
    memoWindowSlot = TlsAlloc();
    if (memoWindowSlot == TLS_OUT_OF_INDEXES) return;
    memoProcSlot = TlsAlloc();
    if (memoProcSlot == TLS_OUT_OF_INDEXES) {
        TlsFree(memoWindowSlot);
        memoWindowSlot = TLS_OUT_OF_INDEXES;
    }
}

bool MemoReady()
{
    return memoProcSlot != TLS_OUT_OF_INDEXES;
}

void ForgetPrevProc(HWND window)
{
    if (MemoReady() && TlsGetValue(memoWindowSlot) == window) TlsSetValue(memoWindowSlot, nullptr);
}

}  // namespace

const LookClassRow lookClasses[LOOK_CLASS_COUNT] = {
    {"Button", ButtonLookProc, AcceptButton, LOOK_BUTTON},
    {"ListBox", ListLookProc, AcceptAny, LOOK_LISTBOX},
    {"Edit", EditLookProc, AcceptAny, LOOK_EDIT},
    {"ComboBox", ComboLookProc, AcceptComboBox, LOOK_COMBOBOX},
    {"Static", StaticLookProc, AcceptStatic, LOOK_STATICTEXT | LOOK_STATICFRAME},
    {"ComboLBox", ListLookProc, AcceptAny, LOOK_LISTBOX},
};

void CaptureClassProcs()
{
    InitPrevProcMemo();
    for (int row = 0; row < LOOK_CLASS_COUNT; ++row) {
        classProcs[row].lookProc = lookClasses[row].lookProc;
        WNDCLASSA info{};
        // The classes are the system's own; should one be unreadable, its
        // windows fall back to the default procedure rather than to nothing.
        classProcs[row].origProc =
            GetClassInfoA(nullptr, lookClasses[row].className, &info) ? info.lpfnWndProc : DefWindowProcA;
    }
}

void DropClassProcs()
{
    for (ClassProcs& procs : classProcs) procs.lookProc = nullptr;
}

WNDPROC LookProperty(HWND window)
{
    return reinterpret_cast<WNDPROC>(GetPropA(window, LookPropertyName()));
}

WNDPROC LookupPrevProc(HWND window, int row)
{
    if (WNDPROC previous = LookProperty(window)) return previous;
    // Only reached when the property was removed from outside. A dialog then
    // falls back to the system's dialog procedure.
    WNDPROC fallback = row == LOOKROW_DIALOG ? DefDlgProcA : classProcs[row].origProc;
    SetPropA(window, LookPropertyName(), reinterpret_cast<HANDLE>(fallback));
    return fallback;
}

LRESULT CallPrevProc(HWND window, int row, UINT message, WPARAM wParam, LPARAM lParam)
{
    WNDPROC previous;
    if (MemoReady() && TlsGetValue(memoWindowSlot) == window) {
        previous = reinterpret_cast<WNDPROC>(TlsGetValue(memoProcSlot));
    } else {
        previous = LookupPrevProc(window, row);
        if (MemoReady()) {
            TlsSetValue(memoWindowSlot, window);
            TlsSetValue(memoProcSlot, reinterpret_cast<void*>(previous));
        }
    }
    // The handle may name another window once this one is gone.
    if (message == WM_NCDESTROY) ForgetPrevProc(window);
    return CallWindowProcA(previous, window, message, wParam, lParam);
}

LRESULT ReleaseLookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int row)
{
    ForgetPrevProc(window);
    WNDPROC previous = LookupPrevProc(window, row);
    RemovePropA(window, LookPropertyName());
    return CallWindowProcA(previous, window, message, wParam, lParam);
}

void InstallLookProc(HWND window, WNDPROC procedure)
{
    if (LookProperty(window)) return;
    // The window may refuse by storing the property on itself.
    SendMessageA(window, C3DM_QUERYSUBCLASS, 0, 0);
    if (LookProperty(window)) return;
    LONG_PTR previous = SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
    SetPropA(window, LookPropertyName(), reinterpret_cast<HANDLE>(previous));
}

BOOL SubclassByClass(HWND window, WORD classMask)
{
    if (LookProperty(window)) return FALSE;
    char className[64];
    GetClassNameA(window, className, sizeof className);
    for (int row = 0; row < LOOK_CLASS_COUNT; ++row) {
        const LookClassRow& entry = lookClasses[row];
        if (!(entry.classMask & classMask) || lstrcmpA(entry.className, className) != 0) continue;
        const BOOL accepted = entry.accept(window, GetWindowLongA(window, GWL_STYLE), classMask);
        if (accepted) InstallLookProc(window, classProcs[row].lookProc);
        return accepted;
    }
    return FALSE;
}

}  // namespace look3d

using namespace look3d;

BOOL C3dSubclassControl(HWND window)
{
    if (!lookActive) return FALSE;
    return SubclassByClass(window, LOOK_ALL);
}

BOOL C3dSubclassChildren(HWND parent, WORD classMask)
{
    if (!lookActive) return FALSE;
    for (HWND child = GetWindow(parent, GW_CHILD); child && IsChild(parent, child);
         child = GetWindow(child, GW_HWNDNEXT))
        SubclassByClass(child, classMask);
    return TRUE;
}

BOOL C3dSubclassDialog(HWND dialog, WORD classMask)
{
    if (!C3dSubclassChildren(dialog, classMask)) return FALSE;
    InstallLookProc(dialog, DialogLookProc);
    return TRUE;
}

HBRUSH C3dControlColor(UINT message, HDC dc, HWND control)
{
    if (!lookActive) return nullptr;
    switch (message) {
    case WM_CTLCOLORLISTBOX:
        // Plain list boxes and drop-down lists keep the window colours; the
        // list of a simple or drop-down combo box sits on the face.
        if (!GetWindow(control, GW_CHILD) || (GetWindowLongA(control, GWL_STYLE) & 3) == 3) return nullptr;
        break;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        break;
    default:
        return nullptr;
    }
    SetTextColor(dc, lookColors[clrText]);
    SetBkColor(dc, lookColors[clrFace]);
    return brFace;
}
