#include "platform/web/web_platform.h"

#include <emscripten/emscripten.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <string>

#include "platform/launcher_description.h"
#include "platform/twips.h"
#include "platform/web/page_events.h"
#include "platform/windows_program_files.h"

// The page's side of each request: `keboPage` is the page's own script (page/page.js). The
// timers and the report of the window's first frame are the backend's, kept here.
// clang-format off
EM_JS(bool, page_test_paint_missing, (), {
    return Boolean(globalThis.keboTest && globalThis.keboTest.paintMissing);
});
EM_JS(void, page_create_window, (const char* caption, int clientWidth, int clientHeight), {
    keboPage.createWindow(UTF8ToString(caption), clientWidth, clientHeight);
});
EM_JS(void, page_add_button, (const char* caption, int left, int top, int width, int height), {
    keboPage.addButton(UTF8ToString(caption), {left, top, width, height});
});
EM_JS(void, page_add_progress_bar, (int left, int top, int width, int height, int max), {
    keboPage.addProgressBar({left, top, width, height}, max);
});
EM_JS(void, page_add_label, (const char* caption, int left, int top, int width, int height,
                             const char* fontFamily, double points, const char* colour), {
    keboPage.addLabel(UTF8ToString(caption), {left, top, width, height},
                      {family: UTF8ToString(fontFamily), points, colour: UTF8ToString(colour)});
});
EM_JS(void, page_connect, (), {
    keboPage.connect({
        clicked: () => _kebo_web_button_clicked(),
        closeClicked: () => _kebo_web_close_clicked(),
        moved: (r) => _kebo_web_window_reported(r.left, r.top, r.width, r.height),
    });
    addEventListener('pagehide', () => _kebo_web_page_hidden());
});
EM_JS(void, page_work_area, (int* rect), {
    const area = keboPage.workArea();
    HEAP32.set([area.left, area.top, area.width, area.height], rect >> 2);
});
EM_JS(void, page_place_window, (int left, int top, int width, int height), {
    keboPage.placeWindow({left, top, width, height});
});
// On the screen from its first frame on.
EM_JS(void, page_show_window, (), {
    keboPage.showWindow();
    requestAnimationFrame(() => {
        const r = keboPage.windowRect();
        _kebo_web_window_reported(r.left, r.top, r.width, r.height);
    });
});
EM_JS(void, page_minimise_window, (), { keboPage.minimiseWindow(); });
EM_JS(void, page_set_busy_pointer, (bool busy), { keboPage.setBusyPointer(busy); });
EM_JS(void, page_set_button_enabled, (bool enabled), { keboPage.setButtonEnabled(enabled); });
EM_JS(void, page_set_progress_visible, (bool visible), { keboPage.setProgressVisible(visible); });
EM_JS(void, page_set_progress_value, (int value), { keboPage.setProgressValue(value); });
EM_JS(void, page_set_label_visible, (bool visible), { keboPage.setLabelVisible(visible); });
EM_JS(void, page_start_timer, (int animation, int periodMs), {
    const timers = Module.keboTimers || (Module.keboTimers = []);
    clearInterval(timers[animation]);
    timers[animation] = setInterval(() => _kebo_web_timer_ticked(animation), periodMs);
});
EM_JS(void, page_stop_timer, (int animation), {
    if (Module.keboTimers) {
        clearInterval(Module.keboTimers[animation]);
    }
});
// The answer's index: 0 OK, 1 Yes, 2 No.
EM_ASYNC_JS(int, page_show_box, (const char* caption, const char* text, const char* buttons,
                                 const char* icon, const char* defaultAnswer), {
    const answer = await keboPage.showBox({
        caption: UTF8ToString(caption), text: UTF8ToString(text), buttons: UTF8ToString(buttons),
        icon: UTF8ToString(icon), defaultAnswer: UTF8ToString(defaultAnswer),
    });
    return ['ok', 'yes', 'no'].indexOf(answer);
});
EM_JS(void, page_open_program, (const char* program), {
    keboPage.openProgram(UTF8ToString(program));
});
EM_JS(void, page_end_program, (), {
    (Module.keboTimers || []).forEach(clearInterval);
    keboPage.endProgram();
});
// clang-format on

