#include "message_box_reader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <utility>

namespace kebo::win32 {

namespace {

// The static control that holds a message box's text.
constexpr int kTextControlId = 0xFFFF;

std::wstring classOf(HWND window) {
    std::array<wchar_t, 64> name{};
    GetClassNameW(window, name.data(), static_cast<int>(name.size()));
    return name.data();
}

std::wstring textOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string utf8(const std::wstring& text) {
    const int size = static_cast<int>(text.size());
    std::string result(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), size,
                                                                    nullptr, 0, nullptr, nullptr)),
                       '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, result.data(),
                        static_cast<int>(result.size()), nullptr, nullptr);
    return result;
}

struct BoxSearch {
    DWORD processId;
    const wchar_t* caption;
    HWND found;
};

BOOL CALLBACK matchBox(HWND window, LPARAM searchAddress) {
    auto& search = *reinterpret_cast<BoxSearch*>(searchAddress);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId && IsWindowVisible(window) != FALSE &&
        classOf(window) == L"#32770" && textOf(window) == search.caption) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

std::vector<HWND> childrenOf(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    return children;
}

// Pixels as 0x00RRGGBB, row by row.
using Pixels = std::vector<std::uint32_t>;

class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    ~Canvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }

    HDC dc() const { return dc_; }
    void fill(COLORREF colour) {
        const RECT all{0, 0, width_, height_};
        HBRUSH brush = CreateSolidBrush(colour);
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
    }
    Pixels pixels() const {
        GdiFlush();
        const auto* first = static_cast<const std::uint32_t*>(bits_);
        Pixels result(first, first + static_cast<std::ptrdiff_t>(width_) * height_);
        for (std::uint32_t& pixel : result) {
            pixel &= 0xFFFFFFU;
        }
        return result;
    }

private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    void* bits_ = nullptr;
};

bool close(std::uint32_t a, std::uint32_t b) {
    for (unsigned shift : {0U, 8U, 16U}) {
        if (std::abs(static_cast<int>((a >> shift) & 0xFFU) -
                     static_cast<int>((b >> shift) & 0xFFU)) > 48) {
            return false;
        }
    }
    return true;
}

// The share of the icon's opaque pixels that the screen shows in the icon's colours.
double likeness(const Pixels& screen, HICON icon, int width, int height) {
    Canvas onBlack(width, height);
    Canvas onWhite(width, height);
    onBlack.fill(RGB(0, 0, 0));
    onWhite.fill(RGB(255, 255, 255));
    DrawIconEx(onBlack.dc(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    DrawIconEx(onWhite.dc(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    const Pixels black = onBlack.pixels();
    const Pixels white = onWhite.pixels();
    int opaque = 0;
    int matching = 0;
    for (std::size_t i = 0; i < screen.size(); ++i) {
        if (black[i] == white[i]) {
            ++opaque;
            matching += close(screen[i], black[i]) ? 1 : 0;
        }
    }
    return opaque == 0 ? 0 : static_cast<double>(matching) / opaque;
}

// A box's buttons have the answer codes as their ids.
constexpr std::pair<Answer, int> kButtonIds[] = {
    {Answer::Ok, IDOK}, {Answer::Yes, IDYES}, {Answer::No, IDNO}};

// Which of the system's message box icons the screen shows where the box's icon control is.
std::optional<BoxIcon> recogniseIcon(HWND iconControl) {
    RECT place{};
    GetWindowRect(iconControl, &place);
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    if (width <= 0 || height <= 0) {
        return std::nullopt;
    }
    Canvas shot(width, height);
    HDC screen = GetDC(nullptr);
    BitBlt(shot.dc(), 0, 0, width, height, screen, place.left, place.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    const Pixels seen = shot.pixels();

    const std::pair<BoxIcon, const wchar_t*> candidates[] = {
        {BoxIcon::Stop, IDI_HAND},
        {BoxIcon::Question, IDI_QUESTION},
        {BoxIcon::Exclamation, IDI_EXCLAMATION},
        {BoxIcon::Information, IDI_ASTERISK}};
    std::optional<BoxIcon> best;
    double bestLikeness = 0.8;
    for (const auto& [kind, name] : candidates) {
        const double value = likeness(seen, LoadIconW(nullptr, name), width, height);
        if (value > bestLikeness) {
            best = kind;
            bestLikeness = value;
        }
    }
    return best;
}

}  // namespace

HWND findMessageBox(DWORD processId, const wchar_t* caption) {
    BoxSearch search{processId, caption, nullptr};
    EnumWindows(matchBox, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

MessageBoxView readMessageBox(HWND box) {
    MessageBoxView view;
    view.owner = GetWindow(box, GW_OWNER);
    view.text = utf8(textOf(GetDlgItem(box, kTextControlId)));
    std::vector<std::pair<LONG, Answer>> buttons;  // left edge, answer
    for (HWND child : childrenOf(box)) {
        if (IsWindowVisible(child) == FALSE) {
            continue;
        }
        const auto style = static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE));
        const std::wstring childClass = classOf(child);
        if (_wcsicmp(childClass.c_str(), L"Button") == 0) {
            const auto* id = std::find_if(
                std::begin(kButtonIds), std::end(kButtonIds),
                [&](const auto& button) { return button.second == GetDlgCtrlID(child); });
            if (id == std::end(kButtonIds)) {
                continue;
            }
            RECT place{};
            GetWindowRect(child, &place);
            buttons.emplace_back(place.left, id->first);
            if ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
                view.defaultButton = id->first;
            }
        } else if (_wcsicmp(childClass.c_str(), L"Static") == 0 &&
                   (style & SS_TYPEMASK) == SS_ICON) {
            view.icon = recogniseIcon(child);
        }
    }
    std::sort(buttons.begin(), buttons.end());
    for (const auto& [left, answer] : buttons) {
        view.buttons.push_back(answer);
    }
    return view;
}

void answerMessageBox(HWND box, Answer answer) {
    const auto* id = std::find_if(std::begin(kButtonIds), std::end(kButtonIds),
                                  [&](const auto& button) { return button.first == answer; });
    PostMessageW(GetDlgItem(box, id->second), BM_CLICK, 0, 0);
}

}  // namespace kebo::win32
