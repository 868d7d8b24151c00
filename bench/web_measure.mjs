// tools/bench's runs of the web page in Debian's Chromium, headless, each in a fresh page opened
// from disk: the time from the start of the page's loading to the window's first frame, and the
// opening from that frame to the window's final size. Prints one sample a line, "FIGURE web
// VALUE", and the page's size in KiB, plainly and gzipped.
// Usage: node bench/web_measure.mjs RUNS PAGE
import {chromium} from '@playwright/test';
import {readFileSync} from 'node:fs';
import {pathToFileURL} from 'node:url';
import {gzipSync} from 'node:zlib';

const [runs, page] = [Number(process.argv[2]), process.argv[3]];
if (!(runs > 0) || !page) {
    console.error('usage: node bench/web_measure.mjs RUNS PAGE');
    process.exit(2);
}

// Watched from the page's side, but not by kebo: the frame in which the window is first drawn, and
// the moment its rectangle reaches its final width.
function watch() {
    const launcher = () => [...document.querySelectorAll('[role=region]')].find((node) =>
        document.getElementById(node.getAttribute('aria-labelledby')).textContent === 'ポムリナ');
    globalThis.keboMoments = {};
    // When the frame is made, not the time it is stamped with, which is its due time and lags
    // behind while the page is still loading.
    const frame = () => {
        const window = launcher();
        if (window && !window.hidden) {
            globalThis.keboMoments.firstFrame = performance.now();
        } else {
            requestAnimationFrame(frame);
        }
    };
    requestAnimationFrame(frame);
    new MutationObserver(() => {
        const window = launcher();
        if (window && !window.hidden && window.style.width === '318px') {
            globalThis.keboMoments.finalSize ??= performance.now();
        }
    }).observe(document, {subtree: true, attributes: true, attributeFilter: ['style']});
}

const args = process.getuid && process.getuid() === 0 ? ['--no-sandbox'] : [];
const browser = await chromium.launch({executablePath: '/usr/bin/chromium', args});
try {
    for (let run = 0; run < runs; run++) {
        // The page before has gone and the browser is at rest.
        await new Promise((resolve) => setTimeout(resolve, 500));
        const tab = await browser.newPage({viewport: {width: 1024, height: 768}});
        await tab.addInitScript(watch);
        await tab.goto(pathToFileURL(page).href);
        await tab.waitForFunction(() => globalThis.keboMoments.finalSize !== undefined, null, {timeout: 10_000});
        const moments = await tab.evaluate(() => globalThis.keboMoments);
        console.log(`first_frame_ms web ${moments.firstFrame.toFixed(1)}`);
        console.log(`opening_ms web ${(moments.finalSize - moments.firstFrame).toFixed(1)}`);
        console.error(`bench: web run ${run + 1} of ${runs}`);
        await tab.close();
    }
} finally {
    await browser.close();
}
const bytes = readFileSync(page);
console.log(`page_kib web ${(bytes.length / 1024).toFixed(1)}`);
console.log(`page_gzip_kib web ${(gzipSync(bytes, {level: 9}).length / 1024).toFixed(1)}`);
