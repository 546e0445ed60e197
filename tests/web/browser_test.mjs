// The page in build-web/ in Debian's headless chromium, driven by playwright-core (never a browser of
// its own). Each test serves the page from a small server of its own on 127.0.0.1 and compares with
// what the native program does headless.
//
//   node browser_test.mjs TEST --web-dir DIR --driver DIR --program PATH --data-dir DIR [--autopilot PATH]
//
// TEST: screens | replay | saved-game | settings | options-key | refused-storage | music | missing-data
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import { createRequire } from 'node:module';
import os from 'node:os';
import path from 'node:path';

// ------------------------------------------------------------------ options
const [test, ...rest] = process.argv.slice(2);
const opt = {};
for (let i = 0; i < rest.length; i += 2) opt[rest[i].replace(/^--/, '')] = rest[i + 1];
for (const need of ['web-dir', 'driver', 'program', 'data-dir']) {
  if (!opt[need]) throw new Error(`--${need} is missing`);
}
const require = createRequire(path.join(path.resolve(opt.driver), 'node_modules', 'x.js'));
const { chromium } = require('playwright-core');
const CHROMIUM = process.env.CINDERWAKE_CHROMIUM || '/usr/bin/chromium';
// As root and in a closed network: no sandbox, no GPU, none of the browser's own connections.
const CHROMIUM_FLAGS = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];
// Tolerance of the real-window test: mean difference over the RGB channels, 0..255.
const TOLERANCE = 4;

const work = fs.mkdtempSync(path.join(os.tmpdir(), 'cinderwake-browser-'));
process.on('exit', () => fs.rmSync(work, { recursive: true, force: true }));

function check(ok, message) {
  if (!ok) throw new Error(message);
}
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

// ------------------------------------------------------------------ the server
const TYPES = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
  '.json': 'application/json', '.jpg': 'image/jpeg', '.gif': 'image/gif', '.mp3': 'audio/mpeg',
  '.png': 'image/png', '.txt': 'text/plain' };

// Serves the page folder; `missing` paths answer 404, `extra` maps further paths to files.
function serve({ missing = [], extra = {} } = {}) {
  const server = http.createServer((req, res) => {
    const url = decodeURIComponent(new URL(req.url, 'http://x').pathname);
    const rel = url === '/' ? 'index.html' : url.slice(1);
    let file = extra[rel] || path.join(opt['web-dir'], rel);
    if (missing.includes(rel) || rel.includes('..') || !fs.existsSync(file) || fs.statSync(file).isDirectory()) {
      res.writeHead(404, { 'Content-Type': 'text/plain' });
      res.end('not found');
      return;
    }
    res.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream',
      'Cache-Control': 'no-store' });
    fs.createReadStream(file).pipe(res);
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}
const base = (server) => `http://127.0.0.1:${server.address().port}/`;

// ------------------------------------------------------------------ the native program
function copyData(name) {
  const dir = path.join(work, name);
  fs.cpSync(opt['data-dir'], dir, { recursive: true });
  fs.writeFileSync(path.join(dir, 'SaveGame.txt'), 'NoSaveGame\r\n');
  return dir;
}

function run(program, args, what) {
  // In the scratch folder: the autopilot's script writes its own dump beside it.
  const r = spawnSync(program, args, { cwd: work, encoding: 'utf8', maxBuffer: 64 << 20 });
  check(r.status === 0, `${what} failed (${r.status}): ${r.stderr}${r.stdout}`);
  return r.stdout;
}

function headless(script, extraArgs = []) {
  const file = path.join(work, `script-${Date.now()}.txt`);
  fs.writeFileSync(file, script);
  run(opt.program, ['--headless', '--script', file, ...extraArgs], 'the headless program');
}

// ------------------------------------------------------------------ the browser
async function launch(extraFlags = [], userDataDir = null) {
  const options = { executablePath: CHROMIUM, args: [...CHROMIUM_FLAGS, ...extraFlags], headless: true,
    viewport: { width: 1280, height: 800 } };
  if (userDataDir) return { context: await chromium.launchPersistentContext(userDataDir, options) };
  const browser = await chromium.launch(options);
  return { browser, context: await browser.newContext({ viewport: options.viewport }) };
}

async function close(b) {
  if (b.browser) await b.browser.close();
  else await b.context.close();
}

