// SPDX-License-Identifier: EUPL-1.2
// The page in Debian's chromium, headless, from file:// with the network off: what the
// browser tests share. Controls are found by the control they mirror (data-control).
import { execFileSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync, readdirSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { createRequire } from 'node:module';
import { basename, join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

// From the npm packages of web/package-lock.json, which NODE_PATH names.
const puppeteer = createRequire(import.meta.url)('puppeteer-core');

export const [pageFile, desktopBuild] = process.argv.slice(2).map((path) => resolve(path));

// A failed expectation ends the test with the difference.
export function expectEqual(actual, expected, what) {
  const a = JSON.stringify(actual), e = JSON.stringify(expected);
  if (a !== e) throw new Error(`${what}\n  page:    ${a}\n  desktop: ${e}`);
}

// The desktop's model (tests/web/desktop_model.cpp), with its arguments and input.
export function desktop(args, input = '', cwd = undefined) {
  return execFileSync(join(desktopBuild, 'tests', 'desktop_model'), args, { input, cwd })
    .toString();
}

// A folder of the session's own, removed with it.
export function scratch(name) {
  const folder = mkdtempSync(join(tmpdir(), `aggir-${name}-`));
  process.on('exit', () => rmSync(folder, { recursive: true, force: true }));
  return folder;
}

// Chromium, or Debian's Firefox ESR (`firefox: true`), where downloads go by its preferences.
function launch(firefox, downloads) {
  if (firefox) {
    return puppeteer.launch({
      browser: 'firefox',
      executablePath: '/usr/bin/firefox-esr',
      headless: true,
      userDataDir: scratch('firefox'),
      extraPrefsFirefox: {
        'browser.download.folderList': 2,
        'browser.download.dir': downloads,
        'browser.download.useDownloadDir': true,
        'browser.download.always_ask_before_handling_new_types': false,
        'browser.helperApps.neverAsk.saveToDisk': 'application/pdf',
        'pdfjs.disabled': true,
      },
    });
  }
  return puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    userDataDir: scratch('chromium'),
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
}

export async function openPage({ width = 1280, height = 800, scale = 1, touch = false,
  file = pageFile, firefox = false } = {}) {
  const downloads = scratch('downloads');
  const browser = await launch(firefox, downloads);
  const page = await browser.newPage();
  await page.setViewport({ width, height, deviceScaleFactor: scale, hasTouch: touch });
  // Nothing but the page itself and what it makes in memory may be asked for.
  const asked = [];
  await page.setRequestInterception(true);
  page.on('request', (request) => {
    const url = request.url();
    if (/^(file|data|blob):/.test(url)) return request.continue();
    asked.push(url);
    return request.abort();
  });
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  page.on('popup', (popup) => popup.close().catch(() => {}));
  if (!firefox) {  // Firefox's are set by its preferences, and the interception keeps it off
    await page.setOfflineMode(true);
    const cdp = await page.createCDPSession();
    await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
  }
  await page.goto(pathToFileURL(file).href);
  await page.waitForSelector('html[data-ready]');
  return {
    browser, page, downloads,
    // Ends the session; the page must have asked for nothing outside and raised nothing.
    async close() {
      await browser.close();
      expectEqual(asked, [], 'requests outside the page');
      expectEqual(errors, [], 'errors in the page');
    },
  };
}

export const selector = (control) => `[data-control="${control}"]`;

// Until the page has run the last action through and no question waits.
export async function idle(page) {
  await page.waitForFunction(() => !('busy' in document.documentElement.dataset));
}

// The question shown, answered by the button of that label; the dialog's title and text.
export async function answer(page, label) {
  await page.waitForSelector('#aggir-message[open]');
  const text = await page.$eval('#aggir-message', (d) =>
    `${d.querySelector('h2').textContent}: ${d.querySelector('p').textContent}`);
  const buttons = await page.$$('#aggir-message .buttons button');
  for (const button of buttons) {
    if (await button.evaluate((b) => b.textContent) === label) await button.click();
  }
  await idle(page);
  return text;
}

// What the window shows: identity, row and variable codes, GIR as the desktop model prints.
export async function state(page) {
  return page.evaluate(() => {
    const of = (c) => document.querySelector(`[data-control="${c}"]`);
    const text = (c) => of(c).querySelector('.shown').textContent;
    const field = (c) => of(c).value;
    let codes = '';
    for (let k = 1; k <= 24; ++k) codes += text(`CmdVD(${k})`);
    codes += ' ';
    for (let v = 1; v <= 17; ++v) codes += text(`CFIN(${v})`);
    return `${['TxtDossier', 'TxtNom', 'TxtPrenom', 'TxtAdresse'].map(field).join('|')}|${codes}`
      + ` ${field('TxtGroupe')}`;
  });
}

// The file the page offered for download, once complete.
export async function downloaded(directory, name) {
  const file = join(directory, name);
  for (let i = 0; i < 200 && !existsSync(file); ++i) await new Promise((r) => setTimeout(r, 50));
  if (!existsSync(file)) throw new Error(`no ${name} among ${readdirSync(directory)}`);
  return file;
}

// Opens a file through the page's file chooser (Ctrl+O).
export async function openThroughChooser(page, file) {
  const [chooser] = await Promise.all([page.waitForFileChooser(), page.keyboard.down('Control')
    .then(() => page.keyboard.press('o')).then(() => page.keyboard.up('Control'))]);
  await chooser.accept([file]);
}

// The documentation's example evaluation, typed from field to field with Tab and ticked with
// the mouse, then "Calcul du GIR".
export const example = {
  identity: ['DUPONT', 'Jeanne', '123', '12 rue des Lilas 29000 Quimper'],
  ticked: [21, 22, 25, 29, 33, 34, 45, 57, 61, 62, 73, 74, 77, 78, 85, 86],
  neFaitPas: 121,  // Transports
};

export async function typeExample(page) {
  await page.click(selector('TxtNom'));
  for (const text of example.identity) {
    await page.keyboard.type(text);
    await page.keyboard.press('Tab');
  }
  for (const i of example.ticked) await page.click(selector(`ADV(${i})`));
  await page.click(selector(`ADV4(${example.neFaitPas})`));
  await page.click(selector('SSCommand7'));
  await idle(page);
}

// "Imprimer": the sheet downloaded, which qpdf finds sound.
export async function printSheet(session) {
  await session.page.click(selector('SSCommand1'));
  await idle(session.page);
  const sheet = await downloaded(session.downloads, '123.pdf');
  execFileSync('qpdf', ['--check', sheet]);
  return sheet;
}

// A file dropped on the page, as from a file manager.
export async function dropFile(page, file) {
  const bytes = readFileSync(file).toString('base64');
  await page.evaluate((name, base64) => {
    const data = new DataTransfer();
    const raw = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
    data.items.add(new File([raw], name, { type: 'application/pdf' }));
    document.body.dispatchEvent(new DragEvent('drop', { dataTransfer: data, bubbles: true }));
  }, basename(file), bytes);
  await idle(page);
}

export async function run(test) {
  try {
    await test();
  } catch (error) {
    console.error(error.stack ?? error);
    process.exit(1);
  }
}
