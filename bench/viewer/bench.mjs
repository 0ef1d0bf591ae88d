// Viewer benchmark: the published page against a minimal three.js page and two
// open-source 360 viewers, the same movie in the same canvas size, in headless
// Chromium with software WebGL. Each page is loaded RUNS times, alternating, each
// time in a fresh browser profile (a first visit).
//
//   node bench.mjs WORK_FOLDER      (run.sh prepares the folder; RUNS=5 by default; WORK_FOLDER/before,
//                                   when there, is another published tree measured alongside)
//
// How each number is taken (the same way for every page, by an init script that
// wraps the page's WebGL contexts before any of its scripts run):
// - first frame: the first texImage2D/texSubImage2D whose source is a video with
//   a decoded frame; "on screen" is the next animation frame after it, when the
//   frame that drew it has gone to the compositor. Milliseconds since navigation.
// - bytes: every response that finished before that moment except the movie,
//   as sent (the server does not compress) and gzipped here (level 6, as a web
//   server would), counted per file.
// - main-thread cost: Performance.getMetrics TaskDuration (all main-thread
//   tasks of the page, script, style, layout and paint included) over a window
//   of steady playback, less the time spent inside the video uploads, divided
//   by the frames that drew (animation frames in which a draw call was made).
// - uploads: each video upload is keyed by the video frame it uploads (the
//   presentedFrames of requestVideoFrameCallback); a key uploaded twice is a
//   frame uploaded twice.
import { gzipSync } from 'node:zlib';
import { existsSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { chromium } from 'playwright-core';
import { startServer } from '../../tests/web/lib/server.mjs';
import { instrument } from './instrument.mjs';

const work = resolve(process.argv[2] || '.');
const RUNS = Number(process.env.RUNS || 5);
const SETTLE_MS = 500;
const WINDOW_MS = 3000;
const CHROMIUM = process.env.TESSALY_CHROMIUM || '/usr/bin/chromium';
// The browser tests' flags (tests/web/lib/browser.mjs), without their test hook:
// the page is measured as its audience gets it.
const ARGS = [
  '--no-sandbox', '--disable-gpu', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
  '--disable-background-networking', '--disable-component-update', '--disable-sync', '--no-first-run',
  '--autoplay-policy=no-user-gesture-required', '--mute-audio',
];

async function waitFor(page, fn, timeoutMs, what) {
  const deadline = Date.now() + timeoutMs;
  while (Date.now() < deadline) {
    const value = await page.evaluate(fn);
    if (value) return value;
    await new Promise((r) => setTimeout(r, 50));
  }
  throw new Error(`timed out waiting for ${what}`);
}

const taskMs = async (cdp) => {
  const { metrics } = await cdp.send('Performance.getMetrics');
  return 1000 * metrics.find((m) => m.name === 'TaskDuration').value;
};

async function measure(url, isMovie) {
  const profile = mkdtempSync(join(tmpdir(), 'tessaly-bench-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: CHROMIUM, headless: true, args: ARGS,
    viewport: { width: 1200, height: 800 }, deviceScaleFactor: 1,
  });
  try {
    await context.addInitScript(instrument);
    const page = await context.newPage();
    const errors = [];
    page.on('pageerror', (e) => errors.push(e.message));
    const finished = [];
    page.on('requestfinished', (request) => finished.push({ request, at: Date.now() }));
    const cdp = await context.newCDPSession(page);
    await cdp.send('Performance.enable');
    const navigatedAt = Date.now();
    await page.goto(url);
    const firstFrameAt = await waitFor(page, () => window.__bench.firstFrameAt, 60000, `the first movie frame of ${url}`);
    const firstFrameWallClock = navigatedAt + firstFrameAt;

    let bytes = 0;
    let gzipped = 0;
    const fetched = [];
    for (const { request, at } of finished) {
      if (at > firstFrameWallClock + 50 || isMovie(request.url())) continue;
      const response = await request.response();
      const body = response ? await response.body().catch(() => null) : null;
      if (!body) continue;
      const gz = gzipSync(body, { level: 6 }).length;
      fetched.push({ path: new URL(request.url()).pathname, gz });
      bytes += body.length;
      gzipped += gz;
    }
    const files = fetched.length;

    await new Promise((r) => setTimeout(r, SETTLE_MS));
    const before = { ms: await taskMs(cdp), ...(await page.evaluate(() => window.__bench.snapshot())) };
    await new Promise((r) => setTimeout(r, WINDOW_MS));
    const after = { ms: await taskMs(cdp), ...(await page.evaluate(() => window.__bench.snapshot())) };
    const frames = after.drawnFrames - before.drawnFrames;
    const uploadMs = after.uploadMs - before.uploadMs;
    const busyMs = after.ms - before.ms;
    return {
      firstFrameMs: firstFrameAt, bytes, gzipped, files, fetched,
      fps: (1000 * frames) / WINDOW_MS,
      busyPerFrame: busyMs / frames,
      uploadPerFrame: uploadMs / frames,
      viewerPerFrame: (busyMs - uploadMs) / frames,
      uploadsPerVideoFrame: after.uploads / Math.max(1, after.videoFrames),
      framesUploadedTwice: after.framesUploadedTwice,
      maxUploadsOfAFrame: after.maxUploadsOfAFrame,
      errors,
    };
  } finally {
    await context.close();
    rmSync(profile, { recursive: true, force: true });
  }
}

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = Math.floor(sorted.length / 2);
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

const server = await startServer(work);
try {
  // The published page decides the movie (its first playable source); the
  // other pages get the same file and the published canvas size.
  const probe = await (async () => {
    const context = await chromium.launch({ executablePath: CHROMIUM, headless: true, args: ARGS });
    try {
      const page = await context.newPage({ viewport: { width: 1200, height: 800 }, deviceScaleFactor: 1 });
      await page.goto(`${server.url}published/index.html`);
      await page.waitForFunction(() => {
        const v = document.querySelector('video');
        return v && v.readyState >= 2 && document.querySelector('canvas');
      }, undefined, { timeout: 60000 });
      return await page.evaluate(() => {
        const { width, height } = document.querySelector('canvas').getBoundingClientRect();
        return { movie: document.querySelector('video').currentSrc, width: Math.round(width), height: Math.round(height) };
      });
    } finally {
      await context.close();
    }
  })();
  const movie = new URL(probe.movie).pathname.slice(1);
  const size = `w=${probe.width}&h=${probe.height}`;
  const common = `${size}&movie=${encodeURIComponent(movie)}&hotspot=published%2Fimages%2Fhs_red.gif`;
  const pages = [
    { name: 'Tessaly (published)', url: `${server.url}published/index.html` },
    { name: 'minimal three.js', url: `${server.url}minimal.html?${common}` },
    { name: 'Photo Sphere Viewer', url: `${server.url}psv.html?${common}` },
    { name: 'A-Frame', url: `${server.url}aframe.html?${common}` },
  ];
  // A published tree put beside as WORK/before (another build's page, say) is measured in the same rotation.
  const before = existsSync(join(work, 'before', 'index.html'));
  if (before) pages.push({ name: 'Tessaly (before)', url: `${server.url}before/index.html` });
  const isMovie = (url) => new URL(url).pathname.split('/').pop() === movie.split('/').pop();
  console.log(`movie ${movie}, canvas ${probe.width}x${probe.height}, ${RUNS} runs a page, alternating`);

  const results = new Map(pages.map((p) => [p.name, []]));
  for (let run = 0; run < RUNS; run++) {
    // Rotate the order so no page always goes first.
    for (let i = 0; i < pages.length; i++) {
      const page = pages[(i + run) % pages.length];
      const result = await measure(page.url, isMovie);
      results.get(page.name).push(result);
      process.stderr.write(`run ${run + 1} ${page.name}: first frame ${result.firstFrameMs.toFixed(0)} ms, ` +
        `viewer ${result.viewerPerFrame.toFixed(2)} ms/frame\n`);
    }
  }

  const rows = pages.map((p) => {
    const r = results.get(p.name);
    return {
      name: p.name,
      kb: median(r.map((x) => x.bytes)) / 1024,
      gzKb: median(r.map((x) => x.gzipped)) / 1024,
      files: median(r.map((x) => x.files)),
      first: median(r.map((x) => x.firstFrameMs)),
      fps: median(r.map((x) => x.fps)),
      busy: median(r.map((x) => x.busyPerFrame)),
      upload: median(r.map((x) => x.uploadPerFrame)),
      viewer: median(r.map((x) => x.viewerPerFrame)),
      perVideoFrame: median(r.map((x) => x.uploadsPerVideoFrame)),
      twice: Math.max(...r.map((x) => x.framesUploadedTwice)),
      errors: [...new Set(r.flatMap((x) => x.errors))],
    };
  });
  const pad = (s, n) => String(s).padStart(n);
  console.log(`${'page'.padEnd(22)}${pad('KB', 8)}${pad('KB gz', 8)}${pad('files', 6)}${pad('first ms', 10)}` +
    `${pad('fps', 6)}${pad('busy/fr', 9)}${pad('upload', 8)}${pad('viewer', 8)}${pad('up/vfr', 8)}${pad('twice', 6)}`);
  for (const r of rows) {
    console.log(`${r.name.padEnd(22)}${pad(r.kb.toFixed(1), 8)}${pad(r.gzKb.toFixed(1), 8)}${pad(r.files, 6)}` +
      `${pad(r.first.toFixed(0), 10)}${pad(r.fps.toFixed(1), 6)}${pad(r.busy.toFixed(2), 9)}${pad(r.upload.toFixed(2), 8)}` +
      `${pad(r.viewer.toFixed(2), 8)}${pad(r.perVideoFrame.toFixed(2), 8)}${pad(r.twice, 6)}`);
    for (const e of r.errors) console.log(`  ${r.name} page error: ${e}`);
  }
  // What the published page fetched before its first frame, heaviest first (its first run).
  console.log('');
  console.log('published page, gzipped bytes a file before the first frame:');
  const fetched = results.get(pages[0].name)[0].fetched.sort((a, b) => b.gz - a.gz);
  for (const { path, gz } of fetched) console.log(`  ${pad(gz, 7)}  ${path.replace(/^\/published\//, '')}`);
  const [ours, minimal, ...peers] = before ? rows.slice(0, -1) : rows;
  const bestPeer = Math.min(...peers.map((p) => p.viewer));
  const verdict = (ok) => (ok ? 'met' : 'MISSED');
  console.log('');
  console.log(`bytes before the first frame: ${ours.gzKb.toFixed(1)} KB gzipped (goal <= 80, less than every peer: ` +
    `${peers.map((p) => `${p.name} ${p.gzKb.toFixed(1)}`).join(', ')}): ` +
    verdict(ours.gzKb <= 80 && peers.every((p) => ours.gzKb < p.gzKb)));
  console.log(`first frame: ${(ours.first / minimal.first).toFixed(2)} x the minimal page's (goal <= 1.1): ` +
    verdict(ours.first <= 1.1 * minimal.first));
  console.log(`viewer main-thread cost: ${ours.viewer.toFixed(2)} ms/frame, ${(ours.viewer / bestPeer).toFixed(2)} x ` +
    `the best peer's ${bestPeer.toFixed(2)} (goal <= 0.8): ${verdict(ours.viewer <= 0.8 * bestPeer)}`);
  console.log(`video frames uploaded twice: ${ours.twice} (goal 0): ${verdict(ours.twice === 0)}`);
} finally {
  await server.close();
}
