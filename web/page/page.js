// SPDX-License-Identifier: EUPL-1.2
// The page: the elements the C++ view asks for, the user's actions sent back to it, and the
// services of the browser host (dialogs, files, measures). The window's layout, texts and
// rules all come from the C++ model; nothing of them is written here.

const root = document.getElementById('aggir');
const elements = new Map([[0, { box: root }]]);
const KINDS = ['label', 'textbox', 'checkbox', 'panel', 'frame', 'button', 'shape', 'image',
  'picture', 'line'];
const CLICK = 1, KEYS = 2, MOUSE = 4;  // the user's actions a control answers
const FONT = '"MS Sans Serif", Arial, "Liberation Sans", Helvetica, sans-serif';
const SVG = 'http://www.w3.org/2000/svg';

let module = null;
let busy = false;
let size = { width: 1, height: 1 };
let focusBefore = null;  // the focus before a panel came over the grid

const twips = (n) => `calc(var(--t) * ${n})`;
const css = (c) => `rgb(${c & 255},${(c >> 8) & 255},${(c >> 16) & 255})`;

// Runs a handler of the model. While one waits for the user (a question, a file chooser),
// the page takes no other action, as a desktop window under a modal dialog.
function send(name, types, args) {
  if (busy || !module) return;
  setBusy(true);
  let result;
  try {
    result = module.ccall(`aggir_${name}`, null, types, args, { async: true });
  } catch (error) {
    result = Promise.reject(error);
  }
  Promise.resolve(result).catch(stopped).finally(() => setBusy(false));
}

function setBusy(on) {
  busy = on;
  document.documentElement.toggleAttribute('data-busy', on);
}

function stopped(error) {
  console.error(error);
  document.getElementById('aggir-panne').hidden = false;
}

// ---------------------------------------------------------------- elements

function make(kind) {
  switch (kind) {
    case 'textbox': {
      const input = document.createElement('input');
      input.type = 'text';
      input.spellcheck = false;
      input.autocomplete = 'off';
      return { box: input, focus: input };
    }
    case 'checkbox': {
      // The label around the box takes touches a little beyond it, up to its neighbours.
      const box = document.createElement('label');
      const input = document.createElement('input');
      input.type = 'checkbox';
      box.append(input);
      return { box, focus: input, named: input };
    }
    case 'button': {
      const button = document.createElement('button');
      button.type = 'button';
      return { box: button, focus: button, shown: button };
    }
    case 'picture': {
      const box = document.createElement('div');
      box.setAttribute('role', 'img');
      box.tabIndex = 0;
      const svg = document.createElementNS(SVG, 'svg');
      svg.setAttribute('aria-hidden', 'true');
      box.append(svg);
      return { box, focus: box, svg };
    }
    case 'line': {
      const svg = document.createElementNS(SVG, 'svg');
      svg.setAttribute('aria-hidden', 'true');
      const line = document.createElementNS(SVG, 'line');
      svg.append(line);
      return { box: svg, line };
    }
    default: {
      // Labels, panels, frames: a shown text, and the name a screen reader says instead.
      const box = document.createElement('div');
      const shown = document.createElement('span');
      shown.className = 'shown';
      const spoken = document.createElement('span');
      spoken.className = 'spoken';
      box.append(shown, spoken);
      if (kind === 'frame') box.setAttribute('role', 'group');
      return { box, shown, spoken };
    }
  }
}

// The caption, the letter Alt presses the button with underlined, as on the desktop.
function showCaption({ shown, accessKey }, text) {
  const at = accessKey ? text.toLowerCase().indexOf(accessKey.toLowerCase()) : -1;
  if (at < 0) {
    shown.textContent = text;
    return;
  }
  const letter = document.createElement('u');
  letter.textContent = text[at];
  shown.replaceChildren(text.slice(0, at), letter, text.slice(at + 1));
}

