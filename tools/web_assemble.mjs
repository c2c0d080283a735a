// SPDX-License-Identifier: EUPL-1.2
// Puts the page together into one file that runs from a disk: the shell's places take the
// style sheet, the module's script and the page's script, the WebAssembly binary and the PDF
// reader compressed (gzip, then base64; the page unpacks them).
//   node web_assemble.mjs OUTPUT SHELL STYLE MODULE_JS WASM PAGE_JS PDF_READER_JS
import { readFileSync, writeFileSync } from 'node:fs';
import { gzipSync } from 'node:zlib';

const [output, shell, style, moduleJs, wasm, pageJs, pdfReader] = process.argv.slice(2);

// The page is all ASCII, which the browser decodes and reads faster: each other character
// written as the place it goes allows, a character reference in HTML, an escape of the
// character in CSS, of each UTF-16 unit in a script.
const character = /[^\x00-\x7f]/gu;
const unit = /[^\x00-\x7f]/g;
const hex = (n, digits) => n.toString(16).padStart(digits, '0');
const escapeHtml = (text) => text.replace(character, (c) => `&#${c.codePointAt(0)};`);
const escapeStyle = (text) => text.replace(character, (c) => `\\${hex(c.codePointAt(0), 6)}`);
const escapeScript = (text) => text.replace(unit, (c) => `\\u${hex(c.charCodeAt(0), 4)}`);

// Inside a script element, "</script" would end it ("<\/script" means the same in strings,
// patterns and comments) and "<!--" would change how the rest is read.
function script(file) {
  const text = readFileSync(file, 'utf8');
  if (text.includes('<!--')) throw new Error(`${file} holds "<!--", which a page cannot inline`);
  return escapeScript(text.replaceAll('</script', '<\\/script'));
}

function packed(file) {
  const base64 = gzipSync(readFileSync(file), { level: 9 }).toString('base64');
  return base64.replace(/.{1,120}/g, '$&\n').trimEnd();
}

const places = {
  '@STYLE@': () => escapeStyle(readFileSync(style, 'utf8').trimEnd()),
  '@WASM@': () => packed(wasm),
  '@PDFJS@': () => packed(pdfReader),
  '@MODULE@': () => script(moduleJs),
  '@PAGE@': () => script(pageJs),
};
let page = escapeHtml(readFileSync(shell, 'utf8'));
for (const [place, content] of Object.entries(places)) {
  const at = page.indexOf(place);
  if (at < 0) throw new Error(`${shell} has no ${place}`);
  page = page.slice(0, at) + content() + page.slice(at + place.length);
}
writeFileSync(output, page);
