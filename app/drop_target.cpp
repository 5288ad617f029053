/*
 * Files dragged onto the main window: the pane under the pointer takes them
 * (its list, label or buttons: an empty list is disabled, and a disabled
 * window is never the one under the pointer). Windows delivers a drop two
 * ways, and both are taken: OLE drag and drop, as Explorer drags, where
 * the pointer shows a copy only where a drop is taken; and WM_DROPFILES,
 * which some programs post.
 *
 * An OLE drop arrives inside a call from the program the files come from,
 * which waits until it returns: the files are copied into a WM_DROPFILES
 * of our own and handled once the call is over, so the summary message
 * never keeps Explorer waiting.
 */
#include <ole2.h>
#include <shlobj.h>

#include <cstring>

#include "app/app.h"
#include "editing/editing.h"

namespace {

FORMATETC FILE_NAMES_FORMAT = {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};

/* -1 beside every pane, and while a message box or a modal chooser holds
   the window. */
int PaneAt(POINT onScreen)
{
    POINT inWindow = onScreen;
    ScreenToClient(g_hMainWnd, &inWindow);
    HWND child = ChildWindowFromPointEx(g_hMainWnd, inWindow, CWP_SKIPINVISIBLE);
    return IsWindowEnabled(g_hMainWnd) ? PaneOfControl(child) : -1;
}

/* A copy of the dropped names, its point in the window's coordinates. */
void PostDropCopy(HGLOBAL names, POINTL onScreen)
{
    const SIZE_T size = GlobalSize(names);
    HGLOBAL copy = size >= sizeof(DROPFILES) ? GlobalAlloc(GMEM_MOVEABLE, size) : nullptr;
    if (copy == nullptr)
        return;
    void *from = GlobalLock(names);
    DROPFILES *to = static_cast<DROPFILES *>(GlobalLock(copy));
    std::memcpy(to, from, size);
    POINT point = {onScreen.x, onScreen.y};
    ScreenToClient(g_hMainWnd, &point);
    to->pt = point;
    to->fNC = FALSE;
    GlobalUnlock(copy);
    GlobalUnlock(names);
    if (!PostMessageA(g_hMainWnd, WM_DROPFILES, reinterpret_cast<WPARAM>(copy), 0))
        GlobalFree(copy);
}

/* One for the program's life: its reference count has nothing to free. */
class PaneDropTarget : public IDropTarget {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void **object) override
    {
        *object = id == IID_IUnknown || id == IID_IDropTarget ? this : nullptr;
        return *object != nullptr ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject *data, DWORD, POINTL at, DWORD *effect) override
    {
        files_ = data->QueryGetData(&FILE_NAMES_FORMAT) == S_OK;
        *effect = EffectAt(at);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL at, DWORD *effect) override
    {
        *effect = EffectAt(at);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override
    {
        files_ = false;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject *data, DWORD, POINTL at, DWORD *effect) override
    {
        *effect = EffectAt(at);
        STGMEDIUM names = {};
        if (*effect != DROPEFFECT_NONE && SUCCEEDED(data->GetData(&FILE_NAMES_FORMAT, &names))) {
            PostDropCopy(names.hGlobal, at);
            ReleaseStgMedium(&names);
        }
        files_ = false;
        return S_OK;
    }

private:
    DWORD EffectAt(POINTL at) const { return files_ && PaneAt({at.x, at.y}) >= 0 ? DROPEFFECT_COPY : DROPEFFECT_NONE; }

    bool files_ = false; /* what is dragged has file names */
};

PaneDropTarget s_dropTarget;

} // namespace

void AcceptDroppedFiles(void)
{
    DragAcceptFiles(g_hMainWnd, TRUE);
    if (SUCCEEDED(OleInitialize(nullptr)))
        RegisterDragDrop(g_hMainWnd, &s_dropTarget);
}

void OnDropFiles(HDROP drop)
{
    POINT onScreen = {};
    DragQueryPoint(drop, &onScreen);
    ClientToScreen(g_hMainWnd, &onScreen);
    const int pane = PaneAt(onScreen);
    if (pane >= 0)
        DropSampleFiles(pane + 1, drop);
    DragFinish(drop);
}
