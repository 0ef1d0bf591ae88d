// Every control of the page: the eight buttons, mute, title banner, the control bar
// (play, seek, time, volume, full screen, captions), the keyboard and the compact layout.
import assert from 'node:assert/strict';
import { before, describe, test } from 'node:test';
import { ENGINE, pageSession, seekTo, viewerState, waitFor, waitFrames, WINDOW_SIZE } from './lib/browser.mjs';
import { addCaptions, CAPTIONS, captionsAt, captionState, visitor } from './lib/captions.mjs';
import { patternMovie } from './lib/movie.mjs';

const VIEW = { fov: 90, lon: 90, OS_FPS: 30, nSegmentsWidth: 64, nSegmentsHeight: 32 };

let movie;
const session = pageSession(() => movie, VIEW);

before(async () => {
  movie = patternMovie();
  await session.start();
});

function state(page) {
  return viewerState(page);
}

// Waits until the view stops moving between drawn frames; returns it.
async function settled(page) {
  let last = await state(page);
  for (let tries = 0; tries < 20; tries += 1) {
    await waitFrames(page, 2);
    const now = await state(page);
    if (now.lon === last.lon && now.lat === last.lat) return now;
    last = now;
  }
  throw new Error(`the view keeps moving: ${JSON.stringify(last)}`);
}

function display(page, id) {
  return page.evaluate((name) => getComputedStyle(document.getElementById(name)).display, id);
}

describe('buttons', () => {
  test('the pan buttons turn the view until stop or another direction', async () => {
    const { page, errors } = await session.open({});
    const start = await state(page);
    await page.click('#rightBT');
    await waitFor(page, (lon) => window.__tessaly.state().lon > lon + 5, start.lon, { what: 'panning right' });
    await page.click('#stopBT');
    const stopped = await settled(page);
    assert.ok(stopped.lon > start.lon + 5 && stopped.lat === start.lat, `stopped at ${stopped.lon}`);
    await page.click('#leftBT');
    await waitFor(page, (lon) => window.__tessaly.state().lon < lon - 5, stopped.lon, { what: 'panning left' });
    // Another direction replaces the one before: up only changes the pitch.
    await page.click('#upBT');
    const up = await state(page);
    await waitFor(page, (lat) => window.__tessaly.state().lat > lat + 5, up.lat, { what: 'panning up' });
    const upward = await state(page);
    assert.ok(Math.abs(upward.lon - up.lon) < 1, `lon held at ${up.lon}: ${upward.lon}`);
    await page.click('#downBT');
    await waitFor(page, (lat) => window.__tessaly.state().lat < lat - 5, upward.lat, { what: 'panning down' });
    await page.click('#stopBT');
    await settled(page);
    assert.deepEqual(await errors(), []);
  });

  test('zoom in and out step by ten degrees between 40 and 130', async () => {
    const { page, errors } = await session.open({});
    await page.click('#zoominBT');
    assert.equal((await state(page)).fov, 80);
    await page.click('#zoomoutBT');
    await page.click('#zoomoutBT');
    assert.equal((await state(page)).fov, 100);
    for (let i = 0; i < 8; i += 1) await page.click('#zoominBT');
    assert.equal((await state(page)).fov, 40);
    for (let i = 0; i < 12; i += 1) await page.click('#zoomoutBT');
    assert.equal((await state(page)).fov, 130);
    assert.deepEqual(await errors(), []);
  });

  test('restart plays from the beginning; mute on and off swap their icons', async () => {
    const { page, errors } = await session.open({});
    await seekTo(page, 3);
    await page.click('#restartBT');
    await waitFor(page, () => !window.__tessaly.state().paused && window.__tessaly.state().time < 2.5, undefined,
      { what: 'playing from the start' });
    assert.deepEqual([await display(page, 'muteON'), await display(page, 'muteOFF')], ['block', 'none']);
    await page.click('#muteON');
    assert.equal((await state(page)).muted, true);
    assert.deepEqual([await display(page, 'muteON'), await display(page, 'muteOFF')], ['none', 'block']);
    await page.click('#muteOFF');
    assert.equal((await state(page)).muted, false);
    assert.deepEqual([await display(page, 'muteON'), await display(page, 'muteOFF')], ['block', 'none']);
    assert.deepEqual(await errors(), []);
  });

  test('the title banner shows on the picture until the pointer passes over it', async () => {
    const { page, errors } = await session.open({});
    const box = await page.box('#titlePN');
    assert.ok(box.x >= 0 && box.x + box.width <= 550 && box.y >= 0 && box.y < 100, `banner at ${JSON.stringify(box)}`);
    await page.mouse.move(box.x + box.width / 2, box.y + box.height / 2);
    assert.equal(await display(page, 'titlePN'), 'none');
    assert.deepEqual(await errors(), []);
  });
});

