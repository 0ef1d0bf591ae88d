// The browser under test, whichever engine it is (TESSALY_ENGINE: chromium,
// firefox or webkit; chromium by default), behind one small page interface: go
// to an address, run a function in the page, mouse, keys, window size. One
// browser per engine serves every test file of a run; each test closes the
// pages it opened. Every page runs the test preamble (lib/preamble.mjs), which
// reports script errors to the server.
import { after, afterEach } from 'node:test';
import { preamble } from './preamble.mjs';
import { startServer } from './server.mjs';
import { buildTree } from './tree.mjs';

export const ENGINES = ['chromium', 'firefox', 'webkit'];
export const ENGINE = process.env.TESSALY_ENGINE || 'chromium';
if (!ENGINES.includes(ENGINE)) throw new Error(`TESSALY_ENGINE names no engine of ${ENGINES.join(', ')}: ${ENGINE}`);

// A test's skip option for what an engine cannot do here; tests/web/README.md
// lists each with the evidence. The reason shows in the test output.
export function notIn(engines, reason) {
  return engines.includes(ENGINE) ? `not in ${ENGINE}: ${reason}` : false;
}

// Starts a browser of this run's engine. options: { autoplay: 'allow' | 'muted' },
// and for Chromium { contextOptions } (Playwright's: viewport, isMobile, hasTouch...).
export async function launch(options = {}) {
  const engine = await import(`./engines/${ENGINE}.mjs`);
  const browser = await engine.launch(options);
  const wrapped = {
    ...browser,
    newPage: async () => new TestPage(await browser.newPage(), wrapped),
    popup: async (action) => new TestPage(await browser.popup(action), wrapped),
  };
  return wrapped;
}

const shared = new Map();
// The browser every test file of this process shares for this autoplay rule
// ('allow': movies may play with sound unasked; 'muted': only without).
export function sharedBrowser(autoplay = 'allow') {
  if (!shared.has(autoplay)) shared.set(autoplay, launch({ autoplay }));
  return shared.get(autoplay);
}

after(async () => {
  for (const browser of shared.values()) await (await browser).close();
});

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

// A page in the browser under test, with Playwright's names for what the tests use.
export class TestPage {
  constructor(driver, browser) {
    this.driver = driver;
    this.browser = browser;
    this.server = null;
    this.mouse = { ...driver.mouse, click: (x, y) => this.mouseClick(x, y) };
    this.keyboard = { press: (key) => driver.press(key) };
  }

  goto(url) {
    return this.driver.goto(url);
  }

  url() {
    return this.driver.url();
  }

  evaluate(fn, arg) {
    return this.driver.evaluate(fn, arg);
  }

  close() {
    return this.driver.close();
  }

  // Makes the page the one the visitor looks at again (a tab behind another draws no frames).
  bringToFront() {
    return this.driver.bringToFront();
  }

  // The window's picture as the visitor sees it: a PNG, base64.
  screenshot() {
    return this.driver.screenshot();
  }

  setViewportSize({ width, height }) {
    return this.driver.setViewport(width, height);
  }

  // What went wrong so far: script errors the page reported, answers of 400 or
  // more from its server, and what the engine itself reported where it can.
  async errors() {
    let kept = [];
    try {
      kept = (await this.evaluate(() => window.__tessalyErrors || [])) || [];
    } catch {
      // the page is gone
    }
    return [...this.driver.errors, ...(this.server ? this.server.errors : []), ...kept];
  }

  // The element's box in CSS pixels of the window, or null when it is not displayed.
  box(selector) {
    return this.evaluate((s) => {
      const element = document.querySelector(s);
      if (!element || !element.getClientRects().length) return null;
      const r = element.getBoundingClientRect();
      return { x: r.left, y: r.top, width: r.width, height: r.height };
    }, selector);
  }

  async click(selector) {
    const box = await this.box(selector);
    if (!box) throw new Error(`nothing to click: ${selector} is not shown`);
    await this.mouseClick(box.x + box.width / 2, box.y + box.height / 2);
  }