function listen(id, kind, element, events) {
  const box = element.named ?? element.box;
  if (kind === 'checkbox') {
    box.addEventListener('click', (event) => {
      // Under a question, the box stays as the model has it.
      if (busy) event.preventDefault();
      else send('toggled', ['number', 'number'], [id, box.checked ? 1 : 0]);
    });
  } else if (kind === 'textbox') {
    listenToText(id, box);
  } else if (events & CLICK) {
    box.addEventListener('click', (event) => {
      event.stopPropagation();
      send('click', ['number'], [id]);
    });
  }
  if (events & KEYS) {
    // A text that answers keys (a row's caption) is reached by the arrows, not by Tab.
    if (!element.focus) {
      box.tabIndex = -1;
      element.focus = box;
    }
    // The keys the window takes for itself go to it alone; the others keep their usual effect.
    box.addEventListener('keydown', (event) => {
      const shift = event.shiftKey ? 1 : 0;
      if (!module?._aggir_own_key(event.keyCode, shift)) return;
      event.preventDefault();
      event.stopPropagation();
      send('key_down', ['number', 'number', 'number'], [id, event.keyCode, shift]);
    });
  }
  if (events & MOUSE) {
    box.addEventListener('mousemove', (event) => {
      event.stopPropagation();
      if (event.buttons === 0) send('mouse_move', ['number'], [id]);
    });
  }
}

// Typed characters go through the field's own filter first; whatever reaches the text
// (typing, paste, drop, an input method) is then given to the model, which keeps it or not.
function listenToText(id, input) {
  input.addEventListener('beforeinput', (event) => {
    if (busy) {
      event.preventDefault();
      return;
    }
    if (event.inputType !== 'insertText' || !event.data) return;
    for (const character of event.data) {
      if (module._aggir_key_press(id, character.codePointAt(0)) === 0) {
        event.preventDefault();
        return;
      }
    }
  });
  input.addEventListener('keydown', (event) => {
    if (event.key === 'Enter' && !busy) module._aggir_key_press(id, 13);
  });
  input.addEventListener('input', () => send('edited', ['number', 'string'], [id, input.value]));
}

const calls = {
  window(caption, width, height) {
    document.title = caption;
    size = { width, height };
    fit();
  },

  create(id, parent, kind, control, layer, events) {
    const name = KINDS[kind];
    const element = make(name);
    element.kind = name;
    const { box } = element;
    box.classList.add('el', name);
    (element.named ?? box).dataset.control = control;
    box.style.zIndex = layer;
    listen(id, name, element, events);
    elements.set(id, element);
    elements.get(parent).box.append(box);
  },

  remove(id) {
    if (id !== 0) {
      elements.get(id)?.box.remove();
      elements.delete(id);
      return;
    }
    root.replaceChildren();
    for (const key of [...elements.keys()]) if (key !== 0) elements.delete(key);
  },

  geometry(id, left, top, width, height) {
    const { style } = elements.get(id).box;
    style.left = twips(left);
    style.top = twips(top);
    style.width = twips(width);
    style.height = twips(height);
  },

  text(id, text) {
    const element = elements.get(id);
    if (element.kind === 'textbox') {
      if (element.box.value !== text) element.box.value = text;
    } else {
      showCaption(element, text);
    }
  },

  checked(id, on) {
    elements.get(id).named.checked = on;
  },

  visible(id, on) {
    elements.get(id).box.hidden = !on;
  },

  enabled(id, on) {
    const { box, focus, kind } = elements.get(id);
    if (kind === 'textbox' || kind === 'checkbox' || kind === 'button') {
      focus.disabled = !on;
    } else {
      box.toggleAttribute('aria-disabled', !on);
    }
  },

  colours(id, fore, back, transparent) {
    const { box } = elements.get(id);
    box.style.color = css(fore);
    box.style.backgroundColor = transparent ? 'transparent' : css(back);
  },

  font(id, points, bold) {
    const { style } = elements.get(id).box;
    style.fontSize = twips(points * 20);
    style.fontWeight = bold ? 'bold' : 'normal';
  },

  layout(id, alignment, wrap, locked, tabStop) {
    const element = elements.get(id);
    const { box } = element;
    box.classList.add(['left', 'centre', 'right'][alignment]);
    box.classList.toggle('wrap', wrap);
    // A locked field is a result: read-only, and reached by the keyboard as on the desktop.
    if (locked) box.readOnly = true;
    if (tabStop) {
      box.tabIndex = 0;
      element.focus ??= box;
    }
  },

  accessible(id, name, description) {
    const element = elements.get(id);
    const { spoken, shown, kind } = element;
    const box = element.focus ?? element.box;
    if (kind === 'frame') {
      box.setAttribute('aria-label', name || shown.textContent.trim());
    } else if (kind === 'panel' && name) {
      // A named container is a group said by its name, not by the texts inside it.
      box.setAttribute('role', 'group');
      box.setAttribute('aria-label', name);
      spoken.textContent = '';
    } else if (spoken) {
      if (kind === 'panel') {
        box.removeAttribute('role');
        box.removeAttribute('aria-label');
      }
      // A name given to a plain text is said in its place.
      spoken.textContent = name;
      if (name) shown.setAttribute('aria-hidden', 'true');
      else shown.removeAttribute('aria-hidden');
    } else if (name) {
      box.setAttribute('aria-label', name);
    } else {
      box.removeAttribute('aria-label');
    }
    if (description) box.setAttribute('aria-description', description);
    else box.removeAttribute('aria-description');
  },

  picture(id, width, height, svg) {
    const element = elements.get(id);
    element.svg.setAttribute('viewBox', `0 0 ${width} ${height}`);
    element.svg.innerHTML = svg;
  },

  line(id, x1, y1, x2, y2, width, colour) {
    const { box, line } = elements.get(id);
    const pad = width * 15;
    const left = Math.min(x1, x2) - pad, top = Math.min(y1, y2) - pad;
    const w = Math.abs(x2 - x1) + 2 * pad, h = Math.abs(y2 - y1) + 2 * pad;
    box.style.left = twips(left);
    box.style.top = twips(top);
    box.style.width = twips(w);
    box.style.height = twips(h);
    box.setAttribute('viewBox', `0 0 ${w} ${h}`);
    for (const [key, value] of Object.entries({ x1: x1 - left, y1: y1 - top, x2: x2 - left,
      y2: y2 - top, 'stroke-width': width * 15, stroke: css(colour) })) {
      line.setAttribute(key, value);
    }
  },

  focus(id) {
    elements.get(id)?.focus?.focus();
  },

  covered(id, on) {
    elements.get(id).box.inert = on;
  },

  covering(on) {
    if (on) {
      focusBefore = document.activeElement;
    } else if (focusBefore?.isConnected && !focusBefore.closest('[inert], [hidden]')) {
      focusBefore.focus();
    }
  },

  keys(id, tooltip, accessKey) {
    const element = elements.get(id);
    const box = element.focus ?? element.box;
    // Not on a text: its title would stand for its name to screen readers; its description
    // says the key already.
    if (tooltip && element.kind !== 'label') box.title = tooltip;
    if (accessKey) {
      box.accessKey = accessKey;
      element.accessKey = accessKey;
    }
  },

  ready() {
    root.removeAttribute('aria-busy');
    document.documentElement.dataset.ready = '';
    performance.mark('aggir-ready');
    // After the next frame: the grid drawn on the screen.
    requestAnimationFrame(() => setTimeout(() => performance.mark('aggir-shown')));
  },
};

