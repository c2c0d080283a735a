// SPDX-License-Identifier: EUPL-1.2
// The page's size and speed in headless chromium, from file:// with the network off
// (scripts/web_bench.sh):
//   node web_bench.mjs PAGE [LOADS] [PRINTS]
// - the size of aggir.html and of what it carries;
// - page to usable grid: from the start of the navigation to the window built, refreshed and
//   taking events (the page's "aggir-ready" mark), and to the next frame drawn
//   ("aggir-shown"), over LOADS fresh loads;
// - "Imprimer" on the example evaluation: from the click to the sheet handed to the browser
//   (written, refreshed, given as a download), PRINTS times in one page; then with a Chinese
//   name, its face read from fonts/ the first time.
import { mkdtempSync, readFileSync, rmSync, statSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

const puppeteer = createRequire(import.meta.url)('puppeteer-core');
const [file, loads = '10', prints = '50'] = process.argv.slice(2);
const page = resolve(file);
const control = (name) => `[data-control="${name}"]`;

function summary(values) {
  const sorted = [...values].sort((a, b) => a - b);
  const at = (q) => sorted[Math.min(sorted.length - 1, Math.floor(q * sorted.length))];
  return `median ${at(0.5).toFixed(1)} ms (min ${sorted[0].toFixed(1)}, max `
    + `${sorted[sorted.length - 1].toFixed(1)}, n ${sorted.length})`;
}

function sizes() {
  const html = readFileSync(page, 'utf8');
  const block = (id) => {
    const start = html.indexOf(`id="${id}">`);
    return html.slice(start, html.indexOf('</script>', start)).replace(/\s/g, '').length;
  };
  const total = statSync(page).size;
  return `aggir.html ${(total / 1048576).toFixed(2)} MiB (${total} bytes): WebAssembly `
    + `${block('aggir-wasm')} and PDF.js ${block('aggir-pdfjs')} base64 characters, gzip inside`
    + ` (${page})`;
}

async function open(browser) {
  const tab = await browser.newPage();
  tab.on('popup', (shown) => shown.close().catch(() => {}));  // the sheet opened by the page
  await tab.setViewport({ width: 1280, height: 800 });
  await tab.setOfflineMode(true);
  const cdp = await tab.createCDPSession();
  await cdp.send('Browser.setDownloadBehavior', { behavior: 'deny' });
  await tab.goto(pathToFileURL(page).href);
  await tab.waitForSelector('html[data-ready]');
  return tab;
}

const profile = mkdtempSync(join(tmpdir(), 'aggir-bench-'));
const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium',
  headless: true,
  userDataDir: profile,
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});
console.log(sizes());

const ready = [], shown = [];
for (let i = 0; i < Number(loads); ++i) {
  const tab = await open(browser);
  await tab.waitForFunction(() => performance.getEntriesByName('aggir-shown').length);
  const [a, b] = await tab.evaluate(() => ['aggir-ready', 'aggir-shown']
    .map((mark) => performance.getEntriesByName(mark)[0].startTime));
  ready.push(a);
  shown.push(b);
  await tab.close();
}
console.log(`page to usable grid: ${summary(ready)}; drawn: ${summary(shown)}`);

const tab = await open(browser);
await tab.click(control('TxtDossier'));
await tab.keyboard.type('123');
for (const i of [21, 22, 25, 29, 33, 34, 45, 57, 61, 62, 73, 74, 77, 78, 85, 86]) {
  await tab.click(control(`ADV(${i})`));
}
await tab.click(control('SSCommand7'));
const printed = await tab.evaluate(async (times) => {
  const button = document.querySelector('[data-control="SSCommand1"]');
  const spent = [];
  for (let i = 0; i < times; ++i) {
    const start = performance.now();
    button.click();
    spent.push(performance.now() - start);
    await new Promise((r) => setTimeout(r, 500));  // the sheet shown, the page idle again
  }
  return spent;
}, Number(prints));
console.log(`"Imprimer": ${summary(printed)}`);

// A Chinese name: the first sheet fetches the CJK face of fonts/ (22 MB as a script) and waits
// for it, so each print is timed to the page idle again.
await tab.click(control('TxtNom'), { clickCount: 3 });
await tab.keyboard.type('王秀英');
await tab.keyboard.press('Tab');
const cjk = await tab.evaluate(async (times) => {
  const button = document.querySelector('[data-control="SSCommand1"]');
  const html = document.documentElement;
  const idle = () => new Promise((resolve) => {
    if (!html.hasAttribute('data-busy')) return resolve();
    new MutationObserver((_, observer) => {
      if (!html.hasAttribute('data-busy')) {
        observer.disconnect();
        resolve();
      }
    }).observe(html, { attributes: true });
  });
  const spent = [];
  for (let i = 0; i < times; ++i) {
    const start = performance.now();
    button.click();
    await idle();
    spent.push(performance.now() - start);
    await new Promise((r) => setTimeout(r, 500));
  }
  return spent;
}, Math.max(2, Math.min(10, Number(prints))));
console.log(`"Imprimer", a Chinese name: first ${cjk[0].toFixed(1)} ms (the face read), then `
  + summary(cjk.slice(1)));
await browser.close();
rmSync(profile, { recursive: true, force: true });
