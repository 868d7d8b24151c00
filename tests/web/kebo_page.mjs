// Drives kebo's page as its user does, finding every control by its role and name as a screen
// reader would, and reads what the page shows.
import {expect} from '@playwright/test';
import {pathToFileURL} from 'node:url';

export const boxText = {
    askOpen: 'メモ帳を開きますか？',
    refusal: '拒否できませんでした。強制的に開きます。',
    pleaseWait: '立ち上げにはしばらく時間がかかります。しばらくお待ちください。',
    ready: 'お待たせしました、メモ帳を開く準備ができました。今メモ帳を開きますか？',
    forcePaint: 'じゃあ、いっしょに準備しておいたペイントを開きます。（強制）',
    paintMissing: 'ペイントが見つからなかったのでやっぱりメモ帳にします。',
    askQuit: '終了していいですか？',
    askQuitReally: '本当に終了しますか？',
    askRelaunch: 'もう一回ぐらいメモ帳を立ち上げてみませんか？',
    askCancelClose: '今ならキャンセルできます。閉じるのキャンセルしますか？',
    askGoodbye: 'さようなら？',
    back: 'ありがとうございます。ランチャーに戻ります。',
    seeYou: 'じゃーねー',
};

// Every rectangle the launcher's window is given, as the page holds it, with whether it is shown.
function recordWindow() {
    globalThis.keboWindowChanges = [];
    let launcher = null;
    new MutationObserver(() => {
        launcher ||= [...document.querySelectorAll('[role=region]')].find(
            (node) => document.getElementById(node.getAttribute('aria-labelledby')).textContent === 'ポムリナ');
        if (!launcher) {
            return;
        }
        const style = launcher.style;
        const [left, top, width, height] = [style.left, style.top, style.width, style.height].map((v) => parseInt(v, 10));
        const change = {left, top, width, height, shown: !launcher.hidden && launcher.isConnected};
        const last = globalThis.keboWindowChanges.at(-1);
        if (!last || JSON.stringify(last) !== JSON.stringify(change)) {
            globalThis.keboWindowChanges.push(change);
        }
    }).observe(document, {subtree: true, childList: true, attributes: true, attributeFilter: ['style', 'hidden']});
}

export class Kebo {
    constructor(page) {
        this.page = page;
        this.window = page.getByRole('region', {name: 'ポムリナ'});
        this.button = this.window.getByRole('button', {name: 'メモ帳を開く'});
        this.bar = this.window.getByRole('progressbar', {includeHidden: true});
        this.label = this.window.getByText('立ち上げ中・・・');
        this.task = page.getByRole('navigation', {name: 'タスク バー'}).getByRole('button', {name: 'ポムリナ'});
        this.box = page.getByRole('alertdialog', {name: 'KEBO'});
    }

    // The page opened from disk. With a fake clock, time moves only by advance(); with
    // `paintMissing`, the page's system folder has no paint program; with `touch`, buttons are
    // tapped.
    static async open(page, {fakeClock = false, paintMissing = false, touch = false} = {}) {
        if (fakeClock) {
            await page.clock.install();
        }
        if (paintMissing) {
            await page.addInitScript(() => { globalThis.keboTest = {paintMissing: true}; });
        }
        await page.addInitScript(recordWindow);
        await page.goto(pathToFileURL(process.env.KEBO_PAGE || 'build/web/kebo.html').href);
        const kebo = new Kebo(page);
        Object.assign(kebo, {fakeClock, touch});
        return kebo;
    }

    async advance(ms) {
        if (this.fakeClock) {
            await this.page.clock.runFor(ms);
        } else {
            await this.page.waitForTimeout(ms);
        }
    }

    // Until the window has its full width.
    async opened() {
        for (let ms = 0; ms < 5000 && (await this.windowChanges()).at(-1)?.width !== 318; ms += 50) {
            await this.advance(50);
        }
        await expect(this.button).toBeFocused();
    }

    windowChanges() {
        return this.page.evaluate(() => globalThis.keboWindowChanges);
    }

    // Answers the box that says `text`: with the button named `answer`, or with a key (Enter,
    // Escape) or a tap.
    async answer(text, answer) {
        await expect(this.box).toHaveAccessibleDescription(text);
        if (answer === 'Enter' || answer === 'Escape') {
            await this.page.keyboard.press(answer);
        } else {
            await this.press(this.box.getByRole('button', {name: answer}));
        }
    }

    press(control) {
        return this.touch ? control.tap() : control.click();
    }

    async answerAll(answers) {
        for (const [text, answer] of answers) {
            await this.answer(text, answer);
        }
    }

    // Runs the launch's fake progress until the box that ends it, and tells what the window showed
    // meanwhile.
    async progressUntilBox() {
        const seen = {values: [], labelShown: false, labelHidden: false, busy: false};
        while (!(await this.box.isVisible())) {
            await this.advance(100);
            seen.values.push(Number(await this.bar.getAttribute('aria-valuenow')));
            (await this.label.isVisible()) ? (seen.labelShown = true) : (seen.labelHidden = true);
            seen.busy ||= (await this.window.evaluate((node) => getComputedStyle(node).cursor)) === 'wait';
        }
        return seen;
    }
}

export const centre = (r) => ({x: r.left + r.width / 2, y: r.top + r.height / 2});
