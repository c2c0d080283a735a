// SPDX-License-Identifier: EUPL-1.2
// 500 random codings ticked through the page's boxes (the three-adverb question answered at
// random), each row of the table checked against the desktop's window model given the same
// clicks and answers in the same run: the boxes ticked, the 24 row codes, the 17 variable
// codes, the GIR and the number of questions asked. The table is left in the build folder.
import { writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { desktop, openPage, pageFile, run } from './browser.mjs';

const kEvaluations = 500;

// mulberry32: the same table at every run, from its seed.
function generator(seed) {
  let a = seed;
  return () => {
    a = (a + 0x6d2b79f5) | 0;
    let t = Math.imul(a ^ (a >>> 15), 1 | a);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

// "A12" clicks ADV(12), "N3" the NE FAIT PAS box of row 3, "G" "Calcul du GIR"; the last
// step computes the GIR.
function table(seed) {
  const random = generator(seed);
  const pick = (n) => Math.floor(random() * n) + 1;
  return Array.from({ length: kEvaluations }, () => {
    const steps = [];
    for (let n = pick(60); n > 0; --n) {
      const r = random();
      steps.push(r < 0.82 ? `A${pick(96)}` : r < 0.97 ? `N${pick(24)}` : 'G');
    }
    steps.push('G');
    const answers = Array.from({ length: 64 }, () => (random() < 0.5 ? 'O' : 'N')).join('');
    return { steps, answers };
  });
}

// In the page: "Saisir", then each step as a click on its control, each question answered
// in turn with the dialog's own buttons; what the window shows at the end.
async function codeInPage(steps, answers) {
  // A task's turn, without the clamping of nested timeouts.
  const channel = new MessageChannel();
  const turn = () => new Promise((resolve) => {
    channel.port1.onmessage = resolve;
    channel.port2.postMessage(0);
  });
  const idle = async () => {
    for (;;) {
      await turn();
      if (!document.documentElement.hasAttribute('data-busy')) return;
      const dialog = document.querySelector('#aggir-message[open]');
      if (dialog) return;
    }
  };
  const click = async (control) => {
    document.querySelector(`[data-control="${control}"]`).click();
    await idle();
  };
  const shown = (control) => document.querySelector(`[data-control="${control}"] .shown`)
    .textContent;
  // "Saisir" asks before abandoning the last row's evaluation, which was never printed.
  await click('BtnSupprimer');
  const abandon = document.querySelector('#aggir-message[open]');
  if (abandon) {
    abandon.querySelector('.buttons button').click();
    await idle();
  }
  let asked = 0;
  for (const step of steps) {
    const n = Number(step.slice(1));
    await click(step[0] === 'A' ? `ADV(${n})` : step[0] === 'N' ? `ADV4(${100 + n})` : 'SSCommand7');
    const dialog = document.querySelector('#aggir-message[open]');
    if (dialog) {
      const [yes, no] = dialog.querySelectorAll('.buttons button');
      (answers[asked++] === 'O' ? yes : no).click();
      await idle();
    }
  }
  let codes = '';
  for (let i = 1; i <= 96; ++i) {
    codes += document.querySelector(`[data-control="ADV(${i})"]`).checked ? '1' : '0';
  }
  codes += ' ';
  for (let k = 1; k <= 24; ++k) codes += shown(`CmdVD(${k})`);
  codes += ' ';
  for (let v = 1; v <= 17; ++v) codes += shown(`CFIN(${v})`);
  return `${codes} ${document.querySelector('[data-control="TxtGroupe"]').value} ${asked}`;
}

run(async () => {
  const seed = Number(process.env.AGGIR_SEED ?? 25);
  const rows = table(seed);
  const session = await openPage();
  const onPage = [];
  for (const { steps, answers } of rows) {
    onPage.push(await session.page.evaluate(codeInPage, steps, answers));
  }
  await session.close();
  const input = rows.map(({ steps, answers }) => `${answers}|${steps.join(' ')}`);
  const onDesktop = desktop(['codes'], `${input.join('\n')}\n`).trim().split('\n');
  const lines = input.map((row, i) => `${row} => ${onPage[i]}`);
  writeFileSync(join(pageFile, '..', 'random_evaluations.txt'), `# seed ${seed}\n${lines.join('\n')}\n`);
  const wrong = input.flatMap((row, i) => (onPage[i] === onDesktop[i] ? []
    : [`${row}\n  page:    ${onPage[i]}\n  desktop: ${onDesktop[i]}`]));
  if (wrong.length) throw new Error(`${wrong.length} of ${rows.length} rows differ:\n${wrong.join('\n')}`);
  console.log(`${rows.length} evaluations, as the desktop codes them (seed ${seed})`);
});
