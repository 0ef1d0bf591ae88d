// The published page in each browser engine the tests use (Chromium, Firefox
// ESR, WebKitGTK), beside the minimal three.js page as the reference, in the
// same run: the same published demo, the movie the published page chose in
// that engine, the same canvas size. One browser per engine; each load is a
// new window and nothing is cached (the server says no-store).
//
//   node engines.mjs WORK_FOLDER      (run.sh prepares the folder; RUNS=5 by default)
//
// - bytes: the files served before the first frame, except the movie, as they
//   lie in the published tree, gzipped (level 6, as a web server would).
// - first frame: as bench.mjs takes it (instrument.mjs), from navigation.
// - script ms a frame: time inside the page's animation-frame, video-frame and
//   timer callbacks (the video uploads included) over 3 s of playback, divided
//   by the frames drawn; every engine can measure it, unlike Chromium's task
//   metrics that bench.mjs uses.
import { readFileSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { gzipSync } from 'node:zlib';
import { ENGINES, launch, waitFor } from '../../tests/web/lib/engine.mjs';
import { startServer } from '../../tests/web/lib/server.mjs';
import { instrument, timeScripts } from './instrument.mjs';

const work = resolve(process.argv[2] || '.');
const RUNS = Number(process.env.RUNS || 5);
const SETTLE_MS = 500;
const WINDOW_MS = 3000;

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = Math.floor(sorted.length / 2);
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

const gzipped = new Map();
function gzippedSize(path) {
  if (!gzipped.has(path)) gzipped.set(path, gzipSync(readFileSync(join(work, path)), { level: 6 }).length);
  return gzipped.get(path);
}

async function measure(browser, server, url, movie) {
  const page = await browser.newPage();
  try {
    const from = server.served.length;
    const navigatedAt = Date.now();
    await page.goto(url);
    const firstFrameAt = await waitFor(page, () => window.__bench.firstFrameAt, undefined,
      { timeoutMs: 60000, what: `the first movie frame of ${url}` });
    const files = new Set(server.served.slice(from)
      .filter((s) => s.at <= navigatedAt + firstFrameAt + 50 && s.status < 300 && s.path !== movie)
      .map((s) => s.path.slice(1)));
    const bytes = [...files].reduce((sum, path) => sum + gzippedSize(path), 0);
    await new Promise((r) => setTimeout(r, SETTLE_MS));
    const before = await page.evaluate(() => window.__bench.snapshot());
    await new Promise((r) => setTimeout(r, WINDOW_MS));
    const after = await page.evaluate(() => window.__bench.snapshot());
    const frames = after.drawnFrames - before.drawnFrames;
    return {
      firstFrameMs: firstFrameAt,
      gzKb: bytes / 1024,
      fps: (1000 * frames) / WINDOW_MS,
      scriptPerFrame: (after.scriptMs - before.scriptMs) / Math.max(1, frames),
    };
  } finally {
    await page.close();
  }
}

// The movie the published page plays in this engine, and its canvas size.
async function probe(browser, server) {
  const page = await browser.newPage();
  try {
    await page.goto(`${server.url}published/index.html`);
    return await waitFor(page, () => {
      const video = document.querySelector('video');
      const canvas = document.querySelector('canvas');
      if (!video || video.readyState < 2 || !canvas) return null;
      const { width, height } = canvas.getBoundingClientRect();
      return { movie: new URL(video.currentSrc).pathname, width: Math.round(width), height: Math.round(height) };
    }, undefined, { timeoutMs: 60000, what: 'the published movie' });
  } finally {
    await page.close();
  }
}

const server = await startServer(work, { preamble: `(${instrument})();\n(${timeScripts})();` });
const columns = [];
try {
  for (const engine of ENGINES) {
    const browser = await launch({ engine });
    try {
      const chosen = await probe(browser, server);
      const query = `w=${chosen.width}&h=${chosen.height}&movie=${encodeURIComponent(chosen.movie.slice(1))}`;
      const pages = { ours: `${server.url}published/index.html`, minimal: `${server.url}minimal.html?${query}` };
      const results = { ours: [], minimal: [] };
      for (let run = 0; run < RUNS; run++) {
        // Alternating, so neither page always goes first.
        for (const name of run % 2 ? ['minimal', 'ours'] : ['ours', 'minimal']) {
          const result = await measure(browser, server, pages[name], chosen.movie);
          results[name].push(result);
          process.stderr.write(`${engine} run ${run + 1} ${name}: first frame ${result.firstFrameMs.toFixed(0)} ms, ` +
            `script ${result.scriptPerFrame.toFixed(2)} ms/frame\n`);
        }
      }
      const pick = (name, key) => median(results[name].map((r) => r[key]));
      columns.push({
        engine, movie: chosen.movie.split('/').pop(), canvas: `${chosen.width}x${chosen.height}`,
        gzKb: pick('ours', 'gzKb'), first: pick('ours', 'firstFrameMs'), minimalFirst: pick('minimal', 'firstFrameMs'),
        fps: pick('ours', 'fps'), script: pick('ours', 'scriptPerFrame'),
        minimalFps: pick('minimal', 'fps'), minimalScript: pick('minimal', 'scriptPerFrame'),
      });
    } finally {
      await browser.close();
    }
  }
} finally {
  await server.close();
}

const rows = [
  ['movie', (c) => c.movie],
  ['canvas', (c) => c.canvas],
  ['KB gz before the first frame', (c) => c.gzKb.toFixed(1)],
  ['first frame ms', (c) => c.first.toFixed(0)],
  ['  minimal page first frame ms', (c) => c.minimalFirst.toFixed(0)],
  ['  first frame x minimal', (c) => (c.first / c.minimalFirst).toFixed(2)],
  ['frames drawn a second', (c) => c.fps.toFixed(1)],
  ['script ms a frame', (c) => c.script.toFixed(2)],
  ['  minimal page frames a second', (c) => c.minimalFps.toFixed(1)],
  ['  minimal page script ms a frame', (c) => c.minimalScript.toFixed(2)],
];
console.log(`Tessaly (published), medians of ${RUNS} runs a page`);
console.log(`${''.padEnd(34)}${columns.map((c) => c.engine.padStart(11)).join('')}`);
for (const [label, value] of rows) console.log(`${label.padEnd(34)}${columns.map((c) => String(value(c)).padStart(11)).join('')}`);
