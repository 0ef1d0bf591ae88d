// WebKitGTK (the engine family of Safari): Debian's MiniBrowser driven by its
// WebKitWebDriver through selenium-webdriver, on an X server of our own (the
// browser has no headless mode). Each page is a browser window; the first
// window stays open for the session's life, since closing the last one ends it.
import { spawn } from 'node:child_process';
import { closeSync, openSync, rmSync } from 'node:fs';
import { createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { Builder, Capabilities, Key, Origin } from 'selenium-webdriver';
import { startDisplay } from '../display.mjs';
import { WINDOW_SIZE } from './page.mjs';

export const WEBKIT_DRIVER = process.env.TESSALY_WEBKIT_DRIVER || '/usr/bin/WebKitWebDriver';
export const MINIBROWSER = process.env.TESSALY_MINIBROWSER || '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';

const AUTOPLAY = { allow: 'allow', muted: 'allow-without-sound' };
const KEYS = { ArrowLeft: Key.ARROW_LEFT, ArrowRight: Key.ARROW_RIGHT, ArrowUp: Key.ARROW_UP, ArrowDown: Key.ARROW_DOWN, Enter: Key.ENTER };

function freePort() {
  return new Promise((resolve, reject) => {
    const probe = createServer();
    probe.once('error', reject);
    probe.listen(0, '127.0.0.1', () => {
      const { port } = probe.address();
      probe.close(() => resolve(port));
    });
  });
}

// The driver's and the browser's own messages, for when the browser goes away.
export const BROWSER_LOG = join(tmpdir(), `tessaly-webkit-${process.pid}.log`);

async function startDriver(display) {
  const port = await freePort();
  const log = openSync(BROWSER_LOG, 'w');
  const driver = spawn(WEBKIT_DRIVER, [`--port=${port}`, '--host=127.0.0.1'],
    { stdio: ['ignore', log, log], env: { ...process.env, DISPLAY: display } });
  closeSync(log);
  const url = `http://127.0.0.1:${port}`;
  const deadline = Date.now() + 60000;
  while (Date.now() < deadline) {
    if (driver.exitCode !== null) throw new Error(`${WEBKIT_DRIVER} ended with status ${driver.exitCode}`);
    try {
      if ((await fetch(`${url}/status`)).ok) return { url, process: driver };
    } catch {
      // not listening yet
    }
    await new Promise((r) => setTimeout(r, 100));
  }
  driver.kill();
  throw new Error(`${WEBKIT_DRIVER} did not answer on ${url} within 60 s`);
}

// Commands of one WebDriver session go one at a time, each to its own window.
function session(driver, home) {
  let queue = Promise.resolve();
  let current = home;
  const send = (handle, command) => {
    const run = queue.then(async () => {
      if (handle && handle !== current) {
        await driver.switchTo().window(handle);
        current = handle;
      }
      return command(driver);
    });
    queue = run.catch(() => null);
    return run;
  };
  // Closes a window and goes back to the first one.
  send.close = (handle) => send(handle, async (d) => {
    await d.close();
    await d.switchTo().window(home);
    current = home;
  });
  return send;
}

// Goes to `url` and waits until the new document is parsed. A mark on the document
// before tells the new one from it; a script sent while the page changes may fail.
async function arrive(driver, url) {
  await driver.executeScript('document.__left = true;');
  await driver.get(url);
  const deadline = Date.now() + 60000;
  for (;;) {
    let failure = null;
    try {
      if (await driver.executeScript('return !document.__left && document.readyState !== "loading";')) return;
    } catch (e) {
      failure = e;
    }
    if (Date.now() > deadline) throw failure || new Error(`${url} was not parsed within 60 s`);
    await new Promise((r) => setTimeout(r, 50));
  }
}

function wrap(send, handle) {
  const at = [0, 0];
  const actions = (build) => send(handle, (d) => build(d.actions({ async: true })).perform());
  const page = {
    errors: [],
    handle,
    goto: (url) => send(handle, (d) => arrive(d, url)),
    url: () => send(handle, (d) => d.getCurrentUrl()),
    evaluate: (fn, arg) => send(handle, (d) => d.executeScript(`return (${fn}).apply(null, arguments);`, ...(arg === undefined ? [] : [arg]))),
    mouse: {
      move: (x, y, { steps = 1 } = {}) => {
        const from = [...at];
        at.splice(0, 2, x, y);
        return actions((a) => {
          for (let i = 1; i <= steps; i += 1) {
            a.move({ x: Math.round(from[0] + ((x - from[0]) * i) / steps), y: Math.round(from[1] + ((y - from[1]) * i) / steps), origin: Origin.VIEWPORT, duration: 0 });
          }
          return a;
        });
      },
      down: () => actions((a) => a.press()),
      up: () => actions((a) => a.release()),
      wheel: (dx, dy) => actions((a) => a.scroll(Math.round(at[0]), Math.round(at[1]), Math.round(dx), Math.round(dy), Origin.VIEWPORT)),
    },
    press: (key) => actions((a) => a.sendKeys(KEYS[key] || key)),
    // The window is the page plus the browser's own bars: size it by what the page gets.
    setViewport: (width, height) => send(handle, async (d) => {
      for (let tries = 0; tries < 3; tries += 1) {
        const [w, h] = await d.executeScript('return [innerWidth, innerHeight];');
        if (w === width && h === height) return;
        const rect = await d.manage().window().getRect();
        await d.manage().window().setRect({ width: rect.width + width - w, height: rect.height + height - h });
      }
    }),
    // Windows of their own: each draws whether in front or not.
    screenshot: () => send(handle, (d) => d.takeScreenshot()),
    bringToFront: () => send(handle, async () => null),
    close: () => send.close(handle),
  };
  return page;
}

export async function launch({ autoplay = 'allow' } = {}) {
  const display = await startDisplay();
  let server;
  let driver;
  try {
    server = await startDriver(display.display);
    // Windows opened by script: the tests fire a headset's select from script, where a
    // real select is the visitor's own gesture, which lets a page open a window.
    const args = ['--automation', '--javascript-can-open-windows-automatically=true', `--autoplay-policy=${AUTOPLAY[autoplay]}`];
    // The driver does not wait for a page's load event (see goto): WebKitGTK holds it
    // until it has read the whole movie, which on a slow test link is most of the test.
    const capabilities = new Capabilities({
      browserName: 'MiniBrowser',
      pageLoadStrategy: 'none',
      'webkitgtk:browserOptions': { binary: MINIBROWSER, args },
    });
    driver = await new Builder().usingServer(server.url).withCapabilities(capabilities).build();
    await driver.manage().setTimeouts({ script: 60000, pageLoad: 60000 });
  } catch (e) {
    if (server) server.process.kill();
    await display.stop();
    throw e;
  }
  const home = await driver.getWindowHandle();
  const send = session(driver, home);
  const open = async (handle) => {
    const page = wrap(send, handle);
    await page.setViewport(...WINDOW_SIZE);
    return page;
  };
  return {
    name: 'webkit',
    newPage: async () => open(await send(home, async (d) => {
      await d.switchTo().newWindow('window');
      return d.getWindowHandle();
    })),
    popup: async (action) => {
      const before = new Set(await send(null, (d) => d.getAllWindowHandles()));
      await action();
      const deadline = Date.now() + 30000;
      while (Date.now() < deadline) {
        const opened = (await send(null, (d) => d.getAllWindowHandles())).find((h) => !before.has(h));
        if (opened) return wrap(send, opened);
        await new Promise((r) => setTimeout(r, 100));
      }
      throw new Error('no new window within 30 s');
    },
    // The browser's log stays behind only when the session had gone: it says why.
    close: async () => {
      try {
        let timer;
        const gone = new Promise((r) => {
          timer = setTimeout(r, 30000, 'no answer in 30 s');
        });
        const said = await Promise.race([driver.quit().then(() => null, (e) => e.message || e.name), gone]);
        clearTimeout(timer);
        if (said) process.stderr.write(`WebKitGTK session ended badly (${said}); its log: ${BROWSER_LOG}\n`);
        else rmSync(BROWSER_LOG, { force: true });
      } finally {
        server.process.kill();
        await display.stop();
      }
    },
  };
}
