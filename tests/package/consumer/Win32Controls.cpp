// A window with an edit and a button, as the Win32 tutorials write it: a click on the button
// reads the edit's text back. The program presses its own button once its window is up.

#include <windows.h>
#include <tchar.h>

#define IDC_NAME_EDIT 101
#define IDC_GREET_BUTTON 102

static HWND g_edit = NULL;
static TCHAR g_read[64] = TEXT("");
static int g_clicks = 0;

LRESULT CALLBACK WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        g_edit = CreateWindow(TEXT("EDIT"), TEXT(""), WS_CHILD | WS_VISIBLE | WS_BORDER | ES_LEFT,
                              10, 10, 200, 24, hWnd, (HMENU)IDC_NAME_EDIT,
                              ((LPCREATESTRUCT)lParam)->hInstance, NULL);
        CreateWindow(TEXT("BUTTON"), TEXT("Greet"), WS_TABSTOP | WS_VISIBLE | WS_CHILD |
                     BS_DEFPUSHBUTTON, 220, 10, 80, 24, hWnd, (HMENU)IDC_GREET_BUTTON,
                     (HINSTANCE)GetWindowLongPtr(hWnd, GWLP_HINSTANCE), NULL);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_GREET_BUTTON && HIWORD(wParam) == BN_CLICKED) {
            ++g_clicks;
            GetWindowText(g_edit, g_read, sizeof(g_read) / sizeof(g_read[0]));
            DestroyWindow(hWnd);
        }
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProc(hWnd, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    WNDCLASS wc = {0};
    wc.lpfnWndProc = WndProc;
    wc.hInstance = hInstance;
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.lpszClassName = TEXT("ControlsDemo");
    wc.hCursor = LoadCursor(NULL, IDC_ARROW);
    if (!RegisterClass(&wc))
        return 1;
    HWND hWnd = CreateWindow(TEXT("ControlsDemo"), TEXT("Controls"), WS_OVERLAPPEDWINDOW,
                             CW_USEDEFAULT, CW_USEDEFAULT, 320, 90, NULL, NULL, hInstance, NULL);
    ShowWindow(hWnd, nCmdShow);
    UpdateWindow(hWnd);

    SetWindowText(g_edit, TEXT("Ada"));
    PostMessage(GetDlgItem(hWnd, IDC_GREET_BUTTON), BM_CLICK, 0, 0);

    MSG msg;
    while (GetMessage(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    if (g_clicks != 1 || lstrcmp(g_read, TEXT("Ada")) != 0)
        return 2;
    return (int)msg.wParam;
}