// Opens the page and waits for the game's first picture (or the page's message).
async function openGame(context, url) {
  const page = await context.newPage();
  page.on('pageerror', (e) => console.log('page error:', e.message));
  page.on('console', (m) => { if (m.type() === 'error' || m.type() === 'warning') console.log('page:', m.text()); });
  await page.goto(url);
  await page.waitForFunction(() => window.cinderwakeFirstFrameAt !== undefined || window.cinderwakeError !== undefined,
    null, { timeout: 60000 });
  const error = await page.evaluate(() => window.cinderwakeError);
  check(!error, `the page shows an error: ${error}`);
  return page;
}

async function dump(page) {
  const text = await page.evaluate(() => window.cinderwakeDump());
  check(typeof text === 'string' && text.length > 0, 'window.cinderwakeDump() gave no dump');
  return JSON.parse(text);
}

async function waitForDump(page, predicate, what, seconds = 20) {
  const deadline = Date.now() + seconds * 1000;
  for (;;) {
    const d = await dump(page);
    if (predicate(d)) return d;
    check(Date.now() < deadline, `${what} did not happen; last dump: ${JSON.stringify(d.elements ? { focus: d.focus, tick: d.tick } : d)}`);
    await sleep(100);
  }
}

async function canvasShot(page) {
  return page.locator('#canvas').screenshot();
}

// Mean difference of two PNG pictures, decoded by the browser itself on a blank page.
async function meanDifference(helper, a, b) {
  const r = await helper.evaluate(async ([a64, b64]) => {
    async function pixels(b64) {
      const blob = await (await fetch('data:image/png;base64,' + b64)).blob();
      const bmp = await createImageBitmap(blob);
      const c = new OffscreenCanvas(bmp.width, bmp.height);
      const ctx = c.getContext('2d');
      ctx.drawImage(bmp, 0, 0);
      return { w: bmp.width, h: bmp.height, d: ctx.getImageData(0, 0, bmp.width, bmp.height).data };
    }
    const A = await pixels(a64);
    const B = await pixels(b64);
    if (A.w !== B.w || A.h !== B.h) return { size: `${A.w}x${A.h} against ${B.w}x${B.h}` };
    let sum = 0;
    for (let i = 0; i < A.d.length; i += 4) {
      sum += Math.abs(A.d[i] - B.d[i]) + Math.abs(A.d[i + 1] - B.d[i + 1]) + Math.abs(A.d[i + 2] - B.d[i + 2]);
    }
    return { mean: sum / (A.w * A.h * 3) };
  }, [a.toString('base64'), b.toString('base64')]);
  check(r.size === undefined, `the canvas picture is ${r.size}`);
  return r.mean;
}

// Waits until the canvas shows `expected` (a PNG of the headless twin).
async function waitForPicture(page, helper, expected, what, seconds, name) {
  const deadline = Date.now() + seconds * 1000;
  for (;;) {
    const shot = await canvasShot(page);
    const d = await meanDifference(helper, shot, expected);
    if (d < TOLERANCE) return;
    if (Date.now() > deadline) {
      fs.writeFileSync(path.join(os.tmpdir(), `cinderwake-browser-${name}.png`), shot);
      throw new Error(`the page does not show ${what} (mean difference ${d.toFixed(1)}; its picture is in ` +
                      `${os.tmpdir()}/cinderwake-browser-${name}.png)`);
    }
    await sleep(200);
  }
}

// A point of the 800 x 600 picture, in page coordinates.
async function pagePoint(page, x, y) {
  const box = await page.locator('#canvas').boundingBox();
  const scale = box.width / 800;
  return [box.x + (x + 0.5) * scale, box.y + (y + 0.5) * scale];
}
async function clickPicture(page, x, y) {
  const [px, py] = await pagePoint(page, x, y);
  await page.mouse.click(px, py);
}
// The centre of an element in window pixels; `parent` is the surface it lies on.
function centre(d, name, parent) {
  const e = d.elements[name];
  const p = parent ? d.elements[parent] : { left: 0, top: 0 };
  return [p.left + e.left + Math.floor(e.width / 2), p.top + e.top + Math.floor(e.height / 2)];
}

// ------------------------------------------------------------------ the tests
const tests = {};

