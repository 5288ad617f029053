/*
 * Time of one style switch when every category of every style is full
 * (9 x 500 = 4,500 rows per style): ShowCategoryLists on nine owner-drawn
 * list boxes laid out like the main window's, including the repaint that
 * follows; the same with every sample file looked for again (as after a
 * folder switch), and one full category refilled after an edit (its 500
 * files looked for again).
 */
#include <windows.h>

#include <cstdio>

#include "database/category_display.h"

namespace {

AppState g_benchState;

const int LIST_Y[CATEGORY_COUNT] = {25, 100, 175, 250, 325, 400, 475, 550, 625};
const int SWITCHES = 30;

void FillTables(void)
{
    char number[16], path[128], name[64];
    for (int style = STYLE_DANCE; style <= STYLE_HIPHOP; style++) {
        for (int category = 1; category <= CATEGORY_COUNT; category++) {
            CategoryList *list = CategoryListOf(&g_benchState, style, category);
            for (int i = 0; i < MAX_SAMPLES_PER_CATEGORY; i++) {
                std::snprintf(number, sizeof number, "%d", i + 1);
                std::snprintf(path, sizeof path, "C:\\Ejay\\Samples\\Style%d\\%s\\SAMPLE%03d.PXD", style,
                              CATEGORY_KEYWORDS[category - 1], i);
                std::snprintf(name, sizeof name, "%s %d", CATEGORY_KEYWORDS[category - 1], i);
                SampleFields fields = {number, path, "", CATEGORY_KEYWORDS[category - 1], "4", name, "part two"};
                AppendSample(list, fields, category);
            }
        }
    }
}

LRESULT CALLBACK BenchWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MEASUREITEM: MeasureSampleRow(reinterpret_cast<MEASUREITEMSTRUCT *>(lParam)); return TRUE;
    case WM_DRAWITEM: DrawSampleRow(reinterpret_cast<const DRAWITEMSTRUCT *>(lParam)); return TRUE;
    default: return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

HWND CreateBenchWindow(HINSTANCE instance)
{
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = BenchWindowProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    windowClass.lpszClassName = "PELMOBENCH";
    RegisterClassExA(&windowClass);
    HWND window = CreateWindowExA(0, "PELMOBENCH", "bench_style_switch", WS_VISIBLE | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0,
                                  460, 735, nullptr, nullptr, instance, nullptr);
    for (int k = 0; k < CATEGORY_COUNT; k++) {
        g_hCategoryList[k] =
            CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "",
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 10,
                            LIST_Y[k], 350, 75, window, NULL, instance, NULL);
        SendMessageA(g_hCategoryList[k], WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
        FitRowsToFont(g_hCategoryList[k]);
    }
    return window;
}

/* Lets the boxes repaint, as they would before the user sees the switch. */
void PumpMessages(HWND window)
{
    UpdateWindow(window);
    for (int k = 0; k < CATEGORY_COUNT; k++) {
        UpdateWindow(g_hCategoryList[k]);
    }
    MSG message;
    while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency)
{
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

/* Mean and slowest of SWITCHES refills of category (ALL_CATEGORIES: a
   style switch), the files looked for again first when asked. */
void TimeRefills(HWND window, const char *what, int category, bool lookAgain)
{
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    double slowest = 0.0;
    double total = 0.0;
    for (int i = 0; i < SWITCHES; i++) {
        int style = STYLE_DANCE + (i + 1) % STYLE_COUNT;
        QueryPerformanceCounter(&start);
        if (lookAgain)
            ForgetSampleFileChecks();
        ShowCategoryLists(&g_benchState, style, category);
        PumpMessages(window);
        QueryPerformanceCounter(&end);
        double seconds = Seconds(start, end, frequency);
        total += seconds;
        if (seconds > slowest) {
            slowest = seconds;
        }
    }
    std::printf("  %s: mean %.2f ms, slowest %.2f ms\n", what, 1000.0 * total / SWITCHES, 1000.0 * slowest);
}

} // namespace

int main(void)
{
    FillTables();
    HWND window = CreateBenchWindow(GetModuleHandleA(NULL));
    PumpMessages(window);
    ShowCategoryLists(&g_benchState, STYLE_DANCE, ALL_CATEGORIES); /* warm-up */
    PumpMessages(window);
    long rows = SendMessageA(g_hCategoryList[CATEGORY_COUNT - 1], LB_GETCOUNT, 0, 0) * CATEGORY_COUNT;
    std::printf("bench_style_switch: %d runs each, %ld rows per style\n", SWITCHES, rows);
    TimeRefills(window, "style switch", ALL_CATEGORIES, false);
    TimeRefills(window, "style switch, every file looked for again", ALL_CATEGORIES, true);
    TimeRefills(window, "one category of 500 refilled after an edit", 1, false);
    DestroyWindow(window);
    return 0;
}