describe('about', () => {
  test("the About icon sits on the picture and opens the maker's page in a new window", async () => {
    // Chromium can stand in for the maker's site; elsewhere the window shows the engine's
    // page for an address it cannot reach, and the browser still tells where it went.
    const { context } = session.browser;
    if (context) {
      await context.route('https://tessaly.example/**', (route) => route.fulfill({
        contentType: 'text/html', body: '<!DOCTYPE html><title>maker</title><link rel="icon" href="data:,">',
      }));
      session.later(() => context.unroute('https://tessaly.example/**'));
    }
    const { page, errors } = await session.open({});
    const box = await page.box('#ab');
    assert.ok(box.x >= 0 && box.x + box.width <= 550 && box.y >= 0 && box.y + box.height <= 400, JSON.stringify(box));
    const popup = await page.popup(() => page.click('#ab'));
    session.later(() => popup.close());
    if (context) {
      await popup.waitForURL('https://tessaly.example/');
    } else {
      await popup.waitForURL((at) => decodeURIComponent(at).includes('https://tessaly.example/'));
    }
    assert.equal(await popup.evaluate(() => window.opener), null);
    assert.deepEqual(await errors(), []);
  });
});

describe('control bar', () => {
  test('a click on the progress bar seeks, a drag follows, the time reads mm:ss / mm:ss', async () => {
    const { page, errors } = await session.open({});
    await seekTo(page, 0.5);
    const bar = await page.box('#total');
    const y = bar.y + bar.height / 2;
    await page.mouse.click(bar.x + bar.width * 0.8, y);
    await waitFor(page, () => Math.abs(window.__tessaly.state().time - 3.2) < 0.15, undefined, { what: 'seek to 3.2 s' });
    await waitFrames(page, 2);
    assert.equal(await page.textContent('#play_time'), '00:03 / 00:04');
    assert.match(await page.evaluate(() => document.getElementById('current').style.width), /^(79|80)(\.\d+)?%$/);
    assert.equal(await page.evaluate(() => !!document.getElementById('cc') || !!document.getElementById('captions')), false,
      'a movie without captions has no CC item');
    await page.mouse.move(bar.x + bar.width * 0.1, y);
    await page.mouse.down();
    await page.mouse.move(bar.x + bar.width * 0.3, y, { steps: 3 });
    await page.mouse.move(bar.x + bar.width * 0.5, y, { steps: 3 });
    await page.mouse.up();
    await waitFor(page, () => Math.abs(window.__tessaly.state().time - 2) < 0.15, undefined, { what: 'drag to 2 s' });
    assert.deepEqual(await errors(), []);
  });

  test('hot-spot windows are marked on the progress bar', async () => {
    const hotSpots = [{ slot: 2, pos: 1, time: 1, yaw: 0, title: 'Door', link: 'door.html' }];
    const { page, errors } = await session.open({}, { hotSpots });
    const marks = await waitFor(page, () => {
      const found = [...document.querySelectorAll('#total .hs-mark')];
      return found.length ? found.map((m) => [parseFloat(m.style.left), parseFloat(m.style.width)]) : null;
    }, undefined, { what: 'the marks' });
    assert.deepEqual(marks, [[25, 25]]);
    // The marks leave the played part of the bar in sight above them.
    const [mark, bar] = await page.evaluate(() => [document.querySelector('#total .hs-mark'), document.getElementById('total')]
      .map((e) => e.getBoundingClientRect().height));
    assert.ok(mark > 0 && mark <= bar / 2, `mark ${mark} px high in a ${bar} px bar`);
    assert.deepEqual(await errors(), []);
  });

  test('volume in six steps; the steps light up to the volume and go dark when muted', async () => {
    const { page, errors } = await session.open({ OS_VOLUME: 0.5 });
    const lit = () => page.evaluate(() => [...document.querySelectorAll('#volume_display li')].map((li) => li.className === 'on'));
    assert.deepEqual(await lit(), [true, true, true, false, false, false]);
    await page.click('#volume_display li:nth-child(2)');
    assert.ok(Math.abs((await state(page)).volume - 2 / 6) < 1e-6);
    assert.deepEqual(await lit(), [true, true, false, false, false, false]);
    await page.click('#volume_display li:nth-child(6)');
    assert.equal((await state(page)).volume, 1);
    await page.click('#muteON');
    assert.deepEqual(await lit(), [false, false, false, false, false, false]);
    // Setting a volume brings the sound back.
    await page.click('#volume_display li:nth-child(4)');
    assert.equal((await state(page)).muted, false);
    assert.deepEqual(await lit(), [true, true, true, true, false, false]);
    assert.deepEqual(await errors(), []);
  });

  test('full screen on and off: the viewer fills the screen and comes back to its size', async () => {
    const { page, errors } = await session.open({});
    await page.click('#full_screen');
    // MiniBrowser hides its bars a moment after the page went full screen (up to a tenth
    // of a second after the event): the page grows by their height and the button moves
    // down with the bar, so a click aimed before that misses it.
    const grows = ENGINE === 'webkit' ? WINDOW_SIZE[1] : 0;
    await waitFor(page, (before) => {
      const now = window.__tessaly.state();
      return !!document.fullscreenElement && now.filled && now.width === innerWidth && now.height === innerHeight
        && innerHeight > before;
    }, grows, { what: 'the viewer filling the full screen' });
    await page.click('#full_screen');
    await waitFor(page, () => !document.fullscreenElement && window.__tessaly.state().width === 550, undefined,
      { what: 'back to 550 x 400' });
    assert.equal((await state(page)).height, 400);
    assert.deepEqual(await errors(), []);
  });

  test('without a full-screen API (iPhone) the viewer fills the window instead', async () => {
    const noApi = () => {
      delete Element.prototype.requestFullscreen;
      delete Element.prototype.webkitRequestFullscreen;
    };
    const { page, errors } = await session.open({}, { init: [noApi] });
    await page.click('#full_screen');
    let now = await state(page);
    assert.deepEqual([now.filled, now.left, now.top, now.width, now.height], [true, 0, 0, 1000, 700]);
    const bar = await page.box('#controls');
    assert.ok(bar.y + bar.height <= 700, 'the bar stays on the screen');
    await page.click('#full_screen');
    now = await state(page);
    assert.deepEqual([now.filled, now.width, now.height], [false, 550, 400]);
    assert.deepEqual(await errors(), []);
  });

  test('below 550 pixels the layout is compact and the buttons fit the viewer', async () => {
    const { page, errors } = await session.open({ RENDER_X: 320, RENDER_Y: 240 });
    assert.equal(await page.getAttribute('#controls', 'class'), 'compact');
    assert.equal((await page.box('#controls')).height, 24);
    for (const id of ['leftBT', 'upBT', 'stopBT', 'downBT', 'rightBT', 'zoominBT', 'zoomoutBT', 'restartBT']) {
      const b = await page.box(`#${id}`);
      assert.ok(b.x >= 0 && b.x + b.width <= 320 && b.y >= 0 && b.y + b.height <= 240, `${id} at ${JSON.stringify(b)}`);
    }
    assert.equal(await page.evaluate(() => document.body.textContent.includes('Look by moving the device')), false,
      'no motion button without touch');
    // A viewer that follows the window turns compact when the window narrows below 550.
    const following = await session.open({ OS_FULL_SCREEN: 1 });
    assert.equal(await following.page.evaluate(() => document.getElementById('controls').className), '');
    await following.page.setViewportSize({ width: 500, height: 600 });
    await waitFor(following.page, () => document.getElementById('controls').className === 'compact', undefined,
      { what: 'the compact bar' });
    assert.equal(await display(following.page, 'volume'), 'none');
    await following.page.setViewportSize({ width: 1000, height: 700 });
    await waitFor(following.page, () => document.getElementById('controls').className === '', undefined,
      { what: 'the full bar' });
    const hidden = await session.open({ control_bar: 0 });
    for (const id of ['controls', 'leftBT', 'restartBT']) assert.equal(await display(hidden.page, id), 'none', id);
    assert.deepEqual([...await errors(), ...await following.errors(), ...await hidden.errors()], []);
  });
});

