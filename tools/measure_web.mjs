// Measures the page in build-web/ in Debian's headless chromium: what it downloads, when the first
// splash frame shows, and the browser's CPU while the menu waits and while playing.
//
//   node tools/measure_web.mjs [--web-dir build-web] [--driver build/web-test-driver] [--runs 5]
//                              [--screenshot docs/screenshots/browser.png]
//
// --screenshot keeps a picture of the whole page while playing (the README's).
//
// The driver is playwright-core as the browser tests install it (ctest -R web_driver).
import fs from 'node:fs';
import http from 'node:http';
import { createRequire } from 'node:module';
import os from 'node:os';
import path from 'node:path';

const opt = { 'web-dir': 'build-web', driver: 'build/web-test-driver', runs: '5' };
const argv = process.argv.slice(2);
for (let i = 0; i < argv.length; i += 2) opt[argv[i].replace(/^--/, '')] = argv[i + 1];
const require = createRequire(path.join(path.resolve(opt.driver), 'node_modules', 'x.js'));
const { chromium } = require('playwright-core');
const FLAGS = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];
const TYPES = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
  '.json': 'application/json', '.jpg': 'image/jpeg', '.gif': 'image/gif', '.mp3': 'audio/mpeg' };
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

let served = 0;
const server = http.createServer((req, res) => {
  const rel = decodeURIComponent(new URL(req.url, 'http://x').pathname).slice(1) || 'index.html';
  const file = path.join(opt['web-dir'], rel);
  if (rel.includes('..') || !fs.existsSync(file) || fs.statSync(file).isDirectory()) {
    res.writeHead(404);
    res.end();
    return;
  }
  const body = fs.readFileSync(file);
  served += body.length;
  res.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream',
    'Content-Length': body.length, 'Cache-Control': 'no-store' });
  res.end(body);
});
await new Promise((r) => server.listen(0, '127.0.0.1', r));
const url = `http://127.0.0.1:${server.address().port}/`;

// CPU seconds of each process below `pid` (utime + stime from /proc), with its kind (renderer, gpu-process, ...).
const HZ = 100;
function children(pid) {
  const out = [];
  for (const p of fs.readdirSync('/proc')) {
    if (!/^\d+$/.test(p)) continue;
    try {
      const stat = fs.readFileSync(`/proc/${p}/stat`, 'utf8');
      const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
      if (Number(fields[1]) === pid) out.push(Number(p));
    } catch { /* gone */ }
  }
  return out;
}
function cpuSeconds(pid) {
  const out = new Map();
  const stack = children(pid);
  while (stack.length) {
    const p = stack.pop();
    try {
      const stat = fs.readFileSync(`/proc/${p}/stat`, 'utf8');
      const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
      const kind = /--type=([a-z-]+)/.exec(fs.readFileSync(`/proc/${p}/cmdline`, 'utf8'));
      out.set(p, { kind: kind ? kind[1] : 'browser', seconds: (Number(fields[11]) + Number(fields[12])) / HZ });
    } catch { /* gone */ }
    stack.push(...children(p));
  }
  return out;
}
async function waitForDump(page, predicate, what) {
  const deadline = Date.now() + 60000;
  for (;;) {
    const text = await page.evaluate(() => window.cinderwakeDump());
    const d = text ? JSON.parse(text) : null;
    if (d && predicate(d)) return d;
    if (Date.now() > deadline) throw new Error(`${what} did not happen`);
    await sleep(100);
  }
}
// Shares of a core over `seconds`: all of the browser's processes, and the tab's own (the busiest renderer,
// which is what the browser's task manager shows for the tab).
async function cpuShare(pid, seconds) {
  const c0 = cpuSeconds(pid);
  const t0 = Date.now();
  await sleep(seconds * 1000);
  const c1 = cpuSeconds(pid);
  const elapsed = (Date.now() - t0) / 1000;
  let all = 0;
  let tab = 0;
  for (const [p, { kind, seconds: s }] of c1) {
    const used = s - (c0.has(p) ? c0.get(p).seconds : 0);
    all += used;
    if (kind === 'renderer') tab = Math.max(tab, used);
  }
  return { all: all / elapsed, tab: tab / elapsed };
}

const load0 = os.loadavg()[0];
const firstFrames = [];
const mainStarts = [];
let downloaded = 0;
for (let run = 0; run < Number(opt.runs); ++run) {
  served = 0;
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: FLAGS, headless: true });
  const page = await browser.newPage({ viewport: { width: 1280, height: 800 } });
  await page.goto(url);
  await page.waitForFunction(() => window.cinderwakeFirstFrameAt !== undefined || window.cinderwakeError !== undefined,
    null, { timeout: 60000 });
  const error = await page.evaluate(() => window.cinderwakeError);
  if (error) throw new Error(error);
  firstFrames.push(await page.evaluate(() => window.cinderwakeFirstFrameAt));
  mainStarts.push(await page.evaluate(() => window.cinderwakeMainAt));
  downloaded = served;
  if (run === 0) {
    // The browser is this program's child: all of its processes are descendants of this one.
    const pid = process.pid;
    {
      await page.keyboard.press('Space');
      await waitForDump(page, (d) => d.elements.picMenu.visible, 'the menu');
      await sleep(1500);
      const menu = await cpuShare(pid, 10);
      // New Game, the story page opened and closed, the abilities screen's OK: then play, walking in
      // circles and firing.
      await page.keyboard.press('ArrowDown');
      await page.keyboard.press('ArrowDown');
      await page.keyboard.press('Enter');
      await waitForDump(page, (d) => d.elements.picStory.visible && !d.elements.picStory_little.visible, 'the story');
      await page.keyboard.press('Space');
      const d = await waitForDump(page, (d) => d.elements.picRPG.visible, 'the abilities screen');
      const rpg = d.elements.picRPG;
      const ok = d.elements.Command11;
      const box = await page.locator('#canvas').boundingBox();
      await page.mouse.click(box.x + rpg.left + ok.left + 40, box.y + rpg.top + ok.top + 8);
      await waitForDump(page, (d) => d.state.blnGame === true && !d.elements.picRPG.visible, 'play');
      await page.keyboard.down('ArrowUp');
      await page.keyboard.down('ArrowLeft');
      await page.keyboard.down('Control');
      await sleep(1000);
      const play = await cpuShare(pid, 10);
      const after = JSON.parse(await page.evaluate(() => window.cinderwakeDump()));
      if (opt.screenshot) await page.screenshot({ path: opt.screenshot });
      const pct = (x) => `${(100 * x).toFixed(1)}%`;
      console.log(`CPU in % of a core, the tab's process / all of the browser's: menu ${pct(menu.tab)} / ${pct(menu.all)}, ` +
                  `playing ${pct(play.tab)} / ${pct(play.all)} (${after.passes} passes, in play: ${after.state.blnGame})`);
    }
  }
  await browser.close();
}
firstFrames.sort((a, b) => a - b);
console.log(`downloaded: ${(downloaded / 1e6).toFixed(2)} MB`);
console.log(`first splash frame after the page starts loading: median ${firstFrames[firstFrames.length >> 1].toFixed(0)} ms ` +
            `(all: ${firstFrames.map((x) => x.toFixed(0)).join(', ')})`);
mainStarts.sort((a, b) => a - b);
if (mainStarts.every((x) => x !== undefined)) console.log(`of which downloading and compiling, up to the start of main: median ${mainStarts[mainStarts.length >> 1].toFixed(0)} ms`);
console.log(`load average over the last minute, at the start and at the end: ${load0.toFixed(1)}, ${os.loadavg()[0].toFixed(1)}`);
server.close();
