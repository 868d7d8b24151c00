// kebo on a phone's screen, used with a finger: the window opened on it, a launch by taps, a
// minimise and the way back, and a move by dragging its title bar.
import {expect, test} from '@playwright/test';
import {Kebo, boxText as say} from './kebo_page.mjs';

// Touches the page at each point in turn, as one finger does.
async function swipe(page, points) {
    const cdp = await page.context().newCDPSession(page);
    const touch = (type, at) => cdp.send('Input.dispatchTouchEvent', {type, touchPoints: at ? [at] : []});
    await touch('touchStart', points[0]);
    for (const at of points.slice(1)) {
        await touch('touchMove', at);
    }
    await touch('touchEnd');
}

test('opened, launched, minimised and moved with a finger', async ({page}) => {
    const kebo = await Kebo.open(page, {fakeClock: true, touch: true});
    await kebo.opened();
    const from = await kebo.window.boundingBox();
    const area = await page.getByRole('main', {name: 'デスクトップ'}).boundingBox();
    expect(Math.abs(from.x + from.width / 2 - area.width / 2)).toBeLessThanOrEqual(3);
    expect(from.x).toBeGreaterThanOrEqual(0);
    expect(from.x + from.width).toBeLessThanOrEqual(area.width);

    await kebo.button.tap();
    await kebo.answerAll([[say.askOpen, 'はい'], [say.pleaseWait, 'OK']]);
    await kebo.progressUntilBox();
    await kebo.answer(say.ready, 'はい');
    const notepad = page.getByRole('region', {name: '無題 - メモ帳'});
    await expect(notepad).toBeVisible();
    await notepad.getByRole('button', {name: '閉じる'}).tap();

    await kebo.window.getByRole('button', {name: '最小化'}).tap();
    await expect(kebo.window).toBeHidden();
    await kebo.task.tap();
    await expect(kebo.window).toBeVisible();

    const grip = await kebo.window.getByText('ポムリナ').boundingBox();
    const x = grip.x + 5;
    const y = grip.y + 5;
    await swipe(page, [{x, y}, {x: x - 10, y: y + 40}, {x: x - 20, y: y + 80}]);
    await expect.poll(() => kebo.window.boundingBox()).toEqual({...from, x: from.x - 20, y: from.y + 80});
});