namespace kebo::web {

namespace {

constexpr double kTwipsPerPixel = 15;

int pixels(int twips) {
    return twipsToPixels(twips, kTwipsPerPixel);
}

// Every family quoted, so that CSS takes each whole, in the order given.
std::string cssFontFamily(const FontDescription& font) {
    std::string css;
    for (const std::string_view family : font.families) {
        css += css.empty() ? "\"" : ", \"";
        css += family;
        css += '"';
    }
    return css;
}

void addControl(void (*add)(const char*, int, int, int, int), std::string_view caption,
                const ControlRect& rect) {
    add(std::string(caption).c_str(), pixels(rect.left), pixels(rect.top), pixels(rect.width),
        pixels(rect.height));
}

const char* buttonsName(Buttons buttons) {
    return buttons == Buttons::YesNo ? "yesno" : "ok";
}

const char* iconName(BoxIcon icon) {
    switch (icon) {
        case BoxIcon::Stop:
            return "stop";
        case BoxIcon::Question:
            return "question";
        case BoxIcon::Exclamation:
            return "exclamation";
        case BoxIcon::Information:
            return "information";
    }
    return "";
}

const char* answerName(Answer answer) {
    switch (answer) {
        case Answer::Ok:
            return "ok";
        case Answer::Yes:
            return "yes";
        case Answer::No:
            return "no";
    }
    return "";
}

}  // namespace

WebPlatform::WebPlatform() : folders_(!page_test_paint_missing()) {
    page_create_window(std::string(window::kCaption).c_str(), pixels(window::kInitialClientWidth),
                       pixels(window::kInitialClientHeight));
    addControl(page_add_button, window::kOpenButtonCaption, window::kOpenButton);
    const ControlRect& bar = window::kProgressBar;
    page_add_progress_bar(pixels(bar.left), pixels(bar.top), pixels(bar.width), pixels(bar.height),
                          window::kProgressMax);
    const ControlRect& label = window::kBusyLabel;
    page_add_label(std::string(window::kBusyLabelCaption).c_str(), pixels(label.left),
                   pixels(label.top), pixels(label.width), pixels(label.height),
                   cssFontFamily(window::kBusyLabelFont).c_str(), window::kBusyLabelFont.points,
                   "rgb(255, 0, 0)");
}

void WebPlatform::attach(LauncherEvents& launcher) {
    sendPageEventsTo(launcher);
    page_connect();
}

PixelRect WebPlatform::workArea() const {
    std::array<int, 4> area{};
    page_work_area(area.data());
    return {area[0], area[1], area[2], area[3]};
}

void WebPlatform::placeWindow(const PixelRect& outer) {
    page_place_window(outer.left, outer.top, outer.width, outer.height);
}

void WebPlatform::showWindow() {
    page_show_window();
}

void WebPlatform::minimiseWindow() {
    page_minimise_window();
}

void WebPlatform::setBusyPointer(bool busy) {
    page_set_busy_pointer(busy);
}

void WebPlatform::setButtonEnabled(bool enabled) {
    page_set_button_enabled(enabled);
}

void WebPlatform::setProgressVisible(bool visible) {
    page_set_progress_visible(visible);
}

void WebPlatform::setProgressValue(int value) {
    page_set_progress_value(value);
}

void WebPlatform::setBusyLabelVisible(bool visible) {
    page_set_label_visible(visible);
}

void WebPlatform::startTimer(Animation animation, int periodMs) {
    page_start_timer(static_cast<int>(animation), periodMs);
}

void WebPlatform::stopTimer(Animation animation) {
    page_stop_timer(static_cast<int>(animation));
}

Answer WebPlatform::showBox(const Box& box) {
    switch (page_show_box(std::string(boxes::kCaption).c_str(), std::string(box.text).c_str(),
                          buttonsName(box.buttons), iconName(box.icon),
                          answerName(box.defaultAnswer))) {
        case 1:
            return Answer::Yes;
        case 2:
            return Answer::No;
        default:
            return Answer::Ok;
    }
}

std::string WebPlatform::programFile(Program program) {
    return windowsProgramFile(program);
}

std::optional<std::string> WebPlatform::startProgram(Program program) {
    const auto found = folders_.find(programFile(program));
    if (!found) {
        // Windows' own words for the error of a file not found.
        return "指定されたファイルが見つかりません。";
    }
    page_open_program(*found == PageProgram::Notepad ? "notepad" : "paint");
    return std::nullopt;
}

// The page's clock counts milliseconds since 1970, the monotonic one fractions of one since the
// page was loaded: together they differ between any two re-seeds.
void WebPlatform::reseedRandom() {
    const auto wall = std::chrono::system_clock::now().time_since_epoch();
    const auto monotonic = std::chrono::steady_clock::now().time_since_epoch();
    random_.reseed(static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(wall + monotonic).count()));
}

void WebPlatform::endProgram() {
    page_end_program();
}

}  // namespace kebo::web
