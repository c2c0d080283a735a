// SPDX-License-Identifier: EUPL-1.2
// Pictures of the page for the documentation (scripts/web_screenshot.sh), from headless
// chromium: the example evaluation on a 1280 x 800 screen and on a 768 x 1024 tablet, and
// its profile at 200 % zoom.
//   node web_shot.mjs PAGE FOLDER
import { mkdtempSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

const puppeteer = createRequire(import.meta.url)('puppeteer-core');
const [page, folder] = process.argv.slice(2).map((path) => resolve(path));
const control = (name) => `[data-control="${name}"]`;

async function coded(browser, viewport, after = async () => {}) {
  const tab = await browser.newPage();
  await tab.setViewport(viewport);
  await tab.goto(pathToFileURL(page).href);
  await tab.waitForSelector('html[data-ready]');
  await tab.click(control('TxtNom'));
  for (const text of ['DUPONT', 'Jeanne', '123', '12 rue des Lilas 29000 Quimper']) {
    await tab.keyboard.type(text);
    await tab.keyboard.press('Tab');
  }
  for (const i of [21, 22, 25, 29, 33, 34, 45, 57, 61, 62, 73, 74, 77, 78, 85, 86]) {
    await tab.click(control(`ADV(${i})`));
  }
  await tab.click(control('ADV4(121)'));
  await tab.click(control('SSCommand7'));
  await after(tab);
  await tab.waitForFunction(() => !document.documentElement.hasAttribute('data-busy'));
  return tab;
}

const userDataDir = mkdtempSync(join(tmpdir(), 'aggir-shot-'));
const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium',
  headless: true,
  userDataDir,
  args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--hide-scrollbars'],
});
const desktop = await coded(browser, { width: 1280, height: 800 });
await desktop.screenshot({ path: join(folder, 'web_1280x800.png') });
const tablet = await coded(browser, { width: 768, height: 1024, hasTouch: true });
await tablet.screenshot({ path: join(folder, 'web_768x1024.png') });
const zoomed = await coded(browser, { width: 1280, height: 800, deviceScaleFactor: 2 },
  (tab) => tab.click(control('SSCommand6')));
const profile = await zoomed.$(control('PanelProfil'));
await profile.screenshot({ path: join(folder, 'web_profile_200.png') });
await browser.close();
rmSync(userDataDir, { recursive: true, force: true });
