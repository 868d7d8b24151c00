// The launcher's window: built from the program's description of it (its caption, its controls
// and their places), and drawn as the program asks. Clicks and the close button go to the program.
'use strict';

class KeboLauncherWindow {
    constructor(caption, clientWidth, clientHeight, events) {
        this.events = events;
        this.window = new keboDesktop.DesktopWindow({
            caption, minimisable: true, hidden: true,
            onClose: () => this.events.closeClicked(),
            onMoved: (rect) => this.events.moved(rect),
            // The button takes the keyboard whenever the window is active, as in a dialog.
            onActivate: () => {
                if (this.button && !this.button.disabled) {
                    this.button.focus();
                }
            },
        });
        this.window.place({left: 0, top: 0, width: clientWidth, height: clientHeight});
    }

    addButton(caption, rect) {
        this.button = keboDesktop.placeNode(keboDesktop.element('button', 'control', {type: 'button'}), rect);
        this.button.textContent = caption;
        this.button.addEventListener('click', () => this.events.clicked());
        this.window.client.append(this.button);
    }

    addProgressBar(rect, max) {
        this.bar = keboDesktop.placeNode(keboDesktop.element('div', 'control progress-bar', {
            'role': 'progressbar', 'aria-valuemin': '0', 'aria-valuemax': String(max), 'aria-valuenow': '0',
        }), rect);
        this.bar.hidden = true;
        this.barMax = max;
        this.barFill = keboDesktop.element('div');
        this.barFill.style.width = '0%';
        this.bar.append(this.barFill);
        this.window.client.append(this.bar);
    }

    // The bar is named by the label beside it.
    addLabel(caption, rect, font) {
        const id = `${this.window.node.getAttribute('aria-labelledby')}-label`;
        this.label = keboDesktop.placeNode(keboDesktop.element('div', 'control busy-label', {id}), rect);
        this.label.textContent = caption;
        this.label.style.fontFamily = font.family;
        this.label.style.fontSize = `${font.points}pt`;
        this.label.style.color = font.colour;
        this.label.hidden = true;
        if (this.bar) {
            this.bar.setAttribute('aria-labelledby', id);
        }
        this.window.client.append(this.label);
    }

    setProgressValue(value) {
        this.bar.setAttribute('aria-valuenow', String(value));
        this.barFill.style.width = `${(100 * value) / this.barMax}%`;
    }
}
