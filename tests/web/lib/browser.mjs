// What the browser tests share: one browser per engine (lib/engine.mjs) for
// every test file of a run, published trees served and opened, and the
// viewer's state read through its test hook. Each test closes the pages it
// opened. Every page runs the test preamble (lib/preamble.mjs), which reports
// script errors to the server.
import { after, afterEach } from 'node:test';
import { ENGINE, launch, waitFor } from './engine.mjs';
import { preamble } from './preamble.mjs';
import { startServer } from './server.mjs';
import { buildTree } from './tree.mjs';

const shared = new Map();
// The browser every test file of this process shares for this autoplay rule
// ('allow': movies may play with sound unasked; 'muted': only without).
export function sharedBrowser(autoplay = 'allow') {
  if (!shared.has(autoplay)) shared.set(autoplay, launch({ autoplay, reuse: true }));
  return shared.get(autoplay);
}

after(async () => {
  for (const browser of shared.values()) await (await browser).close();
});

export function viewerState(page) {
  return page.evaluate(() => window.__tessaly.state());
}

// Waits until the viewer has drawn `count` more frames than now.
export async function waitFrames(page, count = 2) {
  const start = (await viewerState(page)).frames;
  await waitFor(page, (n) => window.__tessaly.state().frames >= n, start + count, { what: `${count} frames` });
}

// Opens the page, waits for the viewer and a movie frame on the sphere. WebKitGTK
// hands the first frame a movie presents over empty, and the next comes about half
// a second later; no test picture is black at the centre of the view, so the wait
// goes on until the centre shows colour.
export async function openViewer(browser, url) {
  const page = await browser.newPage();
  await page.goto(url);
  await waitFor(page, () => !!window.__tessaly && window.__tessaly.state().ready, undefined,
    { timeoutMs: 60000, what: 'the viewer and its first movie frame' });
  await waitFor(page, () => {
    const { width, height } = window.__tessaly.state();
    return window.__tessaly.sample(width / 2, height / 2).slice(0, 3).some((c) => c > 16);
  }, undefined, { what: 'colour at the centre of the view' });
  await waitFrames(page, 2);
  return page;
}

// Opens the page and waits only for the viewer to run (for pages whose movie does not show).
export async function openPage(browser, url) {
  const page = await browser.newPage();
  await page.goto(url);
  await waitFor(page, () => !!window.__tessaly && window.__tessaly.state().frames > 1, undefined,
    { timeoutMs: 60000, what: 'the viewer' });
  return page;
}

// Keeps the trees and servers of a test file and opens published trees in the
// shared browser (or another one). Pages and servers a test opened close when
// it ends, so no movie plays on behind the next test.
// movie: the default movie path, or a function that gives it once the file has made it.
export function pageSession(movie, base = {}) {
  let cleanups = [];
  const later = (clean) => cleanups.push(clean);
  let own = null;
  afterEach(async () => {
    const now = cleanups.reverse();
    cleanups = [];
    for (const clean of now) await clean();
  });
  after(async () => {
    if (own) await own.close();
  });
  const session = {
    browser: null,
    // The shared browser, or with options a browser of the file's own.
    async start(options) {
      if (!options) {
        session.browser = await sharedBrowser();
        return;
      }
      own = await launch(options);
      session.browser = own;
    },
    later,
    // Publishes a tree with these options and serves it with the preamble; resolves to
    // { url, root, dir, pageName, server }. init: what the page runs first (lib/preamble.mjs);
    // change(dir) may alter the tree before it is served; rate: bytes a second movies are sent at.
    async serve(config = {}, { hotSpots = [], movies, extraFiles = {}, init = [], change, rate = 0 } = {}) {
      const chosen = movies || (typeof movie === 'function' ? movie() : movie);
      const tree = buildTree({ movie: chosen, config: { ...base, ...config }, hotSpots, extraFiles });
      if (change) change(tree.dir);
      const server = await startServer(tree.dir, { preamble: preamble(init), movieRate: rate });
      later(tree.remove);
      later(server.close);
      return { url: server.url + tree.pageName, root: server.url, dir: tree.dir, pageName: tree.pageName, server };
    },
    // Serves and opens a tree; waits for the movie unless waitMovie is false.
    // Resolves to { page, errors: () => [...], url, root, ... }.
    async open(config = {}, { hotSpots, movies, extraFiles, init, change, rate, waitMovie = true, browser } = {}) {
      const served = await session.serve(config, { hotSpots, movies, extraFiles, init, change, rate });
      const page = await (waitMovie ? openViewer : openPage)(browser || session.browser, served.url);
      page.server = served.server;
      later(() => page.close());
      return { page, errors: () => page.errors(), ...served };
    },
  };
  return session;
}

// Takes the viewer's drawing context away and waits until the page is told: false where the
// engine has no WEBGL_lose_context to do it with. restoreContext gives it back.
export function loseContext(page) {
  return page.evaluate(() => {
    const canvas = document.querySelector('#container canvas');
    const gl = canvas.getContext('webgl2') || canvas.getContext('webgl');
    const loser = window.__loser = gl.getExtension('WEBGL_lose_context');
    return loser && new Promise((resolve) => {
      canvas.addEventListener('webglcontextlost', () => resolve(true), { once: true });
      loser.loseContext();
    });
  });
}

export function restoreContext(page) {
  return page.evaluate(() => window.__loser.restoreContext());
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

export { ENGINE, ENGINES, launch, waitFor, WINDOW_SIZE } from './engine.mjs';
