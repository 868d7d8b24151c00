// The programs that the launcher starts, as windows of the page: メモ帳, a text area whose 保存
// downloads what was typed, and ペイント, a canvas to draw on with a mouse or a finger whose 保存
// downloads a PNG. Each opens in front with the keyboard's focus; nothing is kept between visits.
'use strict';

const keboPrograms = (() => {
    let opened = 0;

    function download(blob, name) {
        const link = keboDesktop.element('a', '', {download: name});
        link.href = URL.createObjectURL(blob);
        link.click();
        setTimeout(() => URL.revokeObjectURL(link.href), 0);
    }

    // Each a little below and to the right of the one before, as Windows cascades new windows, and
    // always inside the work area.
    function programWindow(caption, width, height) {
        const win = new keboDesktop.DesktopWindow({
            caption, minimisable: true, appIcon: false, onClose: () => win.remove(),
        });
        win.node.classList.add('program');
        const area = keboDesktop.workArea();
        const step = 24 * (opened++ % 8);
        win.place({
            left: Math.max(0, Math.min(area.left + 16 + step, area.width - width)),
            top: Math.max(0, Math.min(area.top + 16 + step, area.height - height)),
            width: Math.min(width, area.width), height: Math.min(height, area.height),
        });
        return win;
    }

    function tools(win, save) {
        const row = keboDesktop.element('div', 'program-tools');
        const button = keboDesktop.element('button', '', {type: 'button'});
        button.textContent = '保存';
        button.addEventListener('click', save);
        row.append(button);
        win.client.append(row);
    }

    function notepad() {
        const win = programWindow('無題 - メモ帳', 360, 240);
        const text = keboDesktop.element('textarea', '', {'aria-label': 'テキスト', 'spellcheck': 'false'});
        tools(win, () => download(new Blob([text.value], {type: 'text/plain;charset=utf-8'}), '無題.txt'));
        win.client.append(text);
        win.options.onActivate = () => text.focus();
        win.activate();
    }

    function paint() {
        const win = programWindow('無題 - ペイント', 360, 300);
        const area = keboDesktop.element('div', 'canvas-area');
        const canvas = keboDesktop.element('canvas', '', {'role': 'img', 'aria-label': 'キャンバス', 'tabindex': '0'});
        canvas.width = 320;
        canvas.height = 220;
        const pen = canvas.getContext('2d');
        pen.fillStyle = '#fff';
        pen.fillRect(0, 0, canvas.width, canvas.height);
        pen.lineWidth = 2;
        pen.lineCap = 'round';
        let last = null;
        const at = (event) => {
            const r = canvas.getBoundingClientRect();
            return {x: event.clientX - r.left, y: event.clientY - r.top};
        };
        canvas.addEventListener('pointerdown', (event) => {
            last = at(event);
            canvas.setPointerCapture(event.pointerId);
        });
        canvas.addEventListener('pointermove', (event) => {
            if (!last) {
                return;
            }
            const next = at(event);
            pen.beginPath();
            pen.moveTo(last.x, last.y);
            pen.lineTo(next.x, next.y);
            pen.stroke();
            last = next;
        });
        const end = () => { last = null; };
        canvas.addEventListener('pointerup', end);
        canvas.addEventListener('pointercancel', end);
        tools(win, () => canvas.toBlob((png) => download(png, '無題.png'), 'image/png'));
        area.append(canvas);
        win.client.append(area);
        win.options.onActivate = () => canvas.focus();
        win.activate();
    }

    return {open: (name) => (name === 'paint' ? paint : notepad)()};
})();