// The splash, the menu after a key, the story page and the abilities screen after the keys of the
// real-window test, each as the headless twin draws the same moment.
tests.screens = async () => {
  const data = copyData('data');
  headless(`4999 screenshot ${work}/splash.png\n5100 screenshot ${work}/menu.png\n` +
           '5100 mouse move 5 5\n5200 key Down\n5300 key Down\n5400 key Enter\n' +
           `9500 screenshot ${work}/story.png\n9500 key Space\n15500 screenshot ${work}/abilities.png\n`,
           ['--data-dir', data]);
  const expected = (n) => fs.readFileSync(path.join(work, `${n}.png`));
  const server = await serve();
  const b = await launch();
  try {
    const helper = await b.context.newPage();
    const page = await openGame(b.context, base(server));
    const size = await page.locator('#canvas').boundingBox();
    check(size.width === 800 && size.height === 600, `the picture is ${size.width} x ${size.height} on a 1280 x 800 page`);
    await waitForPicture(page, helper, expected('splash'), 'the splash', 6, 'splash');
    await page.keyboard.press('Space');
    await waitForPicture(page, helper, expected('menu'), 'the menu after a key', 5, 'menu');
    const [mx, my] = await pagePoint(page, 5, 5);
    await page.mouse.move(mx, my);
    for (const key of ['ArrowDown', 'ArrowDown', 'Enter']) await page.keyboard.press(key);
    await waitForPicture(page, helper, expected('story'), 'the whole story page', 15, 'story');
    await page.keyboard.press('Space');
    await waitForPicture(page, helper, expected('abilities'), 'the abilities screen', 20, 'abilities');
    // The browser kept the keys to the game: nothing scrolled.
    const scrolled = await page.evaluate(() => [window.scrollX, window.scrollY]);
    check(scrolled[0] === 0 && scrolled[1] === 0, `the page scrolled to ${scrolled}`);
    console.log('browser: splash, menu, story page and abilities screen shown as headless');
  } finally {
    await close(b);
    server.close();
  }
};

// The autopilot's winning game for seed 1, recorded natively, replayed in the page's own window at the
// recorded pace (the canvas showing it): the same final state as the desktop's headless replay.
tests.replay = async () => {
  check(opt.autopilot, '--autopilot is missing');
  const out = path.join(work, 'autopilot');
  const report = run(opt.autopilot, ['--seed', '1', '--data-dir', opt['data-dir'], '--out', out], 'the autopilot');
  check(/finished/.test(report), `the autopilot did not win: ${report}`);
  const script = fs.readFileSync(path.join(out, 'script.txt'), 'utf8');
  // The autopilot's last dump is the moment the recording ends.
  const last = /^(\d+) dump /m.exec(script.split('\n').filter((l) => / dump /.test(l)).pop() || '');
  check(last, 'the autopilot\'s script has no dump at its end');
  const end = Number(last[1]);
  const recording = path.join(work, 'win.rec');
  headless(script, ['--seed', '1', '--data-dir', copyData('record-data'), '--record', recording]);
  const server = await serve({ extra: { 'win.rec': recording } });
  const b = await launch();
  try {
    const page = await b.context.newPage();
    page.on('console', (m) => { if (m.type() === 'error' || m.type() === 'warning') console.log('page:', m.text()); });
    await page.goto(base(server) + '?args=' + encodeURIComponent('--replay win.rec'));
    await page.waitForFunction(() => window.cinderwakeFirstFrameAt !== undefined || window.cinderwakeError !== undefined,
      null, { timeout: 60000 });
    const error0 = await page.evaluate(() => window.cinderwakeError);
    check(!error0, `the page shows an error: ${error0}`);
    // Played in the canvas: the game's pictures are on the page while the replay runs.
    const box = await page.locator('#canvas').boundingBox();
    check(box && box.width === 800 && box.height === 600, `the canvas is ${JSON.stringify(box)} while replaying`);
    const started = Date.now();
    await page.waitForFunction(() => window.cinderwakeExitStatus !== undefined || window.cinderwakeError !== undefined,
      null, { timeout: 600000, polling: 1000 });
    const error = await page.evaluate(() => window.cinderwakeError);
    check(!error, `the page shows an error: ${error}`);
    check(await page.evaluate(() => window.cinderwakeExitStatus) === 0, 'the replay in the page did not end well');
    const replayed = await dump(page);
    check(replayed.state.blnEnd === true, 'the replay in the page does not reach the end of the game');
    // The desktop's replay, with a dump where the recording ends.
    const nativeDump = path.join(work, 'native.json');
    headless(`${end} dump ${nativeDump}\n`, ['--replay', recording, '--data-dir', copyData('replay-data')]);
    check(fs.existsSync(nativeDump), `the desktop's replay does not reach ${end} ms`);
    const expected = JSON.parse(fs.readFileSync(nativeDump, 'utf8'));
    // The dump's own clock is the page's real one, which a paced replay keeps apart from the recording's.
    delete expected.tick;
    delete replayed.tick;
    const a = JSON.stringify(expected);
    const r = JSON.stringify(replayed);
    if (a !== r) {
      const diffs = [];
      const walk = (x, y, where) => {
        if (diffs.length > 20) return;
        if (typeof x !== 'object' || x === null || typeof y !== 'object' || y === null) {
          if (JSON.stringify(x) !== JSON.stringify(y)) diffs.push(`${where}: ${JSON.stringify(x)} against ${JSON.stringify(y)}`);
          return;
        }
        for (const k of new Set([...Object.keys(x), ...Object.keys(y)])) walk(x[k], y[k], `${where}.${k}`);
      };
      walk(expected, replayed, 'dump');
      throw new Error('the page ends elsewhere than the desktop (desktop against page):\n' + diffs.join('\n'));
    }
    console.log(`browser: the winning replay ends in the page's window in the same state (${replayed.passes} passes, ` +
                `${((Date.now() - started) / 1000).toFixed(0)} s)`);
  } finally {
    await close(b);
    server.close();
  }
};

