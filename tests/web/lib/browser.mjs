// Headless Debian Chromium through playwright-core, with software WebGL, and a
// page opener that records every page error and console error.
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { chromium } from 'playwright-core';
import { startServer } from './server.mjs';
import { buildTree } from './tree.mjs';

const ARGS = [
  '--no-sandbox', '--disable-gpu', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
  '--disable-background-networking', '--disable-component-update', '--disable-sync', '--no-first-run',
];

export const CHROMIUM = process.env.TESSALY_CHROMIUM || '/usr/bin/chromium';

// Resolves to { context, close }: one fresh profile per call. By default media may play
// without a user gesture. contextOptions add to Playwright's (hasTouch, isMobile, ...).
export async function launch({ autoplayPolicy = 'no-user-gesture-required', contextOptions = {} } = {}) {
  const profile = mkdtempSync(join(tmpdir(), 'tessaly-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: CHROMIUM,
    headless: true,
    args: [...ARGS, `--autoplay-policy=${autoplayPolicy}`],
    viewport: { width: 1000, height: 700 },
    ...contextOptions,
  });
  return {
    context,
    close: async () => {
      await context.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

// Collects page errors and console errors of a page (and of popups it opens).
export function watchErrors(page) {
  const errors = [];
  page.on('pageerror', (e) => errors.push(`page error: ${e.message}`));
  page.on('requestfailed', (r) => errors.push(`request failed: ${r.url()}`));
  page.on('response', (r) => {
    if (r.status() >= 400) errors.push(`HTTP ${r.status()}: ${r.url()}`);
  });
  page.on('console', (m) => {
    if (m.type() === 'error') errors.push(`console error: ${m.text()}`);
  });
  return errors;
}

// Polls fn in the page until it returns a truthy value; fails with the last value after timeoutMs.
export async function waitFor(page, fn, arg, { timeoutMs = 30000, what = 'condition' } = {}) {
  const deadline = Date.now() + timeoutMs;
  let last;
  while (Date.now() < deadline) {
    last = await page.evaluate(fn, arg);
    if (last) return last;
    await new Promise((r) => setTimeout(r, 100));
  }
  throw new Error(`timed out waiting for ${what}; last value ${JSON.stringify(last)}`);
}

export function viewerState(page) {
  return page.evaluate(() => window.__tessaly.state());
}

// Waits until the viewer has drawn `count` more frames than now.
export async function waitFrames(page, count = 2) {
  const start = (await viewerState(page)).frames;
  await waitFor(page, (n) => window.__tessaly.state().frames >= n, start + count, { what: `${count} frames` });
}

// Opens the page, waits for the viewer and a movie frame on the sphere. before(page) runs
// ahead of the page's scripts (init scripts, routes).
export async function openViewer(context, url, { before } = {}) {
  const page = await context.newPage();
  const errors = watchErrors(page);
  if (before) await before(page);
  await page.goto(url);
  await waitFor(page, () => !!window.__tessaly && window.__tessaly.state().ready, undefined,
    { timeoutMs: 60000, what: 'the viewer and its first movie frame' });
  await waitFrames(page, 2);
  return { page, errors };
}

// Opens the page and waits only for the viewer to run (for pages whose movie does not show).
export async function openPage(context, url, { before } = {}) {
  const page = await context.newPage();
  const errors = watchErrors(page);
  if (before) await before(page);
  await page.goto(url);
  await waitFor(page, () => !!window.__tessaly && window.__tessaly.state().frames > 1, undefined,
    { timeoutMs: 60000, what: 'the viewer' });
  return { page, errors };
}

// Keeps the browser, servers and trees of a test file and opens published trees.
// movie: the default movie path, or a function that gives it once the file has made it.
export function pageSession(movie, base = {}) {
  const cleanups = [];
  const session = {
    browser: null,
    async start(options) {
      session.browser = await launch(options);
    },
    async stop() {
      for (const clean of cleanups.reverse()) await clean();
      if (session.browser) await session.browser.close();
    },
    later(clean) {
      cleanups.push(clean);
    },
    // Publishes a tree with these options and serves it; resolves to { url, dir }.
    async serve(config = {}, { hotSpots = [], movies, extraFiles = {} } = {}) {
      const chosen = movies || (typeof movie === 'function' ? movie() : movie);
      const tree = buildTree({ movie: chosen, config: { ...base, ...config }, hotSpots, extraFiles });
      const server = await startServer(tree.dir);
      cleanups.push(tree.remove, server.close);
      return { url: server.url + tree.pageName, root: server.url, dir: tree.dir, pageName: tree.pageName };
    },
    // Serves and opens a tree; waits for the movie unless waitMovie is false.
    async open(config = {}, { hotSpots, movies, extraFiles, before, waitMovie = true, context } = {}) {
      const served = await session.serve(config, { hotSpots, movies, extraFiles });
      const opener = waitMovie ? openViewer : openPage;
      const opened = await opener(context || session.browser.context, served.url, { before });
      cleanups.push(() => opened.page.close());
      return { ...opened, ...served };
    },
  };
  return session;
}

export function sample(page, x, y) {
  return page.evaluate(([px, py]) => window.__tessaly.sample(px, py), [x, y]);
}

// Pauses the movie at t seconds: resolves once the element has seeked there.
export function pauseAt(page, seconds) {
  return page.evaluate((t) => new Promise((resolve) => {
    const video = document.getElementById('video');
    video.pause();
    if (video.currentTime === t) {
      resolve();
      return;
    }
    video.addEventListener('seeked', () => resolve(), { once: true });
    video.currentTime = t;
  }), seconds);
}

// Pauses the movie at t seconds and waits until frames at that time are drawn.
export async function seekTo(page, seconds) {
  await pauseAt(page, seconds);
  await waitFor(page, (t) => Math.abs(window.__tessaly.state().time - t) < 0.01, seconds, { what: `time ${seconds}` });
  await waitFrames(page, 2);
}

// Whether an element is displayed at all.
export function shown(page, id) {
  return page.evaluate((name) => getComputedStyle(document.getElementById(name)).display !== 'none', id);
}

// Centre of an icon relative to the canvas, or null when it is not shown.
export function iconCentre(page, id) {
  return page.evaluate((name) => {
    const icon = document.getElementById(name);
    if (getComputedStyle(icon).display === 'none') return null;
    const r = icon.getBoundingClientRect();
    const c = document.querySelector('#container canvas').getBoundingClientRect();
    return [r.left + r.width / 2 - c.left, r.top + r.height / 2 - c.top];
  }, id);
}