  async clickText(tag, text) {
    const box = await this.evaluate(([t, x]) => {
      const element = [...document.querySelectorAll(t)].find((e) => e.textContent === x && e.getClientRects().length);
      const r = element && element.getBoundingClientRect();
      return r ? { x: r.left, y: r.top, width: r.width, height: r.height } : null;
    }, [tag, text]);
    if (!box) throw new Error(`nothing to click: no ${tag} shows ${text}`);
    await this.mouseClick(box.x + box.width / 2, box.y + box.height / 2);
  }

  async mouseClick(x, y) {
    await this.mouse.move(x, y);
    await this.mouse.down();
    await this.mouse.up();
  }

  focus(selector) {
    return this.evaluate((s) => document.querySelector(s).focus(), selector);
  }

  textContent(selector) {
    return this.evaluate((s) => document.querySelector(s).textContent, selector);
  }

  getAttribute(selector, name) {
    return this.evaluate(([s, n]) => document.querySelector(s).getAttribute(n), [selector, name]);
  }

  // Displayed, not hidden, with a size: what a visitor can see.
  isVisible(selector) {
    return this.evaluate((s) => {
      const element = document.querySelector(s);
      if (!element) return false;
      const r = element.getBoundingClientRect();
      return r.width > 0 && r.height > 0 && getComputedStyle(element).visibility !== 'hidden';
    }, selector);
  }

  // Whether some element of this tag shows exactly this text.
  hasText(tag, text) {
    return this.evaluate(([t, x]) => [...document.querySelectorAll(t)].some((e) => e.textContent === x
      && e.getClientRects().length > 0 && getComputedStyle(e).visibility !== 'hidden'), [tag, text]);
  }

  async waitForURL(url, { timeoutMs = 30000 } = {}) {
    const deadline = Date.now() + timeoutMs;
    let last;
    while (Date.now() < deadline) {
      last = await this.url();
      if (last === url) {
        await waitFor(this, () => document.readyState === 'complete', undefined, { what: `${url} loaded` });
        return;
      }
      await new Promise((r) => setTimeout(r, 100));
    }
    throw new Error(`timed out waiting for ${url}; at ${last}`);
  }

  // Runs action and resolves to the window it opened.
  popup(action) {
    return this.browser.popup(action);
  }
}

export function viewerState(page) {
  return page.evaluate(() => window.__tessaly.state());
}

// Waits until the viewer has drawn `count` more frames than now.
export async function waitFrames(page, count = 2) {
  const start = (await viewerState(page)).frames;
  await waitFor(page, (n) => window.__tessaly.state().frames >= n, start + count, { what: `${count} frames` });
}

// Opens the page, waits for the viewer and a movie frame on the sphere.
export async function openViewer(browser, url) {
  const page = await browser.newPage();
  await page.goto(url);
  await waitFor(page, () => !!window.__tessaly && window.__tessaly.state().ready, undefined,
    { timeoutMs: 60000, what: 'the viewer and its first movie frame' });
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
    // change(dir) may alter the tree before it is served.
    async serve(config = {}, { hotSpots = [], movies, extraFiles = {}, init = [], change } = {}) {
      const chosen = movies || (typeof movie === 'function' ? movie() : movie);
      const tree = buildTree({ movie: chosen, config: { ...base, ...config }, hotSpots, extraFiles });
      if (change) change(tree.dir);
      const server = await startServer(tree.dir, { preamble: preamble(init) });
      later(tree.remove);
      later(server.close);
      return { url: server.url + tree.pageName, root: server.url, dir: tree.dir, pageName: tree.pageName, server };
    },
    // Serves and opens a tree; waits for the movie unless waitMovie is false.
    // Resolves to { page, errors: () => [...], url, root, ... }.
    async open(config = {}, { hotSpots, movies, extraFiles, init, change, waitMovie = true, browser } = {}) {
      const served = await session.serve(config, { hotSpots, movies, extraFiles, init, change });
      const page = await (waitMovie ? openViewer : openPage)(browser || session.browser, served.url);
      page.server = served.server;
      later(() => page.close());
      return { page, errors: () => page.errors(), ...served };
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