// ---------------------------------------------------------------- the window's size

// The window fills the page's width. Under a mouse, it fits the page's height too when that
// leaves it at least as large as on the desktop (15 twips a pixel): all of it is in sight.
// Under a finger, it keeps the whole width, for the largest boxes, and the page scrolls.
function fit() {
  const bar = document.getElementById('aggir-barre').offsetHeight;
  const across = document.documentElement.clientWidth / size.width;
  const down = (window.innerHeight - bar) / size.height;
  const touch = matchMedia('(pointer: coarse)').matches;
  const scale = touch ? across : Math.min(across, Math.max(down, 1 / 15));
  root.style.setProperty('--t', `${scale}px`);
  root.style.width = `${scale * size.width}px`;
  root.style.height = `${scale * size.height}px`;
}

// ---------------------------------------------------------------- host services

const icons = {
  1: '<svg viewBox="0 0 32 32" aria-hidden="true"><circle cx="16" cy="16" r="15" fill="#c00"/>'
    + '<path d="M10 10l12 12M22 10l-12 12" stroke="#fff" stroke-width="4"/></svg>',
  2: '<svg viewBox="0 0 32 32" aria-hidden="true"><path d="M16 2l15 28H1z" fill="#fc0"'
    + ' stroke="#000"/><path d="M16 11v10M16 24v3" stroke="#000" stroke-width="3"/></svg>',
};

function ask(text, title, icon, buttons, focused = 0) {
  const dialog = document.getElementById('aggir-message');
  dialog.querySelector('h2').textContent = title;
  dialog.querySelector('.icon').innerHTML = icons[icon] ?? '';
  dialog.querySelector('p').textContent = text.replaceAll('\r\n', '\n');
  dialog.setAttribute('role', icon ? 'alertdialog' : 'dialog');
  const row = dialog.querySelector('.buttons');
  row.replaceChildren();
  const before = document.activeElement;
  return new Promise((resolve) => {
    const answer = (index) => {
      dialog.oncancel = null;
      dialog.close();
      before?.focus?.();
      resolve(index);
    };
    buttons.forEach((label, index) => {
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = label;
      button.addEventListener('click', () => answer(index));
      row.append(button);
    });
    // Escape. (A dialog's close event comes later, when the next question may be open.)
    dialog.oncancel = () => answer(-1);
    dialog.showModal();
    row.children[focused].focus();
  });
}

