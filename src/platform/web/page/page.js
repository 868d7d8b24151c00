// What the program asks of the page, in one object: the launcher's window and its controls, the
// message boxes, the programs, and the end, after which the page shows the empty desktop.
'use strict';

const keboPage = (() => {
    let launcher = null;
    // The program's handlers, given once it listens; nothing reaches it before or after.
    let events = {clicked() {}, closeClicked() {}, moved() {}};
    const forward = {
        clicked: () => events.clicked(),
        closeClicked: () => events.closeClicked(),
        moved: (rect) => events.moved(rect),
    };

    return {
        connect(handlers) { events = handlers; },
        createWindow(caption, clientWidth, clientHeight) {
            launcher = new KeboLauncherWindow(caption, clientWidth, clientHeight, forward);
        },
        addButton: (caption, rect) => launcher.addButton(caption, rect),
        addProgressBar: (rect, max) => launcher.addProgressBar(rect, max),
        addLabel: (caption, rect, font) => launcher.addLabel(caption, rect, font),

        workArea: () => keboDesktop.workArea(),
        windowRect: () => launcher.window.rect(),
        placeWindow: (rect) => launcher.window.place(rect),
        showWindow: () => launcher.window.show(),
        minimiseWindow: () => launcher.window.minimise(),
        setBusyPointer: (busy) => launcher.window.node.classList.toggle('busy', busy),
        setButtonEnabled(enabled) { launcher.button.disabled = !enabled; },
        setProgressVisible(visible) { launcher.bar.hidden = !visible; },
        setProgressValue: (value) => launcher.setProgressValue(value),
        setLabelVisible(visible) { launcher.label.hidden = !visible; },

        showBox: (box) => keboMessageBox.show(box, launcher.window),
        openProgram: (name) => keboPrograms.open(name),

        endProgram() {
            events = {clicked() {}, closeClicked() {}, moved() {}};
            document.getElementById('modal-layer').replaceChildren();
            keboDesktop.setModal(false);
            launcher.window.remove();
        },
    };
})();
