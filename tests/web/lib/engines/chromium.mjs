// Debian's Chromium, headless, through playwright-core, with software WebGL
// (SwiftShader). Besides the common page it gives the raw Playwright context
// for what only Chromium can emulate (touch screens, sensors).
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { chromium } from 'playwright-core';
import { WINDOW_SIZE, wrapPage } from './page.mjs';

export const CHROMIUM = process.env.TESSALY_CHROMIUM || '/usr/bin/chromium';

const ARGS = [
  '--no-sandbox', '--disable-gpu', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
  '--disable-background-networking', '--disable-component-update', '--disable-sync', '--no-first-run',
];

const ABORTED = 'net::ERR_ABORTED';

const POLICY = { allow: 'no-user-gesture-required', muted: 'document-user-activation-required' };

function wrap(page) {
  const errors = [];
  page.on('pageerror', (e) => errors.push(`page error: ${e.message}`));
  page.on('requestfailed', (r) => {
    const reason = r.failure() ? r.failure().errorText : 'no reason given';
    // ERR_ABORTED is the page dropping a request it no longer wants (a hover image
    // whose pointer moved on, a movie range cut short); a file the page lacks is an
    // answer of 404, which the test server counts.
    if (reason !== ABORTED) errors.push(`request failed: ${r.url()} (${reason})`);
  });
  page.on('console', (m) => {
    if (m.type() === 'error') errors.push(`console error: ${m.text()}`);
  });
  return wrapPage(page, {
    errors,
    wheel: (dx, dy) => page.mouse.wheel(dx, dy),
    setViewport: (width, height) => page.setViewportSize({ width, height }),
  });
}

// autoplay: 'allow' lets movies play with sound unasked, 'muted' only without.
export async function launch({ autoplay = 'allow', contextOptions = {} } = {}) {
  const profile = mkdtempSync(join(tmpdir(), 'tessaly-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: CHROMIUM,
    headless: true,
    args: [...ARGS, `--autoplay-policy=${POLICY[autoplay]}`],
    viewport: { width: WINDOW_SIZE[0], height: WINDOW_SIZE[1] },
    ...contextOptions,
  });
  return {
    name: 'chromium',
    context,
    newPage: async () => wrap(await context.newPage()),
    // Runs action and resolves to the page it opened.
    popup: async (action) => {
      const [page] = await Promise.all([context.waitForEvent('page', { timeout: 30000 }), action()]);
      await page.waitForLoadState();
      return wrap(page);
    },
    close: async () => {
      await context.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}
