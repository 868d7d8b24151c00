// Makes the page that emcc wrote into the one file kebo is handed out as: the page's style sheet,
// icons and script put inside it, and a Content-Security-Policy that lets the page run its own
// script, style and WebAssembly, and nothing else: no other file, no request to any network.
//
// Usage: node finish_page.mjs EMCC_PAGE OUTPUT STYLE_SHEET ICON_16 ICON_32 SCRIPT...
import {createHash} from 'node:crypto';
import {readFileSync, writeFileSync} from 'node:fs';

const [emccPage, output, styleSheet, icon16, icon32, ...scripts] = process.argv.slice(2);
if (scripts.length === 0) {
    console.error('usage: node finish_page.mjs EMCC_PAGE OUTPUT STYLE_SHEET ICON_16 ICON_32 SCRIPT...');
    process.exit(2);
}

const dataUrl = (png) => `data:image/png;base64,${readFileSync(png).toString('base64')}`;
const icons = `image-set(url("${dataUrl(icon16)}") 1x, url("${dataUrl(icon32)}") 2x)`;

// Replaces the one place `marker` stands in `text`, which must be there.
function replaceOnce(text, marker, by) {
    const at = text.indexOf(marker);
    if (at < 0 || text.indexOf(marker, at + 1) >= 0) {
        console.error(`finish_page: "${marker}" is not in the page exactly once`);
        process.exit(1);
    }
    return text.slice(0, at) + by + text.slice(at + marker.length);
}

let page = readFileSync(emccPage, 'utf8');
const style = replaceOnce(readFileSync(styleSheet, 'utf8'), '--app-icon: none;', `--app-icon: ${icons};`);
page = replaceOnce(page, '<style>/* kebo: style sheet */</style>', `<style>${style}</style>`);
const script = scripts.map((file) => readFileSync(file, 'utf8')).join('\n');
page = replaceOnce(page, '<script>/* kebo: page script */</script>', `<script>\n${script}</script>`);
page = replaceOnce(page, '<title>', `<link rel="icon" href="${dataUrl(icon32)}">\n<title>`);

const hash = (text) => `'sha256-${createHash('sha256').update(text, 'utf8').digest('base64')}'`;
const inline = (tag) =>
    [...page.matchAll(new RegExp(`<${tag}>([\\s\\S]*?)</${tag}>`, 'g'))].map((m) => hash(m[1]));
const inlineScripts = inline('script');
if (/<script[^>]*\ssrc=/.test(page)) {
    console.error('finish_page: the page must hold its scripts inline, and load none');
    process.exit(1);
}
const policy = [
    "default-src 'none'",
    `script-src ${inlineScripts.join(' ')} 'wasm-unsafe-eval'`,
    `style-src ${inline('style').join(' ')}`,
    // emcc's loader reads the WebAssembly from its data: URL with fetch.
    'connect-src data:',
    'img-src data: blob:',
    "base-uri 'none'",
    "form-action 'none'",
].join('; ');
page = replaceOnce(page, '<!-- kebo: content security policy -->',
    `<meta http-equiv="Content-Security-Policy" content="${policy}">`);
writeFileSync(output, page);
