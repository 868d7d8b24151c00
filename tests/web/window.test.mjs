// The window on the page's desktop: moved by its title bar, minimised to the task bar and brought
// back, and the end of the page, which ends the program at once.
import {expect, test} from '@playwright/test';
import {Kebo, boxText as say, centre} from './kebo_page.mjs';

test('a move is kept, and the farewell shrinks the window about its new centre', async ({page}) => {
    const kebo = await Kebo.open(page, {fakeClock: true});
    await kebo.opened();
    const from = await kebo.window.boundingBox();
    const title = kebo.window.getByText('ポムリナ');
    const grip = await title.boundingBox();
    await page.mouse.move(grip.x + 5, grip.y + 5);
    await page.mouse.down();
    await page.mouse.move(grip.x - 115, grip.y + 65, {steps: 4});
    await page.mouse.up();
    expect(await kebo.window.boundingBox()).toEqual({...from, x: from.x - 120, y: from.y + 60});

    await kebo.window.getByRole('button', {name: '閉じる'}).click();
    await kebo.answerAll([[say.askQuit, 'はい'], [say.askQuitReally, 'はい'], [say.askRelaunch, 'いいえ'],
        [say.askCancelClose, 'いいえ'], [say.askGoodbye, 'はい'], [say.seeYou, 'OK']]);
    await kebo.advance(1000);
    const last = (await kebo.windowChanges()).at(-1);
    expect(Math.abs(centre(last).x - (from.x - 120 + from.width / 2))).toBeLessThanOrEqual(1);
    expect(Math.abs(centre(last).y - (from.y + 60 + from.height / 2))).toBeLessThanOrEqual(1);
    await expect(kebo.window).toHaveCount(0);
});

test('minimised to the task bar, and back with the button focused', async ({page}) => {
    const kebo = await Kebo.open(page, {fakeClock: true});
    await kebo.opened();
    await expect(kebo.task).toHaveAttribute('aria-pressed', 'true');
    await kebo.window.getByRole('button', {name: '最小化'}).click();
    await expect(kebo.window).toBeHidden();
    await expect(kebo.task).toHaveAttribute('aria-pressed', 'false');
    await kebo.task.click();
    await expect(kebo.window).toBeVisible();
    await expect(kebo.button).toBeFocused();
});

for (const moment of ['at rest', 'with a box open', 'while a launch waits']) {
    test(`leaving the page ends the program at once, ${moment}`, async ({page}) => {
        const errors = [];
        page.on('pageerror', (error) => errors.push(error));
        const kebo = await Kebo.open(page, {fakeClock: true});
        await kebo.opened();
        if (moment !== 'at rest') {
            await kebo.button.click();
        }
        if (moment === 'while a launch waits') {
            await kebo.answerAll([[say.askOpen, 'はい'], [say.pleaseWait, 'OK']]);
        }
        await page.evaluate(() => dispatchEvent(new PageTransitionEvent('pagehide', {persisted: false})));
        await kebo.advance(20000);
        await expect(kebo.window).toHaveCount(0);
        await expect(kebo.box).toHaveCount(0);
        await expect(kebo.task).toHaveCount(0);
        expect(errors).toEqual([]);
    });
}
