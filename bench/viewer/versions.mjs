// Choosing a movie version on a slow link: the page `tessaly publish` writes
// for a project with 4K, 2K and 1K H.264 versions, served over a link of
// 4 Mbit/s, against the same page with the versions' facts taken off its
// source lines (the browser plays the first source, the 4K one, as before).
// Time to the first movie frame, and seconds stalled over the first 60 s after
// it, in headless Chromium; RUNS runs each, alternating, medians printed.
//
//   node versions.mjs WORK_FOLDER      (TESSALY_BIN: the tessaly to publish with; RUNS=3)
import { execFileSync } from 'node:child_process';
import { cpSync, existsSync, mkdirSync, mkdtempSync, readFileSync, renameSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';
import { startServer } from '../../tests/web/lib/server.mjs';
import { instrument } from './instrument.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const work = resolve(process.argv[2] || '.');
const RUNS = Number(process.env.RUNS || 3);
const LINK = 4e6 / 8;
const PLAY_MS = 60000;
const CHROMIUM = process.env.TESSALY_CHROMIUM || '/usr/bin/chromium';
const ARGS = ['--no-sandbox', '--disable-gpu', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
  '--autoplay-policy=no-user-gesture-required', '--mute-audio', '--no-first-run'];
// Largest first, as `encode` fills the slots; bit rates as H.264 at these sizes usually has.
const VERSIONS = [['3840x1920', '12M'], ['2048x1024', '5M'], ['1024x512', '1.5M']];

function movie([size, rate]) {
  const file = join(work, 'movies', `tour-${size}.mp4`);
  if (existsSync(file)) return file;
  mkdirSync(dirname(file), { recursive: true });
  execFileSync('ffmpeg', ['-v', 'error', '-y', '-f', 'lavfi', '-i', `testsrc2=size=${size}:rate=30`, '-t', '20',
    '-c:v', 'libx264', '-preset', 'ultrafast', '-b:v', rate, '-maxrate', rate, '-bufsize', rate,
    '-pix_fmt', 'yuv420p', '-movflags', '+faststart', `${file}.part.mp4`]);
  renameSync(`${file}.part.mp4`, file);
  return file;
}

// Publishes the three versions to work/chosen; work/plain is the same page without the facts.
function publish() {
  const project = join(work, 'tour.hs5');
  const movies = VERSIONS.map(movie);
  let text = readFileSync(join(here, '../../tests/fixtures/model/project-example.hs5'), 'latin1');
  movies.forEach((file, i) => {
    text = text.replace(new RegExp(`<VIDEO${i + 1}>[^<]*</VIDEO${i + 1}>`), `<VIDEO${i + 1}>${file}</VIDEO${i + 1}>`);
  });
  writeFileSync(project, text, 'latin1');
  rmSync(join(work, 'chosen'), { recursive: true, force: true });
  execFileSync(process.env.TESSALY_BIN || 'tessaly', ['publish', project, join(work, 'chosen', 'index.html')]);
  const page = readFileSync(join(work, 'chosen', 'index.html'), 'latin1');
  if (!page.includes('data-codecs')) throw new Error('the published page describes no versions');
  rmSync(join(work, 'plain'), { recursive: true, force: true });
  cpSync(join(work, 'chosen'), join(work, 'plain'), { recursive: true });
  writeFileSync(join(work, 'plain', 'index.html'), page.replace(/ data-[a-z]+="[^"]*"/g, ''), 'latin1');
}

// In the page: stalls after the first frame, as [start, end] times (end null while it lasts).
function recordStalls() {
  const stalls = (window.__stalls = []);
  document.addEventListener('waiting', () => stalls.push([performance.now(), null]), true);
  document.addEventListener('playing', () => {
    const last = stalls[stalls.length - 1];
    if (last && last[1] === null) last[1] = performance.now();
  }, true);
}

async function measure(folder) {
  const server = await startServer(join(work, folder), { movieRate: LINK });
  const profile = mkdtempSync(join(tmpdir(), 'tessaly-bench-versions-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: CHROMIUM, headless: true, args: ARGS, viewport: { width: 1200, height: 800 }, deviceScaleFactor: 1,
  });
  try {
    await context.addInitScript(instrument);
    await context.addInitScript(recordStalls);
    const page = await context.newPage();
    await page.goto(server.url + 'index.html');
    await page.waitForFunction(() => window.__bench.firstFrameAt, null, { timeout: 120000, polling: 100 });
    const first = await page.evaluate(() => window.__bench.firstFrameAt);
    await page.waitForTimeout(PLAY_MS);
    const stalledMs = await page.evaluate(([from, to]) => window.__stalls.reduce((sum, [start, end]) => {
      const a = Math.max(start, from);
      const b = Math.min(end === null ? to : end, to);
      return sum + Math.max(0, b - a);
    }, 0), [first, first + PLAY_MS]);
    const source = await page.evaluate(() => document.getElementById('video').currentSrc.split('/').pop());
    return { first, stalledMs, source };
  } finally {
    await context.close();
    await server.close();
    rmSync(profile, { recursive: true, force: true });
  }
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

publish();
const results = { chosen: [], plain: [] };
for (let run = 0; run < RUNS; run += 1) {
  for (const folder of run % 2 ? ['plain', 'chosen'] : ['chosen', 'plain']) results[folder].push(await measure(folder));
}
console.log(`link ${LINK * 8 / 1e6} Mbit/s, versions ${VERSIONS.map((v) => v[0]).join(', ')}; medians of ${RUNS} runs`);
console.log('                              choosing   without    ratio');
const row = (name, pick, unit) => {
  const a = median(results.chosen.map(pick));
  const b = median(results.plain.map(pick));
  console.log(`${name.padEnd(30)}${(a / unit).toFixed(1).padStart(8)}${(b / unit).toFixed(1).padStart(10)}${(a / b).toFixed(2).padStart(9)}`);
};
row('first frame, s', (r) => r.first, 1000);
row(`stalled in ${PLAY_MS / 1000} s, s`, (r) => r.stalledMs, 1000);
console.log(`playing at the end: choosing ${results.chosen.map((r) => r.source).join(', ')}; ` +
  `without ${results.plain.map((r) => r.source).join(', ')}`);