// From the menu to play with some points spent and a few steps walked; returns the page in play.
async function newGameInPlay(page) {
  await page.keyboard.press('Space');
  let d = await waitForDump(page, (x) => x.elements.picMenu.visible, 'the menu after a key');
  await clickPicture(page, ...centre(d, 'Image2', 'picMenu'));  // New Game
  d = await waitForDump(page, (x) => x.elements.picStory.visible && !x.elements.picStory_little.visible,
                        'the whole story page', 30);
  await page.keyboard.press('Space');
  d = await waitForDump(page, (x) => x.elements.picRPG.visible, 'the abilities screen', 30);
  await clickPicture(page, ...centre(d, 'btnStrenghtUp', 'picRPG'));
  await clickPicture(page, ...centre(d, 'btnVitalityUp', 'picRPG'));
  await clickPicture(page, ...centre(d, 'btnVitalityUp', 'picRPG'));
  await clickPicture(page, ...centre(d, 'Command11', 'picRPG'));  // OK
  d = await waitForDump(page, (x) => !x.elements.picRPG.visible && x.state.blnGame === true, 'play');
  await page.keyboard.down('ArrowUp');
  await sleep(400);
  await page.keyboard.up('ArrowUp');
  return d;
}

// Saves through the in-game menu; returns the dump taken just before the save and the message after it.
async function saveGame(page) {
  let d = await dump(page);
  await clickPicture(page, ...centre(d, 'Command1', 'Picture1'));  // MENU
  d = await waitForDump(page, (x) => x.elements.picInGame.visible, 'the in-game menu');
  const before = d;
  await clickPicture(page, ...centre(d, 'img1', 'picInGame'));  // Save game
  d = await waitForDump(page, (x) => /save/i.test(x.elements.lblSMS.caption) && x.elements.lblSMS.caption.endsWith('!'),
                        'the message after saving', 30);
  return { before, message: d.elements.lblSMS.caption };
}

// The fields the saved game holds, as the dump shows them.
function savedFields(d) {
  const s = d.state;
  return {
    helpXCity: s.helpXCity, helpYCity: s.helpYCity, GamePhase: s.GamePhase, My_x: s.My_x, My_y: s.My_y,
    Strength: s.Strength, Endurance: s.Endurance, Vitality: s.Vitality, Ultimate: s.Ultimate, Healing: s.Healing,
    Experience: s.Experience, ExperienceNeeded: s.ExperienceNeeded, Level: s.Level, Life: s.Life,
    key: d.elements.imgKey.visible, card: d.elements.imgCard.visible, points: d.elements.lblPoints.caption,
  };
}