let audio = null;
function beep() {
  try {
    audio ??= new AudioContext();
    const tone = audio.createOscillator();
    const gain = audio.createGain();
    gain.gain.value = 0.1;
    tone.frequency.value = 880;
    tone.connect(gain).connect(audio.destination);
    tone.start();
    tone.stop(audio.currentTime + 0.08);
  } catch {
    // No sound on this device: the refused key simply does nothing.
  }
}

const measure = document.createElement('canvas').getContext('2d');
function setFont(points, bold) {
  measure.font = `${bold ? 'bold ' : ''}${points}pt ${FONT}`;
}

// The sheet is downloaded, then shown in the browser's PDF viewer, once the command is over:
// handing the bytes to the browser and opening a tab take it far longer than writing them.
function offer(name, bytes) {
  setTimeout(() => {
    const url = URL.createObjectURL(new Blob([bytes], { type: 'application/pdf' }));
    const link = document.createElement('a');
    link.href = url;
    link.download = name;
    document.body.append(link);
    link.click();
    link.remove();
    window.open(url, '_blank');
    setTimeout(() => URL.revokeObjectURL(url), 60000);
  });
}

function help(title, html, close) {
  const dialog = document.getElementById('aggir-aide');
  dialog.querySelector('h2').textContent = title;
  dialog.querySelector('iframe').srcdoc = html;
  const button = dialog.querySelector('button');
  button.textContent = close;
  button.onclick = () => dialog.close();
  dialog.onkeydown = (event) => {
    if (event.key !== 'Escape') return;
    event.stopPropagation();  // the help's own: the panels over the grid stay
    dialog.close();
  };
  if (!dialog.open) dialog.show();
  button.focus();
}

// A file the user gives the page is copied into the working folder of the module's files.
async function keep(file) {
  const bytes = new Uint8Array(await file.arrayBuffer());
  module.FS.writeFile(file.name, bytes);
  return file.name;
}

function chooseFile(accept) {
  const input = document.createElement('input');
  input.type = 'file';
  input.accept = accept;
  return new Promise((resolve) => {
    input.addEventListener('change', () => {
      const [file] = input.files;
      if (!file) resolve(null);
      else keep(file).then(resolve, () => resolve(null));
    });
    input.addEventListener('cancel', () => resolve(null));
    input.click();
  });
}

// The browser's PDF reader comes inlined and compressed; it is unpacked on first use only.
let pdfReader = null;
async function pdfKeywords(bytes) {
  if (document.readyState === 'loading') {
    await new Promise((resolve) => document.addEventListener('DOMContentLoaded', resolve));
  }
  pdfReader ??= unpack('aggir-pdfjs').then((code) => {
    const script = document.createElement('script');
    script.textContent = new TextDecoder().decode(code);
    document.head.append(script);
    return globalThis.aggirPdfKeywords;
  });
  return (await pdfReader)(bytes);
}

// A face of the fonts/ folder beside the page, which a script there hands over: a page opened
// from a disk may load scripts beside it, but read no other file. False when it is absent.
async function fetchFace(name, path) {
  let given = null;
  globalThis.aggirFace = (face, base64) => {
    if (face === name) given = base64;
  };
  const script = document.createElement('script');
  script.src = `fonts/${encodeURIComponent(name)}.js`;
  const loaded = await new Promise((resolve) => {
    script.onload = () => resolve(true);
    script.onerror = () => resolve(false);
    document.head.append(script);
  });
  script.remove();
  if (!loaded || given === null) return false;
  module.FS.mkdirTree(path.slice(0, path.lastIndexOf('/')));
  module.FS.writeFile(path, await decoded(given));
  return true;
}

