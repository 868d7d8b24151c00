#include "platform/win32/launcher_frame.h"

#include <commctrl.h>

#include <cstdio>
#include <string>
#include <utility>

#include "launcher/launcher_window.h"
#include "platform/twips.h"
#include "platform/win32/japanese_font.h"
#include "platform/win32/resource_ids.h"
#include "platform/win32/system_error.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_messages.h"

namespace kebo::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"KeboLauncherWindow";
// Fixed single border: a caption and frame that the user cannot drag to another size.
constexpr DWORD kWindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
// The window's own font, which the button uses.
constexpr double kWindowFontPoints = 9;

enum ControlId : int { kButtonId = 101, kProgressBarId, kLabelId };

// The DPI of the monitor the window is on where Windows tells it per window (Windows 10 1607 and
// later), otherwise the system's.
UINT windowDpi(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow =
        reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void (*)()>(
            GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow != nullptr) {
        return getDpiForWindow(window);
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return static_cast<UINT>(dpi);
}

HICON loadIcon(HINSTANCE instance, int sizeMetric) {
    const int size = GetSystemMetrics(sizeMetric);
    return static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(KEBO_ICON_ID), IMAGE_ICON, size, size, 0));
}

HWND createControl(const wchar_t* windowClass, const std::wstring& text, DWORD style, HWND parent,
                   ControlId id, HINSTANCE instance) {
    return CreateWindowExW(0, windowClass, text.c_str(), WS_CHILD | style, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

void replaceFont(HWND control, HFONT& font, HFONT replacement) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(replacement), TRUE);
    if (font != nullptr) {
        DeleteObject(font);
    }
    font = replacement;
}

}  // namespace

std::unique_ptr<LauncherFrame> LauncherFrame::create(HINSTANCE instance) {
    std::unique_ptr<LauncherFrame> frame(new LauncherFrame);
    if (!frame->createWindows(instance)) {
        std::fprintf(stderr, "kebo: cannot create the window: %s\n",
                     systemErrorText(GetLastError()).c_str());
        return nullptr;
    }
    return frame;
}

LauncherFrame::~LauncherFrame() {
    // The events' owner is gone by now; destroying the window must not reach it.
    events_ = nullptr;
    if (IsWindow(window_) != FALSE) {
        DestroyWindow(window_);
    }
    DeleteObject(windowFont_);
    DeleteObject(labelFont_);
}

bool LauncherFrame::createWindows(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = launcherWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = loadIcon(instance, SM_CXICON);
    windowClass.hIconSm = loadIcon(instance, SM_CXSMICON);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    // A second frame in one process (the backend's tests) finds the class registered already.
    if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        return false;
    }
    window_ = CreateWindowExW(0, kWindowClass, widen(Form1::kCaption).c_str(), kWindowStyle,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                              nullptr, instance, this);
    if (window_ == nullptr) {
        return false;
    }
    button_ = createControl(L"BUTTON", widen(Form1::kCommand1Caption),
                            WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, window_, kButtonId, instance);
    progressBar_ = createControl(PROGRESS_CLASSW, L"", 0, window_, kProgressBarId, instance);
    label_ = createControl(L"STATIC", widen(Form1::kLabel1Caption), SS_CENTER | SS_NOPREFIX,
                           window_, kLabelId, instance);
    if (button_ == nullptr || progressBar_ == nullptr || label_ == nullptr) {
        return false;
    }
    SendMessageW(progressBar_, PBM_SETRANGE32, 0, Form1::kProgressBar1Max);
    applyDpi(windowDpi(window_));

    // The window as loaded, before Form_Load makes it small: its initial client area.
    const double perPixel = twipsPerPixel();
    RECT outer{0, 0, twipsToPixels(Form1::kInitialClientWidth, perPixel),
               twipsToPixels(Form1::kInitialClientHeight, perPixel)};
    AdjustWindowRectEx(&outer, kWindowStyle, FALSE, 0);
    SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

PixelRect LauncherFrame::outerRect() const {
    RECT outer{};
    GetWindowRect(window_, &outer);
    return {outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top};
}

double LauncherFrame::twipsPerPixel() const {
    return kebo::twipsPerPixel(dpi_);
}

void LauncherFrame::applyDpi(UINT dpi) {
    dpi_ = dpi;
    replaceFont(button_, windowFont_, createJapaneseFont(kWindowFontPoints, dpi));
    replaceFont(label_, labelFont_, createJapaneseFont(Form1::kLabel1PointSize, dpi));
    placeControls();
}

void LauncherFrame::placeControls() {
    const double perPixel = twipsPerPixel();
    const std::pair<HWND, ControlRect> controls[] = {{button_, Form1::kCommand1Rect},
                                                     {progressBar_, Form1::kProgressBar1Rect},
                                                     {label_, Form1::kLabel1Rect}};
    for (const auto& [control, rect] : controls) {
        MoveWindow(control, twipsToPixels(rect.left, perPixel), twipsToPixels(rect.top, perPixel),
                   twipsToPixels(rect.width, perPixel), twipsToPixels(rect.height, perPixel), TRUE);
    }
}

}  // namespace kebo::win32
