// SPDX-License-Identifier: EUPL-1.2
// Writes the page's fonts/ folder: each face wrapped in a script that hands its bytes to the
// page, since a page opened from a disk may load scripts beside it but read no other file.
//   node web_faces.mjs FOLDER FACE_FILE...
// FOLDER/<face file name>.js calls aggirFace("<face file name>", "<base64 of the face>").
import { mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { basename, join } from 'node:path';

const [folder, ...faces] = process.argv.slice(2);
mkdirSync(folder, { recursive: true });
for (const face of faces) {
  const name = basename(face);
  const base64 = readFileSync(face).toString('base64');
  writeFileSync(join(folder, `${name}.js`),
    `// ${name}, for the calculette AGGIR's page.\naggirFace(${JSON.stringify(name)}, "${base64}");\n`);
}
