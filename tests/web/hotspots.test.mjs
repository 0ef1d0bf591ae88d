// Hot spots in a published page: where they show, when, and what a click does.
import assert from 'node:assert/strict';
import { before, describe, test } from 'node:test';
import { writeFileSync } from 'node:fs';
import { join } from 'node:path';
import {
  iconCentre, pageSession, seekTo as seek, shown, viewerState, waitFor, waitFrames,
} from './lib/browser.mjs';
import { patternMovie } from './lib/movie.mjs';

// 550 x 400 at fov 90: the horizontal view reaches 54 degrees either side.
const VIEW = { fov: 90, OS_FPS: 30, nSegmentsWidth: 64, nSegmentsHeight: 32, mousespeed: 0.05 };
// Landing pages carry an icon too: the favicon 404 a page without one causes counts as an error.
const LANDING = '<!DOCTYPE html><title>landing</title><link rel="icon" href="data:,"><p>landed</p>';

let movie;
const session = pageSession(() => movie, VIEW);

before(async () => {
  movie = patternMovie();
  await session.start();
});

async function open(hotSpots, config = {}) {
  const opened = await session.open(config, { hotSpots, extraFiles: { 'door.html': LANDING } });
  return { ...opened, url: opened.root };
}

function assertNear(point, expected, where) {
  assert.ok(point, `${where}: not shown`);
  assert.ok(Math.abs(point[0] - expected[0]) <= 2 && Math.abs(point[1] - expected[1]) <= 2,
    `${where}: at ${point}, expected ${expected}`);
}

async function turn(page, dx) {
  await page.mouse.move(450, 300);
  await page.mouse.down();
  await page.mouse.move(450 + dx, 300, { steps: 8 });
  await page.mouse.up();
  await waitFrames(page, 2);
}

describe('directions', () => {
  test('yaw 0 shows at the centre; yaw 90 only after turning right by 90', async () => {
    const { page, errors } = await open([
      { slot: 1, pos: 0.5, time: 3, yaw: 0, title: 'Ahead', link: 'door.html', self: true },
      { slot: 2, pos: 0.5, time: 3, yaw: 90, title: 'Right', link: 'door.html', self: true },
    ]);
    await seek(page, 1);
    assertNear(await iconCentre(page, 'hs1'), [275, 200], 'yaw 0 at lon 0');
    assert.equal(await iconCentre(page, 'hs2'), null, 'yaw 90 is outside the view at lon 0');
    // 0.25 degrees a pixel.
    await turn(page, -180);
    assert.ok(Math.abs((await viewerState(page)).lon - 45) < 0.01);
    const halfway = await iconCentre(page, 'hs2');
    assert.ok(halfway && halfway[0] > 275 && Math.abs(halfway[1] - 200) <= 2, `yaw 90 at lon 45: ${halfway}`);
    await turn(page, -180);
    assertNear(await iconCentre(page, 'hs2'), [275, 200], 'yaw 90 at lon 90');
    assert.equal(await iconCentre(page, 'hs1'), null, 'yaw 0 is outside the view at lon 90');
    // Behind the camera: no icon mirrored onto the canvas.
    await turn(page, -360);
    assert.equal(await iconCentre(page, 'hs1'), null, 'yaw 0 at lon 180');
    assert.equal(await iconCentre(page, 'hs2'), null, 'yaw 90 at lon 180');
    assert.equal(await shown(page, 'check_hs'), true, 'the marker says hot spots are on');
    assert.deepEqual(await errors(), []);
  });

  test('a positive pitch puts the icon above the horizon, where the view projects it', async () => {
    const { page, errors } = await open([{ slot: 2, pos: 0.5, time: 3, yaw: 0, pitch: 20, title: 'Sign', link: 'door.html' }]);
    await seek(page, 1);
    assertNear(await iconCentre(page, 'hs2'), [275, 200 - 200 * Math.tan(Math.PI / 9)], 'pitch 20: 45 degrees fill the 200 px over the centre');
    assert.deepEqual(await errors(), []);
  });

  test('negative yaws and the start yaw agree: yaw -90 faces lon 270', async () => {
    const { page, errors } = await open([{ slot: 4, pos: 0.5, time: 3, yaw: -90, title: 'Left', link: 'door.html' }],
      { lon: 270 });
    await seek(page, 1);
    assertNear(await iconCentre(page, 'hs4'), [275, 200], 'yaw -90 at lon 270');
    assert.deepEqual(await errors(), []);
  });
});

