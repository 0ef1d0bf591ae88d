// End to end: a project published by the real `tessaly publish`, opened in the
// browser. Everything on the page comes from the program: the scrambled player
// scripts, the scrambled configuration script, the template and the copies.
// The published viewer carries no test hook, so the page is looked at as a
// visitor sees it: the picture from screenshots, the icons from the document.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { basename, dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before, describe, test } from 'node:test';
import { iconCentre, pauseAt, sharedBrowser, shown, waitFor } from './lib/browser.mjs';
import { patternMovie } from './lib/movie.mjs';
import { preamble } from './lib/preamble.mjs';
import { startServer } from './lib/server.mjs';

const TESSALY = process.env.TESSALY_BIN;
const HERE = dirname(fileURLToPath(import.meta.url));
const EXAMPLE = join(HERE, '..', 'fixtures', 'model', 'project-example.hs5');
// Landing pages carry an icon too: the favicon 404 a page without one causes counts as an error.
const LANDING = '<!DOCTYPE html><title>landing</title><link rel="icon" href="data:,"><p>landed</p>';
// The default window size is 550 x 400: the view's centre.
const CENTRE = [275, 200];
const TOLERANCE = 6;

// A project with the start options, the movie in slot 1 and two hot spots:
// straight ahead (slider yaw 0) from 0.5 s for 1 s, opening door.html here,
// and to the right (slider yaw 90) from 2 s for 1 s, in a new window.
function projectText(movie) {
  const hotSpots = [
    { link: 'door.html', title: 'Door - ahead', pos: '.5', yaw: '.000', time: '1.000', self: 1 },
    { link: 'room.html', title: 'Room "right"', pos: '2', yaw: '90.000', time: '1.000', self: 0 },
  ];
  let text = readFileSync(EXAMPLE, 'latin1').replace(/<VIDEO1>[^<]*<\/VIDEO1>/, `<VIDEO1>${movie}</VIDEO1>`);
  hotSpots.forEach((h, i) => {
    const n = i + 1;
    const set = (tag, value) => {
      text = text.replace(new RegExp(`<${tag}${n}>[^<]*</${tag}${n}>`), `<${tag}${n}>${value}</${tag}${n}>`);
    };
    set('HSLINK', h.link);
    set('HSTITLE', h.title);
    set('HSPOS', h.pos);
    set('HSYAW', h.yaw);
    set('HSTIME', h.time);
    set('HSSELF', h.self);
  });
  return text;
}

const skip = TESSALY ? false : 'TESSALY_BIN names no tessaly program';

// Two animation frames: whatever the page drew for the last change is on the screen.
function settle(page) {
  return page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
}

// The colour on the screen at (x, y) of the canvas, read back from a screenshot.
async function screenPixel(page, x, y) {
  const at = await page.evaluate(() => {
    const r = document.querySelector('#container canvas').getBoundingClientRect();
    return [r.left, r.top];
  });
  const png = await page.screenshot();
  return page.evaluate(async ([data, px, py]) => {
    const image = new Image();
    image.src = `data:image/png;base64,${data}`;
    await image.decode();
    const canvas = document.createElement('canvas');
    canvas.width = 1;
    canvas.height = 1;
    const context = canvas.getContext('2d');
    context.drawImage(image, px, py, 1, 1, 0, 0, 1, 1);
    return Array.from(context.getImageData(0, 0, 1, 1).data);
  }, [png, Math.floor(at[0] + x), Math.floor(at[1] + y)]);
}

// The colour at (x, y) once the page has drawn a picture there: it draws at its
// own rate, and WebKitGTK hands a movie's first frame over black.
async function drawnPixel(page, x, y) {
  const deadline = Date.now() + 10000;
  let pixel = await screenPixel(page, x, y);
  while (pixel.slice(0, 3).every((c) => c <= TOLERANCE) && Date.now() < deadline) {
    await new Promise((r) => setTimeout(r, 100));
    pixel = await screenPixel(page, x, y);
  }
  return pixel;
}

// Pauses the movie at t seconds and waits until the page has drawn since.
async function seekTo(page, seconds) {
  await pauseAt(page, seconds);
  await settle(page);
}

describe('a page published by tessaly', { skip }, () => {
  let work;
  let server;
  let page;

  before(async () => {
    work = mkdtempSync(join(tmpdir(), 'tessaly-published-'));
    const movie = patternMovie();
    writeFileSync(join(work, 'tour.hs5'), projectText(movie), 'latin1');
    const out = join(work, 'site');
    const run = spawnSync(TESSALY, ['publish', join(work, 'tour.hs5'), join(out, 'tour')], { encoding: 'utf8' });
    assert.equal(run.status, 0, run.stderr);
    assert.match(run.stderr, /Publishing succeeded/);
    writeFileSync(join(out, 'door.html'), LANDING);
    writeFileSync(join(out, 'room.html'), LANDING);
    server = await startServer(out, { preamble: preamble() });
    page = await (await sharedBrowser()).newPage();
    page.server = server;
    await page.goto(`${server.url}tour.html`);
    await waitFor(page, () => !!document.querySelector('#container canvas') &&
      document.getElementById('video').readyState >= 2, undefined, { timeoutMs: 60000, what: 'the movie' });
    await settle(page);
    assert.equal(await page.getAttribute('video source', 'src'), basename(movie));
    // What the program published carries no test hook.
    assert.equal(await page.evaluate(() => '__tessaly' in window), false);
  });

  after(async () => {
    if (page) await page.close();
    if (server) await server.close();
    if (work) rmSync(work, { recursive: true, force: true });
  });

  test('shows the movie in its colours, facing the frame centre', async () => {
    await seekTo(page, 0.2);
    const centre = await drawnPixel(page, ...CENTRE);
    const off = [255, 255, 255].map((c, i) => Math.abs(c - centre[i]));
    assert.ok(Math.max(...off) <= TOLERANCE, `centre column marker is white: ${centre.slice(0, 3)}`);
    const left = await screenPixel(page, CENTRE[0] - 60, CENTRE[1]);
    assert.ok(left[0] <= TOLERANCE && left[1] >= 255 - TOLERANCE && left[2] <= TOLERANCE, `green beside it: ${left}`);
    assert.deepEqual(await page.errors(), []);
  });

  test('each icon shows only within its time window, at its direction', async () => {
    const expected = [[0.2, false, false], [1, true, false], [1.6, false, false], [2.5, false, true], [3.2, false, false]];
    for (const [t, first, second] of expected) {
      await seekTo(page, t);
      assert.equal(await shown(page, 'hs1'), first, `hs1 at ${t} s`);
      assert.equal(await shown(page, 'check_hs'), first || second, `check_hs at ${t} s`);
      if (!second) assert.equal(await shown(page, 'hs2'), false, `hs2 at ${t} s`);
    }
    await seekTo(page, 1);
    const at = await iconCentre(page, 'hs1');
    assert.ok(at && Math.abs(at[0] - CENTRE[0]) <= 2 && Math.abs(at[1] - CENTRE[1]) <= 2, `hs1 ahead: ${at}`);
    assert.equal(await page.getAttribute('#hs1', 'title'), 'Door - ahead');
    assert.equal(await page.getAttribute('#hs2', 'title'), 'Room "right"');
    assert.deepEqual(await page.errors(), []);
  });

  test('clicking the icon goes to its link', async () => {
    await seekTo(page, 1);
    await page.click('#hs1');
    await page.waitForURL(`${server.url}door.html`);
    assert.equal(await page.textContent('p'), 'landed');
    assert.deepEqual(await page.errors(), []);
  });
});