Object.assign(calls, {
  ask,
  beep,
  textWidth(text, points, bold) {
    setFont(points, bold);
    return measure.measureText(text).width;
  },
  lineHeight(points, bold) {
    setFont(points, bold);
    const m = measure.measureText('Hg');
    return m.fontBoundingBoxAscent + m.fontBoundingBoxDescent || points * 96 / 72 * 1.15;
  },
  screenWidth: () => screen.width,
  screenHeight: () => screen.height,
  offer,
  help,
  chooseFile,
  pdfKeywords,
  fetchFace,
  newString(text) {
    const length = module.lengthBytesUTF8(text) + 1;
    const pointer = module._malloc(length);
    module.stringToUTF8(text, pointer, length);
    return pointer;
  },
});

// ---------------------------------------------------------------- the page's own events

// Alt and a button's letter press it, as on the desktop, whatever the browser's own modifier
// for access keys; not a button hidden, covered or disabled.
function pressAccessKey(key) {
  const button = [...root.querySelectorAll('button[accesskey]')].find((b) =>
    b.accessKey.toLowerCase() === key && !b.disabled && !b.closest('[hidden], [inert]'));
  button?.click();
  return !!button;
}

function listenToPage() {
  window.addEventListener('resize', fit);
  root.addEventListener('mousemove', (event) => {
    if (event.buttons === 0) send('mouse_move', ['number'], [0]);
  });
  document.addEventListener('keydown', (event) => {
    const command = event.ctrlKey || event.metaKey;
    const key = event.key.toLowerCase();
    if (event.key === 'F1' && !event.shiftKey) {
      event.preventDefault();
      send('help_key', [], []);
    } else if (command && key === 'o') {
      event.preventDefault();
      send('open_key', [], []);
    } else if (command && key === 'p') {
      event.preventDefault();  // the sheet is printed, not the page
      send('print_key', [], []);
    } else if (event.key === 'Escape') {
      send('escape_key', [], []);
    } else if (event.altKey && !command && pressAccessKey(key)) {
      event.preventDefault();
    }
  });
  // Closing the tab or leaving the page: the browser asks first, as "Quitter" does.
  window.addEventListener('beforeunload', (event) => {
    if (!module || !(busy || module._aggir_unprinted())) return;
    event.preventDefault();
    event.returnValue = '';
  });
  document.getElementById('aggir-ouvrir').addEventListener('click', () => send('open_key', [], []));
  // A file dropped anywhere is a sheet to open, never a page to leave this one for.
  document.addEventListener('dragover', (event) => event.preventDefault());
  document.addEventListener('drop', (event) => {
    event.preventDefault();
    if (busy || !module) return;
    const files = [...event.dataTransfer.files];
    if (!files.length && !event.dataTransfer.types.includes('text/uri-list')) return;
    // Busy while the files are read, so that nothing comes between them and the model.
    setBusy(true);
    Promise.all(files.length ? files.map((file) => keep(file).catch(() => '')) : [''])
      .then((names) => {
        setBusy(false);
        send('dropped', ['string'], [names.join('\n')]);
      });
  });
}

// ---------------------------------------------------------------- start

// Base64 decoded by the browser, line breaks skipped: by Uint8Array where it can, else by a
// data address (twenty times slower).
async function decoded(base64) {
  if (Uint8Array.fromBase64) return Uint8Array.fromBase64(base64);
  const bytes = await fetch(`data:application/octet-stream;base64,${base64}`);
  return new Uint8Array(await bytes.arrayBuffer());
}

// A block of the page, inflated by the browser as it is read.
async function unpacked(id) {
  const packed = new Blob([await decoded(document.getElementById(id).textContent)]);
  return new Response(packed.stream().pipeThrough(new DecompressionStream('gzip')), {
    headers: { 'Content-Type': 'application/wasm' },
  });
}

async function unpack(id) {
  return new Uint8Array(await (await unpacked(id)).arrayBuffer());
}

// The WebAssembly binary is compiled as it is inflated, before the module's runtime starts.
async function compiled() {
  const binary = await unpacked('aggir-wasm');
  if (WebAssembly.compileStreaming) return WebAssembly.compileStreaming(binary);
  return WebAssembly.compile(await binary.arrayBuffer());
}

async function start() {
  const compiling = compiled();
  listenToPage();
  // main() builds the window before the module is handed over: events wait for it.
  module = await globalThis.AggirModule({
    page: calls,
    instantiateWasm(imports, receive) {
      compiling
        .then((wasm) => {
          performance.mark('aggir-compiled');
          return WebAssembly.instantiate(wasm, imports).then((instance) => receive(instance, wasm));
        })
        .catch(stopped);
      return {};
    },
    onAbort: stopped,
    onRuntimeInitialized: () => performance.mark('aggir-instantiated'),
  });
}

start().catch(stopped);
