// SPDX-License-Identifier: EUPL-1.2
// The documentation's example evaluation typed and ticked through the page as an assessor
// does: the desktop's codes and GIR, the desktop's sheet but for its footer and creation
// time, read back by the page and by the desktop; the desktop's sheet read by the page; and
// the files no evaluation comes from, refused by the page with the desktop's messages.
import { execFileSync } from 'node:child_process';
import { copyFileSync, readFileSync, writeFileSync } from 'node:fs';
import { basename, dirname, join } from 'node:path';
import {
  answer, desktop, desktopBuild, dropFile, expectEqual, idle, openPage, openThroughChooser,
  printSheet, run, scratch, selector, state, typeExample,
} from './browser.mjs';

// The desktop's sheet of the example, printed now by its "Imprimer" beside the tool.
const desktopSheet = execFileSync(join(desktopBuild, 'tools', 'aggir_sheet_sample')).toString()
  .trim();

function read(file) {
  return desktop(['read', basename(file)], '', dirname(file)).trim();
}

// A sheet with what may differ put aside: the footer's path, the creation time (and the
// date printed from it), and the byte positions that follow from the footer's length (the
// content's length, the cross-reference table).
function comparable(file, footer) {
  return readFileSync(file, 'latin1')
    .replace(`(${footer}) Tj`, '(FOOTER) Tj')
    .replace(/\/CreationDate \(D:\d{14}\)/, '/CreationDate (TIME)')
    .replace(/\(le \d\d\/\d\d\/\d{4}\) Tj/, '(le DATE) Tj')
    .replace(/(\d+ 0 obj\r\n)\d+(\r\nendobj)/g, '$1LENGTH$2')
    .replace(/xref\r\n[\s\S]*$/, 'XREF');
}

function expectSameSheet(pageSheet) {
  const page = comparable(pageSheet, '/T\u00e9l\u00e9chargements/123.pdf').split('\r\n');
  const wanted = comparable(desktopSheet, desktopSheet).split('\r\n');
  const line = page.findIndex((text, i) => text !== wanted[i]);
  if (line >= 0 || page.length !== wanted.length) {
    expectEqual(page.slice(line, line + 3), wanted.slice(line, line + 3), `sheet, line ${line + 1}`);
  }
}

// Files from which no evaluation comes, each made from the page's sheet.
const refused = {
  'notes.txt': () => 'Une note, pas une fiche.\n',
  'vide.pdf': () => '',
  'modifiee.pdf': (sheet) => sheet.replace('DUPONT ', 'DUPONS '),
  'future.pdf': (sheet) => sheet.replace('AGGIR1 ', 'AGGIR2 '),
  'autre.pdf': (sheet) => sheet.replace('/Keywords', '/Keywordz'),
  'coupee.pdf': (sheet) => sheet.slice(0, 2000),
};

run(async () => {
  const expected = read(desktopSheet);
  const session = await openPage();
  const { page } = session;

  await typeExample(page);
  expectEqual(await state(page), expected, 'the evaluation on screen');

  const sheet = await printSheet(session);
  expectSameSheet(sheet);
  expectEqual(read(sheet), expected, 'the page\'s sheet reopened by the desktop');
  execFileSync(join(desktopBuild, 'bin', 'aggir'), ['--batch', sheet, '--out', scratch('batch')]);

  for (const [how, file] of [['chooser', sheet], ['drop', desktopSheet]]) {
    await page.click(selector('BtnSupprimer'));
    if (how === 'chooser') await openThroughChooser(page, file);
    else await dropFile(page, file);
    await idle(page);
    expectEqual(await state(page), expected, `${file} reopened through the ${how}`);
  }

  // Refused, with the desktop's message, and nothing on screen changed.
  const folder = scratch('refused');
  const text = readFileSync(sheet, 'latin1');
  for (const [name, make] of Object.entries(refused)) {
    const file = join(folder, name);
    writeFileSync(file, make(text), 'latin1');
    await openThroughChooser(page, file);
    expectEqual(await answer(page, 'OK'), `Modèle SORVANE: ${read(file)}`, name);
    expectEqual(await state(page), expected, `the evaluation after ${name}`);
  }
  const locked = join(folder, 'protegee.pdf');
  copyFileSync(sheet, join(folder, 'ouverte.pdf'));
  execFileSync('qpdf', ['--encrypt', 'secret', 'secret', '256', '--', join(folder, 'ouverte.pdf'),
    locked]);
  await openThroughChooser(page, locked);
  expectEqual(await answer(page, 'OK'), `Modèle SORVANE: ${read(locked)}`, 'protegee.pdf');
  await session.close();
  console.log('the example as on the desktop; the refusals with the desktop\'s messages');
});
