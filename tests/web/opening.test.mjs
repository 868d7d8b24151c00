// The page's start and opening: one file that asks for nothing else, whose window grows from
// nothing about the centre of the work area to 318 px, one change of its rectangle a tick, at the
// shortest timer period.
import {expect, test} from '@playwright/test';
import {Kebo, centre} from './kebo_page.mjs';

for (const viewport of [{width: 1024, height: 768}, {width: 640, height: 1000}]) {
    test(`grows about the work area's centre on ${viewport.width}x${viewport.height}`, async ({page}) => {
        await page.setViewportSize(viewport);
        await page.addInitScript(() => {
            const setInterval = globalThis.setInterval;
            globalThis.keboPeriods = [];
            globalThis.setInterval = (f, ms) => (globalThis.keboPeriods.push(ms), setInterval(f, ms));
        });
        const requests = [];
        const errors = [];
        page.on('request', (request) => requests.push(request.url().split(':')[0]));
        page.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
        const kebo = await Kebo.open(page);
        await kebo.opened();
        // The one file, nothing from a network, and nothing its policy had to refuse.
        expect([...new Set(requests)]).toEqual(['file']);
        expect(errors).toEqual([]);

        const changes = (await kebo.windowChanges()).filter((change) => change.shown);
        const area = await page.getByRole('main', {name: 'デスクトップ'}).boundingBox();
        const middle = {x: area.x + area.width / 2, y: area.y + area.height / 2};
        expect(changes[0]).toMatchObject({width: 0, height: 0});
        // 47 ticks, each 100 twips wider about the centre; the last then set to 4770 twips wide
        // where it stands.
        expect(changes).toHaveLength(48);
        for (const change of changes.slice(0, -1)) {
            expect(Math.abs(centre(change).x - middle.x)).toBeLessThanOrEqual(1);
            expect(Math.abs(centre(change).y - middle.y)).toBeLessThanOrEqual(1);
        }
        // 4700 to 4770 twips without a move: 35 twips, 2.3 px, right of the centre.
        const last = changes.at(-1);
        expect(last.width).toBe(318);
        expect(Math.abs(centre(last).x - middle.x - 35 / 15)).toBeLessThanOrEqual(1);
        expect(Math.abs(last.height - 2350 / 15)).toBeLessThan(1);
        expect(await kebo.window.boundingBox()).toMatchObject({width: last.width, height: last.height});
        expect(await page.evaluate(() => globalThis.keboPeriods)).toEqual([10]);
    });
}