// Saved in the page, the browser closed, opened again: Continue Game loads the same values.
tests['saved-game'] = async () => {
  const server = await serve();
  const profile = path.join(work, 'profile');
  let b = await launch([], profile);
  let saved;
  try {
    const page = await openGame(b.context, base(server));
    await newGameInPlay(page);
    const { before, message } = await saveGame(page);
    check(message === 'Game successfully saved !', `saving says "${message}"`);
    saved = savedFields(before);
  } finally {
    await close(b);
  }
  b = await launch([], profile);
  try {
    const page = await openGame(b.context, base(server));
    await page.keyboard.press('Space');
    let d = await waitForDump(page, (x) => x.elements.picMenu.visible, 'the menu after a key');
    await clickPicture(page, ...centre(d, 'Image3', 'picMenu'));  // Continue Game
    d = await waitForDump(page, (x) => x.state.blnGame === true && !x.elements.picMenu.visible, 'play after Continue Game');
    const loaded = savedFields(d);
    check(JSON.stringify(loaded) === JSON.stringify(saved),
          `the loaded game differs from the saved one:\n saved  ${JSON.stringify(saved)}\n loaded ${JSON.stringify(loaded)}`);
    console.log(`browser: saved, closed, opened again and continued at ${loaded.GamePhase} (${loaded.My_x}, ${loaded.My_y})`);
  } finally {
    await close(b);
    server.close();
  }
};

// The text of a file in the browser's lasting storage (emscripten's IDBFS database of that folder), or
// null while it is not there.
async function storedFile(page, folder, name) {
  return page.evaluate(async ([folder, name]) => {
    const db = await new Promise((resolve, reject) => {
      const r = indexedDB.open(folder);
      r.onsuccess = () => resolve(r.result);
      r.onerror = () => reject(r.error);
    });
    try {
      if (!db.objectStoreNames.contains('FILE_DATA')) return null;
      const entry = await new Promise((resolve, reject) => {
        const r = db.transaction('FILE_DATA').objectStore('FILE_DATA').get(folder + '/' + name);
        r.onsuccess = () => resolve(r.result);
        r.onerror = () => reject(r.error);
      });
      return entry && entry.contents ? new TextDecoder().decode(entry.contents) : null;
    } finally {
      db.close();
    }
  }, [folder, name]);
}

// The volume lowered and the music muted with their keys (a note tells), the page reloaded: both are still so.
tests.settings = async () => {
  const server = await serve();
  const b = await launch();
  try {
    const page = await openGame(b.context, base(server));
    const before = (await dump(page)).settings;
    check(before.mute === false, `a new browser starts muted: ${JSON.stringify(before)}`);
    await page.keyboard.press('Minus');
    await page.keyboard.press('KeyM');
    const changed = (await waitForDump(page, (x) => x.settings.mute === true, 'muting with M')).settings;
    check(changed.music_volume === before.music_volume - 10,
          `the volume went from ${before.music_volume} to ${changed.music_volume} with one -`);
    // The note over the picture says so for a moment, then goes.
    const note = await page.locator('#note');
    await note.waitFor({ state: 'visible', timeout: 5000 });
    check(await note.textContent() === 'Music muted', `the note says ${JSON.stringify(await note.textContent())}`);
    await note.waitFor({ state: 'hidden', timeout: 5000 });
    // Written through to the browser's storage before the page goes.
    const deadline = Date.now() + 10000;
    let stored = null;
    while (!(stored && /^mute = true$/m.test(stored)) && Date.now() < deadline) {
      await sleep(100);
      stored = await storedFile(page, '/cinderwake-saves', 'settings.ini');
    }
    check(stored && /^mute = true$/m.test(stored), `the stored settings.ini is ${JSON.stringify(stored)}`);
    await page.reload();
    await page.waitForFunction(() => window.cinderwakeFirstFrameAt !== undefined || window.cinderwakeError !== undefined,
      null, { timeout: 60000 });
    const after = (await dump(page)).settings;
    check(JSON.stringify(after) === JSON.stringify(changed),
          `after a reload the settings are ${JSON.stringify(after)}, not ${JSON.stringify(changed)}`);
    console.log(`browser: volume ${after.music_volume} % and mute kept over a reload`);
  } finally {
    await close(b);
    server.close();
  }
};

