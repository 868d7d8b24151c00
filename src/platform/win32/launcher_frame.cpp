#include "platform/win32/launcher_frame.h"

#include <commctrl.h>

#include <cmath>
#include <cstdio>
#include <cwchar>
#include <string>
#include <utility>

#include "platform/launcher_description.h"
#include "platform/twips.h"
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

int CALLBACK noteFamilyFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool installed(HDC dc, const std::wstring& family) {
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    std::wcsncpy(query.lfFaceName, family.c_str(), LF_FACESIZE - 1);
    bool found = false;
    EnumFontFamiliesExW(dc, &query, noteFamilyFound, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

std::wstring chooseFamily() {
    HDC screen = GetDC(nullptr);
    std::wstring chosen;
    for (const std::string_view family : window::kBusyLabelFont.families) {
        if (installed(screen, widen(family))) {
            chosen = widen(family);
            break;
        }
    }
    ReleaseDC(nullptr, screen);
    return chosen;
}

// A regular Japanese proportional Gothic font of `points` at `dpi`, Shift-JIS character set: the
// first installed family of the busy label's font list, otherwise the Shift-JIS font the font
// mapper picks.
HFONT createJapaneseFont(double points, UINT dpi) {
    static const std::wstring family = chooseFamily();
    LOGFONTW font{};
    font.lfHeight = -static_cast<LONG>(std::lround(points * dpi / 72.0));
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = SHIFTJIS_CHARSET;
    font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    std::wcsncpy(font.lfFaceName, family.c_str(), LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
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
    window_ = CreateWindowExW(0, kWindowClass, widen(window::kCaption).c_str(), kWindowStyle,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                              nullptr, instance, this);
    if (window_ == nullptr) {
        return false;
    }
    button_ = createControl(L"BUTTON", widen(window::kOpenButtonCaption),
                            WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, window_, kButtonId, instance);
    progressBar_ = createControl(PROGRESS_CLASSW, L"", 0, window_, kProgressBarId, instance);
    label_ = createControl(L"STATIC", widen(window::kBusyLabelCaption), SS_CENTER | SS_NOPREFIX,
                           window_, kLabelId, instance);
    if (button_ == nullptr || progressBar_ == nullptr || label_ == nullptr) {
        return false;
    }
    SendMessageW(progressBar_, PBM_SETRANGE32, 0, window::kProgressMax);
    applyDpi(windowDpi(window_));

    // The window as loaded, before the launcher makes it small: its initial client area.
    const double perPixel = twipsPerPixel();
    RECT outer{0, 0, twipsToPixels(window::kInitialClientWidth, perPixel),
               twipsToPixels(window::kInitialClientHeight, perPixel)};
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
    replaceFont(label_, labelFont_, createJapaneseFont(window::kBusyLabelFont.points, dpi));
    placeControls();
}

void LauncherFrame::placeControls() {
    const double perPixel = twipsPerPixel();
    const std::pair<HWND, ControlRect> controls[] = {{button_, window::kOpenButton},
                                                     {progressBar_, window::kProgressBar},
                                                     {label_, window::kBusyLabel}};
    for (const auto& [control, rect] : controls) {
        MoveWindow(control, twipsToPixels(rect.left, perPixel), twipsToPixels(rect.top, perPixel),
                   twipsToPixels(rect.width, perPixel), twipsToPixels(rect.height, perPixel), TRUE);
    }
}

}  // namespace kebo::win32