describe('keyboard', () => {
  test('arrows pan, + and - zoom, space plays and pauses, M mutes, F toggles full screen', async () => {
    const { page, errors } = await session.open({});
    const before = await state(page);
    await page.keyboard.press('ArrowRight');
    await page.keyboard.press('ArrowRight');
    await page.keyboard.press('ArrowUp');
    let now = await state(page);
    assert.deepEqual([now.lon, now.lat], [before.lon + 10, before.lat + 5]);
    await page.keyboard.press('ArrowLeft');
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('ArrowDown');
    now = await state(page);
    assert.deepEqual([now.lon, now.lat], [before.lon + 5, before.lat - 5]);
    await page.keyboard.press('+');
    assert.equal((await state(page)).fov, 80);
    await page.keyboard.press('-');
    await page.keyboard.press('-');
    assert.equal((await state(page)).fov, 100);
    await waitFor(page, () => !window.__tessaly.state().paused, undefined, { what: 'playing' });
    await page.keyboard.press(' ');
    await waitFor(page, () => window.__tessaly.state().paused, undefined, { what: 'paused by space' });
    await page.keyboard.press(' ');
    await waitFor(page, () => !window.__tessaly.state().paused, undefined, { what: 'playing after space' });
    await page.keyboard.press('m');
    assert.equal((await state(page)).muted, true);
    await page.keyboard.press('M');
    assert.equal((await state(page)).muted, false);
    await page.keyboard.press('f');
    await waitFor(page, () => window.__tessaly.state().filled, undefined, { what: 'full screen by F' });
    await page.keyboard.press('f');
    await waitFor(page, () => !window.__tessaly.state().filled, undefined, { what: 'back by F' });
    assert.deepEqual(await errors(), []);
  });
});

