// The viewer in a headset: a fake WebXR device stands in for one, delivering frames
// with two views whose matrices are real, into the canvas as the headset's frame buffer.
import assert from 'node:assert/strict';
import { before, describe, test } from 'node:test';
import { loseContext, pageSession, restoreContext, seekTo, viewerState, waitFor, waitFrames } from './lib/browser.mjs';
import { addCaptions, CAPTIONS, captionsAt, visitor } from './lib/captions.mjs';
import { STEREO_OTHER, halfSphereMovie, patternMovie } from './lib/movie.mjs';

const VIEW = { fov: 90, OS_FPS: 30, nSegmentsWidth: 64, nSegmentsHeight: 32 };
const LANDING = '<!DOCTYPE html><title>landing</title><link rel="icon" href="data:,"><p>landed</p>';
const TOLERANCE = 6;
const WHITE = [255, 255, 255];
const GREEN = [0, 255, 0];
const ORANGE = [255, 128, 0];

const session = pageSession(() => movie, VIEW);
let movie;

before(async () => {
  movie = patternMovie();
  await session.start();
});

// Runs in the page before its scripts. The headset looks along window.__xr.yaw (degrees,
// positive to the right); each eye sits 32 mm off the head and sees half of the canvas.
function fakeHeadset() {
  const xr = { yaw: 0, sessions: 0, ended: 0, layers: 0, draws: {}, viewport: [0, 0, 0, 0], session: null };
  window.__xr = xr;
  const identity = () => [1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1];
  // Column-major, as WebXR gives them.
  const perspective = (aspect, near, far) => {
    const m = identity();
    m[0] = 1 / aspect;
    m[10] = (far + near) / (near - far);
    m[11] = -1;
    m[14] = (2 * far * near) / (near - far);
    m[15] = 0;
    return new Float32Array(m);
  };
  // The head turned by yaw about the up axis, the eye `side` metres to its right.
  const eye = (yawDegrees, side) => {
    const a = (-yawDegrees * Math.PI) / 180;
    const c = Math.cos(a);
    const s = Math.sin(a);
    const position = [c * side, 0, -s * side];
    const pose = [c, 0, -s, 0, 0, 1, 0, 0, s, 0, c, 0, position[0], 0, position[2], 1];
    // A rigid transform's inverse: the turn transposed, the position turned back.
    const inverse = [c, 0, s, 0, 0, 1, 0, 0, -s, 0, c, 0, 0, 0, 0, 1];
    inverse[12] = -(c * position[0] - s * position[2]);
    inverse[14] = -(s * position[0] + c * position[2]);
    const orientation = { x: 0, y: Math.sin(a / 2), z: 0, w: Math.cos(a / 2) };
    return { orientation, matrix: new Float32Array(pose), inverse: { matrix: new Float32Array(inverse) } };
  };
  class FakeSession {
    constructor() {
      this.listeners = { select: [], end: [] };
      this.renderState = { baseLayer: null, depthNear: 0.1, depthFar: 1000 };
      this.over = false;
    }
    addEventListener(name, listener) {
      (this.listeners[name] = this.listeners[name] || []).push(listener);
    }
    removeEventListener() {}
    fire(name) {
      for (const listener of this.listeners[name] || []) listener({ type: name, session: this });
    }
    updateRenderState(changes) {
      Object.assign(this.renderState, changes);
    }
    requestReferenceSpace(kind) {
      return Promise.resolve({ kind });
    }
    requestAnimationFrame(callback) {
      window.requestAnimationFrame((time) => {
        if (this.over) return;
        const session = this;
        const frame = {
          session,
          getViewerPose() {
            const layer = session.renderState.baseLayer;
            const aspect = layer.width / 2 / layer.height;
            const projection = perspective(aspect, session.renderState.depthNear, session.renderState.depthFar);
            return {
              transform: eye(xr.yaw, 0),
              views: [
                { eye: 'left', projectionMatrix: projection, transform: eye(xr.yaw, -0.032) },
                { eye: 'right', projectionMatrix: projection, transform: eye(xr.yaw, 0.032) },
              ],
            };
          },
        };
        callback(time, frame);
      });
      return 1;
    }
    end() {
      if (!this.over) {
        this.over = true;
        xr.ended += 1;
        xr.session = null;
        setTimeout(() => this.fire('end'));
      }
      return Promise.resolve();
    }
  }
  window.XRWebGLLayer = class {
    constructor(session, gl) {
      xr.layers += 1;
      this.framebuffer = null;
      this.width = gl.drawingBufferWidth;
      this.height = gl.drawingBufferHeight;
    }
    getViewport(view) {
      const half = Math.floor(this.width / 2);
      return { x: view.eye === 'left' ? 0 : half, y: 0, width: half, height: this.height };
    }
  };
  Object.defineProperty(navigator, 'xr', {
    value: {
      isSessionSupported: (mode) => Promise.resolve(mode === 'immersive-vr'),
      requestSession: (mode) => {
        if (mode !== 'immersive-vr') return Promise.reject(new DOMException('mode', 'NotSupportedError'));
        xr.sessions += 1;
        xr.session = new FakeSession();
        return Promise.resolve(xr.session);
      },
    },
  });
  // Draw calls counted by the left edge of the viewport they go to, and by size (a hot
  // spot is one square of 6 indices; the sphere has thousands).
  for (const Context of [window.WebGLRenderingContext, window.WebGL2RenderingContext]) {
    const proto = Context.prototype;
    proto.makeXRCompatible = () => Promise.resolve();
    const viewport = proto.viewport;
    proto.viewport = function (x, y, w, h) {
      xr.viewport = [x, y, w, h];
      return viewport.call(this, x, y, w, h);
    };
    const drawElements = proto.drawElements;
    proto.drawElements = function (mode, count, type, offset) {
      const key = `${xr.viewport[0]}/${xr.viewport[2]} ${count === 6 ? 'spot' : 'movie'}`;
      xr.draws[key] = (xr.draws[key] || 0) + 1;
      return drawElements.call(this, mode, count, type, offset);
    };
  }
}

