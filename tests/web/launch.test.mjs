// A whole launch on the page: its boxes, the bar and the blinking label while it waits, and the
// program it ends with, opened in front with the keyboard's focus and saving what it made.
import {expect, test} from '@playwright/test';
import {readFile} from 'node:fs/promises';
import {Kebo, boxText as say} from './kebo_page.mjs';

// What the user does in the program, and what its 保存 downloads.
async function typeText(page, program) {
    await expect(program.getByRole('textbox', {name: 'テキスト'})).toBeFocused();
    await page.keyboard.type('こんにちは kebo');
    return {name: '無題.txt', starts: Buffer.from('こんにちは kebo')};
}
async function draw(page, program) {
    const canvas = program.getByRole('img', {name: 'キャンバス'});
    await expect(canvas).toBeFocused();
    const box = await canvas.boundingBox();
    await page.mouse.move(box.x + 20, box.y + 20);
    await page.mouse.down();
    await page.mouse.move(box.x + 120, box.y + 90, {steps: 5});
    await page.mouse.up();
    return {name: '無題.png', starts: Buffer.from([0x89, 0x50, 0x4e, 0x47])};
}

const roads = [
    {name: 'yes opens the text editor', before: [[say.askOpen, 'はい'], [say.pleaseWait, 'OK']],
        after: [[say.ready, 'はい']], program: '無題 - メモ帳', use: typeText},
    {name: 'no opens paint from the system folder',
        before: [[say.askOpen, 'いいえ'], [say.refusal, 'OK'], [say.pleaseWait, 'Enter']],
        after: [[say.ready, 'いいえ'], [say.forcePaint, 'OK']], program: '無題 - ペイント', use: draw},
    {name: 'no without paint opens the text editor', paintMissing: true,
        before: [[say.askOpen, 'Enter'], [say.pleaseWait, 'OK']],
        after: [[say.ready, 'いいえ'], [say.forcePaint, 'OK'], [say.paintMissing, 'OK']],
        program: '無題 - メモ帳', use: typeText},
];

for (const road of roads) {
    test(road.name, async ({page}) => {
        const kebo = await Kebo.open(page, {fakeClock: true, paintMissing: road.paintMissing});
        await kebo.opened();
        await page.keyboard.press('Enter');
        await kebo.answerAll(road.before);
        await expect(kebo.button).toBeDisabled();
        const seen = await kebo.progressUntilBox();
        expect(seen.labelShown && seen.labelHidden && seen.busy).toBe(true);
        expect(seen.values).toEqual([...seen.values].sort((a, b) => a - b));
        expect(seen.values.at(-1)).toBeLessThanOrEqual(10000);
        await expect(kebo.bar).toHaveAttribute('aria-valuenow', '10000');
        await kebo.answerAll(road.after);

        const program = page.getByRole('region', {name: road.program});
        await expect(program).toBeVisible();
        await expect(kebo.bar).toBeHidden();
        await expect(kebo.bar).toHaveAttribute('aria-valuenow', '0');
        await expect(kebo.label).toBeHidden();
        await expect(kebo.button).toBeEnabled();
        expect(await kebo.window.evaluate((node) => getComputedStyle(node).cursor)).not.toBe('wait');

        const made = await road.use(page, program);
        const [download] = await Promise.all([page.waitForEvent('download'),
            program.getByRole('button', {name: '保存'}).click()]);
        expect(download.suggestedFilename()).toBe(made.name);
        expect((await readFile(await download.path())).subarray(0, made.starts.length)).toEqual(made.starts);
        await program.getByRole('button', {name: '閉じる'}).click();
        await expect(program).toHaveCount(0);
    });
}
