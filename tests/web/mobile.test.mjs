// Phones and tablets, under Chromium's mobile emulation: touch drag, pinch zoom,
// inline playback and looking around by moving the device. Chromium only: the
// touch screen and the orientation sensor are emulated through its DevTools
// protocol (tests/web/README.md). Pages are the raw Playwright pages.
import assert from 'node:assert/strict';
import { before, describe, test } from 'node:test';
import { pageSession, viewerState, waitFor, waitFrames } from './lib/browser.mjs';
import { patternMovie } from './lib/movie.mjs';

// 0.05 x 5 = 0.25 degrees a dragged pixel.
const VIEW = { fov: 90, OS_FPS: 30, nSegmentsWidth: 64, nSegmentsHeight: 32, mousespeed: 0.05, RENDER_X: 360, RENDER_Y: 300 };

let movie;
const session = pageSession(() => movie, VIEW);

before(async () => {
  movie = patternMovie();
  await session.start({ contextOptions: { viewport: { width: 390, height: 700 }, isMobile: true, hasTouch: true, deviceScaleFactor: 2 } });
});

// The page as Playwright has it, and its errors.
async function open(config, options) {
  const opened = await session.open(config, options);
  return { page: opened.page.driver.raw, errors: opened.errors };
}

// Sends one touch event through the DevTools protocol; points are [x, y] pairs.
function touch(cdp, type, points) {
  return cdp.send('Input.dispatchTouchEvent', {
    type,
    touchPoints: points.map(([x, y], id) => ({ x, y, id })),
  });
}

// Moves fingers from `from` to `to` in steps, each finger a straight line.
async function gesture(page, from, to, steps = 6) {
  const cdp = await page.context().newCDPSession(page);
  await touch(cdp, 'touchStart', from);
  for (let i = 1; i <= steps; i += 1) {
    await touch(cdp, 'touchMove', from.map(([x, y], f) => [x + ((to[f][0] - x) * i) / steps, y + ((to[f][1] - y) * i) / steps]));
  }
  await touch(cdp, 'touchEnd', []);
  await cdp.detach();
  await waitFrames(page, 2);
}

describe('touch', () => {
  test('one finger turns the view, two fingers pinch the zoom', async () => {
    const { page, errors } = await open({});
    assert.equal(await page.evaluate(() => navigator.maxTouchPoints > 0), true);
    await gesture(page, [[300, 150]], [[100, 190]]);
    let state = await viewerState(page);
    assert.ok(Math.abs(state.lon - 50) < 0.01 && Math.abs(state.lat - 10) < 0.01, `lon ${state.lon}, lat ${state.lat}`);
    // Fingers 100 pixels apart spread to 200: the view zooms in to half the angle.
    await gesture(page, [[130, 150], [230, 150]], [[80, 150], [280, 150]]);
    state = await viewerState(page);
    assert.ok(Math.abs(state.fov - 45) < 0.5, `fov ${state.fov}`);
    assert.ok(Math.abs(state.lon - 50) < 0.01, 'a pinch does not turn the view');
    // Pinching in stops at the widest zoom.
    await gesture(page, [[80, 150], [280, 150]], [[170, 150], [190, 150]]);
    assert.equal((await viewerState(page)).fov, 130);
    assert.deepEqual(await errors(), []);
  });

  test('the movie plays inline', async () => {
    const { page, errors } = await open({});
    assert.deepEqual(await page.evaluate(() => {
      const video = document.getElementById('video');
      return [video.hasAttribute('playsinline'), video.hasAttribute('webkit-playsinline')];
    }), [true, true]);
    await waitFor(page, () => !window.__tessaly.state().paused, undefined, { what: 'playing' });
    assert.deepEqual(await errors(), []);
  });
});

describe('device orientation', () => {
  // Drives the emulated sensor; each call waits until the page has seen the new angles,
  // which is after the viewer has: its listener came first.
  async function sensor(page) {
    const cdp = await page.context().newCDPSession(page);
    session.later(() => cdp.detach().catch(() => null));
    await page.evaluate(() => {
      window.__seen = null;
      window.addEventListener('deviceorientation', (e) => {
        window.__seen = [e.alpha, e.beta, e.gamma];
      });
    });
    return async (alpha, beta, gamma) => {
      await cdp.send('DeviceOrientation.setDeviceOrientationOverride', { alpha, beta, gamma });
      await waitFor(page, (want) => !!window.__seen && window.__seen.every((v, i) => Math.abs(v - want[i]) < 1e-6),
        [alpha, beta, gamma], { what: `the orientation ${alpha}, ${beta}, ${gamma}` });
    };
  }

  test('after its button the device turns the view, starting from where it looked', async () => {
    const { page, errors } = await open({ lon: 90 });
    const orient = await sensor(page);
    await orient(0, 135, 0);
    assert.equal((await viewerState(page)).lat, 0, 'the device does nothing before the button');
    await page.click('text=Look by moving the device');
    // Upright: the back of the device looks at the horizon, where the view already was.
    await orient(0, 90, 0);
    let state = await viewerState(page);
    assert.ok(Math.abs(state.lon - 90) < 0.01 && Math.abs(state.lat) < 0.01, `${state.lon}, ${state.lat}`);
    // Tilted back by 45 degrees: looking up. Turned left by 30 degrees: the view turns left.
    await orient(0, 135, 0);
    state = await viewerState(page);
    assert.ok(Math.abs(state.lat - 45) < 0.01, `lat ${state.lat}`);
    await orient(30, 90, 0);
    state = await viewerState(page);
    assert.ok(Math.abs(state.lon - 60) < 0.01 && Math.abs(state.lat) < 0.01, `${state.lon}, ${state.lat}`);
    await page.click('text=Stop moving with the device');
    await orient(0, 135, 0);
    assert.equal((await viewerState(page)).lat, state.lat, 'the button turns it off again');
    assert.deepEqual(await errors(), []);
  });

  test('where the browser asks for permission, the button asks, and a refusal changes nothing', async () => {
    const asking = () => {
      window.__asked = 0;
      DeviceOrientationEvent.requestPermission = () => {
        window.__asked += 1;
        return Promise.resolve(window.__answer || 'denied');
      };
    };
    const { page, errors } = await open({}, { init: [asking] });
    const orient = await sensor(page);
    await page.click('text=Look by moving the device');
    await waitFor(page, () => window.__asked === 1, undefined, { what: 'the permission request' });
    await orient(0, 135, 0);
    assert.equal((await viewerState(page)).lat, 0);
    await page.evaluate(() => {
      window.__answer = 'granted';
    });
    await page.click('text=Look by moving the device');
    await waitFor(page, () => window.__asked === 2, undefined, { what: 'the second request' });
    await page.waitForSelector('text=Stop moving with the device');
    await orient(0, 90, 0);
    await orient(0, 135, 0);
    assert.ok(Math.abs((await viewerState(page)).lat - 45) < 0.01);
    assert.deepEqual(await errors(), []);
  });
});