function assertColour(actual, expected, where) {
  const off = expected.map((c, i) => Math.abs(c - actual[i]));
  assert.ok(Math.max(...off) <= TOLERANCE, `${where}: expected ${expected}, got ${actual.slice(0, 3)}`);
}

function draws(page) {
  return page.evaluate(() => ({ ...window.__xr.draws }));
}

function resetDraws(page) {
  return page.evaluate(() => {
    window.__xr.draws = {};
  });
}

// Pixels of both eyes at an offset from each eye's centre, drawn now (within the headset's frame).
function sampleEyes(page, dx, dy) {
  return page.evaluate(([x, y]) => {
    const s = window.__tessaly.state();
    const half = s.width / 2;
    return [window.__tessaly.sample(half / 2 + x, s.height / 2 + y), window.__tessaly.sample(half + half / 2 + x, s.height / 2 + y)];
  }, [dx, dy]);
}

async function enterVr(page) {
  await waitFor(page, () => [...document.querySelectorAll('button')].some((b) => b.textContent === 'Enter VR'),
    undefined, { what: 'the Enter VR button' });
  await page.clickText('button', 'Enter VR');
  await waitFor(page, () => window.__xr.session !== null && document.body.textContent.includes('Exit VR'),
    undefined, { what: 'the session' });
  await waitFrames(page, 3);
}

async function look(page, yaw) {
  await page.evaluate((y) => {
    window.__xr.yaw = y;
  }, yaw);
  await waitFrames(page, 2);
}