describe('captions', () => {
  test('the cue due shows over the picture where its settings place it, and nothing between cues', async () => {
    // de-AT finds de; storage that throws (a private window) stops nothing.
    const { page, errors } = await session.open({}, { change: addCaptions(), init: [visitor(['fr-FR', 'de-AT'], true)] });
    const { box, modes } = await captionsAt(page, 1, CAPTIONS.de.shown);
    const buttons = (await page.box('#leftBT')).y; // over the bar
    assert.ok(Math.abs(box.x + box.width / 2 - 275) <= 2 && box.width <= 441 && box.bottom <= buttons && box.bottom > 300, JSON.stringify(box));
    // The browser draws none itself; the other language loads nothing.
    assert.deepEqual([modes, await page.getAttribute('#captions', 'aria-live')], [['disabled', 'hidden'], 'polite']);
    assert.equal((await captionsAt(page, 2, '')).box, null);
    await page.click('#cc');
    await page.clickText('li', 'English');
    const placed = (await captionsAt(page, 3, CAPTIONS.en.placed)).box;
    assert.ok(Math.abs(placed.top - 40) <= 2 && Math.abs(placed.left - 110) <= 2, `10% / 20%: ${JSON.stringify(placed)}`);
    assert.deepEqual(await errors(), []);
  });

  test('none when no language matches; a pick by pointer holds after a reload, and the keyboard picks too', async () => {
    const { page, errors, url } = await session.open({}, { change: addCaptions(), init: [visitor(['fr-CA'])] });
    assert.deepEqual((await page.evaluate(captionState)).modes, ['disabled', 'disabled']);
    assert.equal(await page.textContent('#cc_menu'), 'OffEnglishDeutsch');
    await page.click('#cc');
    await page.clickText('li', 'Deutsch');
    await page.goto(url);
    await waitFor(page, () => !!window.__tessaly && window.__tessaly.state().ready, undefined, { what: 'the viewer again' });
    await captionsAt(page, 1, CAPTIONS.de.shown);
    // The list opens at the choice made: up once is English, twice Off.
    await page.focus('#cc button');
    for (const key of ['Enter', 'ArrowUp', 'Enter']) await page.keyboard.press(key);
    await captionsAt(page, 1, CAPTIONS.en.shown);
    for (const key of ['Enter', 'ArrowUp', 'Enter']) await page.keyboard.press(key);
    await captionsAt(page, 1, '');
    assert.deepEqual(await errors(), []);
  });
});
