// The window's close button on the page: the close dialogue's roads, answered with the mouse and
// with Enter and Escape, and the farewell that ends the program and leaves the empty desktop.
import {expect, test} from '@playwright/test';
import {Kebo, boxText as say, centre} from './kebo_page.mjs';

const toQ3 = [[say.askQuit, 'はい'], [say.askQuitReally, 'はい']];
const roads = [
    {name: 'Enter at the first question refuses', answers: [[say.askQuit, 'Enter']], then: 'idle'},
    {name: 'Escape on a Yes/No box does nothing, on an OK box answers OK',
        answers: [[say.askQuit, 'Escape'], ...toQ3, [say.askRelaunch, 'いいえ'], [say.askCancelClose, 'はい'],
            [say.back, 'Escape']],
        then: 'idle'},
    {name: 'one more launch', answers: [...toQ3, [say.askRelaunch, 'はい'], [say.pleaseWait, 'OK']],
        then: 'waiting'},
    {name: 'goodbye shrinks the window away and ends',
        answers: [...toQ3, [say.askRelaunch, 'いいえ'], [say.askCancelClose, 'いいえ'], [say.askGoodbye, 'はい'],
            [say.seeYou, 'Enter']],
        then: 'ended'},
];

for (const road of roads) {
    test(road.name, async ({page}) => {
        const kebo = await Kebo.open(page, {fakeClock: true});
        await kebo.opened();
        const close = kebo.window.getByRole('button', {name: '閉じる'});
        await close.click();
        // Meanwhile nothing else on the page can be reached.
        await expect(kebo.box).toBeVisible();
        for (const rest of [page.getByRole('main', {name: 'デスクトップ'}), kebo.task.locator('..')]) {
            await expect(rest).toHaveJSProperty('inert', true);
        }
        const before = (await kebo.windowChanges()).length;
        await kebo.answerAll(road.answers);
        await kebo.advance(1000);
        await expect(kebo.box).toHaveCount(0);

        if (road.then === 'idle') {
            await expect(kebo.button).toBeFocused();
        } else if (road.then === 'waiting') {
            await expect(kebo.bar).toBeVisible();
            await expect(kebo.button).toBeDisabled();
            // A close while a launch waits is refused without a word.
            await close.click();
            await kebo.advance(100);
            await expect(kebo.box).toHaveCount(0);
        } else {
            const farewell = (await kebo.windowChanges()).slice(before - 1);
            const start = centre(farewell[0]);
            for (const change of farewell.filter((c) => c.shown)) {
                expect(Math.abs(centre(change).x - start.x)).toBeLessThanOrEqual(1);
                expect(Math.abs(centre(change).y - start.y)).toBeLessThanOrEqual(1);
            }
            // 31 ticks of 100 twips from 4770 to 1670, the last seen with the minimise; then gone.
            expect(farewell).toHaveLength(1 + 31);
            expect(farewell.at(-1)).toMatchObject({width: Math.round(1670 / 15), shown: false});
            await expect(kebo.window).toHaveCount(0);
            await expect(kebo.task).toHaveCount(0);
        }
    });
}