describe('in a headset', () => {
  test('both eyes see the movie and the shown hot spots; select opens the one looked at', async () => {
    const { page, errors, root } = await session.open({}, {
      hotSpots: [
        { slot: 1, pos: 1, time: 2, yaw: 0, title: 'Ahead', link: 'door.html', self: false },
        { slot: 2, pos: 1, time: 2, yaw: 90, title: 'Right', link: 'door.html', self: true },
      ],
      extraFiles: { 'door.html': LANDING },
      init: [fakeHeadset],
    });
    const width = (await viewerState(page)).width;
    await seekTo(page, 0.2);
    await enterVr(page);

    // Before the window: the movie in both halves, no hot spot. The headset faces where the page looked.
    await resetDraws(page);
    await waitFrames(page, 3);
    let counted = await draws(page);
    const left = `0/${width / 2} movie`;
    const right = `${width / 2}/${width / 2} movie`;
    assert.ok(counted[left] >= 3 && counted[right] >= 3, `movie drawn for each eye: ${JSON.stringify(counted)}`);
    assert.equal(Object.keys(counted).filter((k) => k.endsWith('spot')).length, 0, 'no hot spot before its time');
    for (const [i, pixel] of (await sampleEyes(page, 0, 0)).entries()) assertColour(pixel, WHITE, `eye ${i} centre`);
    for (const [i, pixel] of (await sampleEyes(page, -60, 0)).entries()) assertColour(pixel, GREEN, `eye ${i} left`);

    // Within the window: the hot spot ahead is drawn for each eye, over the movie at the gaze.
    await seekTo(page, 1.5);
    await resetDraws(page);
    await waitFrames(page, 3);
    counted = await draws(page);
    assert.ok(counted[`0/${width / 2} spot`] >= 3 && counted[`${width / 2}/${width / 2} spot`] >= 3,
      `hot spots drawn for each eye: ${JSON.stringify(counted)}`);
    for (const [i, pixel] of (await sampleEyes(page, 0, 0)).entries()) {
      assert.ok(Math.max(...WHITE.map((c, k) => Math.abs(c - pixel[k]))) > 40, `eye ${i}: icon at the gaze, got ${pixel}`);
    }
    for (const [i, pixel] of (await sampleEyes(page, -60, 0)).entries()) assertColour(pixel, GREEN, `eye ${i} beside the icon`);

    // Looking away, a select picks nothing; looking at the hot spot, it opens a new window.
    await look(page, 45);
    await page.evaluate(() => window.__xr.session.fire('select'));
    await waitFrames(page, 2);
    assert.equal(await page.evaluate(() => window.__xr.ended), 0, 'select away from every hot spot');
    await look(page, 0);
    const popup = await page.popup(() => page.evaluate(() => window.__xr.session.fire('select')));
    session.later(() => popup.close());
    await popup.waitForURL(root + 'door.html');
    await page.bringToFront();

    // The session ends and the page view comes back as it was.
    await waitFor(page, () => document.body.textContent.includes('Enter VR'), undefined, { what: 'the page view' });
    await resetDraws(page);
    const before = (await viewerState(page)).renders;
    await page.evaluate(() => document.getElementById('video').play());
    await waitFor(page, (n) => window.__tessaly.state().renders > n + 3, before, { what: 'page frames' });
    counted = await draws(page);
    assert.deepEqual(Object.keys(counted), [`0/${width} movie`], 'the whole canvas, one view, no sprite');
    await page.evaluate(() => document.getElementById('video').pause());
    await seekTo(page, 1.5);
    assertColour(await page.evaluate(() => window.__tessaly.sample(275, 200)), WHITE, 'page centre');
    assert.equal(await page.url(), root + 'tour.html');

    // Again, turned right to the hot spot that opens in the same window.
    await enterVr(page);
    await look(page, 90);
    await page.evaluate(() => window.__xr.session.fire('select'));
    await page.waitForURL(root + 'door.html');
    assert.deepEqual(await errors(), []);
  });

  test('the cue due is on a panel below the gaze in each eye; between cues there is none', async () => {
    const { page, errors } = await session.open({}, { change: addCaptions(['en']), init: [fakeHeadset, visitor(['en'])] });
    const half = (await viewerState(page)).width / 2;
    const panels = () => resetDraws(page).then(() => waitFrames(page, 3)).then(() => draws(page))
      .then((counted) => [counted[`0/${half} spot`] >= 3, counted[`${half}/${half} spot`] >= 3]);
    await captionsAt(page, 1, CAPTIONS.en.shown);
    await enterVr(page);
    assert.deepEqual(await panels(), [true, true]);
    // Below the gaze, beside the white marker, the movie is green: there the panel shows its dark box or a letter.
    for (const pixel of await sampleEyes(page, -20, 72)) assert.ok(Math.max(...GREEN.map((c, k) => Math.abs(c - pixel[k]))) > 40, `${pixel}`);
    await captionsAt(page, 2, '');
    assert.deepEqual(await panels(), [false, false]);
    assert.deepEqual(await errors(), []);
  });

  test('after a lost drawing context the hot spot, the caption panel and the layer are made again', async (t) => {
    const { page, errors } = await session.open({}, {
      hotSpots: [{ slot: 1, pos: 1, time: 2, yaw: 0, title: 'Ahead', link: 'door.html' }],
      change: addCaptions(['en']), init: [fakeHeadset, visitor(['en'])],
    });
    await captionsAt(page, 1.3, CAPTIONS.en.shown);
    await enterVr(page);
    if (!await loseContext(page)) {
      t.skip('this engine has no WEBGL_lose_context to lose a context with');
      return;
    }
    await waitFrames(page, 3);
    await restoreContext(page);
    await waitFor(page, () => window.__xr.layers === 2, undefined, { what: 'a layer on the restored context' });
    await waitFrames(page, 3);
    for (const [i, pixel] of (await sampleEyes(page, 0, 0)).entries()) {
      assert.ok(Math.max(...WHITE.map((c, k) => Math.abs(c - pixel[k]))) > 40, `eye ${i}: icon at the gaze, got ${pixel}`);
    }
    for (const pixel of await sampleEyes(page, -20, 72)) assert.ok(Math.max(...GREEN.map((c, k) => Math.abs(c - pixel[k]))) > 40, `panel: ${pixel}`);
    assert.deepEqual(await errors(), []);
  });
});

describe('a stereo 180-degree movie in a headset', () => {
  test('the top half to the left eye, the bottom half to the right, OS_COLOR behind, a hot spot alike in both', async () => {
    const { page, errors } = await session.open({ stereo: 'top-bottom', field: 180, OS_COLOR: 'FF8000' }, {
      movies: halfSphereMovie(),
      hotSpots: [{ slot: 1, pos: 1, time: 2, yaw: 45, title: 'Right', link: 'door.html' }],
      init: [fakeHeadset],
    });
    await seekTo(page, 0.2);
    await enterVr(page);
    const [left, right] = await sampleEyes(page, 0, 0);
    assertColour(left, WHITE, 'left eye ahead: the centre of the top half');
    assertColour(right, STEREO_OTHER, 'right eye ahead: the bottom half');
    await look(page, 180);
    for (const [i, pixel] of (await sampleEyes(page, 0, 0)).entries()) assertColour(pixel, ORANGE, `eye ${i} behind`);
    await seekTo(page, 1.5);
    await look(page, 45);
    const icons = await sampleEyes(page, 0, 0);
    assertColour(icons[1], icons[0], 'the icon at the gaze in both eyes');
    assert.ok(Math.max(...STEREO_OTHER.map((c, k) => Math.abs(c - icons[1][k]))) > 40, `right eye: icon, got ${icons[1]}`);
    assert.deepEqual(await errors(), []);
  });
});
