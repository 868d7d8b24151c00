// The page's desktop: the work area above the task bar, and windows on it that are raised when
// touched, moved by their title bars with a mouse or a finger, minimised to the task bar and
// brought back from it. What a window holds and what its close button does are its owner's.
'use strict';

const keboDesktop = (() => {
    const desktop = document.getElementById('desktop');
    const taskbar = document.getElementById('taskbar');
    let topmost = 0;
    let nextId = 0;
    let active = null;

    function element(tag, className, attributes = {}) {
        const node = document.createElement(tag);
        if (className) {
            node.className = className;
        }
        for (const [name, value] of Object.entries(attributes)) {
            node.setAttribute(name, value);
        }
        return node;
    }

    // A node's place and size in CSS pixels, set in one go.
    function placeNode(node, rect) {
        const style = node.style;
        style.left = `${rect.left}px`;
        style.top = `${rect.top}px`;
        style.width = `${rect.width}px`;
        style.height = `${rect.height}px`;
        return node;
    }

    function rectOf(node) {
        const r = node.getBoundingClientRect();
        return {
            left: Math.round(r.left), top: Math.round(r.top),
            width: Math.round(r.width), height: Math.round(r.height),
        };
    }

    class DesktopWindow {
        // options: caption; minimisable; closable (false: the close button is there, disabled);
        // onClose, onActivate, onMoved; parent (the node it lives in; the desktop by default);
        // inTaskbar (true by default); hidden (until show(); false by default); appIcon (kebo's
        // icon in the title bar and the task bar; true by default).
        constructor(options) {
            this.options = Object.assign({onActivate() {}, onMoved() {}}, options);
            const id = `kebo-window-${nextId++}`;
            this.node = element('section', 'window', {'role': 'region', 'aria-labelledby': `${id}-caption`});
            this.titleBar = element('header', 'title-bar');
            const caption = element('span', 'caption', {id: `${id}-caption`});
            caption.textContent = options.caption;
            const icon = () => (options.appIcon === false ? '' : element('span', 'app-icon', {'aria-hidden': 'true'}));
            this.titleBar.append(icon(), caption);
            if (options.minimisable) {
                const minimise = element('button', 'minimise', {'type': 'button', 'aria-label': '最小化'});
                minimise.addEventListener('click', () => this.minimise());
                this.titleBar.append(minimise);
            }
            this.closeButton = element('button', 'close', {'type': 'button', 'aria-label': '閉じる'});
            this.closeButton.disabled = options.closable === false;
            this.closeButton.addEventListener('click', () => options.onClose());
            this.titleBar.append(this.closeButton);
            this.client = element('div', 'client');
            this.node.append(this.titleBar, this.client);
            this.node.addEventListener('pointerdown', () => this.activate(), true);
            this.followDrags();
            if (options.inTaskbar !== false) {
                this.task = element('button', '', {'type': 'button', 'aria-pressed': 'false'});
                const label = element('span');
                label.textContent = options.caption;
                this.task.append(icon(), label);
                this.task.addEventListener('click', () => this.taskClicked());
                taskbar.append(this.task);
            }
            if (options.hidden) {
                this.node.hidden = true;
                if (this.task) {
                    this.task.hidden = true;
                }
            }
            (options.parent || desktop).append(this.node);
        }

        show() {
            if (this.task) {
                this.task.hidden = false;
            }
            this.activate();
        }

        place(rect) {
            placeNode(this.node, rect);
        }

        rect() {
            return rectOf(this.node);
        }

        get minimised() {
            return this.node.hidden;
        }

        activate() {
            if (this.minimised) {
                this.node.hidden = false;
            }
            this.node.style.zIndex = String(++topmost);
            if (active !== this) {
                if (active) {
                    active.deactivate();
                }
                active = this;
                this.node.classList.add('active');
                this.pressTask(true);
            }
            this.options.onActivate();
        }

        deactivate() {
            this.node.classList.remove('active');
            this.pressTask(false);
            if (active === this) {
                active = null;
            }
        }

        pressTask(pressed) {
            if (this.task) {
                this.task.setAttribute('aria-pressed', String(pressed));
            }
        }

        minimise() {
            if (this.node.contains(document.activeElement)) {
                document.activeElement.blur();
            }
            this.node.hidden = true;
            this.deactivate();
        }

        // As on Windows: a minimised window comes back, the active one is minimised, another one
        // comes to the front.
        taskClicked() {
            if (active === this && !this.minimised) {
                this.minimise();
            } else {
                this.activate();
            }
        }

        remove() {
            this.deactivate();
            this.node.remove();
            if (this.task) {
                this.task.remove();
            }
        }

        // By the pointer's own steps, so that a move made meanwhile by the program is kept too.
        followDrags() {
            let last = null;
            this.titleBar.addEventListener('pointerdown', (event) => {
                if (event.target.closest('button') || !event.isPrimary) {
                    return;
                }
                last = {x: event.clientX, y: event.clientY};
                this.titleBar.setPointerCapture(event.pointerId);
                event.preventDefault();
            });
            this.titleBar.addEventListener('pointermove', (event) => {
                if (!last || !this.titleBar.hasPointerCapture(event.pointerId)) {
                    return;
                }
                const r = this.rect();
                r.left += event.clientX - last.x;
                r.top += event.clientY - last.y;
                this.place(r);
                last = {x: event.clientX, y: event.clientY};
                this.options.onMoved(this.rect());
            });
            const end = () => { last = null; };
            this.titleBar.addEventListener('pointerup', end);
            this.titleBar.addEventListener('pointercancel', end);
        }
    }

    return {
        element,
        placeNode,
        DesktopWindow,
        workArea: () => rectOf(desktop),
        // While a message box is open nothing else on the page can be reached.
        setModal(modal) {
            desktop.inert = modal;
            taskbar.inert = modal;
        },
    };
})();
