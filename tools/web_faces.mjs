// SPDX-License-Identifier: EUPL-1.2
// Writes the page's fonts/ folder: each face wrapped in a script that hands its bytes to the
// page, since a page opened from a disk may load scripts beside it but read no other file.
//   node web_faces.mjs FOLDER FACE...
// FACE is a face file, or "COLLECTION.ttc#INDEX=NAME" for one face of a collection, written
// as a face file of its own named NAME. FOLDER/<name>.js calls
// aggirFace("<name>", "<base64 of the face>").
import { mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { basename, join } from 'node:path';

// The face INDEX of an OpenType collection as a file of its own: its table directory, then
// its tables (which faces of a collection share) each at a four-byte boundary, unchanged.
function faceOfCollection(collection, index) {
  if (collection.toString('latin1', 0, 4) !== 'ttcf' || index >= collection.readUInt32BE(8)) {
    throw new Error(`no face ${index} in this collection`);
  }
  const at = collection.readUInt32BE(12 + 4 * index);
  const count = collection.readUInt16BE(at + 4);
  const records = Array.from({ length: count }, (_, i) => at + 12 + 16 * i);
  const aligned = (n) => (n + 3) & ~3;
  let size = 12 + 16 * count;
  for (const record of records) size += aligned(collection.readUInt32BE(record + 12));
  const face = Buffer.alloc(size);
  collection.copy(face, 0, at, at + 12);
  let offset = 12 + 16 * count;
  records.forEach((record, i) => {
    const [start, length] = [collection.readUInt32BE(record + 8), collection.readUInt32BE(record + 12)];
    collection.copy(face, 12 + 16 * i, record, record + 8);
    face.writeUInt32BE(offset, 12 + 16 * i + 8);
    face.writeUInt32BE(length, 12 + 16 * i + 12);
    collection.copy(face, offset, start, start + length);
    offset += aligned(length);
  });
  return face;
}

function read(face) {
  const part = /^(.*\.ttc)#(\d+)=(.+)$/.exec(face);
  if (!part) return { name: basename(face), bytes: readFileSync(face) };
  return { name: part[3], bytes: faceOfCollection(readFileSync(part[1]), Number(part[2])) };
}

const [folder, ...faces] = process.argv.slice(2);
mkdirSync(folder, { recursive: true });
for (const face of faces) {
  const { name, bytes } = read(face);
  writeFileSync(join(folder, `${name}.js`), `// ${name}, for the calculette AGGIR's page.\n`
    + `aggirFace(${JSON.stringify(name)}, "${bytes.toString('base64')}");\n`);
}