describe('timing', () => {
  test('an icon and the marker show only within [pos, pos + time], in a slot past the count', async () => {
    // Only slot 3 is in use: OS_HOTSPOTS is 1 and the data sits at index 2.
    const { page, errors } = await open([{ slot: 3, pos: 1.5, time: 1, yaw: 0, title: 'Door', link: 'door.html' }]);
    const expected = [[0.2, false], [1.45, false], [1.5, true], [1.55, true], [2, true], [2.45, true], [2.5, true],
      [2.55, false], [3.5, false]];
    for (const [t, on] of expected) {
      await seek(page, t);
      assert.equal(await shown(page, 'hs3'), on, `hs3 at ${t} s`);
      assert.equal(await shown(page, 'check_hs'), on, `check_hs at ${t} s`);
    }
    for (let n = 1; n <= 10; n += 1) if (n !== 3) assert.equal(await shown(page, `hs${n}`), false, `hs${n}`);
    assert.deepEqual(await errors(), []);
  });

  test('while the movie plays, every drawn frame shows the icon exactly within its window', async () => {
    const { page, errors } = await open([{ slot: 5, pos: 1, time: 1.5, yaw: 0, title: 'Door', link: 'door.html' }]);
    await seek(page, 0.2);
    // Each drawn frame records the movie time it was drawn at and whether icon and marker showed.
    await page.evaluate(() => {
      window.__drawn = [];
      window.__tessaly.afterDraw(() => window.__drawn.push([document.getElementById('video').currentTime,
        document.getElementById('hs5').style.display !== 'none', document.getElementById('check_hs').style.display !== 'none']));
      document.getElementById('video').play();
    });
    // Through the window, past its end and round the loop to the start again.
    await waitFor(page, () => window.__drawn.some((d) => d[0] > 3) && window.__drawn.at(-1)[0] < 0.8, undefined,
      { timeoutMs: 60000, what: 'a loop of the movie' });
    const drawn = await page.evaluate(() => window.__drawn);
    const wrong = drawn.filter(([t, icon, marker]) => icon !== (t >= 1 && t <= 2.5) || marker !== icon);
    assert.deepEqual(wrong, []);
    assert.ok(drawn.some((d) => d[1]) && drawn.some((d) => !d[1] && d[0] > 2.5), 'frames on both sides of the window');
    assert.deepEqual(await errors(), []);
  });

  test('a seek into and out of the window shows and hides the icon before the next frame', async () => {
    const { page, errors } = await open([{ slot: 1, pos: 1, time: 1, yaw: 0, title: 'Door', link: 'door.html' }]);
    await seek(page, 0.2);
    // The check runs on seeked, whatever the frame cap.
    const seen = await page.evaluate(() => new Promise((resolve) => {
      const video = document.getElementById('video');
      const icon = document.getElementById('hs1');
      video.addEventListener('seeked', () => setTimeout(() => {
        const inside = icon.style.display !== 'none';
        video.addEventListener('seeked', () => setTimeout(() => resolve([inside, icon.style.display !== 'none'])), { once: true });
        video.currentTime = 3;
      }), { once: true });
      video.currentTime = 1.5;
    }));
    assert.deepEqual(seen, [true, false]);
    assert.deepEqual(await errors(), []);
  });

  test('the title is shown as text', async () => {
    const title = '<img src=x onerror=window.__hit=1> & co';
    const { page, errors } = await open([{ slot: 1, pos: 0.5, time: 3, yaw: 0, title, link: 'door.html' }]);
    assert.equal(await page.getAttribute('#hs1', 'title'), title);
    assert.equal(await page.evaluate(() => document.querySelectorAll('img[src="x"]').length + (window.__hit || 0)), 0);
    assert.deepEqual(await errors(), []);
  });
});

describe('clicks', () => {
  test('a focused icon shows its title beside it, and Enter opens its link', async () => {
    const { page, errors, url } = await open([{ slot: 1, pos: 0.5, time: 3, yaw: 0, title: 'Door <b>in</b>', link: 'door.html', self: true }]);
    await seek(page, 1);
    await page.focus('#hs1');
    const tip = await waitFor(page, () => {
      const t = document.querySelector('.tessaly-tip');
      return t && t.style.display !== 'none' ? [t.textContent, t.children.length] : null;
    }, undefined, { what: 'the title on focus' });
    assert.deepEqual(tip, ['Door <b>in</b>', 0]);
    await page.keyboard.press('Enter');
    await page.waitForURL(url + 'door.html');
    assert.deepEqual(await errors(), []);
  });


  test('an icon with self true opens its link in the same window', async () => {
    const { page, errors, url } = await open([{ slot: 1, pos: 0.5, time: 3, yaw: 0, title: 'Door', link: 'door.html', self: true }]);
    await seek(page, 1);
    await page.click('#hs1');
    await page.waitForURL(url + 'door.html');
    assert.equal(await page.textContent('p'), 'landed');
    assert.deepEqual(await errors(), []);
  });

  test('an icon with self false opens its link in a new window and the tour stays', async () => {
    const { page, errors, url } = await open([{ slot: 2, pos: 0.5, time: 3, yaw: 0, title: 'Door', link: 'door.html', self: false }]);
    await seek(page, 1);
    const popup = await page.popup(() => page.click('#hs2'));
    session.later(() => popup.close());
    await popup.waitForURL(url + 'door.html');
    assert.equal(await popup.evaluate(() => window.opener), null, 'opened without an opener');
    assert.equal(await page.url(), url + 'tour.html');
    assert.deepEqual(await errors(), []);
  });

  test('every page handler exists before the viewer runs, and calling it then is harmless', async () => {
    const served = await session.serve({}, { change: (dir) => writeFileSync(join(dir, 'js/ctr/cn3.js'), '') });
    const page = await session.browser.newPage();
    page.server = served.server;
    session.later(() => page.close());
    await page.goto(served.url);
    const names = ['cTitle', 'cLeft', 'cUp', 'cStop', 'cDown', 'cRight', 'cZoomIn', 'cZoomOut', 'cRestart',
      'cMuteON', 'cMuteOFF', 'locflash'];
    for (let n = 1; n <= 10; n += 1) names.push(`cHS${n}`);
    const missing = await page.evaluate((list) => list.filter((name) => typeof window[name] !== 'function'), names);
    assert.deepEqual(missing, []);
    await page.evaluate((list) => {
      for (const name of list) if (name !== 'locflash') window[name](document.getElementById('hs1'));
    }, names);
    assert.equal(await page.url(), served.url);
    assert.deepEqual(await page.errors(), []);
  });
});
