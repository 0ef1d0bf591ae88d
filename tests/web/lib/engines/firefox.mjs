// Debian's Firefox ESR through puppeteer-core over WebDriver BiDi. Headless, but
// on an X server of our own: without a display it has no WebGL ("Exhausted GL
// driver options"); with one it draws through Mesa's software GL.
import puppeteer from 'puppeteer-core';
import { startDisplay } from '../display.mjs';
import { WINDOW_SIZE, wrapPage } from './page.mjs';

export const FIREFOX = process.env.TESSALY_FIREFOX || '/usr/bin/firefox-esr';

// media.autoplay.default: 0 plays anything, 1 only what makes no sound.
const AUTOPLAY = { allow: 0, muted: 1 };

function wrap(page) {
  const errors = [];
  page.on('pageerror', (e) => errors.push(`page error: ${e.message}`));
  return wrapPage(page, {
    errors,
    wheel: (dx, dy) => page.mouse.wheel({ deltaX: dx, deltaY: dy }),
    setViewport: (width, height) => page.setViewport({ width, height }),
  });
}

export async function launch({ autoplay = 'allow' } = {}) {
  const display = await startDisplay();
  let browser;
  try {
    browser = await puppeteer.launch({
      browser: 'firefox',
      executablePath: FIREFOX,
      headless: true,
      env: { ...process.env, DISPLAY: display.display, MOZ_HEADLESS_WIDTH: '1280', MOZ_HEADLESS_HEIGHT: '1024' },
      defaultViewport: { width: WINDOW_SIZE[0], height: WINDOW_SIZE[1] },
      extraPrefsFirefox: {
        'media.autoplay.default': AUTOPLAY[autoplay],
        'media.autoplay.blocking_policy': 0,
        'full-screen-api.allow-trusted-requests-only': false,
        'full-screen-api.transition-duration.enter': '0 0',
        'full-screen-api.transition-duration.leave': '0 0',
        'dom.disable_open_during_load': false,
      },
      protocolTimeout: 120000,
      timeout: 120000,
    });
  } catch (e) {
    await display.stop();
    throw e;
  }
  const pages = () => browser.pages();
  return {
    name: 'firefox',
    newPage: async () => wrap(await browser.newPage()),
    popup: async (action) => {
      const before = new Set(await pages());
      await action();
      const deadline = Date.now() + 30000;
      while (Date.now() < deadline) {
        const opened = (await pages()).find((p) => !before.has(p));
        if (opened) return wrap(opened);
        await new Promise((r) => setTimeout(r, 100));
      }
      throw new Error('no new window within 30 s');
    },
    close: async () => {
      await browser.close();
      await display.stop();
    },
  };
}
