// Message boxes: modal over the whole page, over their owner window, with an icon, a text and
// Yes and No or OK, the default button focused. Enter presses the focused button; Escape and the
// close button answer OK on an OK box and do nothing on a Yes/No box, which has no Cancel.
'use strict';

const keboMessageBox = (() => {
    const layer = document.getElementById('modal-layer');
    const svgNs = 'http://www.w3.org/2000/svg';
    const captions = {yes: 'はい', no: 'いいえ', ok: 'OK'};

    function svg(tag, attributes) {
        const node = document.createElementNS(svgNs, tag);
        for (const [name, value] of Object.entries(attributes)) {
            node.setAttribute(name, value);
        }
        return node;
    }

    // Windows' four: a red stop sign with a cross, a yellow warning triangle, a blue circle with a
    // question mark or an i.
    function icon(kind) {
        const image = svg('svg', {'viewBox': '0 0 32 32', 'aria-hidden': 'true'});
        if (kind === 'exclamation') {
            image.append(svg('path', {d: 'M16 2 L31 29 H1 Z', fill: '#f8c30c', stroke: '#9a7400'}));
        } else {
            image.append(svg('circle', {cx: 16, cy: 16, r: 15, fill: kind === 'stop' ? '#d92b2b' : '#1f6fd1'}));
        }
        if (kind === 'stop') {
            image.append(svg('path', {d: 'M10 10 L22 22 M22 10 L10 22', stroke: '#fff', 'stroke-width': 3.5}));
        } else {
            const mark = svg('text', {
                'x': 16, 'y': kind === 'exclamation' ? 26 : 23, 'text-anchor': 'middle',
                'font-size': 20, 'font-weight': 'bold', 'font-family': 'Arial, sans-serif',
                'fill': kind === 'exclamation' ? '#000' : '#fff',
            });
            mark.textContent = {question: '?', information: 'i', exclamation: '!'}[kind];
            image.append(mark);
        }
        return image;
    }

    // Resolves with 'yes', 'no' or 'ok'. `owner` is the window it is shown over, where that is on
    // the screen.
    function show({caption, text, buttons, icon: kind, defaultAnswer}, owner) {
        return new Promise((resolve) => {
            const answers = buttons === 'yesno' ? ['yes', 'no'] : ['ok'];
            const box = new keboDesktop.DesktopWindow({
                caption, parent: layer, inTaskbar: false, closable: buttons !== 'yesno',
                onClose: () => answer('ok'),
            });
            const node = box.node;
            node.classList.add('box');
            node.setAttribute('role', 'alertdialog');
            node.setAttribute('aria-modal', 'true');
            const textId = `${node.getAttribute('aria-labelledby')}-text`;
            node.setAttribute('aria-describedby', textId);

            const body = keboDesktop.element('div', 'box-body');
            const message = keboDesktop.element('p', '', {id: textId});
            message.textContent = text;
            body.append(icon(kind), message);
            const row = keboDesktop.element('div', 'box-buttons');
            const pressable = answers.map((name) => {
                const button = keboDesktop.element('button', '', {type: 'button'});
                button.textContent = captions[name];
                button.addEventListener('click', () => answer(name));
                row.append(button);
                return button;
            });
            box.client.append(body, row);

            node.addEventListener('keydown', (event) => {
                if (event.key === 'Escape') {
                    event.preventDefault();
                    if (buttons !== 'yesno') {
                        answer('ok');
                    }
                } else if (event.key === 'Enter' && !event.target.closest('button')) {
                    event.preventDefault();
                    answer(defaultAnswer);
                } else if (event.key === 'Tab') {
                    // Round the box's own buttons, as nothing else can be reached.
                    event.preventDefault();
                    const at = pressable.indexOf(document.activeElement);
                    const step = event.shiftKey ? pressable.length - 1 : 1;
                    pressable[(Math.max(at, 0) + step) % pressable.length].focus();
                }
            });

            keboDesktop.setModal(true);
            placeOver(box, owner);
            box.activate();
            pressable[Math.max(answers.indexOf(defaultAnswer), 0)].focus();

            function answer(name) {
                box.remove();
                if (!layer.hasChildNodes()) {
                    keboDesktop.setModal(false);
                }
                // The keyboard goes back to the window the box was over.
                if (owner && !owner.minimised) {
                    owner.activate();
                }
                resolve(name);
            }
        });
    }

    // Centred over the owner where it is on the screen and of some size, else on the work area;
    // always inside the page.
    function placeOver(box, owner) {
        const area = keboDesktop.workArea();
        const over = owner && !owner.minimised && owner.rect().width > 0 ? owner.rect() : area;
        const style = box.node.style;
        style.left = '0px';
        style.top = '0px';
        style.width = 'max-content';
        const size = box.rect();
        const centre = (start, length, inner, limit) =>
            Math.max(0, Math.min(Math.round(start + (length - inner) / 2), limit - inner));
        style.left = `${centre(over.left, over.width, size.width, innerWidth)}px`;
        style.top = `${centre(over.top, over.height, size.height, innerHeight)}px`;
    }

    return {show};
})();
