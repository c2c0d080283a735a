// SPDX-License-Identifier: EUPL-1.2
// The keys the window answers, pressed in the page one after the other: each one's effect on
// the focused control and on the panels over the grid; Tab under a panel; the browser's
// question before leaving an evaluation never printed.
import { readdirSync } from 'node:fs';
import {
  answer, expectEqual, openPage, run, selector,
} from './browser.mjs';

const PANELS = ['PanelQuestions', 'PanelProfil', 'PanelCoherence', 'PanelCalculGIR'];

// [what, the control focused first, the keys, the control focused after, what is shown after].
// "Alt+p" holds Alt down while p is pressed; the help and the questions count as shown.
const KEYS = [
  ['Down: the next row', 'ADV(53)', ['ArrowDown'], 'ADV(57)', []],
  ['Up on the first row: no move', 'ADV(53)', ['ArrowUp'], 'ADV(53)', []],
  ['Right: the next column', 'ADV(53)', ['ArrowRight'], 'ADV(54)', []],
  ['Right on H: no move', 'ADV(56)', ['ArrowRight'], 'ADV(56)', []],
  ['Left from S: NE FAIT PAS', 'ADV(57)', ['ArrowLeft'], 'ADV4(115)', []],
  ['Left from NE FAIT PAS: the caption', 'ADV4(114)', ['ArrowLeft'], 'LabelVD(12)', []],
  ['Left on a caption: no move', 'LabelVD(12)', ['ArrowLeft'], 'LabelVD(12)', []],
  ['Down from a caption: the next one', 'LabelVD(12)', ['ArrowDown'], 'LabelVD(13)', []],
  ['Right from a caption: NE FAIT PAS', 'LabelVD(13)', ['ArrowRight'], 'ADV4(115)', []],
  ['F2 on a box: its questions', 'ADV(53)', ['F2'], 'ADV(53)', ['PanelQuestions']],
  ['F2 again closes them', 'ADV(53)', ['F2'], 'ADV(53)', []],
  ['Shift+F1 on a caption: its questions, not the help', 'LabelVD(13)', ['Shift+F1'],
    'LabelVD(13)', ['PanelQuestions']],
  ['Escape closes them', 'LabelVD(13)', ['Escape'], 'LabelVD(13)', []],
  ['F1 on a box: the help', 'ADV(53)', ['F1'], 'help', ['help']],
  ['Escape closes the help alone', 'help', ['Escape'], 'ADV(53)', []],
  ['Enter presses a button: the group, focused', 'SSCommand7', ['Enter'], 'TxtGroupe',
    ['PanelCalculGIR']],
  ['Alt+P: the profile', 'TxtGroupe', ['Alt+p'], 'Radar(1)', ['PanelProfil', 'PanelCalculGIR']],
  ['Escape closes it, the focus back', 'Radar(1)', ['Escape'], 'TxtGroupe', ['PanelCalculGIR']],
  ['Alt+V: the check, its findings', 'TxtGroupe', ['Alt+v'], 'AucuneAnomalie',
    ['PanelCoherence', 'PanelCalculGIR']],
  ['Escape closes the check', 'AucuneAnomalie', ['Escape'], 'TxtGroupe', ['PanelCalculGIR']],
  ['Space ticks a box, the group goes', 'ADV(53)', ['Space'], 'ADV(53)', []],
  ['Alt+Q on an evaluation never printed: the question', 'ADV(53)', ['Alt+q'], 'Non',
    ['question']],
];

async function press(page, key) {
  const [modifier, letter] = key.includes('+') ? key.split('+') : [null, key];
  if (modifier) await page.keyboard.down(modifier);
  await page.keyboard.press(letter);
  if (modifier) await page.keyboard.up(modifier);
  // Until the key is handled, or a question waits for an answer.
  await page.waitForFunction(() => !('busy' in document.documentElement.dataset)
    || document.querySelector('#aggir-message[open]'));
}

// The control holding the focus ("help" in the help, a button's label in a question) and
// what is shown over the grid.
function where(page) {
  return page.evaluate((panels) => {
    const focused = document.activeElement;
    const question = document.querySelector('#aggir-message[open]');
    const help = document.querySelector('#aggir-aide[open]');
    const control = focused.closest('[data-control]')?.dataset.control;
    const shown = panels.filter((p) => !document.querySelector(`[data-control="${p}"]`).hidden);
    if (help) shown.push('help');
    if (question) shown.push('question');
    return [question ? focused.textContent : help?.contains(focused) ? 'help' : control, shown];
  }, PANELS);
}

async function focusOn(page, control) {
  if (control === 'help') return;
  await page.$eval(selector(control), (element) => element.focus());
}

// Whether the page asks before it is left.
const asksBeforeLeaving = (page) => page.evaluate(() => {
  const leaving = new Event('beforeunload', { cancelable: true });
  window.dispatchEvent(leaving);
  return leaving.defaultPrevented;
});

run(async () => {
  const session = await openPage();
  const { page } = session;
  expectEqual(await asksBeforeLeaving(page), false, 'leaving a blank evaluation');
  for (const [what, first, keys, focused, shown] of KEYS) {
    await focusOn(page, first);
    for (const key of keys) await press(page, key);
    expectEqual(await where(page), [focused, shown], what);
  }
  expectEqual(await answer(page, 'Non'), 'Modèle SORVANE: '
    + "L'évaluation affichée n'a pas été imprimée. L'abandonner ?", 'the question of Alt+Q');
  expectEqual(await asksBeforeLeaving(page), true, 'leaving an evaluation never printed');

  // Under the profile, Tab reaches nothing of the grid it covers.
  await focusOn(page, 'SSCommand7');
  await press(page, 'Enter');
  await press(page, 'Alt+p');
  const walked = [];
  for (let i = 0; i < 12; ++i) {
    await page.keyboard.press('Tab');
    walked.push(await page.evaluate(() => document.activeElement.closest('[data-control]')
      ?.dataset.control ?? document.activeElement.tagName));
  }
  const grid = walked.filter((c) => /^(ADV|ADV4|LabelVD)\(/.test(c));
  expectEqual(grid, [], `Tab under the profile (${walked})`);
  await press(page, 'Escape');

  // Ctrl+P prints the sheet, which the browser receives; nothing is lost any more.
  await page.type(selector('TxtNom'), 'DUPONT');
  await page.type(selector('TxtDossier'), '123');
  await press(page, 'Control+p');
  for (let i = 0; i < 200 && !readdirSync(session.downloads).some((f) => f.endsWith('.pdf'));
    ++i) {
    await new Promise((r) => setTimeout(r, 50));
  }
  expectEqual(readdirSync(session.downloads).filter((f) => f.endsWith('.pdf')).length, 1,
    'the sheet of Ctrl+P');
  expectEqual(await asksBeforeLeaving(page), false, 'leaving a printed evaluation');
  await session.close();
  console.log(`${KEYS.length} keys answered as on the desktop`);
});
