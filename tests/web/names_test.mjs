// SPDX-License-Identifier: EUPL-1.2
// Names in other alphabets typed in the page and printed: the sheet carries them in embedded
// subsets that give the text back; Liberation, inlined, draws Latin, Cyrillic and Hebrew
// anywhere, and without the fonts/ folder beside the page the person is told what could not
// print.
import { execFileSync } from 'node:child_process';
import { copyFileSync } from 'node:fs';
import { join } from 'node:path';
import {
  answer, downloaded, expectEqual, idle, openPage, pageFile, run, scratch, selector,
} from './browser.mjs';

// name, file number, whether its letters come from the fonts/ folder
const names = [
  ['Nguyễn Thị Ánh', '21', false],
  ['Анна Ахматова', '22', false],
  ['محمد عبد الله', '23', true],
  // typed with combining accents: printed as the precomposed name
  ['Nguye\u0302\u0303n Thi\u0323 A\u0301nh', '24', false],
  ['דוד לוי', '25', false],  // Liberation has Hebrew
  ['สมชาย ใจดี', '29', true],
  // Chinese, Japanese, Korean: one face for the three
  ['王秀英', '26', true],
  ['山田 花子', '27', true],
  ['김민준', '28', true],
];

// Every font a standard one or a subset ("ABCDEF+Name") embedded with its Unicode map, and
// at least one such subset.
function expectSafeFonts(sheet) {
  const lines = execFileSync('pdffonts', [sheet]).toString().trim().split('\n').slice(2);
  let subsets = 0;
  for (const line of lines) {
    const words = line.trim().split(/\s+/);
    const [emb, sub, uni] = words.slice(-5, -2);
    const subset = /^[A-Z]{6}\+/.test(words[0]);
    if (subset && emb === 'yes' && sub === 'yes' && uni === 'yes') ++subsets;
    else if (subset || emb !== 'no') throw new Error(`${sheet}: font ${line}`);
  }
  if (subsets === 0) throw new Error(`${sheet}: no embedded subset\n${lines.join('\n')}`);
}

// pdftotext's text, without the marks it puts around a right-to-left run, NFC.
function textOf(sheet) {
  return execFileSync('pdftotext', [sheet, '-']).toString()
    .replace(/[\u200e\u200f\u202a-\u202e\u2066-\u2069]/g, '').normalize('NFC');
}

async function print(page, name, file) {
  for (const [control, text] of [['TxtDossier', file], ['TxtNom', name]]) {
    await page.click(selector(control), { clickCount: 3 });
    await page.keyboard.type(text);
    await page.keyboard.press('Tab');
  }
  await page.click(selector('SSCommand7'));
  await idle(page);
  await page.click(selector('SSCommand1'));
}

// Whether a message waits, once the page has run the print through or stopped on it.
async function messageShown(page) {
  await page.waitForFunction(() => document.querySelector('#aggir-message[open]') ||
    !('busy' in document.documentElement.dataset));
  return page.$eval('#aggir-message', (d) => d.open);
}

run(async () => {
  const session = await openPage();
  for (const [name, file] of names) {
    await print(session.page, name, file);
    expectEqual(await messageShown(session.page), false, `a message printing ${name}`);
    const sheet = await downloaded(session.downloads, `${file}.pdf`);
    execFileSync('qpdf', ['--check', sheet]);
    expectSafeFonts(sheet);
    expectEqual(textOf(sheet).includes(name.normalize('NFC')), true, `${name} in ${sheet}`);
  }
  await session.close();

  // The page alone: its own faces still print Latin and Cyrillic; the others are named.
  const alone = join(scratch('alone'), 'aggir.html');
  copyFileSync(pageFile, alone);
  const bare = await openPage({ file: alone });
  for (const [name, file, fromFolder] of names) {
    await print(bare.page, name, file);
    if (!fromFolder) {
      expectEqual(await messageShown(bare.page), false, `a message printing ${name} alone`);
      continue;
    }
    const told = await answer(bare.page, 'OK');
    const letters = [...new Set(name.replace(/ /g, ''))];
    for (const letter of letters) {
      const code = `U+${letter.codePointAt(0).toString(16).toUpperCase().padStart(4, '0')}`;
      expectEqual(told.includes(`« ${letter} » (${code})`), true, `${letter} named in: ${told}`);
    }
    expectEqual(told.startsWith('Caractères sans police'), true, `the title of: ${told}`);
    await downloaded(bare.downloads, `${file}.pdf`);
  }
  await bare.close();
  console.log('names in Latin, Cyrillic, Arabic, Hebrew, Thai, Chinese, Japanese and Korean printed; without fonts/, the missing named');
});
