#include "launcher/launcher.h"

namespace kebo {

namespace {

// The folder as the launcher reads it, into a buffer of 50 bytes. A path of 50 bytes or more does
// not fit, and what is looked in then is the blank buffer: it finds nothing.
constexpr std::size_t kFolderBufferSize = 50;

std::string readFolder(std::string path) {
    return path.size() < kFolderBufferSize ? path : std::string(kFolderBufferSize, ' ');
}

}  // namespace

void Launcher::load() {
    setWidth(0);
    setHeight(0);
    // What the windowing system makes of an empty window comes back before the window is
    // centred: its frame, a minimum size.
    applyGeometry();
    setInterval(Animation::Opening, 1);
    state_.windowsFolder = readFolder(platform_.folderPath(Folder::Windows));
    state_.systemFolder = readFolder(platform_.folderPath(Folder::System));
}

void Launcher::openingStep() {
    setHeight(height() + 50);
    setTop(top() - 25);
    setWidth(width() + 100);
    setLeft(left() - 50);
    if (width() >= 4700) {
        setWidth(4770);
        setInterval(Animation::Opening, 0);
    }
}

}  // namespace kebo
