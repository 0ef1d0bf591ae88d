// The browser under test, whichever engine it is (TESSALY_ENGINE: chromium,
// firefox or webkit; chromium by default), behind one small page interface: go
// to an address, run a function in the page, mouse, keys, window size, the
// windows a page opens. lib/engines/*.mjs drive each engine.
import { WINDOW_SIZE } from './engines/page.mjs';

export { WINDOW_SIZE };

export const ENGINES = ['chromium', 'firefox', 'webkit'];
export const ENGINE = process.env.TESSALY_ENGINE || 'chromium';
if (!ENGINES.includes(ENGINE)) throw new Error(`TESSALY_ENGINE names no engine of ${ENGINES.join(', ')}: ${ENGINE}`);

// Starts a browser of this run's engine (or of options.engine). options: { autoplay:
// 'allow' | 'muted' }, and for Chromium { contextOptions } (Playwright's: viewport,
// isMobile, hasTouch...). With reuse, a closed page is kept, emptied, for the next
// new page: a new window costs WebKitGTK a second or two, the others a few tenths.
export async function launch({ engine = ENGINE, reuse = false, ...options } = {}) {
  const driver = await import(`./engines/${engine}.mjs`);
  const browser = await driver.launch(options);
  // The kept page, once it is empty.
  let spare = null;
  // Keeps the page unless one is kept already; says whether it did.
  const keep = async (page) => {
    if (!reuse || spare) return false;
    spare = (async () => {
      await page.driver.goto('about:blank');
      await page.driver.setViewport(...WINDOW_SIZE);
      // The pointer where a new window has it, off whatever the last page showed.
      await page.driver.mouse.move(0, 0);
      // A window that was full screen may not come back to its size (Firefox).
      const size = await page.driver.evaluate(() => [innerWidth, innerHeight]);
      if (size[0] !== WINDOW_SIZE[0] || size[1] !== WINDOW_SIZE[1]) throw new Error(`window of ${size}`);
      return page;
    })();
    try {
      await spare;
      return true;
    } catch {
      spare = null;
      return false;
    }
  };
  const wrapped = {
    ...browser,
    newPage: async () => {
      if (!spare) return new TestPage(await browser.newPage(), wrapped, keep);
      const page = await spare;
      spare = null;
      // What the last page left behind (a movie request cut short) is not this page's.
      page.driver.errors.length = 0;
      page.server = null;
      // A tab behind another draws no frames.
      await page.bringToFront();
      return page;
    },
    popup: async (action) => new TestPage(await browser.popup(action), wrapped),
  };
  return wrapped;
}

// Runs in the page: calls the function every 20 ms until it returns a truthy
// value or budget milliseconds have passed; resolves to its last value.
function pollInPage([source, arg, budget]) {
  const fn = (0, eval)(`(${source})`);
  const until = performance.now() + budget;
  return new Promise((resolve, reject) => {
    const look = () => {
      Promise.resolve(fn(arg)).then((value) => {
        if (value || performance.now() >= until) resolve(value);
        else setTimeout(look, 20);
      }, reject);
    };
    look();
  });
}

// Polls fn in the page until it returns a truthy value; fails with the last value after timeoutMs.
// The polling runs in the page, a second at a time: it sees the change as soon as it comes,
// without a round trip to the browser for every look.
export async function waitFor(page, fn, arg, { timeoutMs = 30000, what = 'condition' } = {}) {
  const deadline = Date.now() + timeoutMs;
  let last;
  do {
    last = await page.evaluate(pollInPage, [String(fn), arg, Math.max(0, Math.min(1000, deadline - Date.now()))]);
    if (last) return last;
  } while (Date.now() < deadline);
  throw new Error(`timed out waiting for ${what}; last value ${JSON.stringify(last)}`);
}

// A page in the browser under test, with Playwright's names for what the tests use.
export class TestPage {
  // keep(page): whether the browser keeps the page for the next new page instead of closing it.
  constructor(driver, browser, keep = async () => false) {
    this.driver = driver;
    this.browser = browser;
    this.keep = keep;
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

  async close() {
    if (!(await this.keep(this))) await this.driver.close();
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
    const from = await this.url();
    await this.mouse.down();
    try {
      await this.mouse.up();
    } catch (e) {
      // A hot spot opens its link on the press: Firefox cannot release the button
      // over a page that is going away. The click did what it was for.
      await this.waitForURL((at) => at !== from, { timeoutMs: 5000 }).catch(() => {
        throw e;
      });
    }
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

  // Waits until the window is at url and loaded; or, with a function, until
  // the function is true of the address (an engine's page for an address it cannot reach).
  async waitForURL(url, { timeoutMs = 30000 } = {}) {
    const deadline = Date.now() + timeoutMs;
    let last;
    while (Date.now() < deadline) {
      last = await this.url();
      if (typeof url === 'function' && url(last)) return;
      if (last === url) {
        try {
          // The document itself must be at url: WebKitGTK gives the new address
          // while the old, complete document is still the one scripts run in.
          await waitFor(this, (want) => location.href === want && document.readyState === 'complete', url,
            { what: `${url} loaded`, timeoutMs: Math.max(0, deadline - Date.now()) });
          return;
        } catch (e) {
          // A poll that the old document's unload cuts short goes again in the new one.
          if (e?.name !== 'NoSuchFrameError' || !/unload/.test(e.message)) throw e;
        }
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
