// Headless Debian Chromium through playwright-core, with software WebGL, and a
// page opener that records every page error and console error.
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { chromium } from 'playwright-core';

const ARGS = [
  '--no-sandbox', '--disable-gpu', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
  '--disable-background-networking', '--disable-component-update', '--disable-sync', '--no-first-run',
];

export const CHROMIUM = process.env.TESSALY_CHROMIUM || '/usr/bin/chromium';

// Resolves to { context, close }: one fresh profile per call. By default media may play
// without a user gesture.
export async function launch({ autoplayPolicy = 'no-user-gesture-required' } = {}) {
  const profile = mkdtempSync(join(tmpdir(), 'tessaly-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: CHROMIUM,
    headless: true,
    args: [...ARGS, `--autoplay-policy=${autoplayPolicy}`],
    viewport: { width: 1000, height: 700 },
  });
  // Only test pages get the viewer's test hook.
  await context.addInitScript(() => {
    window.__tessalyTestHook = true;
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

// Opens the page, waits for the viewer and a decoded movie frame.
export async function openViewer(context, url) {
  const page = await context.newPage();
  const errors = watchErrors(page);
  await page.goto(url);
  await waitFor(page, () => !!window.__tessaly && window.__tessaly.state().readyState >= 2, undefined,
    { timeoutMs: 60000, what: 'the viewer and its first movie frame' });
  await waitFrames(page, 2);
  return { page, errors };
}

export function sample(page, x, y) {
  return page.evaluate(([px, py]) => window.__tessaly.sample(px, py), [x, y]);
}
