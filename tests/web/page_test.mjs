// SPDX-License-Identifier: EUPL-1.2
// The page as a page: French, every control named for assistive technologies as the model
// names it (on a blank window, and on the example's profile), Tab in the window's order, the
// window whole from a phone to a wide screen and large enough under a finger, the help,
// the tooltip, the keys the window answers, and "Quitter".
import {
  desktop, expectEqual, idle, openPage, run, selector, state,
} from './browser.mjs';

// What Chromium's accessibility tree says of each control shown: its name, or the text it
// reads out when it has no name of its own (what is hidden from the tree left out), and its
// description.
async function spoken(page) {
  const cdp = await page.createCDPSession();
  const { nodes } = await cdp.send('Accessibility.getFullAXTree');
  const byId = new Map(nodes.map((n) => [n.nodeId, n]));
  const byElement = new Map(nodes.map((n) => [n.backendDOMNodeId, n]));
  // What a panel covers is inert: out of the tree, as what is hidden.
  const hidden = (n) => (n.ignoredReasons ?? [])
    .some((r) => /Hidden|notRendered|inert/.test(r.name));
  const text = (n) => (hidden(n) ? '' : (!n.ignored && n.name?.value)
    || (n.childIds ?? []).map((id) => text(byId.get(id))).join(''));
  const { root } = await cdp.send('DOM.getDocument', { depth: -1 });
  const { nodeIds } = await cdp.send('DOM.querySelectorAll', { nodeId: root.nodeId,
    selector: '[data-control]' });
  const said = {};
  for (const nodeId of nodeIds) {
    const { node } = await cdp.send('DOM.describeNode', { nodeId });
    const ax = byElement.get(node.backendNodeId);
    if (!ax || hidden(ax)) continue;
    const control = node.attributes[node.attributes.indexOf('data-control') + 1];
    said[control] = [text(ax), ax.description?.value ?? ''];
  }
  return said;
}

// The model's words for the controls the page shows: a control without a name of its own
// reads out its text.
async function expectNames(page, args) {
  const said = await spoken(page);
  for (const line of desktop(['names', ...args]).trimEnd().split('\n')) {
    const [control, name, description] = line.split('\t');
    if (!(control in said) || !name) continue;
    expectEqual(said[control], [name, description], `what is said of ${control}`);
  }
}

async function fits(width, height, touch) {
  const session = await openPage({ width, height, touch });
  const boxes = await session.page.$$eval('[data-control]', (all) => all
    .filter((e) => !e.closest('[hidden]'))
    .map((e) => [e.dataset.control, e.closest('.el').getBoundingClientRect().toJSON(),
      e.closest('.checkbox') ? e.closest('.checkbox').offsetWidth : 0]));
  for (const [control, box] of boxes) {
    if (box.left < -0.5 || box.right > width + 0.5) {
      throw new Error(`${control} cut at ${width} pixels: ${box.left}..${box.right}`);
    }
  }
  // From a tablet's width on, a box takes touches at least 24 pixels wide.
  const touched = await session.page.$eval(selector('ADV(1)'), (input) => {
    const hit = getComputedStyle(input.parentElement, '::before');
    return [input.parentElement.getBoundingClientRect().width, parseFloat(hit.left)];
  });
  if (width >= 768 && touched[0] - 2 * touched[1] < 24) {
    throw new Error(`boxes of ${touched} at ${width}`);
  }
  await session.close();
}

run(async () => {
  for (const [width, height, touch] of [[360, 640, true], [768, 1024, true], [1280, 800, false],
    [2560, 1440, false]]) {
    await fits(width, height, touch);
  }

  const session = await openPage();
  const { page } = session;
  expectEqual(await page.$eval('html', (h) => [h.lang, document.title]), ['fr', 'Modèle SORVANE'],
    'the language and the title');
  await expectNames(page, []);

  // Tab from the surname walks the window as on the desktop.
  const walked = [];
  for (let control = 'TxtNom'; control;) {
    walked.push(control);
    await page.keyboard.press('Tab');
    control = await page.evaluate(() => document.activeElement.dataset.control);
  }
  expectEqual(walked, desktop(['tab']).trim().split('\n'), 'the Tab order');

  // Letters never enter the file number; Enter and the space bar tick a box.
  await page.click(selector('TxtDossier'));
  await page.keyboard.type('1a2-3');
  await page.focus(selector('ADV(53)'));
  await page.keyboard.press('Enter');
  await page.focus(selector('ADV(54)'));
  await page.keyboard.press('Space');
  await idle(page);
  const [, rows, variables] = desktop(['codes'], '|A53 A54\n').split(' ');
  expectEqual(await state(page), `123||||${rows} ${variables} 6`, 'after typing and the two keys');

  // The tooltip of a command, the help on F1, Escape closing it.
  await page.hover(selector('SSCommand6'));
  await idle(page);
  expectEqual(await page.$eval(selector('Bulle'), (b) => !b.hidden), true, 'the tooltip shown');
  await page.keyboard.press('F1');
  await idle(page);
  expectEqual(await page.$eval('#aggir-aide', (d) => d.open && /GIR/.test(d.querySelector('iframe')
    .srcdoc)), true, 'the help shown');
  await page.keyboard.press('Escape');
  expectEqual(await page.$eval('#aggir-aide', (d) => d.open), false, 'the help closed');

  // "Quitter" asks before abandoning an evaluation never printed, "Non" under the focus;
  // "Oui" ends it: the page starts again, blank, in the surname.
  await page.click(selector('CmdFermer'));
  await page.waitForSelector('#aggir-message[open]');
  expectEqual(await page.evaluate(() => document.activeElement.textContent), 'Non',
    'Quitter asks first');
  await page.click('#aggir-message[open] .buttons button');
  await idle(page);
  expectEqual([await state(page), await page.evaluate(() => document.activeElement.dataset
    .control)], ['||||AAAAAAAAAAAAAAAAAAAAAAAA AAAAAAAAAAAAAAAAA 6', 'TxtNom'], 'after Quitter');

  // The example's profile, said in words; Enter on the first chart closes it.
  await session.close();
  const coded = await openPage();
  await coded.page.click(selector('TxtNom'));
  for (const text of ['DUPONT', 'Jeanne', '123', '12 rue des Lilas 29000 Quimper']) {
    await coded.page.keyboard.type(text);
    await coded.page.keyboard.press('Tab');
  }
  for (const i of [21, 22, 25, 29, 33, 34, 45, 57, 61, 62, 73, 74, 77, 78, 85, 86, 'N']) {
    await coded.page.click(selector(i === 'N' ? 'ADV4(121)' : `ADV(${i})`));
  }
  await coded.page.click(selector('SSCommand7'));
  await coded.page.click(selector('SSCommand6'));
  await idle(coded.page);
  await expectNames(coded.page, ['profile']);
  await coded.page.keyboard.press('Enter');
  await idle(coded.page);
  expectEqual(await coded.page.$eval(selector('PanelProfil'), (p) => p.hidden), true,
    'the profile closed by Enter');
  await coded.close();
  console.log('the page in French, named, walked, fitted and answering as the window');
});
