// The page's tests in Debian's Chromium, headless: the page opened from disk as a user opens the
// one file, on a desktop's screen and on a phone's with touch.
import {defineConfig, devices} from '@playwright/test';

// Chromium run by root cannot make its sandbox.
const args = process.getuid && process.getuid() === 0 ? ['--no-sandbox'] : [];
const chromium = {launchOptions: {executablePath: '/usr/bin/chromium', args}};

export default defineConfig({
    testDir: '.',
    outputDir: process.env.KEBO_WEB_RESULTS || 'test-results',
    timeout: 60_000,
    workers: 1,
    reporter: 'line',
    use: {acceptDownloads: true, ...chromium},
    projects: [
        {name: 'desktop', testIgnore: /phone/, use: {viewport: {width: 1024, height: 768}}},
        {name: 'phone', testMatch: /phone/, use: {...devices['Pixel 7'], ...chromium}},
    ],
});
