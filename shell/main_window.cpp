// The main window: start-up, the message loop, the controls and the switching of tools.

#include "shell/main_window.h"

#include <commctrl.h>

#include "model/edits.h"
#include "model/heap_check.h"
#include "model/heap_tree.h"
#include "model/tree_file.h"
#include "shell/presentation.h"
#include "shell/tree_drawing.h"

HWND hwndMain;
HWND hwndActions;
HWND hwndVerify;
HWND hwndRecord;
HWND hwndResult;
HWND hwndStatus;

namespace {

constexpr const char* className = "VantoroWindowsApp";
constexpr const char* windowTitle = "Arbori de tip ansamblu (heap)";
constexpr int windowWidth = 1220;  // outer size, frame and title bar included
constexpr int windowHeight = 660;

// The group box "Actiuni:" sits here in the main window; tool presses are converted with it.
constexpr int actionsX = 1026;
constexpr int actionsY = 15;

// Presses over child controls switch tools only in the panel's corner: right of x 975 and not
// below y 200. The command buttons and the status bar lie outside it.
constexpr unsigned toolPanelMinX = 975;
constexpr unsigned toolPanelMaxY = 200;

constexpr int statusParts[2] = {200, -1};
constexpr const char* statusTitle = " Win32 Application";
constexpr char creditLine[256] = " Exercitiu de sortare prin ansamblu (heapsort) - echipa heaptree";

enum class Parent { Main, Actions };

struct ControlSpec {
    const char* className;
    const char* text;
    DWORD style;
    DWORD exStyle;
    int x, y, width, height;
    Parent parent;
    int id;
};

constexpr DWORD groupBoxStyle = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;
constexpr DWORD radioStyle = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON;
constexpr DWORD pushStyle = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON;

// The controls in their order of creation. The radio buttons are wider than their box, which
// cuts them at its right edge.
constexpr ControlSpec actionsBox = {
    "Button", "Actiuni:", groupBoxStyle, WS_EX_TRANSPARENT, actionsX,
    actionsY, 150,        164,           Parent::Main,      IDC_ACTIONS_GROUP};
constexpr ControlSpec toolButtons[] = {
    {"Button", "Elim. ultima frunza", radioStyle, 0, 4, 40, 280, 20, Parent::Actions,
     IDC_REMOVE_LEAF},
    {"Button", "Schimba(tata,desc)", radioStyle, 0, 4, 60, 280, 20, Parent::Actions, IDC_SWAP},
    {"Button", "Anulare actiune", radioStyle, 0, 4, 80, 280, 20, Parent::Actions,
     IDC_CANCEL_ACTION},
};
constexpr ControlSpec informationBox = {
    "Button", "Informatii:", groupBoxStyle, WS_EX_TRANSPARENT, 1026,
    195,      150,           170,           Parent::Main,      0};
constexpr ControlSpec commandButtons[] = {
    {"Button", "Verif. Heap", pushStyle, 0, 1056, 225, 100, 25, Parent::Main, IDC_VERIFY_HEAP},
    {"Button", "Mem. inf. rad.", pushStyle, 0, 1056, 260, 100, 25, Parent::Main, IDC_RECORD_ROOT},
    {"Button", "Vezi rezultat", pushStyle, 0, 1056, 295, 100, 25, Parent::Main, IDC_SHOW_RESULT},
};
constexpr ControlSpec statusBar = {
    STATUSCLASSNAMEA, nullptr,      WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, 0,
    Parent::Main,     IDC_STATUSBAR};

HWND CreateControl(const ControlSpec& c, HWND main) {
    HWND parent = c.parent == Parent::Actions ? hwndActions : main;
    return CreateWindowExA(c.exStyle, c.className, c.text, c.style, c.x, c.y, c.width, c.height,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), nullptr,
                           nullptr);
}

void CreateControls(HWND main) {
    hwndActions = CreateControl(actionsBox, main);
    for (const ControlSpec& tool : toolButtons)
        CreateControl(tool, main);
    CheckRadioButton(hwndActions, IDC_REMOVE_LEAF, IDC_CANCEL_ACTION, IDC_CANCEL_ACTION);
    CreateControl(informationBox, main);
    hwndVerify = CreateControl(commandButtons[0], main);
    hwndRecord = CreateControl(commandButtons[1], main);
    hwndResult = CreateControl(commandButtons[2], main);
    hwndStatus = CreateControl(statusBar, main);
    SendMessageA(hwndStatus, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(statusParts));
    SendMessageA(hwndStatus, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(statusTitle));
    SendMessageA(hwndStatus, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(creditLine));
    ShowWindow(hwndStatus, SW_SHOW);
    EnableCommandButtons(true);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(WNDCLASSEXA);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = MainWindowProc;
    wc.cbClsExtra = 0;
    wc.cbWndExtra = 0;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    wc.hIconSm = LoadIconA(nullptr, IDI_APPLICATION);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_SCROLLBAR + 1);
    wc.lpszMenuName = nullptr;
    wc.lpszClassName = className;
    if (!RegisterClassExA(&wc)) return 0;

    // The status bar's class comes with the common controls; it must exist before WM_CREATE.
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    hwndMain = CreateWindowExA(0, className, windowTitle, WS_SYSMENU | WS_MINIMIZEBOX,
                               CW_USEDEFAULT, CW_USEDEFAULT, windowWidth, windowHeight, nullptr,
                               nullptr, instance, nullptr);
    ShowWindow(hwndMain, showCommand);
    LoadTree();
    redPen = CreatePen(PS_SOLID, 2, 0x0000FF);
    redBrush = CreateSolidBrush(0x0000FF);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            CreateControls(hwnd);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC hdc = BeginPaint(hwndMain, &paint);
            DrawTree(hdc);
            EndPaint(hwndMain, &paint);
            return 0;
        }
        case WM_COMMAND:
            HandleCommand(LOWORD(wParam));
            return 0;
        case WM_LBUTTONDOWN:
            HandleTreeClick(CurrentTool(hwndActions), LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_PARENTNOTIFY: {
            WORD event = LOWORD(wParam);
            // Creation and destruction of a child carry its handle, not a point.
            if (event != WM_CREATE && event != WM_DESTROY)
                SwitchTool(LOWORD(lParam), HIWORD(lParam));
            return 0;
        }
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

int CurrentTool(HWND groupBox) {
    if (IsDlgButtonChecked(groupBox, IDC_REMOVE_LEAF) == BST_CHECKED) return TOOL_REMOVE_LEAF;
    if (IsDlgButtonChecked(groupBox, IDC_SWAP) == BST_CHECKED) return TOOL_SWAP;
    return TOOL_NONE;
}

void EnableCommandButtons(bool enable) {
    EnableWindow(hwndVerify, enable);
    EnableWindow(hwndRecord, enable);
    EnableWindow(hwndResult, enable);
}

void SwitchTool(unsigned x, unsigned y) {
    if (y > toolPanelMaxY || x < toolPanelMinX) return;
    POINT inBox{static_cast<LONG>(x) - actionsX, static_cast<LONG>(y) - actionsY};
    HWND child = ChildWindowFromPoint(hwndActions, inBox);
    int id = GetWindowLongA(child, GWL_ID);
    EnableCommandButtons(id == IDC_CANCEL_ACTION);
    switch (id) {
        case IDC_REMOVE_LEAF:
            SetPrompt(" Selectati ultima frunza");
            break;
        case IDC_SWAP:
            SetPrompt(" Selectati varful tata");
            break;
        case IDC_CANCEL_ACTION:
            SetPrompt(" ");
            break;
    }
    HeapTree.firstPick = 0;
    RepaintTree();
}