// F1 is the game's in the page: it opens the options over the picture, as on the desktop, and closes them.
tests['options-key'] = async () => {
  const data = copyData('data');
  const config = path.join(work, 'config');
  // The splash looks at no keys: F1 over the menu that follows it.
  headless(`5500 key F1\n6000 screenshot ${work}/options.png\n6000 dump ${work}/options.json\n`,
           ['--data-dir', data, '--config-dir', config]);
  const expected = JSON.parse(fs.readFileSync(path.join(work, 'options.json'), 'utf8'));
  check(expected.paused === true, 'F1 does not open the options in the headless program');
  const server = await serve();
  const b = await launch();
  try {
    const helper = await b.context.newPage();
    const page = await openGame(b.context, base(server));
    await page.keyboard.press('Space');
    const d = await waitForDump(page, (x) => x.elements.picMenu.visible, 'the menu after a key');
    check(d.paused === false, 'the game stands still before F1');
    await page.keyboard.press('F1');
    await waitForDump(page, (x) => x.paused === true, 'the options after F1', 5);
    await waitForPicture(page, helper, fs.readFileSync(path.join(work, 'options.png')), 'the options over the menu',
                         5, 'options');
    await page.keyboard.press('F1');
    await waitForDump(page, (x) => x.paused === false, 'the options closed with F1 again', 5);
    console.log('browser: F1 opens the options over the game and closes them');
  } finally {
    await close(b);
    server.close();
  }
};

// Storage that refuses the write: the game says so.
tests['refused-storage'] = async () => {
  const server = await serve();
  const b = await launch();
  try {
    await b.context.addInitScript(() => {
      IDBObjectStore.prototype.put = function () {
        throw new DOMException('The quota has been exceeded.', 'QuotaExceededError');
      };
    });
    const page = await openGame(b.context, base(server));
    await newGameInPlay(page);
    const { message } = await saveGame(page);
    check(message === "Can't save game !", `saving into full storage says "${message}"`);
    console.log('browser: storage that refuses the save gives "Can\'t save game !"');
  } finally {
    await close(b);
    server.close();
  }
};

// The music plays after the first key. Headless chromium lets any page make sound at once, so the
// page is opened as a browser that waits for a gesture would show it: its sound starts suspended.
tests.music = async () => {
  const server = await serve();
  const b = await launch();
  try {
    await b.context.addInitScript(() => {
      const Original = window.AudioContext;
      window.AudioContext = class extends Original {
        constructor(...a) {
          super(...a);
          this.suspend();
        }
      };
    });
    const page = await openGame(b.context, base(server));
    await sleep(500);
    await page.keyboard.press('Space');
    const deadline = Date.now() + 10000;
    let level = 0;
    let state = '';
    while (Date.now() < deadline) {
      [state, level] = await page.evaluate(() => [window.cinderwakeAudioState(), window.cinderwakeAudioLevel()]);
      if (state === 'running' && level > 0.01) break;
      await sleep(100);
    }
    check(state === 'running' && level > 0.01, `after a key the sound is ${state} at level ${level}`);
    console.log(`browser: the music plays after the first key (RMS ${level.toFixed(3)})`);
  } finally {
    await close(b);
    server.close();
  }
};

// A data file missing on the server is named on the page.
tests['missing-data'] = async () => {
  const server = await serve({ missing: ['data/hut.jpg'] });
  const b = await launch();
  try {
    const page = await b.context.newPage();
    await page.goto(base(server));
    await page.waitForFunction(() => window.cinderwakeError !== undefined || window.cinderwakeFirstFrameAt !== undefined,
      null, { timeout: 60000 });
    const shown = await page.locator('#message').innerText();
    check(/hut\.jpg/.test(shown), `the page says "${shown}"`);
    check(await page.locator('#message').isVisible(), 'the message is not visible');
    console.log(`browser: a missing data file is named: "${shown}"`);
  } finally {
    await close(b);
    server.close();
  }
};

if (!tests[test]) {
  console.error(`unknown test "${test}"; known: ${Object.keys(tests).join(', ')}`);
  process.exit(2);
}
try {
  await tests[test]();
} catch (e) {
  console.error(`FAILED: ${e.message}`);
  process.exit(1);
}
