// SPDX-License-Identifier: EUPL-1.2
// The page in Debian's Firefox ESR, from file://, asking for nothing outside: the example
// evaluation typed and ticked gives the desktop's codes and GIR; "Imprimer" downloads a sheet
// that the desktop reads back as that evaluation; a desktop sheet dropped on the page comes
// back (PDF.js in Firefox).
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { basename, dirname, join } from 'node:path';
import {
  desktop, desktopBuild, downloaded, expectEqual, idle, openPage, run, selector, state,
} from './browser.mjs';

const identity = ['DUPONT', 'Jeanne', '123', '12 rue des Lilas 29000 Quimper'];
const ticked = [21, 22, 25, 29, 33, 34, 45, 57, 61, 62, 73, 74, 77, 78, 85, 86];
const neFaitPas = 121;  // Transports

const desktopSheet = execFileSync(join(desktopBuild, 'tools', 'aggir_sheet_sample')).toString()
  .trim();
const read = (file) => desktop(['read', basename(file)], '', dirname(file)).trim();

async function drop(page, file) {
  await page.evaluate((name, base64) => {
    const data = new DataTransfer();
    const raw = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
    data.items.add(new File([raw], name, { type: 'application/pdf' }));
    document.body.dispatchEvent(new DragEvent('drop', { dataTransfer: data, bubbles: true }));
  }, basename(file), readFileSync(file).toString('base64'));
  await idle(page);
}

run(async () => {
  const expected = read(desktopSheet);
  const session = await openPage({ firefox: true });
  const { page } = session;
  await page.click(selector('TxtNom'));
  for (const text of identity) {
    await page.keyboard.type(text);
    await page.keyboard.press('Tab');
  }
  for (const i of ticked) await page.click(selector(`ADV(${i})`));
  await page.click(selector(`ADV4(${neFaitPas})`));
  await page.click(selector('SSCommand7'));
  await idle(page);
  expectEqual(await state(page), expected, 'the evaluation on screen');

  await page.click(selector('SSCommand1'));
  await idle(page);
  const sheet = await downloaded(session.downloads, '123.pdf');
  execFileSync('qpdf', ['--check', sheet]);
  expectEqual(read(sheet), expected, 'the page\'s sheet reopened by the desktop');

  await page.click(selector('BtnSupprimer'));
  await drop(page, desktopSheet);
  expectEqual(await state(page), expected, 'the desktop\'s sheet dropped on the page');
  await session.close();
  console.log('Firefox: the example as on the desktop, its sheet, a desktop sheet reopened');
});
