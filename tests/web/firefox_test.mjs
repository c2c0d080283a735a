// SPDX-License-Identifier: EUPL-1.2
// The page in Debian's Firefox ESR, from file://, asking for nothing outside: the example
// evaluation typed and ticked gives the desktop's codes and GIR; "Imprimer" downloads a sheet
// that the desktop reads back as that evaluation; a desktop sheet dropped on the page comes
// back (PDF.js in Firefox).
import { execFileSync } from 'node:child_process';
import { basename, dirname, join } from 'node:path';
import {
  desktop, desktopBuild, dropFile, expectEqual, openPage, printSheet, run, selector, state,
  typeExample,
} from './browser.mjs';

const desktopSheet = execFileSync(join(desktopBuild, 'tools', 'aggir_sheet_sample')).toString()
  .trim();
const read = (file) => desktop(['read', basename(file)], '', dirname(file)).trim();

run(async () => {
  const expected = read(desktopSheet);
  const session = await openPage({ firefox: true });
  const { page } = session;
  await typeExample(page);
  expectEqual(await state(page), expected, 'the evaluation on screen');

  const sheet = await printSheet(session);
  expectEqual(read(sheet), expected, 'the page\'s sheet reopened by the desktop');

  await page.click(selector('BtnSupprimer'));
  await dropFile(page, desktopSheet);
  expectEqual(await state(page), expected, 'the desktop\'s sheet dropped on the page');
  await session.close();
  console.log('Firefox: the example as on the desktop, its sheet, a desktop sheet reopened');
});
