// SPDX-License-Identifier: EUPL-1.2
// The browser's PDF reader (PDF.js), bundled apart and loaded when the first sheet is opened:
// it reads a PDF's document information, whose keywords carry the evaluation. Its parser
// runs in the page itself, as no worker script can be loaded beside a page opened from disk.
import { getDocument } from 'pdfjs-dist/build/pdf.mjs';
import * as worker from 'pdfjs-dist/build/pdf.worker.mjs';

globalThis.pdfjsWorker = worker;

// 'L' and the keywords (empty when there are none), 'P' when a password is needed, 'E' when
// the file is no PDF the reader can read.
globalThis.aggirPdfKeywords = async (bytes) => {
  const task = getDocument({ data: bytes, verbosity: 0, isEvalSupported: false });
  try {
    const document = await task.promise;
    const { info } = await document.getMetadata();
    const keywords = info?.Keywords;
    return `L${typeof keywords === 'string' ? keywords : ''}`;
  } catch (error) {
    return error?.name === 'PasswordException' ? 'P' : 'E';
  } finally {
    await task.destroy();
  }
};
